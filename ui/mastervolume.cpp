// Master volume knob.
#include "app/frmWriteWave.h"

#include "ui_frmWriteWave.h"

#include <QSignalBlocker>

namespace {

constexpr int KnobStartValue = 65;
// The mixer's value for each step of the knob: the knob's 65 steps reach 65000 of 65535.
constexpr qint32 VolumeScale = 1000;

} // namespace

void frmWriteWave::InitMasterVolume()
{
    using namespace trevisto::mixer;
    // Without a mixer the knob keeps its design value and turning it changes nothing.
    if (mixerOpen(&MixerHandle, 0) != MMSYSERR_NOERROR)
        return;
    FindMasterVolumeControl(MixerHandle, MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, MIXERCONTROL_CONTROLTYPE_VOLUME,
                            VolumeControl);
    // Showing the start value is not a turn of the knob: starting the program leaves the
    // system's volume where the user put it.
    const QSignalBlocker quiet(ui->Knob1);
    ui->Knob1->setValue(KnobStartValue);
}

void frmWriteWave::Knob1_Change()
{
    // The knob's range (0 to 65) keeps the product well inside 32 bits.
    const qint32 volume = qint32(ui->Knob1->value()) * VolumeScale;
    trevisto::mixer::SetMasterVolume(MixerHandle, VolumeControl, volume);
}
