#include "platform/mixer/alsamixer.h"

#include <cstdarg>

// error.h declares snd_lib_error_set_local outside its C linkage block; C++ would look
// for a mangled name that the library does not have.
extern "C" {
#include <alsa/asoundlib.h>
}

namespace trevisto::mixer {

namespace {

void discardError(const char *, int, const char *, int, const char *, va_list) {}

// ALSA prints its errors to stderr by default; a machine without sound would print a
// screenful at every start. The handler is per thread, so other users of ALSA in the
// program keep theirs.
class QuietErrors {
public:
    QuietErrors() : saved_(snd_lib_error_set_local(discardError)) {}
    ~QuietErrors() { snd_lib_error_set_local(saved_); }
    QuietErrors(const QuietErrors &) = delete;
    QuietErrors &operator=(const QuietErrors &) = delete;

private:
    snd_local_error_handler_t saved_;
};

} // namespace

std::unique_ptr<AlsaMixer> AlsaMixer::open(const std::string &name)
{
    const QuietErrors quiet;
    snd_mixer_t *mixer = nullptr;
    if (snd_mixer_open(&mixer, 0) < 0)
        return nullptr;
    if (snd_mixer_attach(mixer, name.c_str()) < 0 || snd_mixer_selem_register(mixer, nullptr, nullptr) < 0 ||
        snd_mixer_load(mixer) < 0) {
        snd_mixer_close(mixer);
        return nullptr;
    }
    return std::unique_ptr<AlsaMixer>(new AlsaMixer(mixer));
}

AlsaMixer::~AlsaMixer()
{
    const QuietErrors quiet;
    snd_mixer_close(mixer_);
}

std::vector<MixerElement> AlsaMixer::playbackElements()
{
    const QuietErrors quiet;
    snd_mixer_handle_events(mixer_);
    std::vector<MixerElement> elements;
    ids_.clear();
    for (snd_mixer_elem_t *elem = snd_mixer_first_elem(mixer_); elem; elem = snd_mixer_elem_next(elem)) {
        if (!snd_mixer_selem_is_active(elem) || !snd_mixer_selem_has_playback_volume(elem))
            continue;
        MixerElement e;
        e.name = snd_mixer_selem_get_name(elem);
        if (snd_mixer_selem_get_playback_volume_range(elem, &e.minimum, &e.maximum) < 0)
            continue;
        for (int ch = 0; ch <= SND_MIXER_SCHN_LAST; ++ch)
            if (snd_mixer_selem_has_playback_channel(elem, snd_mixer_selem_channel_id_t(ch)))
                e.channels.push_back(ch);
        ids_.emplace_back(e.name, snd_mixer_selem_get_index(elem));
        elements.push_back(std::move(e));
    }
    return elements;
}

snd_mixer_elem_t *AlsaMixer::find(size_t element)
{
    snd_mixer_handle_events(mixer_);
    snd_mixer_selem_id_t *id = nullptr;
    snd_mixer_selem_id_alloca(&id);
    snd_mixer_selem_id_set_name(id, ids_[element].first.c_str());
    snd_mixer_selem_id_set_index(id, ids_[element].second);
    return snd_mixer_find_selem(mixer_, id);
}

bool AlsaMixer::setPlaybackVolume(size_t element, int channel, long value)
{
    if (element >= ids_.size() || channel < 0 || channel > SND_MIXER_SCHN_LAST)
        return false;
    const QuietErrors quiet;
    snd_mixer_elem_t *elem = find(element);
    return elem && snd_mixer_selem_set_playback_volume(elem, snd_mixer_selem_channel_id_t(channel), value) >= 0;
}

bool AlsaMixer::playbackVolume(size_t element, int channel, long &value)
{
    if (element >= ids_.size() || channel < 0 || channel > SND_MIXER_SCHN_LAST)
        return false;
    const QuietErrors quiet;
    snd_mixer_elem_t *elem = find(element);
    return elem && snd_mixer_selem_get_playback_volume(elem, snd_mixer_selem_channel_id_t(channel), &value) >= 0;
}

} // namespace trevisto::mixer
