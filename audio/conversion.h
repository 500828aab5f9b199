#pragma once
// Decoding a source channel into the working WAV file: the 44-byte header, the PCM data
// block by block, and the size fields filled in at the end. Knows nothing of widgets; the
// window and the benchmark driver both run it.

#include "audio/basslib.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <functional>

// The header of every WAV file the program writes itself, field by field.
struct WaveHeader {
    char RiffTag[4] = {'R', 'I', 'F', 'F'};
    uint32_t RiffSize = 0;
    char WaveTag[4] = {'W', 'A', 'V', 'E'};
    char FmtTag[4] = {'f', 'm', 't', ' '};
    uint32_t FmtSize = 16;
    uint16_t FormatTag = 1;
    uint16_t Channels = 0;
    uint32_t SampleRate = 0;
    uint32_t ByteRate = 0;
    uint16_t BlockAlign = 0;
    uint16_t BitsPerSample = 0;
    char DataTag[4] = {'d', 'a', 't', 'a'};
    uint32_t DataSize = 0;

    static constexpr int Size = 44;
    // Little-endian bytes of [from, to) of the header.
    void serialize(unsigned char out[Size]) const;
};

class WaveConversion {
public:
    static constexpr uint32_t BlockSize = 20000;
    // RiffSize = DataLength + 36 and the file length DataLength + 44 must stay within a
    // signed 32-bit count.
    static constexpr int64_t MaxDataLength = 2147483647LL - 44;

    enum class Outcome { Completed, Stopped, TooLong, Failed };
    struct Result {
        Outcome outcome = Outcome::Completed;
        QString message; // for TooLong and Failed: what happened, naming the file
        int64_t bytes = 0;
    };

    // Called after every block with the bytes written so far and the channel's reported
    // length. Returns false to stop the conversion.
    using BlockHook = std::function<bool(int64_t written, int64_t reported)>;

    WaveConversion() = default;
    ~WaveConversion();
    WaveConversion(const WaveConversion &) = delete;
    WaveConversion &operator=(const WaveConversion &) = delete;

    // Decodes `chan` into `nativePath`. The file stays open until FinishWaveFile, which
    // run() calls itself only when writing failed; the caller finishes it otherwise.
    Result run(const BassLibrary &bass, DWORD chan, const QString &nativePath, const BlockHook &afterBlock);

    // Fills in the size fields of the open file and closes it. Nothing happens when no file
    // is open. False, with the reason, when the file could not be completed. Called while
    // run() is under way (from an event it let through), it only asks run() to stop; the
    // file is completed once run() has returned.
    bool FinishWaveFile(QString *error = nullptr);

    bool isOpen() const { return file_ != nullptr; }
    bool isRunning() const { return running_; }
    const WaveHeader &header() const { return header_; }
    // Bytes of PCM written so far.
    int64_t DataLength = 0;
    // Lowered by tests to reach the bound without writing 2 GiB.
    int64_t maxDataLength = MaxDataLength;

private:
    bool fail(const QString &what, Result &result);
    bool completeFile(QString *error);
    WaveHeader header_;
    std::FILE *file_ = nullptr;
    bool running_ = false;
    bool stopRequested_ = false;
    QString path_;
};
