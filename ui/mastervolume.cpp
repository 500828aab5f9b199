// Master volume knob.
#include "app/frmWriteWave.h"

void frmWriteWave::InitMasterVolume()
{
    // Without a mixer the knob keeps its design value and turning it changes nothing.
}
