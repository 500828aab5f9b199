#include "clips/joiner.h"

#include "core/freespace.h"
#include "core/protectedfiles.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/io/systemreason.h"
#include "platform/resample/converter.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <memory>
#include <vector>

namespace wav = trevisto::wav;
namespace resample = trevisto::resample;

namespace {

// Sound copied between two progress reports; also what a cancel waits for at most.
constexpr int64_t kCopyStep = 16 << 20;
// Frames read per step from a clip that needs converting.
constexpr int64_t kConvertFrames = 1 << 15;

// The texts this file shows, under one translation context.
struct JoinClips {
    Q_DECLARE_TR_FUNCTIONS(JoinClips)
};

// What errno says, phrased to follow "cannot be read: " or "cannot be written: ". A
// missing file here is the output's folder: the clips are checked before.
QString systemReason(int error)
{
    return error == ENOENT ? JoinClips::tr("the folder does not exist") : trevisto::io::systemReason(error);
}

// The WAVE layer's own reasons, in the user's language.
template <typename Error>
QString wavReason(Error error)
{
    return QCoreApplication::translate("WavFile", wav::describe(error));
}

QString readReason(wav::ReadError error, int systemError)
{
    switch (error) {
    case wav::ReadError::NotFound: return JoinClips::tr("no such file");
    case wav::ReadError::Unreadable:
        // No errno means the file opened but is no plain file (a folder, a device).
        return systemError ? systemReason(systemError) : JoinClips::tr("it is not an ordinary file");
    default: return wavReason(error);
    }
}

Outcome cannotRead(const QString &clip, const QString &reason)
{
    return Outcome::failure(JoinClips::tr("\"%1\" cannot be read: %2").arg(clip, reason));
}

Outcome cannotWrite(const QString &output, const QString &reason)
{
    return Outcome::failure(JoinClips::tr("\"%1\" cannot be written: %2").arg(output, reason));
}

// A zero system error means the writer refused without asking the system.
Outcome writerFailed(const QString &output, wav::WriteError error, int systemError)
{
    return cannotWrite(output, systemError ? systemReason(systemError) : wavReason(error));
}

struct Clip {
    QString path;
    std::unique_ptr<wav::File> file;
    std::unique_ptr<resample::Converter> converter; // none when the sound is copied as it is
    uint64_t outputBytes = 0;
};

// The join on its way to the encoder is a working file, gone when the program ends, so a
// power cut loses it with the run: only a joined file the user named is synced to the disk.
bool outlivesTheRun(const QString &output)
{
    const std::vector<trevisto::ProtectedFile> working{{NativePath(WorkingFiles::Concat), QString(), true}};
    return trevisto::FindProtected(output, working) == nullptr;
}

} // namespace

