#include "audio/conversion.h"

#include "app/systemreason.h"
#include "editor/peaktable.h"

#include <QFileInfo>

#include <cerrno>
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

QString reason() { return SystemReason(errno); }

constexpr size_t WriteBuffer = 1 << 20;

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
        result.message = QStringLiteral("A conversion is already under way.");
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
        peaks_->start(format_);

    const QByteArray local = nativePath.toLocal8Bit();
    if (QFileInfo(nativePath).isFile() && std::remove(local.constData()) != 0) {
        fail(QStringLiteral("The working file \"%1\" cannot be replaced: %2.").arg(nativePath, reason()), result);
        return result;
    }
    file_ = std::fopen(local.constData(), "wb");
    if (!file_) {
        fail(QStringLiteral("The working file \"%1\" cannot be created: %2.").arg(nativePath, reason()), result);
        return result;
    }
    std::setvbuf(file_, nullptr, _IOFBF, WriteBuffer);

    auto failWrite = [&] {
        const QString why = reason();
        completeFile();
        return fail(QStringLiteral("Writing the working file \"%1\" failed: %2.").arg(nativePath, why), result);
    };

    // The size fields stay zero until the file is completed.
    const trevisto::wav::WaveHeader bytes = trevisto::wav::header(format_, 0);
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
        failWrite();
        return result;
    }

    const DWORD length = bass.ChannelGetLength(chan);
    const int64_t reported = length == DWORD(-1) ? 0 : length;
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
            completeFile();
            result.bytes = DataLength;
            fail(QStringLiteral("The source could not be read to its end (error code %1, after %2 bytes).")
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
            if (take > 0 && std::fwrite(DecodeBuffer.data(), 1, size_t(take), file_) != size_t(take)) {
                failWrite();
                result.bytes = DataLength;
                return result;
            }
            if (peaks_ && take > 0)
                peaks_->add(DecodeBuffer.data(), size_t(take));
            DataLength += take;
        }
        if (result.outcome == Outcome::TooLong) {
            result.message = QStringLiteral("The sound is too long: \"%1\" holds its first %2 bytes, "
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
    if (std::fflush(file_) != 0) {
        failWrite();
        result.bytes = DataLength;
        return result;
    }
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

::Outcome WaveConversion::completeFile()
{
    if (!file_)
        return ::Outcome::success();
    using namespace trevisto::wav;
    const WaveHeader bytes = header(format_, uint64_t(DataLength));
    bool ok = std::fseek(file_, kRiffSizeOffset, SEEK_SET) == 0 &&
              std::fwrite(&bytes[kRiffSizeOffset], 1, 4, file_) == 4 &&
              std::fseek(file_, kDataSizeOffset, SEEK_SET) == 0 &&
              std::fwrite(&bytes[kDataSizeOffset], 1, 4, file_) == 4;
    QString why = ok ? QString() : reason();
    if (std::fclose(file_) != 0 && ok) {
        ok = false;
        why = reason();
    }
    file_ = nullptr;
    if (!ok)
        return ::Outcome::failure(QStringLiteral("Completing the working file \"%1\" failed: %2.").arg(path_, why));
    return ::Outcome::success();
}
