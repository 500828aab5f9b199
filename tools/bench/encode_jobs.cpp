// The bench's MP3 encoding jobs: the encoder on its own, and how close a split encoding comes.

#include "bench.h"

#include "clips/outputjob.h"
#include "platform/mp3enc/mp3encoder.h"
#include "platform/mp3enc/split.h"
#include "platform/wav/wav.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

namespace trevisto::bench {

namespace {

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

} // namespace

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
    encoder.setSplitRules(rules);
    // The window's output job, saving a sound as MP3 without copying.
    trevisto::OutputJob job(encoder);
    QObject::connect(&encoder, &trevisto::mp3enc::Mp3Encoder::completed, &app, [&] { job.encoderCompleted(); });
    OutputSeen seen;
    trevisto::OutputRequest request;
    request.pieces = {{QString::fromLocal8Bit(argv[0])}};
    request.output = QString::fromLocal8Bit(argv[1]);
    request.kbps = kbps;
    // FLAC, Ogg Vorbis or Opus for an output named so, as the window's choosers take them.
    request.encoding = trevisto::EncodingOfAnyName(request.output);

    const auto start = Clock::now();
    job.start(request, seen);
    if (!seen.ended)
        app.exec();
    const double seconds = since(start);
    if (seen.failed) {
        std::fprintf(stderr, "trevisto-bench: %s\n", seen.why.toLocal8Bit().constData());
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

} // namespace trevisto::bench
