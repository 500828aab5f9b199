// Saving a cut as MP3 by copying frames, where the cut starts in frames that take bit-reservoir
// bytes from before their file: the frames in front of the first that takes none are encoded
// again from the cut's sound, and the rest stays exact.
#include "clips/mp3copy.h"
#include "platform/bass/bass_test_util.h"
#include "platform/mp3frames/index.h"
#include "platform/mp3frames/rangecopy.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace trevisto;
using namespace trevisto::test;
using Bytes = std::vector<uint8_t>;

Pcm busySound(int rate, int channels, double seconds, uint32_t seed)
{
    return makeBusySound(rate, channels, seconds, seed, BusyMix{0.4, 220, 60, 0.3});
}

class Mp3CopyTest : public BassTest {
protected:
    struct Source {
        std::string path;
        int rate, channels;
        std::vector<int16_t> decoded;
        Mp3Source identity;
    };
    // An MP3 of `pcm` cut at its frame `dropped`, without an info frame: its first frames
    // reach back for main data before the file, as in a stream recorded from the middle.
    Source cutSource(const std::string &name, const Pcm &pcm, int kbps, size_t dropped)
    {
        Source s{dir.file(name), pcm.rate, pcm.channels, {}, {}};
        writeMp3(s.path, pcm, kbps);
        const Bytes whole = readBytes(s.path);
        const auto r = mp3frames::indexMp3Bytes(whole.data(), whole.size());
        EXPECT_TRUE(r.index);
        EXPECT_GT(r.index->frames[dropped].mainDataBegin, 0) << "no reservoir reaches before the cut";
        writeBytes(s.path, Bytes(whole.begin() + long(r.index->frames[dropped].offset), whole.end()));
        s.decoded = decodeSamples(s.path);
        const auto origin = IdentifyMp3Source(QString::fromStdString(s.path), int64_t(s.decoded.size()) / s.channels);
        EXPECT_TRUE(origin);
        if (origin)
            s.identity = *origin;
        return s;
    }
    // The cut [a, b) of `s`: its sound as the cut wrote it, and its origin.
    std::pair<Mp3Origin, QString> cut(const Source &s, int64_t a, int64_t b)
    {
        Pcm pcm;
        pcm.rate = s.rate;
        pcm.channels = s.channels;
        pcm.samples.assign(s.decoded.begin() + a * s.channels, s.decoded.begin() + b * s.channels);
        writeWav(dir.file("cut.wav"), pcm);
        return {Mp3Origin{s.identity, a, b}, QString::fromStdString(dir.file("cut.wav"))};
    }
};

} // namespace

// Cut from the start of a stream cut at a frame, which the decoder begins with silence where
// the frames' data lies before the file: the copy used to decode those frames from the
// silent frame's zeros, a burst of noise. Now the frames in front are encoded again and
// close to the source's sound; everything after them is exact.
TEST_F(Mp3CopyTest, ACutFromTheStartOfAStreamCutAtAFrameHasNoBurst)
{
    struct Case {
        const char *name;
        int rate, channels, kbps;
        size_t dropped;
        int tolerance; // the decoder is exact for MPEG-1 stereo, within a step otherwise
    };
    const Case cases[] = {
        {"MPEG-1 stereo, 5 frames cut", 44100, 2, 128, 5, 0},
        {"MPEG-1 stereo, 10 frames cut", 44100, 2, 128, 10, 0},
        {"MPEG-2 mono", 22050, 1, 64, 12, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Source s = cutSource("stream.mp3", busySound(c.rate, c.channels, 1.5, 3), c.kbps, c.dropped);
        const int spf = c.rate >= 32000 ? 1152 : 576, ch = c.channels;
        // From the start, from inside the first frames, and from where the first needed
        // frame is one whose data lies partly before the file.
        for (const int64_t a : {int64_t(0), int64_t(700), int64_t(2500) * spf / 1152}) {
            SCOPED_TRACE(a);
            const int64_t b = a + 20000 * c.rate / 44100;
            const auto [origin, wav] = cut(s, a, b);
            const std::string out = dir.file("out.mp3");
            const Mp3CopyOutcome copied = CopyMp3Cut(origin, wav, QString::fromStdString(out));
            ASSERT_EQ(copied.kind, Mp3CopyOutcome::Copied) << copied.why.toStdString();
            const std::vector<int16_t> got = decodeSamples(out);
            ASSERT_EQ(int64_t(got.size()), (b - a) * ch);
            // The frames encoded again cover at most the first few frames of the copy.
            const int64_t encoded = 5 * spf;
            double signal = 0, noise = 0;
            int worst = 0;
            int64_t inexact = 0;
            for (int64_t i = 0; i < int64_t(got.size()); ++i) {
                const double want = s.decoded[size_t(a * ch + i)], d = got[size_t(i)] - want;
                if (i / ch < encoded) {
                    signal += want * want;
                    noise += d * d;
                    worst = std::max(worst, int(std::abs(d)));
                } else if (std::abs(d) > c.tolerance) {
                    ++inexact;
                }
            }
            EXPECT_EQ(inexact, 0) << "samples off after the encoded frames";
            EXPECT_LT(worst, 6000) << "a burst in the encoded frames";
            EXPECT_GE(10 * std::log10(std::max(signal, 1.0) / std::max(noise, 1.0)), 15);
        }
    }
}

// Where no copy can be made the reason says what stands in the way, not that a file that
// reads well cannot be read.
TEST_F(Mp3CopyTest, CutsThatCannotBeCopiedSayWhatIsWrong)
{
    const Source s = cutSource("stream.mp3", busySound(44100, 2, 1.0, 5), 128, 10);
    // All of it in the frames whose data lies before the file, ahead of the first frame
    // that can be copied.
    const auto [origin, wav] = cut(s, 0, 1300);
    const std::string out = dir.file("out.mp3");
    const Mp3CopyOutcome copied = CopyMp3Cut(origin, wav, QString::fromStdString(out));
    EXPECT_EQ(copied.kind, Mp3CopyOutcome::NotCopyable);
    EXPECT_EQ(copied.why, mp3frames::describe(mp3frames::Refusal::ReservoirBeforeFile));
    EXPECT_FALSE(std::filesystem::exists(out));
    // A cut that needs the reservoir is still refused when the source changed.
    Mp3Origin changed = origin;
    changed.source.identity.framesHash ^= 1;
    EXPECT_EQ(CopyMp3Cut(changed, wav, QString::fromStdString(out)).why,
              mp3frames::describe(mp3frames::Refusal::SourceChanged));
}
