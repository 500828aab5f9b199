// trevisto-bench JOB ARGS...: runs one of the program's heavy jobs on its own and
// reports figures on one line, for timing and memory measurements. Each job goes through
// the same code the window uses.

#include "audio/basslib.h"
#include "audio/conversion.h"
#include "audio/sourcechannel.h"
#include "clips/joiner.h"
#include "clips/mp3join.h"
#include "core/mp3origin.h"
#include "editor/cut.h"
#include "core/peaktable.h"
#include "platform/mci/device.h"
#include "platform/mci/timebase.h"
#include "platform/mp3enc/mp3encoder.h"
#include "platform/mp3frames/rangecopy.h"
#include "platform/wav/wav.h"
#include "ui/detailview.h"

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr DWORD kBlockBytes = 20000; // the program's read size

using Clock = std::chrono::steady_clock;

double since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// libbass.so from the bench's own folder, as the program loads it from its own.
bool loadLibrary(BassLibrary &bass)
{
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    const QString path = QString::fromStdString((self.parent_path() / "libbass.so").string());
    if (ec || bass.load(path) != BassLibrary::LoadResult::Loaded || bass.GetVersion() != BASSVERSION ||
        !bass.resolveAll()) {
        std::fprintf(stderr, "trevisto-bench: %s cannot be used: %s\n", path.toLocal8Bit().constData(),
                     bass.lastError().toLocal8Bit().constData());
        return false;
    }
    if (!bass.Init(0, 44100, 0, nullptr, nullptr)) {
        std::fprintf(stderr, "trevisto-bench: the decoding library did not start (error %d)\n", bass.ErrorGetCode());
        return false;
    }
    return true;
}

// The program's own opening of a source, with the reason when it fails.
DWORD openSource(BassLibrary &bass, const char *path)
{
    const DWORD handle = OpenSourceChannel(bass, QString::fromLocal8Bit(path));
    if (!handle)
        std::fprintf(stderr, "trevisto-bench: %s: no decoder accepts this file (error %d)\n", path,
                     bass.ErrorGetCode());
    return handle;
}

// decode FILE: pull all of FILE's PCM and discard it.
int decodeJob(int argc, char **argv)
{
    if (argc != 1)
        return -1;
    const char *path = argv[0];
    BassLibrary bass;
    if (!loadLibrary(bass))
        return 2;
    const auto start = Clock::now();
    const DWORD handle = openSource(bass, path);
    if (!handle) {
        bass.Free();
        return 1;
    }
    const DWORD reported = bass.ChannelGetLength(handle);
    std::vector<unsigned char> block(kBlockBytes);
    unsigned long long delivered = 0;
    int status = 0;
    while (bass.ChannelIsActive(handle)) {
        const DWORD n = bass.ChannelGetData(handle, block.data(), kBlockBytes);
        if (n == static_cast<DWORD>(-1) || n == 0) {
            std::fprintf(stderr, "trevisto-bench: %s: decoding stopped after %llu bytes (error %d)\n", path,
                         delivered, bass.ErrorGetCode());
            status = 1;
            break;
        }
        delivered += n;
    }
    const double seconds = since(start);
    bass.Free();
    std::printf("reported=%u delivered=%llu seconds=%.3f\n", reported, delivered, seconds);
    if (status == 0 && delivered != reported) {
        std::fprintf(stderr, "trevisto-bench: %s: delivered length differs from the reported one\n", path);
        status = 1;
    }
    return status;
}

// The window's decoding of a source into a working file: the conversion, with the envelope
// reduced on the way into `table` when there is one.
struct Decoding {
    bool opened = false;
    WaveConversion::Result result;
    ::Outcome finished;
    bool completed() const { return opened && result.outcome == WaveConversion::Outcome::Completed && finished; }
    QString why() const { return result.message.isEmpty() ? finished.why : result.message; }
};

