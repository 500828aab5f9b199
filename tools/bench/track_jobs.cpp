// The bench's jobs on tracks: the split points a search proposes, and a cue sheet's tracks.

#include "bench.h"

#include "platform/wav/wav.h"
#include "tracks/cuesheet.h"
#include "tracks/levels.h"
#include "tracks/pauses.h"
#include "tracks/trackfiles.h"

#include <QString>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace trevisto::bench {

namespace {

// A whole number from an option's value; false when it is none.
bool number(const char *text, double &out)
{
    char *end = nullptr;
    out = std::strtod(text, &end);
    return end != text && *end == '\0';
}

} // namespace

// pauses FILE.wav [--threshold DBFS] [--min-pause MS] [--min-track MS] [--keep-pause MS]
// [--every MIN]: the split points the window proposes, one a line, in milliseconds; the
// threshold used and the time taken on stderr.
int pausesJob(int argc, char **argv)
{
    tracks::PauseSearch search;
    std::optional<double> everyMinutes;
    const char *path = nullptr;
    for (int i = 0; i < argc; ++i) {
        double value = 0;
        const auto option = [&](const char *name) {
            return std::strcmp(argv[i], name) == 0 && i + 1 < argc && number(argv[i + 1], value) && ++i;
        };
        if (option("--threshold"))
            search.thresholdDbfs = value;
        else if (option("--min-pause"))
            search.minPauseMs = int64_t(value);
        else if (option("--min-track"))
            search.minTrackMs = int64_t(value);
        else if (option("--keep-pause"))
            search.keepPauseMs = int64_t(value);
        else if (option("--every") && value > 0)
            everyMinutes = value;
        else if (!path && argv[i][0] != '-')
            path = argv[i];
        else
            return -1;
    }
    if (!path)
        return -1;
    const auto start = Clock::now();
    wav::ReadError error = wav::ReadError::None;
    const auto file = wav::File::open(path, &error);
    if (!file) {
        std::fprintf(stderr, "trevisto-bench: %s: %s\n", path, wav::describe(error));
        return 1;
    }
    tracks::Levels levels;
    const tracks::MeasureResult measured = tracks::MeasureLevels(*file, 0, file->info().frames, levels);
    if (!measured.ok) {
        std::fprintf(stderr, "trevisto-bench: %s: reading failed: %s\n", path, std::strerror(measured.systemError));
        return 1;
    }
    const double threshold = search.thresholdDbfs ? *search.thresholdDbfs : tracks::AutomaticThreshold(levels);
    const std::vector<int64_t> points = everyMinutes
                                            ? tracks::EverySplitPoints(levels, int64_t(*everyMinutes * 60000))
                                            : tracks::PauseSplitPoints(levels, search);
    const double seconds = since(start);
    for (const int64_t point : points)
        std::printf("%" PRId64 "\n", point * 1000 / int64_t(levels.rate));
    std::fprintf(stderr, "threshold=%.1f points=%zu seconds=%.3f\n", threshold, points.size(), seconds);
    return 0;
}

