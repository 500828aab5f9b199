#include "app/window/mastervolume.h"

#include "ui/mastervolume.h"

#include <QDial>
#include <QSignalBlocker>

#include <algorithm>

namespace {

constexpr int KnobStartValue = 65;

} // namespace

namespace trevisto {

int knobValueFor(qint32 volume, int minimum, int maximum)
{
    const qint64 nearest = (qint64(volume) + VolumeScale / 2) / VolumeScale;
    return int(std::clamp<qint64>(nearest, minimum, maximum));
}

} // namespace trevisto

void MasterVolume::InitMasterVolume(QDial &knob)
{
    using namespace trevisto::mixer;
    // Without a mixer the knob keeps its design value and turning it changes nothing.
    if (mixerOpen(&MixerHandle, 0) != MMSYSERR_NOERROR)
        return;
    FindMasterVolumeControl(MixerHandle, MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, MIXERCONTROL_CONTROLTYPE_VOLUME,
                            VolumeControl);
    // Showing the start value is not a turn of the knob: starting the program leaves the
    // system's volume where the user put it. The knob shows that volume where it can be
    // read, so the first turn moves on from there instead of jumping.
    qint32 current = 0;
    const int shown = GetMasterVolume(MixerHandle, VolumeControl, current)
                          ? trevisto::knobValueFor(current, knob.minimum(), knob.maximum())
                          : KnobStartValue;
    const QSignalBlocker quiet(knob);
    knob.setValue(shown);
}

void MasterVolume::setFromKnob(int knobValue)
{
    // The knob's range (0 to 65) keeps the product well inside 32 bits.
    const qint32 volume = qint32(knobValue) * trevisto::VolumeScale;
    trevisto::mixer::SetMasterVolume(MixerHandle, VolumeControl, volume);
}
