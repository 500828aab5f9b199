// The bench's jobs on PCM: decoding, the conversion into a working file, the cut, the join.

#include "bench.h"

#include "clips/loudness.h"
#include "clips/outputjob.h"
#include "platform/mp3enc/mp3encoder.h"
#include "platform/mci/device.h"
#include "platform/wav/wav.h"

#include <QFileInfo>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <chrono>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace trevisto::bench {

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
    const long long reported = bass.channelLength(handle);
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
    std::printf("reported=%lld delivered=%llu seconds=%.3f\n", reported, delivered, seconds);
    if (status == 0 && (long long)delivered != reported) {
        std::fprintf(stderr, "trevisto-bench: %s: delivered length differs from the reported one\n", path);
        status = 1;
    }
    return status;
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
    int64_t reported = 0;
    const Decoding decoded = decodeToWav(bass, argv[0], argv[1], peaks ? &table : nullptr, &reported);
    if (!decoded.opened) {
        bass.Free();
        return 1;
    }
    const auto &result = decoded.result;
    const double seconds = since(start);
    bass.Free();
    std::printf("reported=%lld delivered=%lld peaks=%d seconds=%.3f\n", static_cast<long long>(reported),
                static_cast<long long>(result.bytes),
                table.size(), seconds);
    if (!decoded.completed()) {
        std::fprintf(stderr, "trevisto-bench: %s\n", decoded.why().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

// cut [--sync] IN.wav OUT.wav IN_MS OUT_MS: the window's cut command strings on the sound
// device, into a working file as the window's cut writes; --sync syncs OUT to the disk as
// a saved file is, for comparison.
int cutJob(int argc, char **argv)
{
    const bool sync = argc > 0 && std::strcmp(argv[0], "--sync") == 0;
    if (sync) {
        --argc;
        ++argv;
    }
    if (argc != 4)
        return -1;
    using trevisto::mci::mciSendString;
    const std::string in = argv[0], out = argv[1];
    if (!sync)
        trevisto::mci::mciMarkWorkingFile(out);
    const uint64_t syncsBefore = trevisto::io::AtomicFile::syncsMade();
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
    std::printf("frames=%lld seconds=%.3f syncs=%llu\n", static_cast<long long>(saved.frames), seconds,
                static_cast<unsigned long long>(trevisto::io::AtomicFile::syncsMade() - syncsBefore));
    return 0;
}

// The join options at the front of the arguments, each flag with its number, and --cue and
// --chapters where `extras` takes them.
bool takeJoinOptions(int &argc, char **&argv, JoinOptions &options, JoinExtras *extras)
{
    while (argc > 0 && std::strncmp(argv[0], "--", 2) == 0) {
        if (extras && extras->take(argv[0])) {
            --argc;
            ++argv;
            continue;
        }
        if (argc < 2)
            return false;
        const std::string flag = argv[0];
        char *end = nullptr;
        const double value = std::strtod(argv[1], &end);
        if (end == argv[1] || *end != '\0')
            return false;
        if (flag == "--match")
            options.targetLufs = value;
        else if (flag == "--crossfade")
            options.crossfadeMs = int(value);
        else if (flag == "--fade-in")
            options.fadeInMs = int(value);
        else if (flag == "--fade-out")
            options.fadeOutMs = int(value);
        else
            return false;
        argc -= 2;
        argv += 2;
    }
    return true;
}

void printLevels(const OutputDone &done)
{
    const int sampleRate = done.levels ? done.levels->sampleRate : 0;
    if (!done.levels)
        return;
    const JoinLevels &levels = *done.levels;
    for (size_t i = 0; i < levels.gainDb.size(); ++i)
        std::printf("gain%zu=%.2f held_back%zu=%.2f steps%zu=%d ", i + 1, levels.gainDb[i], i + 1, levels.heldBackDb[i],
                    i + 1, levels.steps[i]);
    std::printf("overlaps=");
    for (size_t j = 0; j < levels.overlap.size(); ++j)
        std::printf("%s%lld", j ? "," : "", static_cast<long long>(levels.overlap[j]));
    std::printf("%s output_frames=%lld output_ms=%.3f\n", levels.overlap.empty() ? "none" : "",
                static_cast<long long>(levels.outputFrames),
                sampleRate > 0 ? double(levels.outputFrames) * 1000 / sampleRate : 0.0);
}

// join [options] [--cue] [--chapters] OUT CLIP...: the window's join of clip WAV files, shaped
// as the options say, through the same output job; into MP3, FLAC, Ogg Vorbis or Opus by
// OUT's extension. Each clip is named after its file.
int joinJob(int argc, char **argv)
{
    trevisto::OutputRequest request;
    JoinExtras extras;
    if (!takeJoinOptions(argc, argv, request.joinOptions, &extras) || argc < 2)
        return -1;
    request.join = true;
    request.output = QString::fromLocal8Bit(argv[0]);
    const bool mp3 = request.output.endsWith(QStringLiteral(".mp3"), Qt::CaseInsensitive);
    request.format = mp3 ? trevisto::OutputRequest::Format::Mp3 : trevisto::OutputRequest::Format::Wav;
    request.encoding = trevisto::EncodingOfAnyName(request.output);
    request.chapters = extras.chapters;
    for (int i = 1; i < argc; ++i) {
        const QString file = QString::fromLocal8Bit(argv[i]);
        request.pieces.push_back({file, std::nullopt, QFileInfo(file).completeBaseName()});
    }
    int appArgc = 1;
    char name[] = "trevisto-bench";
    char *appArgv[] = {name, nullptr};
    QCoreApplication app(appArgc, appArgv);
    OutputSeen seen;
    trevisto::mp3enc::Mp3Encoder encoder;
    trevisto::OutputJob job(encoder);
    QObject::connect(&encoder, &trevisto::mp3enc::Mp3Encoder::completed, &app, [&] { job.encoderCompleted(); });
    const auto start = Clock::now();
    job.start(request, seen);
    // An MP3 is encoded on the encoder's threads; its end comes through the event loop.
    if (!seen.ended)
        app.exec();
    const double seconds = since(start);
    if (seen.failed) {
        std::fprintf(stderr, "trevisto-bench: %s\n", seen.why.toLocal8Bit().constData());
        return 1;
    }
    std::printf("clips=%d bytes=%llu blocks=%d seconds=%.3f\n", int(request.pieces.size()),
                static_cast<unsigned long long>(seen.bytes), seen.blocks, seconds);
    if (seen.done)
        printLevels(*seen.done);
    return extras.finish(request, seen.done) ? 0 : 1;
}

// loudness [--threads N] FILE.wav: the integrated loudness and true peak the join matches by.
int loudnessJob(int argc, char **argv)
{
    LoudnessOptions options;
    if (argc == 3 && std::strcmp(argv[0], "--threads") == 0) {
        options.threads = std::atoi(argv[1]);
        argc -= 2;
        argv += 2;
    }
    if (argc != 1)
        return -1;
    const auto start = Clock::now();
    const Loudness measured = measureLoudness(argv[0], options);
    const double seconds = since(start);
    if (!measured.measured) {
        std::fprintf(stderr, "trevisto-bench: %s: %s\n", argv[0], measured.why.c_str());
        return 1;
    }
    std::printf("lufs=%.2f true_peak_dbtp=%.2f seconds=%.3f\n", measured.lufs, measured.truePeakDb, seconds);
    return 0;
}

} // namespace trevisto::bench
