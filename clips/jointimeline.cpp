#include "clips/jointimeline.h"

#include "core/routines.h"
#include "platform/wav/wav.h"
#include "tracks/cuesheet.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace trevisto {

namespace {

struct JoinTimeline {
    Q_DECLARE_TR_FUNCTIONS(JoinTimeline)
};

std::optional<wav::Info> infoOf(const OutputPiece &piece)
{
    wav::Info info;
    if (wav::readInfo(QFile::encodeName(NativePath(piece.file)).toStdString(), info) != wav::ReadError::None ||
        info.format.sampleRate == 0)
        return std::nullopt;
    return info;
}

// Seconds the joint after clip `i` overlaps it with the next one.
double overlapAfter(const std::optional<JoinLevels> &levels, size_t i)
{
    if (!levels || i >= levels->overlap.size() || levels->sampleRate <= 0)
        return 0;
    return double(levels->overlap[i]) / levels->sampleRate;
}

} // namespace

std::vector<tags::Chapter> JoinChapters(const std::vector<OutputPiece> &pieces, const std::optional<JoinLevels> &levels)
{
    std::vector<tags::Chapter> chapters;
    double seconds = 0;
    // Rounded alike at both ends, so that the chapters meet.
    auto ms = [](double at) { return uint32_t(std::min<long long>(std::llround(at * 1000), UINT32_MAX)); };
    for (size_t i = 0; i < pieces.size(); ++i) {
        const std::optional<wav::Info> info = infoOf(pieces[i]);
        if (!info)
            return {};
        // A clip starts where its crossfade begins, and its chapter ends where the next one
        // starts.
        const double end = seconds + double(info->frames) / info->format.sampleRate - overlapAfter(levels, i);
        chapters.push_back({pieces[i].name.toStdString(), ms(seconds), ms(end)});
        seconds = end;
    }
    return chapters;
}

Outcome WriteJoinCueSheet(const QString &output, const std::vector<OutputPiece> &pieces,
                          const std::optional<JoinLevels> &levels)
{
    std::vector<QString> names;
    std::vector<int64_t> frames;
    std::vector<uint32_t> rates;
    for (const OutputPiece &piece : pieces) {
        const std::optional<wav::Info> info = infoOf(piece);
        if (!info)
            return Outcome::failure(JoinTimeline::tr("\"%1\" cannot be read").arg(NativePath(piece.file)));
        names.push_back(piece.name);
        // What the next clip's crossfade overlaps does not push it on.
        const double overlap = overlapAfter(levels, names.size() - 1);
        frames.push_back(info->frames - std::llround(overlap * info->format.sampleRate));
        rates.push_back(info->format.sampleRate);
    }
    if (names.empty())
        return Outcome::success();
    const bool mp3 = output.endsWith(QLatin1String(".mp3"), Qt::CaseInsensitive);
    return tracks::WriteCueSheetFile(
        tracks::CueSheetBeside(output),
        tracks::WriteCueSheet(QFileInfo(output).fileName(), mp3, rates.front(),
                              tracks::JoinedTracks(names, frames, rates, rates.front())));
}

JoinLevels CopiedTimeline(const std::optional<JoinLevels> &planned, const std::vector<int64_t> &overlaps,
                          int sampleRate)
{
    JoinLevels levels = planned.value_or(JoinLevels{});
    levels.overlap = overlaps;
    levels.sampleRate = sampleRate;
    return levels;
}

std::optional<JoinLevels> JoinTimelineOf(const OutputDone &done)
{
    if (!done.copied || done.copiedOverlaps.empty())
        return done.levels;
    return CopiedTimeline(done.levels, done.copiedOverlaps, done.sampleRate);
}

} // namespace trevisto
