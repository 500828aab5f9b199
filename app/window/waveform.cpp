// The sound in the time slider: its envelope, the marks and the cut.
#include "app/frmWriteWave.h"

#include "editor/timetext.h"
#include "platform/mci/player.h"
#include "ui/closeview.h"
#include "ui_frmWriteWave.h"

void frmWriteWave::ShowMarks()
{
    ui->Slider1->setMarks(MarkIn, MarkOut, MMaudio->length());
    closeView_->setMarks(MarkIn, MarkOut);
    // The labels keep whole seconds; their tooltips the milliseconds.
    ui->Txtin->setToolTip(MillisecondText(MarkIn));
    ui->TxtOut->setToolTip(MillisecondText(MarkOut));
}
