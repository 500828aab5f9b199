#pragma once
// Decoding a source channel into the working WAV file, block by block, through the WAV
// writer: the file takes its name once it is complete, with its header (44 bytes, or RF64
// past 4 GiB of sound) filled in then. Knows nothing of widgets; the source loader and the benchmark driver both run it.

#include "audio/basslib.h"
#include "core/outcome.h"
#include "platform/wav/wav.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class PeakTable;

class WaveConversion {
public:
    static constexpr uint32_t BlockSize = 20000;
    // Past 4 GiB the working file is RF64, whose sizes are 64-bit: the bound is the
    // writer's, far beyond any disk.
    static constexpr int64_t MaxDataLength = int64_t(trevisto::wav::kMaxFileDataBytes);

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

    // Decodes `chan` into `nativePath`. The file stays open until FinishWaveFile, or until
    // discard(); a failed run leaves nothing under `nativePath`.
    Result run(const BassLibrary &bass, DWORD chan, const QString &nativePath, const BlockHook &afterBlock);

    // Writes the header of the open file, closes it and gives it its name. Nothing happens
    // when no file is open. A failure says why the file could not be completed. Called while
    // run() is under way (from an event it let through), it only asks run() to stop; the
    // file is completed once run() has returned.
    ::Outcome FinishWaveFile();
    // Drops the open file, leaving nothing under its name: for a run that was stopped and
    // whose sound is not wanted. Only once run() has returned.
    void discard();

    // Each run reduces what it writes into `table` as well, so the envelope needs no second
    // pass over the file. Null (the default): no envelope.
    void setPeakTable(PeakTable *table) { peaks_ = table; }

    bool isOpen() const { return writer_ != nullptr; }
    bool isRunning() const { return running_; }
    const trevisto::wav::Format &format() const { return format_; }
    // Bytes of PCM written so far.
    int64_t DataLength = 0;
    // Lowered by tests to reach the bound without writing it.
    int64_t maxDataLength = MaxDataLength;

private:
    bool fail(const QString &what, Result &result);
    bool create(const QString &nativePath, Result &result);
    ::Outcome completeFile();
    trevisto::wav::Format format_;
    PeakTable *peaks_ = nullptr;
    std::unique_ptr<trevisto::wav::Writer> writer_;
    bool running_ = false;
    bool stopRequested_ = false;
    QString path_;
};

namespace trevisto {

// Why a wav::Writer call on `path` failed, phrased to follow "failed: ": the system's
// reason where it gave one (`systemError`, captured by the writer at the failing call),
// else the writer's own.
QString writerFailure(wav::WriteError error, int systemError, const QString &path);

} // namespace trevisto
