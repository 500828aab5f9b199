#include "clips/joiner.h"

#include "app/systemreason.h"
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

QString tr(const char *text) { return QCoreApplication::translate("JoinClips", text); }

QString readReason(wav::ReadError error, int systemError)
{
    switch (error) {
    case wav::ReadError::NotFound: return tr("no such file");
    case wav::ReadError::Unreadable:
        // No errno means the file opened but is no plain file (a folder, a device).
        return systemError ? SystemReason(systemError) : tr("it is not an ordinary file");
    default: return QString::fromUtf8(wav::describe(error));
    }
}

Outcome cannotRead(const QString &clip, const QString &reason)
{
    return Outcome::failure(tr("\"%1\" cannot be read: %2").arg(clip, reason));
}

Outcome cannotWrite(const QString &output, const QString &reason)
{
    return Outcome::failure(tr("\"%1\" cannot be written: %2").arg(output, reason));
}

// errno is read right after the failing call; a failing writer call leaves the system's
// own error there, and a zero means the writer refused without asking the system.
Outcome writerFailed(const QString &output, wav::WriteError error, int systemError)
{
    return cannotWrite(output, systemError ? SystemReason(systemError) : QString::fromUtf8(wav::describe(error)));
}

struct Clip {
    QString path;
    std::unique_ptr<wav::File> file;
    std::unique_ptr<resample::Converter> converter; // none when the sound is copied as it is
    uint64_t outputBytes = 0;
};

} // namespace

Outcome JoinClips(const QStringList &clips, const QString &output, const JoinProgress &progress,
                  uint64_t maxDataBytes)
{
    if (clips.isEmpty())
        return Outcome::failure(tr("There are no clips to join."));

    // Every clip stays open from here on, so what was measured is what gets copied, even
    // when `output` names one of the clips.
    std::vector<Clip> parts;
    parts.reserve(size_t(clips.size()));
    uint64_t total = 0;
    for (const QString &path : clips) {
        Clip clip{path, nullptr, nullptr, 0};
        wav::ReadError error;
        errno = 0;
        clip.file = wav::File::open(QFile::encodeName(path).toStdString(), &error);
        const int systemError = errno;
        if (!clip.file)
            return cannotRead(path, readReason(error, systemError));
        const wav::Info &info = clip.file->info();
        if (parts.empty() || info.format == parts.front().file->format()) {
            clip.outputBytes = uint64_t(info.dataSize);
        } else {
            // Appending another format's bytes under the first clip's header would play
            // as noise or at the wrong speed, so such clips are converted.
            const wav::Format &target = parts.front().file->format();
            std::string why;
            clip.converter = resample::Converter::create(info.format, target, &why);
            if (!clip.converter)
                return cannotRead(path, QString::fromStdString(why));
            clip.outputBytes = resample::convertedFrames(uint64_t(info.frames), info.format.sampleRate,
                                                         target.sampleRate) *
                               target.blockAlign();
        }
        total += clip.outputBytes;
        if (total > maxDataBytes)
            return cannotWrite(output, tr("the joined sound would be longer than a WAVE file can hold "
                                          "(more than %1 bytes of sound)")
                                           .arg(maxDataBytes));
        parts.push_back(std::move(clip));
    }

    const wav::Format format = parts.front().file->format();
    wav::WriteError createError;
    errno = 0;
    auto writer = wav::Writer::create(QFile::encodeName(output).toStdString(), format, &createError);
    if (!writer)
        return writerFailed(output, createError, errno);

    uint64_t done = 0;
    auto report = [&]() { return !progress || progress(done, total); };
    const Outcome cancelled = Outcome::failure(tr("The join was cancelled."));
    auto copyFailed = [&](const Clip &clip, int systemError) {
        // A copy that ran out of source bytes leaves no error of its own behind.
        if (writer->error() == wav::WriteError::ReadFailed)
            return cannotRead(clip.path, systemError == EIO ? SystemReason(EIO) : tr("the file ended early"));
        return writerFailed(output, writer->error(), systemError);
    };

    std::vector<unsigned char> in, out;
    for (const Clip &clip : parts) {
        const wav::Info &info = clip.file->info();
        if (!clip.converter) {
            for (int64_t at = 0; at < info.dataSize;) {
                const int64_t n = std::min(kCopyStep, info.dataSize - at);
                errno = 0;
                if (!writer->copyFrom(clip.file->fd(), info.dataOffset + at, n))
                    return copyFailed(clip, errno);
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
                errno = 0;
                const int64_t got = clip.file->readFrames(first, want, in.data());
                if (got != want)
                    return cannotRead(clip.path, got < 0 && errno ? SystemReason(errno) : tr("the file ended early"));
                if (!clip.converter->process(in.data(), size_t(want), out))
                    return cannotRead(clip.path, tr("its sound could not be converted"));
            }
            if (last && !clip.converter->finish(out))
                return cannotRead(clip.path, tr("its sound could not be converted"));
            errno = 0;
            if (!out.empty() && !writer->write(out.data(), out.size()))
                return writerFailed(output, writer->error(), errno);
            done += out.size();
            if (!report())
                return cancelled;
            if (last)
                break;
        }
    }

    if (writer->dataBytes() != total)
        return cannotWrite(output, tr("the joined sound came out at another length than planned"));
    errno = 0;
    if (const wav::WriteError error = writer->commit(); error != wav::WriteError::None)
        return writerFailed(output, error, errno);
    return Outcome::success();
}
