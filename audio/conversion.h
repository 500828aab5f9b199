#pragma once
// Decoding a source channel into the working WAV file: the 44-byte header, the PCM data
// block by block, and the size fields filled in at the end. Knows nothing of widgets; the
// window and the benchmark driver both run it.

#include "app/outcome.h"
#include "audio/basslib.h"
#include "platform/wav/wav.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <functional>

class PeakTable;

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
    // is open. A failure says why the file could not be completed. Called while
    // run() is under way (from an event it let through), it only asks run() to stop; the
    // file is completed once run() has returned.
    ::Outcome FinishWaveFile();

    // Each run reduces what it writes into `table` as well, so the envelope needs no second
    // pass over the file. Null (the default): no envelope.
    void setPeakTable(PeakTable *table) { peaks_ = table; }

    bool isOpen() const { return file_ != nullptr; }
    bool isRunning() const { return running_; }
    const trevisto::wav::Format &format() const { return format_; }
    // Bytes of PCM written so far.
    int64_t DataLength = 0;
    // Lowered by tests to reach the bound without writing 2 GiB.
    int64_t maxDataLength = MaxDataLength;

private:
    bool fail(const QString &what, Result &result);
    ::Outcome completeFile();
    trevisto::wav::Format format_;
    PeakTable *peaks_ = nullptr;
    std::FILE *file_ = nullptr;
    bool running_ = false;
    bool stopRequested_ = false;
    QString path_;
};
