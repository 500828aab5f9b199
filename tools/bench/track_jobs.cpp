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
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace trevisto::bench {

namespace {

// A number from an option's value; false when it is none.
bool number(const char *text, double &out)
{
    char *end = nullptr;
    out = std::strtod(text, &end);
    return end != text && *end == '\0';
}

// What the pauses and tracks jobs are asked: the search's options and the other arguments.
struct SearchArguments {
    tracks::PauseSearch search;
    std::optional<double> everyMinutes;
    std::vector<const char *> others;
};

std::optional<SearchArguments> searchArguments(int argc, char **argv)
{
    SearchArguments given;
    for (int i = 0; i < argc; ++i) {
        double value = 0;
        const auto option = [&](const char *name) {
            return std::strcmp(argv[i], name) == 0 && i + 1 < argc && number(argv[i + 1], value) && ++i;
        };
        if (option("--threshold"))
            given.search.thresholdDbfs = value;
        else if (option("--min-pause"))
            given.search.minPauseMs = int64_t(value);
        else if (option("--min-track"))
            given.search.minTrackMs = int64_t(value);
        else if (option("--keep-pause"))
            given.search.keepPauseMs = int64_t(value);
        else if (option("--every") && value > 0)
            given.everyMinutes = value;
        else if (argv[i][0] != '-')
            given.others.push_back(argv[i]);
        else
            return std::nullopt;
    }
    return given;
}

// The split points the window proposes on the WAV file `path`, with its levels; nullopt
// after saying why when it cannot be read.
std::optional<std::vector<int64_t>> splitPoints(const char *path, const SearchArguments &given,
                                                std::unique_ptr<wav::File> &file, tracks::Levels &levels)
{
    wav::ReadError error = wav::ReadError::None;
    file = wav::File::open(path, &error);
    if (!file) {
        std::fprintf(stderr, "trevisto-bench: %s: %s\n", path, wav::describe(error));
        return std::nullopt;
    }
    const tracks::MeasureResult measured = tracks::MeasureLevels(*file, 0, file->info().frames, levels);
    if (!measured.ok) {
        std::fprintf(stderr, "trevisto-bench: %s: reading failed: %s\n", path, std::strerror(measured.systemError));
        return std::nullopt;
    }
    return given.everyMinutes ? tracks::EverySplitPoints(levels, int64_t(*given.everyMinutes * 60000))
                              : tracks::PauseSplitPoints(levels, given.search);
}

} // namespace

// pauses FILE.wav [--threshold DBFS] [--min-pause MS] [--min-track MS] [--keep-pause MS]
// [--every MIN]: the split points the window proposes, one a line, in milliseconds; the
// threshold used and the time taken on stderr.
int pausesJob(int argc, char **argv)
{
    const std::optional<SearchArguments> given = searchArguments(argc, argv);
    if (!given || given->others.size() != 1)
        return -1;
    const auto start = Clock::now();
    std::unique_ptr<wav::File> file;
    tracks::Levels levels;
    const std::optional<std::vector<int64_t>> points = splitPoints(given->others[0], *given, file, levels);
    if (!points)
        return 1;
    const double seconds = since(start);
    for (const int64_t point : *points)
        std::printf("%" PRId64 "\n", point * 1000 / int64_t(levels.rate));
    const tracks::PauseSearch &search = given->search;
    const double threshold = search.thresholdDbfs ? *search.thresholdDbfs : tracks::AutomaticThreshold(levels);
    std::fprintf(stderr, "threshold=%.1f points=%zu seconds=%.3f\n", threshold, points->size(), seconds);
    return 0;
}

// tracks FILE.wav OUTDIR [--every MIN | pause options as for pauses]: finds the split points
// as the window does and writes each track as OUTDIR/trackNN.wav, as "Add as clips" writes
// clips; prints the tracks written and the seconds taken.
int tracksJob(int argc, char **argv)
{
    const std::optional<SearchArguments> given = searchArguments(argc, argv);
    if (!given || given->others.size() != 2)
        return -1;
    const char *path = given->others[0];
    const std::string folder = given->others[1];
    const auto start = Clock::now();
    std::unique_ptr<wav::File> file;
    tracks::Levels levels;
    const std::optional<std::vector<int64_t>> points = splitPoints(path, *given, file, levels);
    if (!points)
        return 1;
    const double found = since(start);
    std::vector<tracks::TrackFile> files;
    int64_t first = 0;
    for (size_t i = 0; i <= points->size(); ++i) {
        const int64_t end = i < points->size() ? (*points)[i] : file->info().frames;
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
