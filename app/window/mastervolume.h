#pragma once
// The system's master volume behind the volume knob: the mixer opened at start-up and its
// master volume control, found once; turning the knob sets that volume.

#include "platform/mixer/mixer.h"

#include <QtGlobal>

class QDial;

class MasterVolume {
public:
    // Opens the mixer and finds its master volume; `knob` shows that volume where it can
    // be read. Without a mixer the knob keeps its design value and turning it changes
    // nothing.
    void InitMasterVolume(QDial &knob);
    // The knob turned to `knobValue`.
    void setFromKnob(int knobValue);

    quint32 MixerHandle = 0;
    // The located master-volume control; its identifier is all that is used after start-up.
    trevisto::mixer::MixerControl VolumeControl;
};
