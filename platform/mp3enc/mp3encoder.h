#pragma once
// The MP3 encoder of the window (instance Mp3Enc1): a bit-rate property, an encode call
// that returns at once and works on in a thread of its own, a status value and a
// completion signal on the object's thread.
//
// Input is any PCM WAVE file that wav::File reads (8/16/24/32-bit integer, 32-bit float),
// mono or stereo. The sample rate is kept when MP3 carries it (8000 to 48000 Hz in the
// nine standard steps) and converted to the nearest such rate otherwise. The bit rate is
// constant; where the rate's MPEG version cannot carry it, the nearest one it can is
// used, and reason() says so. The file starts with an info frame that records the
// encoder delay and padding, so gapless decoders give back exactly the input's frames.
//
// Inputs of a minute or more are encoded in stretches on all cores and spliced into one
// stream (stretches.h); the result decodes to the same length as a whole encoding.
//
// The MP3 is written to a hidden temporary file beside the destination and renamed into
// place on the object's thread just before completed() is emitted. So the destination
// changes only when an encoding succeeds, and a failed or cancelled one leaves neither
// a file under the chosen name nor a temporary file.
//
// Lifecycle of one encoding, as status() reports it:
//   Idle (0)     nothing started yet, or the last one was cancelled;
//   Running (1)  from a successful encode() until its completion is delivered;
//   Done (2)     completed() was emitted and the MP3 is in place;
//   Failed (3)   completed() was emitted and reason() says what went wrong, or
//                encode() refused to start (then without completed()).
// cancel() (and destruction) stop a running encoding synchronously: the thread is
// joined, the temporary file removed, status() goes back to Idle and no completed()
// follows, since nothing is left to finish.

#include "platform/mp3enc/split.h"

#include <QObject>
#include <QString>

#include <memory>
#include <mutex>
#include <thread>

namespace trevisto::mp3enc {

class Mp3Encoder : public QObject {
    Q_OBJECT

public:
    enum Status : qint16 { Idle = 0, Running = 1, Done = 2, Failed = 3 };
    // encode()'s result.
    enum Start : qint16 {
        Started = 0,
        Busy = 1,              // an encoding is running
        SourceUnreadable = 2,  // missing, unreadable or not a WAVE file
        SourceUnsupported = 3, // a WAVE file this encoder cannot take (more than two channels, ...)
        NoDestination = 4,     // empty destination path
    };

    static constexpr int kInitialBitRate = 128;

    explicit Mp3Encoder(QObject *parent = nullptr);
    ~Mp3Encoder() override; // cancels a running encoding, joins the thread, removes the temporary file

    // kbit/s; applies to encodings started after it.
    int bitRate() const { return bitRate_; }
    void setBitRate(int kbps) { bitRate_ = kbps; }
    // How inputs at the MP3's own sample rate are split over threads (see split.h);
    // applies to encodings started after it. A resampled input is encoded whole.
    void setSplitRules(const SplitRules &rules) { splitRules_ = rules; }
    // The ID3v2 tag (whole, as rendered) the MP3 starts with, or none when empty; applies
    // to encodings started after it.
    void setTag(std::vector<unsigned char> tag) { tag_ = std::move(tag); }

    // Starts encoding `sourceWav` to `destMp3` on a worker thread and returns at once.
    // Paths may be drive paths ("C:\...") or native paths. Problems with the source are
    // found here, before anything is written; problems with the destination (a missing
    // folder, no rights, a full disk) come back through completed().
    qint16 encode(const QString &sourceWav, const QString &destMp3);
    void cancel();

    qint16 status() const { return status_; }
    bool isBusy() const { return status_ == Running; }
    // True only when the last encoding started has completed successfully.
    bool succeeded() const { return status_ == Done; }
    // Why the last encode() or encoding failed, naming the file; after a success a note
    // on a rate or bit rate that had to change, else empty.
    QString reason() const { return reason_; }
    // The bit rate of the last encoding started (0 before the first).
    int effectiveBitRate() const { return effectiveBitRate_; }
    // The MP3's sample rate for the last encoding started (0 before the first).
    int effectiveSampleRate() const { return effectiveSampleRate_; }
    // The threads the last encoding started encodes on: one per stretch, 1 for an input
    // encoded whole (0 before the first). Once it has completed, the threads it took: 1
    // too when a splice could not be made and the input was encoded whole after all.
    int threadsUsed() const { return threadsUsed_; }

    // The MP3 sample rate used for `inputRate`, and the bit rate used for `kbps` at that
    // rate.
    static int carriedSampleRate(int inputRate);
    static int carriedBitRate(int sampleRate, int kbps);

signals:
    // Percent of the source encoded; queued to the object's thread, at most about 30 a second.
    void progress(int percent);
    // Once per successful encode(), after the MP3 is in place or the failure is final.
    void completed();

private slots:
    void deliver();

private:
    struct Job;
    struct Outcome;

    qint16 refuse(Start code, const QString &why);
    void mail(int percent, std::unique_ptr<Outcome> outcome);
    void finish(const Outcome &outcome);

    int bitRate_ = kInitialBitRate;
    int effectiveBitRate_ = 0;
    int effectiveSampleRate_ = 0;
    int threadsUsed_ = 0;
    SplitRules splitRules_;
    std::vector<unsigned char> tag_;
    Status status_ = Idle;
    QString reason_;
    std::unique_ptr<Job> job_; // the running encoding, owned by this thread
    // The worker's hand-over, guarded by mailMutex_ and picked up by deliver() on this
    // thread. Only the wake-up call goes through Qt's queue.
    std::mutex mailMutex_;
    int mailedPercent_ = -1;
    std::unique_ptr<Outcome> mailedOutcome_;
    std::thread worker_;
};

} // namespace trevisto::mp3enc
