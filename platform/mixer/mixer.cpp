#include "platform/mixer/mixer.h"

#include "platform/mixer/alsamixer.h"

#include <algorithm>
#include <map>
#include <optional>

namespace trevisto::mixer {

namespace {

// The sound system's default mixer follows the user's chosen output, also through a
// sound server's ALSA plug-in.
constexpr const char *DefaultMixerName = "default";

struct Mixers {
    DeviceOpener opener;
    std::map<HMIXER, std::unique_ptr<MixerDevice>> open;
    HMIXER next = 1;
};

Mixers &mixers()
{
    static Mixers m;
    return m;
}

MixerDevice *device(HMIXER mixer)
{
    const auto it = mixers().open.find(mixer);
    return it == mixers().open.end() ? nullptr : it->second.get();
}

std::unique_ptr<MixerDevice> openDefault(DWORD device)
{
    if (device != 0)
        return nullptr;
    return AlsaMixer::open(DefaultMixerName);
}

// The speakers' volume: "Master", else "PCM", else the first element with a volume.
std::optional<size_t> volumeElement(const std::vector<MixerElement> &elements)
{
    for (const char *name : {"Master", "PCM"}) {
        const auto it =
            std::find_if(elements.begin(), elements.end(), [&](const MixerElement &e) { return e.name == name; });
        if (it != elements.end())
            return size_t(it - elements.begin());
    }
    if (elements.empty())
        return std::nullopt;
    return 0;
}

} // namespace

MMRESULT mixerOpen(HMIXER *mixer, DWORD deviceNumber)
{
    if (!mixer)
        return MMSYSERR_INVALHANDLE;
    *mixer = 0;
    Mixers &m = mixers();
    std::unique_ptr<MixerDevice> opened = m.opener ? m.opener(deviceNumber) : openDefault(deviceNumber);
    if (!opened)
        return deviceNumber == 0 ? MMSYSERR_NODRIVER : MMSYSERR_BADDEVICEID;
    *mixer = m.next++;
    m.open.emplace(*mixer, std::move(opened));
    return MMSYSERR_NOERROR;
}

MMRESULT mixerClose(HMIXER mixer)
{
    return mixers().open.erase(mixer) ? MMSYSERR_NOERROR : MMSYSERR_INVALHANDLE;
}

bool FindMasterVolumeControl(HMIXER mixer, DWORD componentType, DWORD controlType, MixerControl &control)
{
    MixerDevice *d = device(mixer);
    if (!d || componentType != MIXERLINE_COMPONENTTYPE_DST_SPEAKERS || controlType != MIXERCONTROL_CONTROLTYPE_VOLUME)
        return false;
    const std::optional<size_t> element = volumeElement(d->playbackElements());
    if (!element)
        return false;
    // The identifier is the element's place plus one, so that zero stays "no control".
    control = {DWORD(*element + 1), MIXERCONTROL_CONTROLTYPE_VOLUME, std::int32_t(VolumeMinimum),
               std::int32_t(VolumeMaximum)};
    return true;
}

bool SetMasterVolume(HMIXER mixer, const MixerControl &control, std::int32_t volume)
{
    MixerDevice *d = device(mixer);
    if (!d || control.controlId == 0 || control.controlType != MIXERCONTROL_CONTROLTYPE_VOLUME)
        return false;
    const std::vector<MixerElement> elements = d->playbackElements();
    const size_t element = control.controlId - 1;
    if (element >= elements.size() || elements[element].channels.empty())
        return false;
    const MixerElement &e = elements[element];
    const long raw = rawVolume(volume, e.minimum, e.maximum);
    bool all = true;
    for (int channel : e.channels)
        all = d->setPlaybackVolume(element, channel, raw) && all;
    return all;
}

bool GetMasterVolume(HMIXER mixer, const MixerControl &control, std::int32_t &volume)
{
    MixerDevice *d = device(mixer);
    if (!d || control.controlId == 0 || control.controlType != MIXERCONTROL_CONTROLTYPE_VOLUME)
        return false;
    const std::vector<MixerElement> elements = d->playbackElements();
    const size_t element = control.controlId - 1;
    if (element >= elements.size())
        return false;
    const MixerElement &e = elements[element];
    std::optional<long> loudest;
    for (int channel : e.channels) {
        long raw = 0;
        if (d->playbackVolume(element, channel, raw))
            loudest = loudest ? std::max(*loudest, raw) : raw;
    }
    if (!loudest)
        return false;
    volume = volumeFromRaw(*loudest, e.minimum, e.maximum);
    return true;
}

std::int32_t volumeFromRaw(long raw, long minimum, long maximum)
{
    if (maximum <= minimum)
        return raw >= maximum ? std::int32_t(VolumeMaximum) : std::int32_t(VolumeMinimum);
    const long clamped = std::clamp(raw, minimum, maximum);
    const unsigned long long span = (unsigned long long)maximum - (unsigned long long)minimum;
    const unsigned long long steps = (unsigned long long)clamped - (unsigned long long)minimum;
    // steps * 65535 / span to the nearest, halves upwards; a 128-bit product, as a raw
    // range can be as wide as a long.
    const unsigned __int128 scaled = (unsigned __int128)steps * VolumeMaximum * 2 + span;
    return std::int32_t(scaled / (2 * (unsigned __int128)span));
}

long rawVolume(std::int32_t volume, long minimum, long maximum)
{
    if (maximum <= minimum)
        return minimum;
    const long long v = std::clamp<long long>(volume, VolumeMinimum, VolumeMaximum);
    const unsigned long long span = (unsigned long long)maximum - (unsigned long long)minimum;
    // v * span / 65535 to the nearest step, halves upwards, split so that no product can
    // overflow whatever the element's range; the ends land exactly on the ends.
    const unsigned long long whole = span / VolumeMaximum, rest = span % VolumeMaximum;
    const unsigned long long steps = v * whole + (2 * v * rest + VolumeMaximum) / (2ULL * VolumeMaximum);
    return long((unsigned long long)minimum + steps);
}

void setDeviceOpener(DeviceOpener opener)
{
    mixers().opener = std::move(opener);
}

} // namespace trevisto::mixer
