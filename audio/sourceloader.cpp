#include "audio/sourceloader.h"

#include "core/freespace.h"
#include "core/routines.h"
#include "platform/drive/drive.h"
#include "platform/io/systemreason.h"
#include "platform/wav/wav.h"

#include <QCoreApplication>
#include <QFile>
#include <QScopeGuard>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

#include <unistd.h>

namespace trevisto {

namespace {

// The texts of opening a source, under the translation contexts of the window's opening.
struct Loading {
    Q_DECLARE_TR_FUNCTIONS(Loading)
};
struct OpenWav {
    Q_DECLARE_TR_FUNCTIONS(OpenWav)
};

// The Open Wav copy reads and writes in blocks this large.
constexpr int64_t CopyBlock = 4 << 20;

// Why a wav::File could not be opened: the system's reason where it gave one.
QString openFailure(wav::ReadError error, int systemError)
{
    if (systemError != 0)
        return io::systemReason(systemError);
    return QCoreApplication::translate("WavFile", wav::describe(error));
}

} // namespace

SourceLoader::SourceLoader(QString workingFile, QString sideFile)
    : workingFile_(std::move(workingFile)), sideFile_(std::move(sideFile))
{
    conversion_.setPeakTable(&peaks_);
}

PeakTable SourceLoader::takePeaks() { return std::exchange(peaks_, PeakTable()); }

bool SourceLoader::convert(const BassLibrary &bass, DWORD chan, const QString &source, LoadObserver &observer)
{
    if (job_ != Job::None)
        return false;
    job_ = Job::Converting;
    source_ = source;
    stopRequested_ = false;
    const auto idle = qScopeGuard([this] { job_ = Job::None; });

    const WaveConversion::Result result =
        conversion_.run(bass, chan, NativePath(sideFile_), [&](int64_t written, int64_t reported) {
            observer.loadProgress(written, reported);
            return !stopRequested_;
        });
    switch (result.outcome) {
    case WaveConversion::Outcome::Failed:
        conversion_.discard();
        fail(observer, Loading::tr("\"%1\" cannot be opened.\r\n\r\n%2").arg(source, result.message));
        return true;
    case WaveConversion::Outcome::Stopped:
        conversion_.discard();
        fail(observer, QString());
        return true;
    case WaveConversion::Outcome::TooLong:
    case WaveConversion::Outcome::Completed:
        break;
    }
    if (const ::Outcome finished = conversion_.FinishWaveFile(); !finished) {
        fail(observer, finished.why);
        return true;
    }
    replace(observer, result.outcome == WaveConversion::Outcome::TooLong ? result.message : QString());
    return true;
}

bool SourceLoader::copyWav(const QString &source, LoadObserver &observer)
{
    if (job_ != Job::None)
        return false;
    job_ = Job::Copying;
    source_ = source;
    stopRequested_ = false;
    const auto idle = qScopeGuard([this] { job_ = Job::None; });
    if (const ::Outcome copied = writeCopy(NativePath(sideFile_), observer); !copied)
        fail(observer, copied.why.isEmpty() ? QString()
                                            : OpenWav::tr("\"%1\" cannot be copied to the working file \"%2\": %3.")
                                                  .arg(source, NativePath(workingFile_), copied.why));
    else
        replace(observer, QString());
    return true;
}

::Outcome SourceLoader::writeCopy(const QString &side, LoadObserver &observer)
{
    wav::ReadError readError = wav::ReadError::None;
    int readErrno = 0;
    const std::unique_ptr<wav::File> in =
        wav::File::open(drive::toNative(source_.toStdString()), &readError, &readErrno);
    if (!in)
        return ::Outcome::failure(openFailure(readError, readErrno));
    const wav::Info &info = in->info();
    peaks_.start(info.format, PeakTable::DetailCapacity); // a layout it cannot reduce leaves the envelope empty
    if (const auto refusal = checkSpace(side, wavFileBytes(uint64_t(info.dataSize))))
        return ::Outcome::failure(*refusal);

    wav::WriteError writeError = wav::WriteError::None;
    int writeErrno = 0;
    // A working file, gone when the program ends: not synced to the disk (see conversion.cpp).
    const std::unique_ptr<wav::Writer> out = wav::Writer::create(QFile::encodeName(side).toStdString(), info.format,
                                                                 &writeError, &writeErrno, {.durable = false});
    if (!out)
        return ::Outcome::failure(writerFailure(writeError, writeErrno, side));
    out->expect(uint64_t(info.dataSize));

    // Only the data chunk is sound: what lies after it must not reach the copy or the envelope.
    const int64_t end = info.dataOffset + info.dataSize;
    std::vector<char> block(static_cast<size_t>(CopyBlock));
    for (int64_t at = info.dataOffset; at < end;) {
        const ssize_t n = ::pread(in->fd(), block.data(), size_t(std::min<int64_t>(CopyBlock, end - at)), at);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return ::Outcome::failure(io::systemReason(errno));
        if (n == 0)
            break; // the file shrank meanwhile: the copy holds the sound that was there
        if (!out->write(block.data(), size_t(n)))
            return ::Outcome::failure(writerFailure(out->error(), out->systemError(), side));
        peaks_.add(block.data(), size_t(n));
        at += n;
        observer.loadProgress(at - info.dataOffset, info.dataSize);
        if (stopRequested_)
            return ::Outcome::failure(QString());
    }
    if (const wav::WriteError committed = out->commit(); committed != wav::WriteError::None)
        return ::Outcome::failure(writerFailure(committed, out->systemError(), side));
    return ::Outcome::success();
}

void SourceLoader::replace(LoadObserver &observer, const QString &notice)
{
    const QString from = NativePath(sideFile_), to = NativePath(workingFile_);
    if (std::rename(from.toLocal8Bit().constData(), to.toLocal8Bit().constData()) != 0) {
        const QString why = io::systemReason(errno);
        QFile::remove(to);
        QFile::remove(from);
        peaks_.clear();
        observer.loadFailed({Loading::tr("\"%1\" cannot take the place of the working file \"%2\": %3.")
                                 .arg(source_, to, why),
                             true});
        return;
    }
    observer.loadDone(notice);
}

void SourceLoader::fail(LoadObserver &observer, const QString &message)
{
    QFile::remove(NativePath(sideFile_));
    peaks_.clear();
    observer.loadFailed({message, false});
}

} // namespace trevisto
