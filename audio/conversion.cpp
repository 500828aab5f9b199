#include "audio/conversion.h"

#include <QFileInfo>

#include <cerrno>
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

void put16(unsigned char *p, uint16_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}

void put32(unsigned char *p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(v >> (8 * i));
}

QString reason() { return QString::fromLocal8Bit(std::strerror(errno)); }

constexpr size_t WriteBuffer = 1 << 20;

} // namespace

void WaveHeader::serialize(unsigned char out[Size]) const
{
    std::memcpy(out, RiffTag, 4);
    put32(out + 4, RiffSize);
    std::memcpy(out + 8, WaveTag, 4);
    std::memcpy(out + 12, FmtTag, 4);
    put32(out + 16, FmtSize);
    put16(out + 20, FormatTag);
    put16(out + 22, Channels);
    put32(out + 24, SampleRate);
    put32(out + 28, ByteRate);
    put16(out + 32, BlockAlign);
    put16(out + 34, BitsPerSample);
    std::memcpy(out + 36, DataTag, 4);
    put32(out + 40, DataSize);
}

WaveConversion::~WaveConversion() { completeFile(nullptr); }

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

    header_ = WaveHeader{};
    header_.FormatTag = 1;
    header_.Channels = uint16_t(info.chans);
    header_.SampleRate = rate;
    header_.BitsPerSample = (info.flags & BASS_SAMPLE_8BITS) ? 8 : 16;
    header_.BlockAlign = uint16_t(header_.Channels * header_.BitsPerSample / 8);
    header_.ByteRate = uint32_t(header_.BlockAlign) * header_.SampleRate;

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
        completeFile(nullptr);
        return fail(QStringLiteral("Writing the working file \"%1\" failed: %2.").arg(nativePath, why), result);
    };

    unsigned char bytes[WaveHeader::Size];
    header_.serialize(bytes);
    // The header goes out in its three pieces: RIFF, fmt and data.
    if (std::fwrite(bytes, 1, 12, file_) != 12 || std::fwrite(bytes + 12, 1, 24, file_) != 24 ||
        std::fwrite(bytes + 36, 1, 8, file_) != 8) {
        failWrite();
        return result;
    }

    const DWORD length = bass.ChannelGetLength(chan);
    const int64_t reported = length == DWORD(-1) ? 0 : length;
    const int64_t frame = header_.BlockAlign ? header_.BlockAlign : 1;
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
        if (n != DWORD(-1) && n > 0) {
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

bool WaveConversion::FinishWaveFile(QString *error)
{
    if (running_) {
        stopRequested_ = true;
        return true;
    }
    return completeFile(error);
}

bool WaveConversion::completeFile(QString *error)
{
    if (!file_)
        return true;
    header_.RiffSize = uint32_t(DataLength + WaveHeader::Size - 8);
    header_.DataSize = uint32_t(DataLength);
    unsigned char bytes[WaveHeader::Size];
    header_.serialize(bytes);
    bool ok = std::fseek(file_, 4, SEEK_SET) == 0 && std::fwrite(bytes + 4, 1, 4, file_) == 4 &&
              std::fseek(file_, 40, SEEK_SET) == 0 && std::fwrite(bytes + 40, 1, 4, file_) == 4;
    QString why = ok ? QString() : reason();
    if (std::fclose(file_) != 0 && ok) {
        ok = false;
        why = reason();
    }
    file_ = nullptr;
    if (!ok && error)
        *error = QStringLiteral("Completing the working file \"%1\" failed: %2.").arg(path_, why);
    return ok;
}
