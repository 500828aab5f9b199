#include "clips/mp3join.h"

namespace trevisto {

namespace {

std::vector<mp3enc::CopyJoinClip> CopyJoinClips(const std::vector<Mp3JoinClip> &clips)
{
    std::vector<mp3enc::CopyJoinClip> joined;
    joined.reserve(clips.size());
    for (const Mp3JoinClip &clip : clips) {
        mp3enc::CopyJoinClip &c = joined.emplace_back();
        c.wavPath = clip.wavPath;
        c.gainSteps = clip.gainSteps;
        if (clip.origin)
            c.origin = mp3enc::ClipOrigin{clip.origin->source.path, clip.origin->source.identity, clip.origin->first,
                                          clip.origin->last};
    }
    return joined;
}

} // namespace

Mp3JoinOutcome JoinMp3ByCopy(const std::vector<Mp3JoinClip> &clips, const QString &nativeOutput,
                             const io::AtomicFile::Options &options, const std::vector<unsigned char> *tag,
                             const mp3enc::CopyJoinShape &shape, const mp3enc::CopyJoinTagOf &tagOf)
{
    return mp3enc::joinByCopy(CopyJoinClips(clips), nativeOutput, options, tag, shape, tagOf);
}

std::optional<std::vector<int64_t>> CopyJoinOverlaps(const std::vector<Mp3JoinClip> &clips,
                                                     const mp3enc::CopyJoinShape &shape)
{
    return mp3enc::copyJoinOverlaps(CopyJoinClips(clips), shape);
}

} // namespace trevisto
