// The output job without a window: what it copies, what it encodes instead and says why,
// what a failure leaves behind, and the join work file after every ending.
#include "clips/joiner.h"
#include "clips/loudness.h"
#include "clips/outputjob.h"
#include "core/routines.h"
#include "platform/io/atomicfile.h"
#include "platform/bass/bass_test_util.h"
#include "platform/mp3enc/mp3encoder.h"
#include "platform/mp3frames/index.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <tuple>

namespace {

using namespace trevisto;
using namespace trevisto::test;
using Format = OutputRequest::Format;
using Stage = OutputFailure::Stage;

// Everything the job tells, in order.
struct Recorder : OutputObserver {
    int progressCalls = 0, encodingProgressCalls = 0, encodings = 0;
    uint64_t lastDone = 0, lastTotal = 0;
    std::optional<OutputDone> done;
    std::optional<OutputFailure> failed;
    int endings = 0;
    std::function<void()> onProgress; // runs inside the join, as the window's events would

    void outputProgress(uint64_t d, uint64_t t) override
    {
        ++progressCalls;
        lastDone = d;
        lastTotal = t;
        if (onProgress)
            onProgress();
    }
    void outputEncodingProgress(int) override { ++encodingProgressCalls; }
    void outputEncoding() override { ++encodings; }
    void outputDone(const OutputDone &d) override
    {
        done = d;
        ++endings;
    }
    void outputFailed(const OutputFailure &f) override
    {
        failed = f;
        ++endings;
    }
};

class OutputJobTest : public BassTest {
protected:
    void SetUp() override
    {
        BassTest::SetUp();
        QObject::connect(&encoder, &mp3enc::Mp3Encoder::completed, [this] { job.encoderCompleted(); });
    }

