// The sound in the time slider: its envelope, the marks and the cut.
#include "app/frmWriteWave.h"

#include "platform/mci/player.h"
#include "ui_frmWriteWave.h"

void frmWriteWave::ShowMarks()
{
    ui->Slider1->setMarks(MarkIn, MarkOut, MMaudio->length());
}
