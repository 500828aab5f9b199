#pragma once
// One sound system's mixer as the volume routines see it: the elements that carry a
// playback volume, each with its own raw range and channels. The ALSA mixer is the real
// one; tests put a stand-in in its place.

#include <string>
#include <vector>

namespace trevisto::mixer {

// A mixer element with a playback volume.
struct MixerElement {
    std::string name;
    long minimum = 0;           // raw playback range of the element
    long maximum = 0;
    std::vector<int> channels;  // the channel numbers it has, mono is channel 0
};

class MixerDevice {
public:
    virtual ~MixerDevice() = default;

    // The elements with a playback volume, in the device's own order. The position in
    // this list is the element's number in setPlaybackVolume.
    virtual std::vector<MixerElement> playbackElements() = 0;
    // Sets one channel of element `element` to the raw value `value`; false when refused.
    virtual bool setPlaybackVolume(size_t element, int channel, long value) = 0;
    // The raw value of one channel of element `element` into `value`; false when it cannot
    // be read.
    virtual bool playbackVolume(size_t element, int channel, long &value) = 0;
};

} // namespace trevisto::mixer
