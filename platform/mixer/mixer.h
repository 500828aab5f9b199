#pragma once
// The master volume of the sound system, with the operations and result codes of the
// classic mixer interface: open a mixer device, find the speakers' volume control, and
// set it. Mixer device 0 is the sound system's default mixer (so systems that route
// sound through a sound server work through its ALSA plug-in).
//
// A volume runs from 0 to 65535 whatever the hardware; it is spread linearly over the
// element's own raw range, rounded to the nearest step, and given to every channel of
// the element alike. The volume control is the element named "Master", else "PCM", else
// the first element with a playback volume.
//
// Nothing here prints: the sound library's own error messages are silenced for these
// calls, so a machine without a sound card stays quiet. Only one thread uses the mixer.

#include "platform/mixer/mixerdevice.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace trevisto::mixer {

using HMIXER = std::uint32_t;
using MMRESULT = std::uint32_t;
using DWORD = std::uint32_t;

// Result codes.
inline constexpr MMRESULT MMSYSERR_NOERROR = 0;
inline constexpr MMRESULT MMSYSERR_BADDEVICEID = 2;
inline constexpr MMRESULT MMSYSERR_INVALHANDLE = 5;
inline constexpr MMRESULT MMSYSERR_NODRIVER = 6;
inline constexpr MMRESULT MIXERR_INVALLINE = 1024;
inline constexpr MMRESULT MIXERR_INVALCONTROL = 1025;
inline constexpr MMRESULT MIXERR_INVALVALUE = 1026;

// The destination line and control type the volume routines look for.
inline constexpr DWORD MIXERLINE_COMPONENTTYPE_DST_SPEAKERS = 4;
inline constexpr DWORD MIXERCONTROL_CONTROLTYPE_VOLUME = 0x50030001;

// The bounds of every volume control: the scale a caller speaks in.
inline constexpr DWORD VolumeMinimum = 0;
inline constexpr DWORD VolumeMaximum = 65535;

// A located control. All zero when none was found; a zero identifier names no control.
struct MixerControl {
    DWORD controlId = 0;
    DWORD controlType = 0;
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    bool operator==(const MixerControl &) const = default;
};

// Opens mixer device `device` into `*mixer` (0 when it fails).
MMRESULT mixerOpen(HMIXER *mixer, DWORD device);
MMRESULT mixerClose(HMIXER mixer);

// Finds the control of type `controlType` on the destination line `componentType` and
// copies it into `control`; false (and `control` untouched) when there is none.
bool FindMasterVolumeControl(HMIXER mixer, DWORD componentType, DWORD controlType, MixerControl &control);
// Sets `control` to `volume` (0 to 65535; values outside are held to the nearer end). True
// when every channel took the value.
bool SetMasterVolume(HMIXER mixer, const MixerControl &control, std::int32_t volume);

// The current volume of `control` (0 to 65535) into `volume`: that of its loudest channel,
// as a knob that sets all channels alike shows it. False, and `volume` untouched, when no
// channel can be read.
bool GetMasterVolume(HMIXER mixer, const MixerControl &control, std::int32_t &volume);

// The raw value that `volume` comes to on an element whose range is [minimum, maximum].
long rawVolume(std::int32_t volume, long minimum, long maximum);
// The volume (0 to 65535) a raw value stands for on such an element, to the nearest; raw
// values outside the range are held to the nearer end. The inverse of rawVolume on the
// values it gives.
std::int32_t volumeFromRaw(long raw, long minimum, long maximum);

// Which mixer a device number opens; null when it cannot be opened. Without a call, or
// after one with an empty function, device 0 opens the ALSA default mixer.
using DeviceOpener = std::function<std::unique_ptr<MixerDevice>(DWORD device)>;
void setDeviceOpener(DeviceOpener opener);

} // namespace trevisto::mixer
