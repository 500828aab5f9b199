#pragma once
// The ALSA simple mixer of one control device, as a MixerDevice. ALSA's own error
// messages are silenced on this thread for the length of each call.

#include "platform/mixer/mixerdevice.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

struct _snd_mixer;
struct _snd_mixer_elem;

namespace trevisto::mixer {

class AlsaMixer : public MixerDevice {
public:
    // The mixer of control device `name` (for example "default"); null when it cannot be
    // opened, as on a machine without a sound card.
    static std::unique_ptr<AlsaMixer> open(const std::string &name);
    ~AlsaMixer() override;
    AlsaMixer(const AlsaMixer &) = delete;
    AlsaMixer &operator=(const AlsaMixer &) = delete;

    std::vector<MixerElement> playbackElements() override;
    bool setPlaybackVolume(size_t element, int channel, long value) override;
    bool playbackVolume(size_t element, int channel, long &value) override;

private:
    // The element of the last list at `element`, looked up by its name and index; null when
    // it is gone.
    _snd_mixer_elem *find(size_t element);
    explicit AlsaMixer(_snd_mixer *mixer) : mixer_(mixer) {}

    _snd_mixer *mixer_;
    // Name and index of each element of the last list, looked up again when set: the
    // elements can come and go while the mixer is open.
    std::vector<std::pair<std::string, unsigned>> ids_;
};

} // namespace trevisto::mixer
