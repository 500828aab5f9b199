#pragma once
// The knob's scale: each step is 1000 of the mixer's 0 to 65535, so the knob's 65 steps
// reach 65000.

#include <QtGlobal>

namespace trevisto {

inline constexpr qint32 VolumeScale = 1000;

// The knob position that shows the mixer volume `volume` (0 to 65535): the nearest step,
// held to the knob's range [minimum, maximum].
int knobValueFor(qint32 volume, int minimum, int maximum);

} // namespace trevisto