// tracks FILE.wav OUTDIR [--every MIN | pause options as for pauses]: finds the split points
// as the window does and writes each track as OUTDIR/trackNN.wav, as "Add as clips" writes
// clips; prints the tracks written and the seconds taken.
int tracksJob(int argc, char **argv)
{
    if (argc < 2)
        return -1;
    const char *path = argv[0];
    const std::string folder = argv[1];
    tracks::PauseSearch search;
    std::optional<double> everyMinutes;
    for (int i = 2; i < argc; ++i) {
        double value = 0;
        const bool given = i + 1 < argc && number(argv[i + 1], value);
        if (!given)
            return -1;
        if (std::strcmp(argv[i], "--every") == 0 && value > 0)
            everyMinutes = value;
        else if (std::strcmp(argv[i], "--threshold") == 0)
            search.thresholdDbfs = value;
        else if (std::strcmp(argv[i], "--min-pause") == 0)
            search.minPauseMs = int64_t(value);
        else if (std::strcmp(argv[i], "--min-track") == 0)
            search.minTrackMs = int64_t(value);
        else
            return -1;
        ++i;
    }
    const auto start = Clock::now();
    wav::ReadError error = wav::ReadError::None;
    const auto file = wav::File::open(path, &error);
    if (!file) {
        std::fprintf(stderr, "trevisto-bench: %s: %s\n", path, wav::describe(error));
        return 1;
    }
    tracks::Levels levels;
    if (!tracks::MeasureLevels(*file, 0, file->info().frames, levels).ok) {
        std::fprintf(stderr, "trevisto-bench: %s: reading failed\n", path);
        return 1;
    }
    const std::vector<int64_t> points = everyMinutes ? tracks::EverySplitPoints(levels, int64_t(*everyMinutes * 60000))
                                                     : tracks::PauseSplitPoints(levels, search);
    const double found = since(start);
    std::vector<tracks::TrackFile> files;
    int64_t first = 0;
    for (size_t i = 0; i <= points.size(); ++i) {
        const int64_t end = i < points.size() ? points[i] : file->info().frames;
        char name[32];
        std::snprintf(name, sizeof name, "/track%02zu.wav", i + 1);
        files.push_back({folder + name, first, end});
        first = end;
    }
    const tracks::TrackFilesWritten written = tracks::WriteTrackFiles(path, files);
    const double seconds = since(start);
    for (const tracks::TrackFile &f : files)
        std::printf("%s\t%" PRId64 "\t%" PRId64 "\n", f.path.c_str(), f.first, f.end);
    std::fprintf(stderr, "tracks=%zu found=%.3f seconds=%.3f\n", written.count, found, seconds);
    if (written.count < files.size()) {
        std::fprintf(stderr, "trevisto-bench: %s\n", qPrintable(written.why));
        return 1;
    }
    return 0;
}

// cue SHEET.cue: each track's name, first and last sample (frames of its sound), tab
// apart, after the sheet is checked against the sound as the window checks it.
int cueJob(int argc, char **argv)
{
    if (argc != 1)
        return -1;
    const tracks::CueRead read = tracks::ReadCueSheet(QString::fromLocal8Bit(argv[0]));
    if (!read.outcome) {
        std::fprintf(stderr, "trevisto-bench: %s: %s\n", argv[0], qPrintable(read.outcome.why));
        return 1;
    }
    BassLibrary bass;
    if (!loadLibrary(bass))
        return 2;
    const QByteArray sound = read.sheet.file.toLocal8Bit();
    const DWORD handle = openSource(bass, sound.constData());
    if (!handle) {
        bass.Free();
        return 1;
    }
    BASS_CHANNELINFO info{};
    bass.ChannelGetInfo(handle, &info);
    const int64_t length = bass.channelLength(handle);
    const int64_t frames = info.chans && length > 0 ? length / (2 * int64_t(info.chans)) : 0;
    bass.ChannelFree(handle);
    bass.Free();
    const Outcome inside = tracks::CheckCueAgainstSound(read.sheet, frames, info.freq);
    if (!inside) {
        std::fprintf(stderr, "trevisto-bench: %s: %s\n", argv[0], qPrintable(inside.why));
        return 1;
    }
    const auto &list = read.sheet.tracks;
    for (size_t i = 0; i < list.size(); ++i) {
        const int64_t first = tracks::CueToSoundFrame(list[i].start, info.freq);
        const int64_t end = i + 1 < list.size() ? tracks::CueToSoundFrame(list[i + 1].start, info.freq) : frames;
        std::printf("%s\t%" PRId64 "\t%" PRId64 "\n", qPrintable(tracks::CueTrackName(read.sheet, list[i])), first,
                    end - 1);
    }
    return 0;
}

} // namespace trevisto::bench
