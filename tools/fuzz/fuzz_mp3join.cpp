// Joining clips of two MP3 files by copying their frames, as the program joins its clip list
// with "Copy": one to three clips, each a range of one of the two sources, each with a sound
// of its own length in its source's rate and channel count, as a cut makes it; with or
// without the join options' shaping: gain steps, a crossfade at each joint, fades at the
// ends. A join that is made must hold every frame in the first clip's layout, the clips'
// samples less each joint's overlap (the crossfade asked for, widened by less than a frame),
// and its encoded frames inside it, in order; a join that is refused must say why without
// blaming a file in memory for not reading.
//
// Input: one byte for the number of clips (byte % 3) and the shaping (byte / 3), five per
// clip (its source in bit 0 and its gain steps in bits 1-3, then two big-endian 16-bit
// numbers that choose its range, mp3fuzz::rangeOf), a big-endian 16-bit length of the first
// source, the first source, then the second.

#include "clips/mp3join.h"
#include "mp3_fuzz.h"
#include "platform/mp3frames/rangecopy.h"
#include "scratch_file.h"

#include <QString>

#include <algorithm>
#include <optional>

using namespace trevisto::mp3frames;
using mp3fuzz::fail;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const size_t clipCount = 1 + data[0] % 3;
    const size_t header = 1 + 5 * clipCount + 2;
    if (size < header)
        return 0;
    const size_t firstBytes = std::min<size_t>(mp3fuzz::be16(data + header - 2), size - header);
    static ScratchFile scratch[2];
    static mp3fuzz::WorkFolder folder;
    const uint8_t *bytes[2] = {data + header, data + header + firstBytes};
    const size_t lengths[2] = {firstBytes, size - header - firstBytes};
    std::optional<Mp3Index> indexes[2];
    std::string paths[2];
    for (int s = 0; s < 2; ++s) {
        paths[s] = scratch[s].hold(bytes[s], lengths[s]);
        const IndexResult r = indexMp3(paths[s]);
        if (r.refusal == Refusal::CannotRead)
            fail("a file in memory was reported unreadable (error %d)", r.systemError);
        if (r.index) {
            mp3fuzz::checkIndex(*r.index, lengths[s]);
            indexes[s] = *r.index;
        }
    }

    // The shaping, from lists of values the join options allow (at 44.1 kHz); 0 shapes nothing.
    const unsigned shaping = data[0] / 3;
    constexpr int64_t kCrossfades[] = {0, 220, 441, 4410, 44100, 220500};
    constexpr int64_t kFades[][2] = {{0, 0}, {2000, 0}, {0, 30000}, {44100, 44100}};
    const int64_t crossfade = kCrossfades[shaping % 6];
    const int64_t *fades = kFades[(shaping / 6) % 4];
    const bool stepped = shaping / 24 > 0;

    std::vector<trevisto::Mp3JoinClip> clips;
    int64_t total = 0;
    for (size_t i = 0; i < clipCount; ++i) {
        const uint8_t *c = data + 1 + 5 * i;
        const int s = c[0] & 1;
        if (!indexes[s] || indexes[s]->frames.empty())
            return 0; // a clip of a sound that was no MP3 has no origin to copy
        const Mp3Index &index = *indexes[s];
        const auto [first, last] = mp3fuzz::rangeOf(mp3fuzz::be16(c + 1), mp3fuzz::be16(c + 3), index.samples());
        if (first < 0 || last <= first || last > index.samples())
            return 0; // no cut makes such a clip
        const std::string sound = folder.file("clip" + std::to_string(i) + ".wav");
        mp3fuzz::writeSound(sound, index.layout.sampleRate(), index.layout.channels(), last - first, uint32_t(i * 7919));
        clips.push_back({Mp3Origin{Mp3Source{QString::fromStdString(paths[s]), index.identity}, first, last},
                         QString::fromStdString(sound), stepped ? ((c[0] >> 1) & 7) - 3 : 0});
        total += last - first;
    }

    // As the join options plan them: no joint overlaps by more than half of either clip.
    trevisto::mp3enc::CopyJoinShape shape;
    for (size_t j = 0; j + 1 < clips.size(); ++j) {
        const int64_t before = clips[j].origin->last - clips[j].origin->first,
                      after = clips[j + 1].origin->last - clips[j + 1].origin->first;
        shape.crossfade.push_back(std::min({crossfade, before / 2, after / 2}));
    }
    shape.fadeIn = std::min(fades[0], total);
    shape.fadeOut = std::min(fades[1], total);

    const std::string out = folder.file("joined.mp3");
    std::remove(out.c_str());
    const trevisto::Mp3JoinOutcome joined =
        trevisto::JoinMp3ByCopy(clips, QString::fromStdString(out), {}, nullptr, shape);
    if (joined.kind == trevisto::Mp3JoinOutcome::Failed)
        fail("the join could not be written: %s", joined.why.toUtf8().constData());
    mp3fuzz::note("%zu clips of %lld samples, crossfade %lld, fades %lld and %lld: outcome %d, %d joints, %u frames "
                  "in front, %u at the end: %s",
                  clips.size(), (long long)total, (long long)crossfade, (long long)shape.fadeIn,
                  (long long)shape.fadeOut, int(joined.kind), joined.encodedJoints, joined.leadInFrames,
                  joined.leadOutFrames, joined.why.toUtf8().constData());
    if (joined.kind == trevisto::Mp3JoinOutcome::NotCopyable) {
        if (joined.why.startsWith(describe(Refusal::CannotRead)))
            fail("a source in memory was reported unreadable: %s", joined.why.toUtf8().constData());
        return 0;
    }
    const int s0 = data[1] & 1;
    const FrameHeader &layout = indexes[s0]->layout;
    const auto indexed = indexMp3(out);
    if (!indexed.index)
        fail("the join does not index (refusal %d)", int(indexed.refusal));
    const Mp3Index &written = *indexed.index;
    const int64_t spf = layout.samplesPerFrame();
    // Each joint overlaps by its crossfade and less than a frame more; the join holds the
    // clips less the overlaps, as it says.
    if (joined.overlaps.size() != clips.size() - 1)
        fail("%zu overlaps for %zu clips", joined.overlaps.size(), clips.size());
    int64_t overlaps = 0;
    for (size_t j = 0; j < joined.overlaps.size(); ++j) {
        if (joined.overlaps[j] < shape.crossfade[j] || joined.overlaps[j] >= shape.crossfade[j] + spf)
            fail("joint %zu overlaps by %lld for a crossfade of %lld", j, (long long)joined.overlaps[j],
                 (long long)shape.crossfade[j]);
        overlaps += joined.overlaps[j];
    }
    if (joined.clipSamples != total || joined.samples != total - overlaps || written.samples() != joined.samples)
        fail("the join holds %lld samples and says %lld, of %lld less %lld overlapping", (long long)written.samples(),
             (long long)joined.samples, (long long)total, (long long)overlaps);
    mp3fuzz::checkWritten(out, layout, written.samples(), 0);
    uint32_t previous = joined.leadInFrames;
    for (const auto &[from, to] : joined.encodedFrames) {
        if (from < previous || to <= from || to > written.frames.size())
            fail("encoded frames [%u, %u) lie outside the join or out of order", from, to);
        previous = to;
    }
    if (joined.leadOutFrames > 0 && (shape.fadeOut == 0 || previous + joined.leadOutFrames > written.frames.size()))
        fail("%u frames encoded at the end after frame %u of %zu", joined.leadOutFrames, previous,
             written.frames.size());
    if (joined.encodedFrames.size() != size_t(joined.encodedJoints))
        fail("%d joints, %zu encoded spans", joined.encodedJoints, joined.encodedFrames.size());
    return 0;
}
