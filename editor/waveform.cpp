// The sound in the time slider: its envelope, the marks and the cut.
#include "app/frmWriteWave.h"

#include "audio/conversion.h"
#include "platform/mci/player.h"
#include "ui_frmWriteWave.h"

void frmWriteWave::ConnectWaveform()
{
    // The conversion is made here rather than at the first open so that every run of it
    // reduces into the envelope; the copy of Open Wav reduces into the same table.
    if (!Conversion)
        Conversion = std::make_unique<WaveConversion>();
    Conversion->setPeakTable(&incomingPeaks_);
}

void frmWriteWave::ShowMarks()
{
    ui->Slider1->setMarks(MarkIn, MarkOut, MMaudio->length());
}