Outcome JoinClips(const QStringList &clips, const QString &output, const JoinProgress &progress,
                  uint64_t maxDataBytes)
{
    if (clips.isEmpty())
        return Outcome::failure(JoinClips::tr("There are no clips to join."));

    // Every clip stays open from here on, so what was measured is what gets copied, even
    // when `output` names one of the clips.
    std::vector<Clip> parts;
    parts.reserve(size_t(clips.size()));
    uint64_t total = 0;
    for (const QString &path : clips) {
        Clip clip{path, nullptr, nullptr, 0};
        wav::ReadError error;
        int systemError;
        clip.file = wav::File::open(QFile::encodeName(path).toStdString(), &error, &systemError);
        if (!clip.file)
            return cannotRead(path, readReason(error, systemError));
        const wav::Info &info = clip.file->info();
        // Joined, a clip cut off behind the program's back would go into the file short.
        if (info.dataCutShort)
            return Outcome::failure(
                JoinClips::tr("\"%1\" holds less sound than its header says: the file was cut short.").arg(path));
        if (parts.empty() || info.format == parts.front().file->format()) {
            clip.outputBytes = uint64_t(info.dataSize);
        } else {
            // Appending another format's bytes under the first clip's header would play
            // as noise or at the wrong speed, so such clips are converted.
            const wav::Format &target = parts.front().file->format();
            std::string why;
            clip.converter = resample::Converter::create(info.format, target, &why);
            if (!clip.converter)
                return cannotRead(path, QCoreApplication::translate("Converter", why.c_str()));
            clip.outputBytes = resample::convertedFrames(uint64_t(info.frames), info.format.sampleRate,
                                                         target.sampleRate) *
                               target.blockAlign();
        }
        total += clip.outputBytes;
        if (total > maxDataBytes)
            return cannotWrite(output, JoinClips::tr("the joined sound would be longer than a WAVE file can hold "
                                          "(more than %1 bytes of sound)")
                                           .arg(maxDataBytes));
        parts.push_back(std::move(clip));
    }

    // The joined file is written beside any earlier one, which goes only once it is complete.
    if (const auto refusal = trevisto::checkSpace(output, trevisto::wavFileBytes(total)))
        return Outcome::failure(*refusal);

    const wav::Format format = parts.front().file->format();
    wav::WriteError createError;
    int createSystemError;
    auto writer = wav::Writer::create(QFile::encodeName(output).toStdString(), format, &createError,
                                      &createSystemError, {.durable = outlivesTheRun(output)});
    if (!writer)
        return writerFailed(output, createError, createSystemError);
    writer->expect(total);

    uint64_t done = 0;
    auto report = [&]() { return !progress || progress(done, total); };
    const Outcome cancelled = Outcome::failure(JoinClips::tr("The join was cancelled."));
    auto copyFailed = [&](const Clip &clip) {
        // A copy that ran out of source bytes has no system error of its own.
        if (writer->error() == wav::WriteError::ReadFailed)
            return cannotRead(clip.path, writer->systemError() == EIO ? systemReason(EIO)
                                                                      : JoinClips::tr("the file ended early"));
        return writerFailed(output, writer->error(), writer->systemError());
    };

    std::vector<unsigned char> in, out;
    for (const Clip &clip : parts) {
        const wav::Info &info = clip.file->info();
        if (!clip.converter) {
            for (int64_t at = 0; at < info.dataSize;) {
                const int64_t n = std::min(kCopyStep, info.dataSize - at);
                if (!writer->copyFrom(clip.file->fd(), info.dataOffset + at, n))
                    return copyFailed(clip);
                at += n;
                done += uint64_t(n);
                if (!report())
                    return cancelled;
            }
            continue;
        }
        in.resize(size_t(kConvertFrames) * info.format.blockAlign());
        for (int64_t first = 0;; first += kConvertFrames) {
            const bool last = first + kConvertFrames >= info.frames;
            const int64_t want = std::min(kConvertFrames, info.frames - first);
            out.clear();
            if (want > 0) {
                int readError;
                const int64_t got = clip.file->readFrames(first, want, in.data(), &readError);
                if (got != want)
                    return cannotRead(clip.path, got < 0 && readError ? systemReason(readError)
                                                                      : JoinClips::tr("the file ended early"));
                if (!clip.converter->process(in.data(), size_t(want), out))
                    return cannotRead(clip.path, JoinClips::tr("its sound could not be converted"));
            }
            if (last && !clip.converter->finish(out))
                return cannotRead(clip.path, JoinClips::tr("its sound could not be converted"));
            if (!out.empty() && !writer->write(out.data(), out.size()))
                return writerFailed(output, writer->error(), writer->systemError());
            done += out.size();
            if (!report())
                return cancelled;
            if (last)
                break;
        }
    }

    if (writer->dataBytes() != total)
        return cannotWrite(output, JoinClips::tr("the joined sound came out at another length than planned"));
    if (const wav::WriteError error = writer->commit(); error != wav::WriteError::None)
        return writerFailed(output, error, writer->systemError());
    return Outcome::success();
}