Decoding decodeToWav(BassLibrary &bass, const char *source, const char *wavPath, PeakTable *table, DWORD *reported)
{
    Decoding d;
    const DWORD handle = openSource(bass, source);
    if (!handle)
        return d;
    d.opened = true;
    if (reported)
        *reported = bass.ChannelGetLength(handle);
    WaveConversion conversion;
    if (table)
        conversion.setPeakTable(table);
    d.result = conversion.run(bass, handle, QString::fromLocal8Bit(wavPath), [](int64_t, int64_t) { return true; });
    d.finished = conversion.FinishWaveFile();
    bass.ChannelFree(handle);
    return d;
}

// convert [--no-peaks] FILE OUT.wav: the window's conversion into a working file, minus the
// window; with the envelope reduced on the way, as the window does, unless told not to.
int convertJob(int argc, char **argv)
{
    const bool peaks = !(argc > 0 && std::strcmp(argv[0], "--no-peaks") == 0);
    if (!peaks) {
        --argc;
        ++argv;
    }
    if (argc != 2)
        return -1;
    BassLibrary bass;
    if (!loadLibrary(bass))
        return 2;
    const auto start = Clock::now();
    PeakTable table;
    DWORD reported = 0;
    const Decoding decoded = decodeToWav(bass, argv[0], argv[1], peaks ? &table : nullptr, &reported);
    if (!decoded.opened) {
        bass.Free();
        return 1;
    }
    const auto &result = decoded.result;
    const double seconds = since(start);
    bass.Free();
    std::printf("reported=%u delivered=%lld peaks=%d seconds=%.3f\n", reported, static_cast<long long>(result.bytes),
                table.size(), seconds);
    if (!decoded.completed()) {
        std::fprintf(stderr, "trevisto-bench: %s\n", decoded.why().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

// cut IN.wav OUT.wav IN_MS OUT_MS: the window's cut command strings on the sound device.
int cutJob(int argc, char **argv)
{
    if (argc != 4)
        return -1;
    using trevisto::mci::mciSendString;
    const std::string in = argv[0], out = argv[1];
    const long long markIn = std::atoll(argv[2]), markOut = std::atoll(argv[3]);
    const auto start = Clock::now();
    std::string length;
    auto send = [](const std::string &command, std::string *ret = nullptr) {
        const int code = mciSendString(command, ret);
        if (code != 0)
            std::fprintf(stderr, "trevisto-bench: \"%s\": %s\n", command.c_str(),
                         trevisto::mci::mciGetErrorString(code).c_str());
        return code == 0;
    };
    bool ok = send("open " + in + " type waveaudio alias voice1") && send("status voice1 length", &length);
    const long long L = ok ? std::atoll(length.c_str()) : 0;
    ok = ok && send("delete voice1 from 0 to " + std::to_string(markIn)) &&
         send("delete voice1 from " + std::to_string(markOut - markIn) + " to " + std::to_string(L - markIn)) &&
         send("save  voice1 " + out);
    mciSendString("close voice1");
    const double seconds = since(start);
    if (!ok)
        return 1;
    trevisto::wav::Info saved;
    if (trevisto::wav::readInfo(out, saved) != trevisto::wav::ReadError::None) {
        std::fprintf(stderr, "trevisto-bench: %s: the saved file cannot be read back\n", out.c_str());
        return 1;
    }
    std::printf("frames=%lld seconds=%.3f\n", static_cast<long long>(saved.frames), seconds);
    return 0;
}

// join OUT.wav CLIP...: the window's join of the clip files into one WAV file.
int joinJob(int argc, char **argv)
{
    if (argc < 2)
        return -1;
    QStringList clips;
    for (int i = 1; i < argc; ++i)
        clips << QString::fromLocal8Bit(argv[i]);
    uint64_t bytes = 0;
    int blocks = 0;
    const auto start = Clock::now();
    const Outcome outcome = JoinClips(clips, QString::fromLocal8Bit(argv[0]), [&](uint64_t done, uint64_t) {
        bytes = done;
        ++blocks;
        return true;
    });
    const double seconds = since(start);
    if (!outcome) {
        std::fprintf(stderr, "trevisto-bench: %s\n", outcome.why.toLocal8Bit().constData());
        return 1;
    }
    std::printf("clips=%d bytes=%llu blocks=%d seconds=%.3f\n", int(clips.size()), static_cast<unsigned long long>(bytes),
                blocks, seconds);
    return 0;
}

// encode [--threads N] IN.wav OUT.mp3 KBPS: the window's encoder, run to its completion
// signal, on the threads it chooses or on N (1: the input encoded whole).
int encodeJob(int argc, char **argv)
{
    trevisto::mp3enc::SplitRules rules;
    if (argc == 5 && std::strcmp(argv[0], "--threads") == 0) {
        const int threads = std::atoi(argv[1]);
        if (threads <= 0)
            return -1;
        rules.threads = unsigned(threads);
        argc -= 2;
        argv += 2;
    }
    if (argc != 3)
        return -1;
    const int kbps = std::atoi(argv[2]);
    if (kbps <= 0)
        return -1;
    int appArgc = 1;
    char name[] = "trevisto-bench";
    char *appArgv[] = {name, nullptr};
    QCoreApplication app(appArgc, appArgv);
    trevisto::mp3enc::Mp3Encoder encoder;
    encoder.setBitRate(kbps);
    encoder.setSplitRules(rules);
    QObject::connect(&encoder, &trevisto::mp3enc::Mp3Encoder::completed, &app, &QCoreApplication::quit);

    const auto start = Clock::now();
    if (encoder.encode(QString::fromLocal8Bit(argv[0]), QString::fromLocal8Bit(argv[1])) != 0) {
        std::fprintf(stderr, "trevisto-bench: %s\n", encoder.reason().toLocal8Bit().constData());
        return 1;
    }
    app.exec();
    const double seconds = since(start);
    if (!encoder.succeeded()) {
        std::fprintf(stderr, "trevisto-bench: %s\n", encoder.reason().toLocal8Bit().constData());
        return 1;
    }
    trevisto::wav::Info source;
    trevisto::wav::readInfo(argv[0], source);
    std::error_code ec;
    const auto bytes = std::filesystem::file_size(argv[1], ec);
    std::printf("frames=%lld bytes=%llu kbps=%d threads=%d seconds=%.3f\n", static_cast<long long>(source.frames),
                static_cast<unsigned long long>(ec ? 0 : bytes), encoder.effectiveBitRate(), encoder.threadsUsed(),
                seconds);
    if (!encoder.reason().isEmpty())
        std::fprintf(stderr, "trevisto-bench: %s\n", encoder.reason().toLocal8Bit().constData());
    return 0;
}

// seams SOURCE.wav STRETCHED.wav WHOLE.wav STRETCHES: how close two decodings (16-bit
// WAVs, as a gapless decoder gives them) of an encoding in STRETCHES stretches and of a
// whole one come to the source: the SNR over the whole sound and over two frames on each
// side of every splice, and at each splice the largest sample step within 8 samples of
// it against the largest one in the frames around it, in the decoding and in the source.
struct SeamReader {
    std::unique_ptr<trevisto::wav::File> file;
    std::vector<int16_t> block;

    bool open(const char *path, const trevisto::wav::Format &like)
    {
        file = trevisto::wav::File::open(path);
        if (!file || file->format().bitsPerSample != 16 || file->format().tag != trevisto::wav::kTagPcm ||
            (like.channels && (file->format().channels != like.channels ||
                               file->format().sampleRate != like.sampleRate))) {
            std::fprintf(stderr, "trevisto-bench: %s is no 16-bit WAV like the source\n", path);
            return false;
        }
        return true;
    }
    // Samples [from, from + count) (interleaved), zeros outside the file.
    const std::vector<int16_t> &read(int64_t from, int64_t count)
    {
        const int channels = file->format().channels;
        block.assign(size_t(count * channels), 0);
        const int64_t lo = std::max<int64_t>(from, 0), hi = std::min(from + count, file->info().frames);
        if (lo < hi)
            file->readFrames(lo, hi - lo, block.data() + (lo - from) * channels);
        return block;
    }
};

double snrDb(double signal, double noise)
{
    return noise > 0 ? 10 * std::log10(signal / noise) : INFINITY;
}

struct SeamSums {
    double signal = 0, stretched = 0, whole = 0;
    void add(const std::vector<int16_t> &x, const std::vector<int16_t> &a, const std::vector<int16_t> &b)
    {
        for (size_t i = 0; i < x.size(); ++i) {
            signal += double(x[i]) * x[i];
            stretched += (double(a[i]) - x[i]) * (double(a[i]) - x[i]);
            whole += (double(b[i]) - x[i]) * (double(b[i]) - x[i]);
        }
    }
};

// The largest step between neighbouring samples of one channel in [from, to) of `v`.
int largestStep(const std::vector<int16_t> &v, int channels, int64_t from, int64_t to)
{
    int step = 0;
    for (int64_t i = std::max<int64_t>(from, 1); i < to; ++i)
        for (int c = 0; c < channels; ++c)
            step = std::max(step, std::abs(int(v[size_t(i * channels + c)]) - int(v[size_t((i - 1) * channels + c)])));
    return step;
}

int seamsJob(int argc, char **argv)
{
    if (argc != 4 || std::atoi(argv[3]) < 2)
        return -1;
    SeamReader source, stretched, whole;
    if (!source.open(argv[0], {}) || !stretched.open(argv[1], source.file->format()) ||
        !whole.open(argv[2], source.file->format()))
        return 1;
    const int64_t frames = source.file->info().frames;
    const int channels = source.file->format().channels, rate = int(source.file->format().sampleRate);
    std::printf("frames: source %lld, stretched %lld, whole %lld\n", static_cast<long long>(frames),
                static_cast<long long>(stretched.file->info().frames), static_cast<long long>(whole.file->info().frames));
    SeamSums all;
    constexpr int64_t kBlock = 1 << 16;
    for (int64_t at = 0; at < frames; at += kBlock) {
        const int64_t n = std::min(kBlock, frames - at);
        const std::vector<int16_t> x = source.read(at, n), a = stretched.read(at, n);
        all.add(x, a, whole.read(at, n));
    }
    std::printf("whole file: SNR stretched %.2f dB, whole %.2f dB\n", snrDb(all.signal, all.stretched),
                snrDb(all.signal, all.whole));
    const int spf = rate >= 32000 ? 1152 : 576;
    trevisto::mp3enc::SplitRules rules;
    rules.threads = unsigned(std::atoi(argv[3]));
    rules.minStretchSeconds = 0;
    const auto plan = trevisto::mp3enc::planStretches(frames, rate, spf, rules);
    // Encoder and decoder delay: output frame f starts at source sample f * spf - 1105.
    constexpr int64_t kDelay = 576 + 529;
    for (size_t k = 1; k < plan.size(); ++k) {
        const int64_t seam = plan[k].firstFrame * spf - kDelay, from = seam - 2 * spf, count = 4 * spf;
        const std::vector<int16_t> x = source.read(from, count), a = stretched.read(from, count);
        SeamSums around;
        around.add(x, a, whole.read(from, count));
        const int64_t mid = seam - from;
        const int atSeam = largestStep(a, channels, mid - 8, mid + 9);
        const int nearby = std::max(largestStep(a, channels, 0, mid - 8), largestStep(a, channels, mid + 9, count));
        const int inSource = largestStep(x, channels, 0, count);
        std::printf("splice %zu at sample %lld: SNR stretched %.2f dB, whole %.2f dB; largest step at it %d, "
                    "around it %d, source around it %d\n",
                    k, static_cast<long long>(seam), snrDb(around.signal, around.stretched),
                    snrDb(around.signal, around.whole), atSeam, nearby, inSource);
    }
    return 0;
}

// The source samples the cut to the marks keeps of a sound of `frames` frames at `rate`,
// as the device rounds them; nothing when it keeps none.
std::optional<trevisto::mci::FrameRange> markedRange(int64_t frames, uint32_t rate, long long markIn, long long markOut)
{
    const auto kept = trevisto::mci::cutKeptFrames(frames, rate, markIn, markOut, trevisto::mci::lengthMs(frames, rate));
    if (kept.size() != 1)
        return std::nullopt;
    return kept.front();
}

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

// copyjoin [--no-sync] [--clips DIR] OUT.mp3 SRC.mp3:IN_MS:OUT_MS...: each clip made as
// the window makes it (the source decoded into a working file, the device's cut to the
// marks), then the clips joined into OUT.mp3 by copying frames, as Join to MP3 with
// "Copy" does. Only the join is timed; joint_frames gives the output frames encoded again
// at each joint, [first, end). --clips keeps the clips' WAV files in DIR, as
// clip1.wav, clip2.wav, ...
int copyjoinJob(int argc, char **argv)
{
    trevisto::io::AtomicFile::Options file;
    std::string keep;
    for (; argc > 0 && std::strncmp(argv[0], "--", 2) == 0; --argc, ++argv) {
        if (std::strcmp(argv[0], "--no-sync") == 0) {
            file.durable = false;
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
    std::vector<trevisto::Mp3JoinClip> clips;
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
        clips.push_back({d.mp3 ? std::optional<Mp3Origin>(Mp3Origin{*d.mp3, range.first, range.last}) : std::nullopt,
                         QString::fromStdString(clip)});
    }
    bass.Free();

    const auto start = Clock::now();
    const trevisto::Mp3JoinOutcome joined = trevisto::JoinMp3ByCopy(clips, QString::fromLocal8Bit(argv[0]), file);
    const double seconds = since(start);
    switch (joined.kind) {
    case trevisto::Mp3JoinOutcome::Copied: {
        const auto indexed = trevisto::mp3frames::indexMp3(argv[0]);
        std::string spans;
        for (const auto &[from, to] : joined.encodedFrames)
            spans += (spans.empty() ? "" : ",") + std::to_string(from) + "-" + std::to_string(to);
        std::printf("outcome=copied joints=%d joint_frames=%s clip_samples=%lld samples=%lld skip=%lld seconds=%.4f\n",
                    joined.encodedJoints, spans.empty() ? "none" : spans.c_str(), static_cast<long long>(clipSamples),
                    static_cast<long long>(indexed.index ? indexed.index->samples() : -1),
                    static_cast<long long>(indexed.index ? indexed.index->skip() : -1), seconds);
        return 0;
    }
    case trevisto::Mp3JoinOutcome::NotCopyable:
        std::printf("outcome=not-copyable clip_samples=%lld seconds=%.4f why=\"%s\"\n", static_cast<long long>(clipSamples),
                    seconds, joined.why.toLocal8Bit().constData());
        return 3;
    case trevisto::Mp3JoinOutcome::Failed:
        break;
    }
    std::printf("outcome=failed seconds=%.4f why=\"%s\"\n", seconds, joined.why.toLocal8Bit().constData());
    return 1;
}

// drawview FILE.wav: draws the close view offscreen at 1400 × 200 px at ten zooms from the
// whole sound to one frame a pixel, twenty frames each, each frame scrolled so that nothing
// drawn before is reused, and prints the median and the worst milliseconds a frame.
int drawviewJob(int argc, char **argv)
{
    if (argc != 1)
        return -1;
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    int appArgc = 1;
    char name[] = "trevisto-bench";
    char *appArgv[] = {name, nullptr};
    QApplication app(appArgc, appArgv);
    const auto file = trevisto::wav::File::open(argv[0]);
    if (!file) {
        std::fprintf(stderr, "trevisto-bench: %s is not a WAV file it can read\n", argv[0]);
        return 1;
    }
    // The envelope as the loaders reduce it while they write the working file.
    const auto started = Clock::now();
    PeakTable peaks;
    peaks.start(file->format(), PeakTable::DetailCapacity);
    std::vector<unsigned char> block(1 << 20);
    const int64_t perBlock = int64_t(block.size() / file->format().blockAlign());
    for (int64_t at = 0; at < file->info().frames; at += perBlock) {
        const int64_t got = file->readFrames(at, perBlock, block.data());
        if (got <= 0)
            break;
        peaks.add(block.data(), size_t(got) * file->format().blockAlign());
    }
    const double reduceSeconds = since(started);

    DetailView view;
    view.resize(1400, 200);
    view.setSound(QString::fromLocal8Bit(argv[0]), std::move(peaks));
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    const double whole = view.span().framesPerPixel();
    std::vector<double> all;
    std::printf("drawview %s: %lld frames, envelope reduced in %.2f s\n", argv[0],
                static_cast<long long>(file->info().frames), reduceSeconds);
    for (int level = 0; level < 10; ++level) {
        // Geometric steps from the whole sound to one frame a pixel.
        const double fpp = whole * std::pow(1.0 / whole, level / 9.0);
        view.span().showWhole();
        view.span().zoom(whole / fpp, 700);
        std::vector<double> ms;
        for (int i = 0; i < 20; ++i) {
            view.span().scroll(i % 2 ? 37 : -23);
            const auto t = Clock::now();
            QPainter painter(&image);
            view.render(&painter);
            painter.end();
            ms.push_back(since(t) * 1000);
        }
        std::sort(ms.begin(), ms.end());
        all.insert(all.end(), ms.begin(), ms.end());
        std::printf("  zoom %d: %.4g frames a pixel, median %.2f ms, worst %.2f ms\n", level,
                    view.span().framesPerPixel(), ms[ms.size() / 2], ms.back());
    }
    std::sort(all.begin(), all.end());
    std::printf("all zooms: median %.2f ms, worst %.2f ms a frame\n", all[all.size() / 2], all.back());
    std::fflush(stdout);
    return 0;
}

struct Job {
    const char *name;
    const char *arguments;
    int (*run)(int argc, char **argv); // -1: wrong arguments
};

constexpr Job kJobs[] = {
    {"decode", "FILE", decodeJob},
    {"convert", "[--no-peaks] FILE OUT.wav", convertJob},
    {"cut", "IN.wav OUT.wav IN_MS OUT_MS", cutJob},
    {"join", "OUT.wav CLIP...", joinJob},
    {"encode", "[--threads N] IN.wav OUT.mp3 KBPS", encodeJob},
    {"seams", "SOURCE.wav STRETCHED.wav WHOLE.wav STRETCHES", seamsJob},
    {"copycut", "[--no-sync] [--samples] IN.mp3 OUT.mp3 IN_MS OUT_MS", copycutJob},
    {"copyjoin", "[--no-sync] [--clips DIR] OUT.mp3 SRC.mp3:IN_MS:OUT_MS...", copyjoinJob},
    {"drawview", "FILE.wav", drawviewJob},
};

void printUsage()
{
    std::fprintf(stderr, "usage:");
    const char *separator = " ";
    for (const Job &job : kJobs) {
        std::fprintf(stderr, "%strevisto-bench %s %s", separator, job.name, job.arguments);
        separator = " | ";
    }
    std::fprintf(stderr, "\n");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 2) {
        for (const Job &job : kJobs) {
            if (std::strcmp(argv[1], job.name) != 0)
                continue;
            const int status = job.run(argc - 2, argv + 2);
            if (status >= 0)
                return status;
            break;
        }
    }
    printUsage();
    return 64;
}
