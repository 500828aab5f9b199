// The bench's jobs that copy MP3 frames: a cut saved by copying, and a join by copying.

#include "bench.h"

#include "audio/basslib.h"
#include "clips/loudness.h"
#include "clips/outputjob.h"
#include "core/mp3origin.h"
#include "editor/cut.h"
#include "platform/mci/device.h"
#include "platform/mci/timebase.h"
#include "platform/mp3enc/mp3encoder.h"
#include "platform/mp3frames/rangecopy.h"
#include "platform/wav/wav.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace trevisto::bench {

namespace {

// The source samples the cut to the marks keeps of a sound of `frames` frames at `rate`,
// as the device rounds them; nothing when it keeps none.
std::optional<trevisto::mci::FrameRange> markedRange(int64_t frames, uint32_t rate, long long markIn, long long markOut)
{
    const auto kept = trevisto::mci::cutKeptFrames(frames, rate, markIn, markOut, trevisto::mci::lengthMs(frames, rate));
    if (kept.size() != 1)
        return std::nullopt;
    return kept.front();
}

} // namespace

// copycut [--no-sync] [--samples] IN.mp3 OUT.mp3 IN_MS OUT_MS: the marks rounded to
// samples as the device's cut rounds them, and those samples of IN written as MP3 by
// copying its frames, as Save as MP3 with "Copy" does. --no-sync leaves out the sync to
// the disk, for a comparison with tools that do not sync; --samples takes the two
// positions as samples rather than marks, to reach every sample of a frame.
int copycutJob(int argc, char **argv)
{
    using namespace trevisto::mp3frames;
    trevisto::io::AtomicFile::Options file;
    bool samples = false;
    for (; argc > 0 && std::strncmp(argv[0], "--", 2) == 0; --argc, ++argv) {
        if (std::strcmp(argv[0], "--no-sync") == 0)
            file.durable = false;
        else if (std::strcmp(argv[0], "--samples") == 0)
            samples = true;
        else
            return -1;
    }
    if (argc != 4)
        return -1;
    const std::string in = argv[0], out = argv[1];
    const long long markIn = std::atoll(argv[2]), markOut = std::atoll(argv[3]);
    const auto start = Clock::now();
    const IndexResult indexed = indexMp3(in);
    const double indexSeconds = since(start);
    if (!indexed.index) {
        std::fprintf(stderr, "trevisto-bench: %s: %s\n", in.c_str(), describe(indexed.refusal).toLocal8Bit().constData());
        return 1;
    }
    const Mp3Index &index = *indexed.index;
    const auto range = samples ? std::optional<trevisto::mci::FrameRange>({markIn, markOut})
                               : markedRange(index.samples(), uint32_t(index.layout.sampleRate()), markIn, markOut);
    if (!range) {
        std::fprintf(stderr, "trevisto-bench: the marks leave no sound\n");
        return 1;
    }
    const std::vector<trevisto::mci::FrameRange> kept = {*range};
    const PlanResult plan = planRange(index, kept[0].first, kept[0].last);
    if (!plan.plan) {
        std::fprintf(stderr, "trevisto-bench: %s\n", describe(plan.refusal).toLocal8Bit().constData());
        return 1;
    }
    CopyOptions options;
    options.file = file;
    const CopyResult copied = writeRange(in, index, *plan.plan, out, options);
    const double seconds = since(start);
    if (!copied.ok()) {
        std::fprintf(stderr, "trevisto-bench: %s: %s (%s)\n", out.c_str(), describe(copied.refusal).toLocal8Bit().constData(),
                     std::strerror(copied.systemError));
        return 1;
    }
    std::printf("samples=%lld skip=%lld spf=%d first=%lld last=%lld frames=%u delay=%d padding=%d bytes=%llu "
                "index_seconds=%.4f seconds=%.4f\n",
                static_cast<long long>(index.samples()), static_cast<long long>(index.skip()), index.samplesPerFrame(),
                static_cast<long long>(kept[0].first), static_cast<long long>(kept[0].last), plan.plan->outputFrames(),
                plan.plan->delay, plan.plan->padding, static_cast<unsigned long long>(copied.bytes), indexSeconds,
                seconds);
    return 0;
}

