#include "bench.h"

#include "audio/sourcechannel.h"
#include "clips/jointimeline.h"
#include "tracks/cuesheet.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace trevisto::bench {

bool JoinExtras::take(const char *arg)
{
    if (std::strcmp(arg, "--chapters") == 0)
        return chapters = true;
    if (std::strcmp(arg, "--cue") == 0)
        return cue = true;
    return false;
}

bool JoinExtras::finish(const OutputRequest &request, const std::optional<OutputDone> &done) const
{
    const std::optional<JoinLevels> levels = done ? JoinTimelineOf(*done) : std::nullopt;
    if (chapters)
        std::printf("chapters=%zu\n", JoinChapters(request.pieces, levels).size());
    if (!cue)
        return true;
    const Outcome written = WriteJoinCueSheet(request.output, request.pieces, levels);
    if (!written) {
        std::fprintf(stderr, "trevisto-bench: %s\n", written.why.toLocal8Bit().constData());
        return false;
    }
    std::printf("cue=%s\n", tracks::CueSheetBeside(request.output).toLocal8Bit().constData());
    return true;
}

double since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void OutputSeen::outputProgress(uint64_t done, uint64_t)
{
    bytes = done;
    ++blocks;
}

void OutputSeen::outputDone(const OutputDone &d)
{
    ended = true;
    done = d;
    QCoreApplication::quit();
}

void OutputSeen::outputFailed(const OutputFailure &failure)
{
    ended = true;
    failed = true;
    this->failure = failure;
    why = failure.why.isEmpty() ? QStringLiteral("stopped") : failure.why;
    QCoreApplication::quit();
}

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

DWORD openSource(BassLibrary &bass, const char *path)
{
    const DWORD handle = OpenSourceChannel(bass, QString::fromLocal8Bit(path));
    if (!handle)
        std::fprintf(stderr, "trevisto-bench: %s: no decoder accepts this file (error %d)\n", path,
                     bass.ErrorGetCode());
    return handle;
}

Decoding decodeToWav(BassLibrary &bass, const char *source, const char *wavPath, PeakTable *table, int64_t *reported)
{
    Decoding d;
    const DWORD handle = openSource(bass, source);
    if (!handle)
        return d;
    d.opened = true;
    if (reported)
        *reported = bass.channelLength(handle);
    WaveConversion conversion;
    if (table)
        conversion.setPeakTable(table);
    d.result = conversion.run(bass, handle, QString::fromLocal8Bit(wavPath), [](int64_t, int64_t) { return true; });
    d.finished = conversion.FinishWaveFile();
    bass.ChannelFree(handle);
    return d;
}

} // namespace trevisto::bench
