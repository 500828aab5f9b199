#include "audio/conversion.h"

#include "core/freespace.h"
#include "core/peaktable.h"
#include "platform/io/systemreason.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The texts this file shows, under one translation context.
struct Conversion {
    Q_DECLARE_TR_FUNCTIONS(Conversion)
};

} // namespace

WaveConversion::~WaveConversion() { completeFile(); }

bool WaveConversion::fail(const QString &what, Result &result)
{
    result.outcome = Outcome::Failed;
    result.message = what;
    return false;
}

WaveConversion::Result WaveConversion::run(const BassLibrary &bass, DWORD chan, const QString &nativePath,
                                           const BlockHook &afterBlock)
{
    Result result;
    if (running_) {
        result.outcome = Outcome::Failed;
        result.message = Conversion::tr("A conversion is already under way.");
        return result;
    }
    FinishWaveFile();
    DataLength = 0;
    stopRequested_ = false;
    path_ = nativePath;

    BASS_CHANNELINFO info{};
    bass.ChannelGetInfo(chan, &info);
    DWORD rate = 0;
    bass.ChannelGetAttributes(chan, &rate, nullptr, nullptr);

    format_ = trevisto::wav::Format{trevisto::wav::kTagPcm, uint16_t(info.chans), rate,
                                    uint16_t((info.flags & BASS_SAMPLE_8BITS) ? 8 : 16)};
    if (peaks_)
        peaks_->start(format_, PeakTable::DetailCapacity);

    const int64_t length = bass.channelLength(chan);
    const int64_t reported = length < 0 ? 0 : length;
    // An earlier file under the name goes before the new one is written.
    const QFileInfo earlier(nativePath);
    const uint64_t reclaimed = earlier.isFile() ? uint64_t(earlier.size()) : 0;
    if (const auto refusal = trevisto::checkSpace(
            nativePath, trevisto::wavFileBytes(uint64_t(std::min(reported, maxDataLength))), reclaimed))
        return fail(*refusal, result), result;
    if (!create(nativePath, result))
        return result;

    auto failWrite = [&] {
        const QString why = trevisto::writerFailure(writer_->error(), writer_->systemError(), nativePath);
        writer_.reset();
        return fail(Conversion::tr("Writing the working file \"%1\" failed: %2.").arg(nativePath, why), result);
    };

    // A long sound's header is known to be RF64 before the first byte.
    writer_->expect(uint64_t(std::min(reported, maxDataLength)));
    const int64_t frame = format_.blockAlign() ? format_.blockAlign() : 1;
    const int64_t limit = std::min(maxDataLength, MaxDataLength) / frame * frame;
    std::vector<unsigned char> DecodeBuffer(BlockSize);
    bool keepGoing = true;
    running_ = true;
    struct Running {
        bool &flag;
        ~Running() { flag = false; }
    } running{running_};
    while (keepGoing && bass.ChannelIsActive(chan) != 0) {
        const DWORD n = bass.ChannelGetData(chan, DecodeBuffer.data(), BlockSize);
        if (n == DWORD(-1)) {
            // The end reads as 0; -1 means the source could not be read on, and a
            // shortened sound must not pass for the whole one.
            const int code = bass.ErrorGetCode ? bass.ErrorGetCode() : BASS_ERROR_UNKNOWN;
            writer_.reset();
            result.bytes = DataLength;
            fail(Conversion::tr("The source could not be read to its end (error code %1, after %2 bytes).")
                     .arg(code)
                     .arg(DataLength),
                 result);
            return result;
        }
        if (n > 0) {
            int64_t take = std::min<int64_t>(n, BlockSize);
            if (DataLength + take > limit) {
                take = limit - DataLength;
                result.outcome = Outcome::TooLong;
            }
            if (take > 0 && !writer_->write(DecodeBuffer.data(), size_t(take))) {
                failWrite();
                result.bytes = DataLength;
                return result;
            }
            if (peaks_ && take > 0)
                peaks_->add(DecodeBuffer.data(), size_t(take));
            DataLength += take;
        }
        if (result.outcome == Outcome::TooLong) {
            result.message = Conversion::tr("The sound is too long: \"%1\" holds its first %2 bytes, "
                                            "the most one WAV file can hold.")
                                 .arg(nativePath)
                                 .arg(DataLength);
            break;
        }
        if (afterBlock)
            keepGoing = afterBlock(DataLength, reported);
        if (stopRequested_)
            keepGoing = false;
    }
    if (!keepGoing && result.outcome == Outcome::Completed)
        result.outcome = Outcome::Stopped;
    result.bytes = DataLength;
    return result;
}

::Outcome WaveConversion::FinishWaveFile()
{
    if (running_) {
        stopRequested_ = true;
        return ::Outcome::success();
    }
    return completeFile();
}

bool WaveConversion::create(const QString &nativePath, Result &result)
{
    // An earlier file goes first: a leftover of a large sound would otherwise share the disk
    // with the new one until the new one is complete. Only a plain file is replaced; the
    // writer's rename would put the sound in place of a device or a pipe.
    const QFileInfo earlier(nativePath);
    if (earlier.isDir()) {
        const QString why = trevisto::io::systemReason(EISDIR);
        return fail(Conversion::tr("The working file \"%1\" cannot be created: %2.").arg(nativePath, why), result);
    }
    if (earlier.exists()) {
        const bool plain = earlier.isFile();
        const int refused = !plain ? EEXIST : std::remove(nativePath.toLocal8Bit().constData()) != 0 ? errno : 0;
        if (refused != 0) {
            const QString why = trevisto::io::systemReason(refused);
            return fail(Conversion::tr("The working file \"%1\" cannot be replaced: %2.").arg(nativePath, why),
                        result);
        }
    }
    using namespace trevisto::wav;
    WriteError error = WriteError::None;
    int systemError = 0;
    // A working file goes when the program ends, so a power cut loses it with the run: it is
    // not synced to the disk, which for an hour of sound would hold up the open by a second.
    writer_ = Writer::create(nativePath.toLocal8Bit().toStdString(), format_, &error, &systemError,
                             {.durable = false});
    if (!writer_) {
        const QString why = trevisto::writerFailure(error, systemError, nativePath);
        return fail(Conversion::tr("The working file \"%1\" cannot be created: %2.").arg(nativePath, why), result);
    }
    return true;
}

void WaveConversion::discard()
{
    if (!running_)
        writer_.reset();
}

::Outcome WaveConversion::completeFile()
{
    if (!writer_)
        return ::Outcome::success();
    const trevisto::wav::WriteError error = writer_->commit();
    const QString why = error == trevisto::wav::WriteError::None
                            ? QString()
                            : trevisto::writerFailure(error, writer_->systemError(), path_);
    writer_.reset();
    if (!why.isEmpty())
        return ::Outcome::failure(Conversion::tr("Completing the working file \"%1\" failed: %2.").arg(path_, why));
    return ::Outcome::success();
}

namespace trevisto {

QString writerFailure(wav::WriteError error, int systemError, const QString &path)
{
    if (systemError != 0)
        return io::systemReason(systemError);
    if (error == wav::WriteError::CannotCreate && QFileInfo(path).isDir())
        return io::systemReason(EISDIR);
    return QCoreApplication::translate("WavFile", wav::describe(error));
}

} // namespace trevisto
