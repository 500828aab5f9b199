// Language packs.
#include "app/frmWriteWave.h"

void frmWriteWave::LoadLanguage()
{
    // The built-in captions of the form stand until language files are read.
}