// copyjoin [--no-sync] [--clips DIR] [--cue] [--chapters] OUT.mp3 SRC.mp3:IN_MS:OUT_MS...:
// each clip (named clip1, clip2, ...) made as
// the window makes it (the source decoded into a working file, the device's cut to the
// marks), then the clips joined into OUT.mp3 by copying frames through the window's output
// job, as Join to MP3 with "Copy" does, but with nothing encoded instead where the frames
// cannot be copied. Only the join is timed; joint_frames gives the output frames encoded
// again at each joint, [first, end). --clips keeps the clips' WAV files in DIR, as
// clip1.wav, clip2.wav, ...
int copyjoinJob(int argc, char **argv)
{
    bool durable = true;
    std::string keep;
    JoinExtras extras;
    trevisto::JoinOptions joinOptions;
    for (; argc > 0 && std::strncmp(argv[0], "--", 2) == 0; --argc, ++argv) {
        if (extras.take(argv[0]))
            continue;
        if (std::strcmp(argv[0], "--no-sync") != 0 && std::strcmp(argv[0], "--clips") != 0) {
            // One join option and its number at a time.
            int one = std::min(argc, 2);
            char **flag = argv;
            if (!takeJoinOptions(one, flag, joinOptions) || one != 0)
                return -1;
            --argc;
            ++argv;
            continue;
        }
        if (std::strcmp(argv[0], "--no-sync") == 0) {
            durable = false;
        } else if (std::strcmp(argv[0], "--clips") == 0 && argc > 1) {
            keep = argv[1];
            --argc;
            ++argv;
        } else {
            return -1;
        }
    }
    if (argc < 2)
        return -1;
    struct Mark {
        std::string source;
        long long in = 0, out = 0;
    };
    std::vector<Mark> marks;
    for (int i = 1; i < argc; ++i) {
        // The path may hold colons itself: the marks are the last two fields.
        const std::string spec = argv[i];
        const size_t second = spec.rfind(':'), first = second == std::string::npos || second == 0
                                                                 ? std::string::npos
                                                                 : spec.rfind(':', second - 1);
        if (first == std::string::npos || first == 0)
            return -1;
        char *end = nullptr;
        Mark m{spec.substr(0, first), std::strtoll(spec.c_str() + first + 1, &end, 10), 0};
        if (end != spec.c_str() + second)
            return -1;
        m.out = std::strtoll(spec.c_str() + second + 1, &end, 10);
        if (*end != '\0' || m.in < 0 || m.out <= m.in)
            return -1;
        marks.push_back(std::move(m));
    }

    std::error_code ec;
    char pattern[] = "/tmp/trevisto-copyjoin-XXXXXX";
    if (!mkdtemp(pattern)) {
        std::fprintf(stderr, "trevisto-bench: no working folder: %s\n", std::strerror(errno));
        return 1;
    }
    const std::filesystem::path work = pattern;
    const std::filesystem::path clipsDir = keep.empty() ? work : std::filesystem::path(keep);
    std::filesystem::create_directories(clipsDir, ec);
    struct Cleanup {
        std::filesystem::path dir;
        ~Cleanup()
        {
            std::error_code ignored;
            std::filesystem::remove_all(dir, ignored);
        }
    } cleanup{work};

    BassLibrary bass;
    if (!loadLibrary(bass))
        return 2;
    struct Decoded {
        std::string wav;
        int64_t frames = 0;
        uint32_t rate = 0;
        std::optional<Mp3Source> mp3;
    };
    std::map<std::string, Decoded> sources;
    trevisto::OutputRequest request;
    request.join = true;
    request.output = QString::fromLocal8Bit(argv[0]);
    request.copy = true;
    request.copyOnly = true;
    request.durable = durable;
    request.chapters = extras.chapters;
    request.joinOptions = joinOptions;
    int64_t clipSamples = 0;
    for (size_t i = 0; i < marks.size(); ++i) {
        const Mark &m = marks[i];
        auto found = sources.find(m.source);
        if (found == sources.end()) {
            Decoded d;
            d.wav = (work / ("source" + std::to_string(sources.size() + 1) + ".wav")).string();
            const Decoding decoded = decodeToWav(bass, m.source.c_str(), d.wav.c_str(), nullptr, nullptr);
            trevisto::wav::Info info;
            if (!decoded.completed() || trevisto::wav::readInfo(d.wav, info) != trevisto::wav::ReadError::None) {
                if (decoded.opened)
                    std::fprintf(stderr, "trevisto-bench: %s: %s\n", m.source.c_str(), decoded.why().toLocal8Bit().constData());
                bass.Free();
                return 1;
            }
            d.frames = info.frames;
            d.rate = info.format.sampleRate;
            // As the loader does: only an MP3 whose frames give exactly these samples.
            d.mp3 = IdentifyMp3Source(QString::fromLocal8Bit(m.source.c_str()), d.frames);
            found = sources.emplace(m.source, std::move(d)).first;
        }
        const Decoded &d = found->second;
        const std::string clip = (clipsDir / ("clip" + std::to_string(i + 1) + ".wav")).string();
        CutRange range;
        const CommandOutcome cut = CutSource(QString::fromStdString(d.wav), QString::fromStdString(clip), int32_t(m.in),
                                             int32_t(m.out), trevisto::mci::lengthMs(d.frames, d.rate), &range);
        if (!cut.ok()) {
            std::fprintf(stderr, "trevisto-bench: the cut of %s: %s (%s)\n", m.source.c_str(),
                         cut.reason().toLocal8Bit().constData(), cut.failedCommand.toLocal8Bit().constData());
            bass.Free();
            return 1;
        }
        // The device's own range, which the marks must round to as copycut rounds them.
        const auto expected = markedRange(d.frames, d.rate, m.in, m.out);
        if (!expected || expected->first != range.first || expected->last != range.last) {
            std::fprintf(stderr, "trevisto-bench: the cut of %s kept [%lld, %lld), not the marks' samples\n",
                         m.source.c_str(), static_cast<long long>(range.first), static_cast<long long>(range.last));
            bass.Free();
            return 1;
        }
        clipSamples += range.last - range.first;
        std::printf("clip%zu=%s:%lld:%lld ", i + 1, std::filesystem::path(m.source).filename().c_str(),
                    static_cast<long long>(range.first), static_cast<long long>(range.last));
        request.pieces.push_back({QString::fromStdString(clip),
                                  d.mp3 ? std::optional<Mp3Origin>(Mp3Origin{*d.mp3, range.first, range.last})
                                        : std::nullopt,
                                  QStringLiteral("clip%1").arg(i + 1)});
    }
    bass.Free();
    // The clip list measures each clip when it is added, long before the join: so here,
    // outside the time of the join.
    if (joinOptions.targetLufs) {
        const auto measuring = Clock::now();
        for (OutputPiece &piece : request.pieces)
            piece.loudness = trevisto::measureLoudness(piece.file.toStdString());
        std::printf("measure_seconds=%.4f ", since(measuring));
    }

    OutputSeen seen;
    trevisto::mp3enc::Mp3Encoder encoder;
    trevisto::OutputJob job(encoder);
    const auto start = Clock::now();
    job.start(request, seen);
    const double seconds = since(start);
    if (seen.done && seen.done->copied) {
        const auto indexed = trevisto::mp3frames::indexMp3(argv[0]);
        std::string spans;
        for (const auto &[from, to] : seen.done->jointFrames)
            spans += (spans.empty() ? "" : ",") + std::to_string(from) + "-" + std::to_string(to);
        std::printf("outcome=copied joints=%d joint_frames=%s clip_samples=%lld samples=%lld skip=%lld seconds=%.4f "
                    "joined_samples=%lld\n",
                    seen.done->encodedJoints, spans.empty() ? "none" : spans.c_str(), static_cast<long long>(clipSamples),
                    static_cast<long long>(indexed.index ? indexed.index->samples() : -1),
                    static_cast<long long>(indexed.index ? indexed.index->skip() : -1), seconds,
                    static_cast<long long>(seen.done->copiedSamples));
        printLevels(*seen.done);
        return extras.finish(request, seen.done) ? 0 : 1;
    }
    if (seen.failure && seen.failure->stage == trevisto::OutputFailure::Stage::NotCopyable) {
        std::printf("outcome=not-copyable clip_samples=%lld seconds=%.4f why=\"%s\"\n", static_cast<long long>(clipSamples),
                    seconds, seen.failure->why.toLocal8Bit().constData());
        return 3;
    }
    const QString why = seen.failure ? seen.failure->why : QStringLiteral("the join was not copied");
    std::printf("outcome=failed seconds=%.4f why=\"%s\"\n", seconds, why.toLocal8Bit().constData());
    return 1;
}

} // namespace trevisto::bench
