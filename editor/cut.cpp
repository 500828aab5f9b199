#include "editor/cut.h"

#include "core/freespace.h"
#include "platform/drive/drive.h"
#include "platform/mci/device.h"
#include "platform/mci/error.h"
#include "platform/wav/wav.h"

#include <QFileInfo>

#include <cstdio>
#include <optional>

namespace {

constexpr const char *Alias = "voice1";

void removeFile(const QString &path)
{
    std::remove(drive::toNative(path.toStdString()).c_str());
}

} // namespace

QStringList CutCommands(const QString &source, const QString &result, int32_t markIn, int32_t markOut,
                        int64_t lengthMs)
{
    return {QStringLiteral("open %1 type waveaudio alias %2").arg(source, Alias),
            QStringLiteral("delete %1 from 0 to %2").arg(Alias).arg(markIn),
            QStringLiteral("delete %1 from %2 to %3").arg(Alias).arg(int64_t(markOut) - markIn).arg(lengthMs - markIn),
            QStringLiteral("save  %1 %2").arg(Alias, result)};
}

namespace {

// The device's cut refused before anything is removed or written when its result would
// not fit on the disk; nothing when it fits, or the source cannot tell (the device then
// reports that).
std::optional<QString> spaceRefusal(const QString &source, const QString &result, int32_t markIn, int32_t markOut,
                                    int64_t lengthMs)
{
    trevisto::wav::Info info;
    if (trevisto::wav::readInfo(drive::toNative(source.toStdString()), info) != trevisto::wav::ReadError::None)
        return std::nullopt;
    int64_t frames = 0;
    for (const auto &r : trevisto::mci::cutKeptFrames(info.frames, info.format.sampleRate, markIn, markOut, lengthMs))
        frames += r.last - r.first;
    const QString nativeResult = QString::fromStdString(drive::toNative(result.toStdString()));
    const QFileInfo earlier(nativeResult);
    return trevisto::checkSpace(nativeResult, trevisto::wavFileBytes(uint64_t(frames) * info.format.blockAlign()),
                                earlier.isFile() ? uint64_t(earlier.size()) : 0);
}

} // namespace

CommandOutcome CutSource(const QString &source, const QString &result, int32_t markIn, int32_t markOut,
                         int64_t lengthMs, CutRange *range)
{
    if (range)
        *range = {};
    if (auto refusal = spaceRefusal(source, result, markIn, markOut, lengthMs)) {
        CommandOutcome outcome;
        outcome.code = trevisto::mci::CannotWriteFile;
        outcome.failedCommand = CutCommands(source, result, markIn, markOut, lengthMs).constLast();
        outcome.refusal = *refusal;
        return outcome;
    }
    removeFile(result);
    // The result is a working file, gone when the program ends: a sync to the disk would
    // double the time of a long cut and guard nothing the run does not lose anyway.
    trevisto::mci::mciMarkWorkingFile(drive::toNative(result.toStdString()));
    if (range)
        *range = {};
    // The frames the device kept are the result's: read back, not worked out again.
    auto readRange = [range] {
        const std::vector<trevisto::mci::FrameRange> kept = trevisto::mci::mciKeptFrames(Alias);
        if (range && kept.size() == 1)
            *range = {kept.front().first, kept.front().last};
    };
    const CommandOutcome outcome = SendCommands(CutCommands(source, result, markIn, markOut, lengthMs),
                                                QStringLiteral("close %1").arg(Alias), readRange);
    if (!outcome.ok()) {
        removeFile(result);
        if (range)
            *range = {};
    }
    return outcome;
}