    QString file(const char *name) const { return QString::fromStdString(dir.file(name)); }
    // A clip of `seconds` of a busy sound, as a WAV file.
    OutputPiece wavClip(const char *name, double seconds, uint32_t seed)
    {
        writeWav(dir.file(name), makeBusySound(44100, 2, seconds, seed));
        return {file(name)};
    }
    // A cut [a, b) of an MP3 source: its sound as a WAV file, and its origin.
    OutputPiece mp3Cut(const char *name, int64_t a, int64_t b)
    {
        const std::string mp3 = dir.file("source.mp3");
        if (!QFile::exists(QString::fromStdString(mp3)))
            writeMp3(mp3, makeBusySound(44100, 2, 3.0, 7), 128);
        const std::vector<int16_t> decoded = decodeSamples(mp3);
        const auto source = IdentifyMp3Source(QString::fromStdString(mp3), int64_t(decoded.size()) / 2);
        EXPECT_TRUE(source);
        Pcm pcm;
        pcm.rate = 44100;
        pcm.channels = 2;
        pcm.samples.assign(decoded.begin() + a * 2, decoded.begin() + b * 2);
        writeWav(dir.file(name), pcm);
        return {file(name), source ? std::optional<Mp3Origin>(Mp3Origin{*source, a, b}) : std::nullopt};
    }
    // Lets the encoder's completion arrive; false when the job told nothing in time.
    // Two clips of five seconds, each of an MP3 of its own, a quiet one and a loud one,
    // with the origins the clip list keeps; their lengths in `lengths`.
    std::vector<OutputPiece> quietAndLoudClips(std::vector<int64_t> &lengths)
    {
        BusyMix quiet, loud;
        quiet.tone = 0.06;
        quiet.noise = 0.01;
        loud.tone = 0.3;
        loud.noise = 0.1;
        std::vector<OutputPiece> pieces;
        for (const auto &[name, mix, seed] : {std::tuple{"quiet", quiet, 41u}, std::tuple{"loud", loud, 42u}}) {
            const std::string mp3 = dir.file(std::string(name) + ".mp3");
            writeMp3(mp3, makeBusySound(44100, 2, 6.0, seed, mix), 128);
            const std::vector<int16_t> decoded = decodeSamples(mp3);
            const auto source = IdentifyMp3Source(QString::fromStdString(mp3), int64_t(decoded.size()) / 2);
            EXPECT_TRUE(source);
            if (!source)
                return {};
            const int64_t a = 10000, b = 10000 + 44100 * 5;
            Pcm pcm;
            pcm.rate = 44100;
            pcm.channels = 2;
            pcm.samples.assign(decoded.begin() + a * 2, decoded.begin() + b * 2);
            const std::string wav = dir.file(std::string(name) + ".wav");
            writeWav(wav, pcm);
            pieces.push_back({QString::fromStdString(wav), Mp3Origin{*source, a, b}});
            lengths.push_back(b - a);
        }
        return pieces;
    }
    bool waitForEnd(const Recorder &seen, int ms = 20000)
    {
        QElapsedTimer clock;
        clock.start();
        while (seen.endings == 0 && clock.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return seen.endings > 0;
    }
    static bool exists(const QString &path) { return QFile::exists(path); }

    mp3enc::Mp3Encoder encoder;
    QString work = QString::fromStdString(dir.file("concat.wav"));
    OutputJob job{encoder, work};
};

// Each way to an MP3 file that ends well: whether frames were copied, whether it was encoded,
// at what rate, and why where the copy was refused.
TEST_F(OutputJobTest, CopiesWhereItCanAndEncodesWithAReasonWhereItCannot)
{
    struct Case {
        const char *what;
        bool join, copy, originKept;
        int kbps;
        bool copied;
        int fallbackKbps; // 0: no fallback
        int encodedAt;    // the encoder's rate, 0: not encoded
    };
    const Case cases[] = {
        {"a cut, copy chosen and possible", false, true, true, 96, true, 0, 0},
        {"a cut, copy chosen, no origin: the default rate", false, true, false, 96, false, 128, 128},
        {"a cut, encode chosen", false, false, true, 96, false, 0, 96},
        {"a join, copy chosen and possible", true, true, true, 96, true, 0, 0},
        {"a join, copy chosen, no origin: the chosen rate", true, true, false, 96, false, 96, 96},
        {"a join, encode chosen", true, false, true, 56, false, 0, 56},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<OutputPiece> pieces = {mp3Cut("one.wav", 1152 * 4, 1152 * 20)};
        if (c.join)
            pieces.push_back(mp3Cut("two.wav", 1152 * 30, 1152 * 50));
        if (!c.originKept)
            for (OutputPiece &piece : pieces)
                piece.origin.reset();
        const QString out = file("out.mp3");
        QFile::remove(out);
        Recorder seen;
        ASSERT_TRUE(job.start({pieces, c.join, out, Format::Mp3, c.copy, c.kbps}, seen));
        ASSERT_TRUE(waitForEnd(seen));
        ASSERT_TRUE(seen.done) << (seen.failed ? seen.failed->why.toStdString() : "");
        EXPECT_EQ(seen.endings, 1);
        EXPECT_EQ(seen.done->copied, c.copied);
        EXPECT_EQ(seen.done->fallbackKbps, c.fallbackKbps);
        EXPECT_EQ(seen.done->fallbackWhy.isEmpty(), c.fallbackKbps == 0);
        EXPECT_EQ(seen.encodings, c.encodedAt ? 1 : 0);
        if (c.encodedAt) {
            EXPECT_EQ(encoder.bitRate(), c.encodedAt);
        }
        EXPECT_EQ(seen.progressCalls > 0, c.join && !c.copied) << "only a join into the work file reports bytes";
        EXPECT_TRUE(exists(out));
        const auto index = mp3frames::indexMp3(out.toStdString());
        ASSERT_TRUE(index.index);
        const int64_t samples = c.join ? (1152 * 16 + 1152 * 20) : 1152 * 16;
        if (c.copied) {
            EXPECT_EQ(index.index->samples(), samples) << "exactly the cut's samples";
        }
        EXPECT_FALSE(exists(work)) << "the work file is gone once the job ends";
        EXPECT_FALSE(job.busy());
    }
}

// Whatever fails leaves no output and no work file, and says which step failed.
TEST_F(OutputJobTest, AFailureLeavesNothingBehind)
{
    const OutputPiece good = wavClip("good.wav", 0.5, 3);
    const OutputPiece missing{file("missing.wav")};
    const QString nowhere = file("no-such-folder/out.mp3");
    struct Case {
        const char *what;
        std::vector<OutputPiece> pieces;
        bool join;
        Format format;
        QString output;
        Stage stage;
    };
    const Case cases[] = {
        {"a WAV join of a missing clip", {good, missing}, true, Format::Wav, file("out.wav"), Stage::Join},
        {"an MP3 join of a missing clip", {good, missing}, true, Format::Mp3, file("out.mp3"), Stage::Join},
        {"an MP3 join into a missing folder", {good, good}, true, Format::Mp3, nowhere, Stage::Encode},
        {"a cut that is no WAV file", {{file("missing.wav")}}, false, Format::Mp3, file("out.mp3"), Stage::EncodeStart},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Recorder seen;
        ASSERT_TRUE(job.start({c.pieces, c.join, c.output, c.format, false, 128}, seen));
        ASSERT_TRUE(waitForEnd(seen));
        EXPECT_EQ(seen.endings, 1);
        ASSERT_TRUE(seen.failed);
        EXPECT_EQ(seen.failed->stage, c.stage);
        EXPECT_FALSE(seen.failed->why.isEmpty());
        EXPECT_FALSE(exists(c.output));
        EXPECT_FALSE(exists(work));
    }
}

// A WAV join ends before start() returns, with its progress; an MP3 join's work file lives
// exactly as long as its encoding.
TEST_F(OutputJobTest, TheWorkFileLivesAsLongAsTheEncoding)
{
    const std::vector<OutputPiece> clips = {wavClip("a.wav", 1.0, 1), wavClip("b.wav", 1.0, 2)};
    {
        Recorder seen;
        Recorder inner;
        bool refused = false;
        QString busyWith;
        // A second click reaching the window while the join lets its events run.
        seen.onProgress = [&] {
            if (busyWith.isEmpty()) {
                refused = !job.start({clips, true, file("again.wav"), Format::Wav, false, 128}, inner);
                busyWith = job.target();
            }
        };
        ASSERT_TRUE(job.start({clips, true, file("joined.wav"), Format::Wav, false, 128}, seen));
        EXPECT_TRUE(refused) << "one output at a time on the caller's thread";
        EXPECT_EQ(busyWith, file("joined.wav")) << "the refusal can name the file being written";
        EXPECT_EQ(inner.endings, 0);
        EXPECT_FALSE(exists(file("again.wav")));
        EXPECT_EQ(seen.endings, 1) << "a WAV join ends within start()";
        EXPECT_TRUE(seen.done);
        EXPECT_GT(seen.progressCalls, 0);
        EXPECT_EQ(seen.lastDone, seen.lastTotal) << "the last report is the whole";
        EXPECT_TRUE(exists(file("joined.wav")));
        EXPECT_FALSE(exists(work));
    }
    {
        Recorder seen;
        ASSERT_TRUE(job.start({clips, true, file("joined.mp3"), Format::Mp3, false, 128}, seen));
        ASSERT_TRUE(job.busy());
        EXPECT_TRUE(exists(work)) << "the encoder reads the work file";
        EXPECT_EQ(job.target(), file("joined.mp3"));
        Recorder other;
        EXPECT_FALSE(job.start({clips, true, file("other.mp3"), Format::Mp3, false, 128}, other))
            << "one encoding at a time";
        EXPECT_EQ(other.endings, 0);
        ASSERT_TRUE(waitForEnd(seen));
        EXPECT_TRUE(seen.done);
        EXPECT_GT(seen.encodingProgressCalls, 0);
        EXPECT_FALSE(exists(work));
    }
    {
        Recorder seen;
        ASSERT_TRUE(job.start({clips, true, file("stopped.mp3"), Format::Mp3, false, 128}, seen));
        ASSERT_TRUE(job.busy());
        job.cancel();
        EXPECT_FALSE(job.busy());
        EXPECT_FALSE(waitForEnd(seen, 300)) << "a stopped encoding reports nothing";
        EXPECT_FALSE(exists(work));
        EXPECT_FALSE(exists(file("stopped.mp3")));
    }
    {
        // Stopped in the middle of the join, as the program's end does from the events the
        // join lets run.
        Recorder seen;
        seen.onProgress = [&] { job.cancel(); };
        ASSERT_TRUE(job.start({clips, true, file("halfway.mp3"), Format::Mp3, false, 128}, seen));
        ASSERT_TRUE(seen.failed);
        EXPECT_EQ(seen.failed->stage, Stage::Stopped);
        EXPECT_EQ(seen.encodings, 0);
        EXPECT_FALSE(exists(work));
        EXPECT_FALSE(exists(file("halfway.mp3")));
    }
    {
        // A work file left from before is the job's to replace, and to remove.
        writeBytes(work.toStdString(), {1, 2, 3});
        Recorder seen;
        ASSERT_TRUE(job.start({clips, true, file("again.mp3"), Format::Mp3, false, 128}, seen));
        ASSERT_TRUE(waitForEnd(seen));
        EXPECT_TRUE(seen.done);
        EXPECT_FALSE(exists(work));
    }
}

// A copy only, as the benchmark asks for one: what cannot be copied fails without being
// encoded; what can is copied, flushed to the disk or not as asked, and a join tells which
// of its frames were encoded again at the joints.
TEST_F(OutputJobTest, ACopyOnlyFailsWhereItCannotCopyAndSaysWhereTheJointsAre)
{
    struct Case {
        const char *what;
        bool join, originKept, contiguous, durable;
        bool copied;
    };
    const Case cases[] = {
        {"a cut", false, true, false, true, true},
        {"a cut, not flushed", false, true, false, false, true},
        {"a cut without origin", false, false, false, true, false},
        {"a join with a joint", true, true, false, true, true},
        {"a join with a joint, not flushed", true, true, false, false, true},
        {"a join that goes straight on", true, true, true, true, true},
        {"a join without origin", true, false, false, true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<OutputPiece> pieces = {mp3Cut("one.wav", 1152 * 4, 1152 * 20)};
        if (c.join)
            pieces.push_back(c.contiguous ? mp3Cut("two.wav", 1152 * 20, 1152 * 40) : mp3Cut("two.wav", 1152 * 30, 1152 * 50));
        if (!c.originKept)
            pieces.back().origin.reset();
        const QString out = file("out.mp3");
        QFile::remove(out);
        OutputRequest request{pieces, c.join, out, Format::Mp3, true, 128};
        request.copyOnly = true;
        request.durable = c.durable;
        const uint64_t syncsBefore = io::AtomicFile::syncsMade();
        Recorder seen;
        ASSERT_TRUE(job.start(request, seen));
        EXPECT_EQ(seen.endings, 1) << "a copy ends within start()";
        EXPECT_EQ(seen.encodings, 0) << "nothing is encoded instead";
        EXPECT_FALSE(job.busy());
        EXPECT_FALSE(exists(work));
        if (!c.copied) {
            ASSERT_TRUE(seen.failed);
            EXPECT_EQ(seen.failed->stage, Stage::NotCopyable);
            EXPECT_FALSE(seen.failed->why.isEmpty());
            EXPECT_EQ(seen.failed->join, c.join);
            EXPECT_FALSE(exists(out));
            continue;
        }
        ASSERT_TRUE(seen.done) << (seen.failed ? seen.failed->why.toStdString() : "");
        EXPECT_TRUE(seen.done->copied);
        EXPECT_EQ(io::AtomicFile::syncsMade() > syncsBefore, c.durable);
        const auto index = mp3frames::indexMp3(out.toStdString());
        ASSERT_TRUE(index.index);
        const int joints = c.join && !c.contiguous ? 1 : 0;
        EXPECT_EQ(seen.done->encodedJoints, joints);
        ASSERT_EQ(seen.done->jointFrames.size(), size_t(joints));
        for (const auto &[first, end] : seen.done->jointFrames) {
            EXPECT_LT(first, end);
            EXPECT_LE(end, index.index->frames.size());
            // The span holds the frame where the first clip's 16 frames end.
            const auto joint = uint32_t((index.index->skip() + 1152 * 16) / 1152);
            EXPECT_LE(first, joint);
            EXPECT_GT(end, joint);
        }
    }
}

// A "Copy" join that matches loudness copies: a quiet clip and a loud one, each raised or
// lowered by whole global-gain steps, read the target within 0.8 LU away from the joint,
// with no frame encoded but the joint's. Crossfades and fades are copied around their frames.
TEST_F(OutputJobTest, ACopyJoinMatchesLoudnessInWholeStepsWithoutEncoding)
{
    std::vector<int64_t> lengths;
    const std::vector<OutputPiece> pieces = quietAndLoudClips(lengths);
    ASSERT_EQ(pieces.size(), 2u);
    for (double target : {-23.0, -16.0}) {
        SCOPED_TRACE(target);
        const QString out = file("matched.mp3");
        OutputRequest request{pieces, true, out, Format::Mp3, true, 128};
        request.copyOnly = true;
        request.joinOptions.targetLufs = target;
        Recorder seen;
        ASSERT_TRUE(job.start(request, seen));
        ASSERT_TRUE(seen.done) << (seen.failed ? seen.failed->why.toStdString() : "");
        EXPECT_TRUE(seen.done->copied);
        EXPECT_EQ(seen.done->encodedJoints, 1);
        ASSERT_TRUE(seen.done->levels);
        const JoinLevels &levels = *seen.done->levels;
        ASSERT_EQ(levels.steps.size(), 2u);
        EXPECT_GT(levels.steps[0], levels.steps[1]) << "the quiet clip is raised against the loud one";
        const std::vector<int16_t> joined = decodeSamples(out.toStdString());
        ASSERT_EQ(int64_t(joined.size()) / 2, seen.done->copiedSamples);
        // Each clip's span, a few frames clear of the joint.
        const int64_t seam = lengths[0], margin = 1152 * 4;
        const std::pair<int64_t, int64_t> spans[] = {{0, seam - margin}, {seam + margin, int64_t(joined.size()) / 2}};
        for (size_t i = 0; i < 2; ++i) {
            std::vector<float> f;
            for (int64_t k = spans[i].first * 2; k < spans[i].second * 2; ++k)
                f.push_back(float(joined[size_t(k)]) / 32768.f);
            const Loudness l = measureLoudness(f.data(), spans[i].second - spans[i].first, 2, 44100);
            EXPECT_NEAR(l.lufs, target, 0.8) << "clip " << i << " at " << levels.steps[i] << " steps";
            EXPECT_LT(std::abs(levels.gainDb[i] - levels.steps[i] * kGainStepDb), 0.76) << "the nearest step";
        }
    }
    // A crossfade and fades copy too, at the same steps: only the frames they touch are
    // encoded, the overlap is the crossfade widened by less than a frame, and the levels
    // handed back count the length written.
    OutputRequest request{pieces, true, file("faded.mp3"), Format::Mp3, true, 128};
    request.copyOnly = true;
    request.joinOptions.targetLufs = -16;
    request.joinOptions.crossfadeMs = 300;
    request.joinOptions.fadeInMs = 200;
    request.joinOptions.fadeOutMs = 400;
    Recorder seen;
    ASSERT_TRUE(job.start(request, seen));
    ASSERT_TRUE(seen.done) << (seen.failed ? seen.failed->why.toStdString() : "");
    EXPECT_TRUE(seen.done->copied);
    ASSERT_TRUE(seen.done->levels);
    const JoinLevels &levels = *seen.done->levels;
    ASSERT_EQ(levels.overlap.size(), 1u);
    EXPECT_GE(levels.overlap[0], 13230);
    EXPECT_LT(levels.overlap[0], 13230 + 1152);
    EXPECT_EQ(levels.outputFrames, seen.done->copiedSamples);
    EXPECT_EQ(seen.done->clipSamples - seen.done->copiedSamples, levels.overlap[0]);
    ASSERT_EQ(seen.done->jointFrames.size(), 1u);
    const auto [first, end] = seen.done->jointFrames[0];
    EXPECT_LE(end - first, 13230 / 1152 + 8) << "the crossfade's frames, and a few around them";
    const std::vector<int16_t> joined = decodeSamples(request.output.toStdString());
    ASSERT_EQ(int64_t(joined.size()) / 2, seen.done->copiedSamples);
    EXPECT_EQ(joined[0], 0) << "the fade-in starts from silence";
}

// With "Copy", a joint is heard as the copied join makes it: the levels handed to the
// preview are the join's whole steps and its overlaps widened to whole frames, and the two
// seconds rendered from them match the copied MP3's own around the joint, as the WAV plan's
// (exact gains, the crossfade unwidened) does not.
TEST_F(OutputJobTest, AJointHeardWithCopyIsTheCopiedJoinsOwn)
{
    std::vector<int64_t> lengths;
    const std::vector<OutputPiece> pieces = quietAndLoudClips(lengths);
    ASSERT_EQ(pieces.size(), 2u);
    JoinOptions options;
    options.targetLufs = -16;
    options.crossfadeMs = 15;
    const std::optional<JoinLevels> copied = CopiedJoinLevels(pieces, options);
    ASSERT_TRUE(copied);
    ASSERT_EQ(copied->overlap.size(), 1u);
    EXPECT_GE(copied->overlap[0], 662);
    EXPECT_LT(copied->overlap[0], 662 + 1152);
    for (size_t i = 0; i < 2; ++i)
        EXPECT_DOUBLE_EQ(copied->gainDb[i], copied->steps[i] * kGainStepDb);
    EXPECT_EQ(copied->outputFrames, lengths[0] + lengths[1] - copied->overlap[0]);

    OutputRequest request{pieces, true, file("copied.mp3"), Format::Mp3, true, 128};
    request.copyOnly = true;
    request.joinOptions = options;
    Recorder seen;
    ASSERT_TRUE(job.start(request, seen));
    ASSERT_TRUE(seen.done) << (seen.failed ? seen.failed->why.toStdString() : "");
    ASSERT_TRUE(seen.done->levels);
    EXPECT_EQ(seen.done->levels->overlap, copied->overlap);
    EXPECT_EQ(seen.done->copiedSamples, copied->outputFrames);
    const std::vector<int16_t> joined = decodeSamples(request.output.toStdString());

    // The preview's two seconds against the copied join's own, around the middle of the overlap.
    const int64_t middle = lengths[0] - copied->overlap[0] + copied->overlap[0] / 2, from = middle - 44100;
    const auto heard = [&](const std::optional<JoinLevels> &levels) {
        JoinShaping shaping;
        shaping.options = options;
        shaping.joint = 0;
        shaping.levels = levels;
        const QString preview = file("joint.wav");
        EXPECT_TRUE(JoinClips({pieces[0].file, pieces[1].file}, preview, {}, wav::kMaxFileDataBytes, &shaping));
        const std::vector<int16_t> part = decodeSamples(preview.toStdString());
        double signal = 0, noise = 0;
        for (size_t k = 0; k < part.size() && size_t(from * 2) + k < joined.size(); ++k) {
            const double want = joined[size_t(from * 2) + k], d = part[k] - want;
            signal += want * want;
            noise += d * d;
        }
        EXPECT_EQ(part.size(), size_t(2 * 44100 * 2));
        return 10 * std::log10(signal / std::max(noise, 1.0));
    };
    const double asCopied = heard(copied), asPlanned = heard(std::nullopt);
    EXPECT_EQ(CopiedJoinLevels(pieces, options, 0)->overlap, copied->overlap) << "the preview's own plan";
    EXPECT_GE(asCopied, 25) << "as the copied join makes it";
    EXPECT_LT(asPlanned, asCopied - 6) << "the WAV join's plan is not what the copy makes";
}

} // namespace
