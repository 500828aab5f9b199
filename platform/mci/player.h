#pragma once
// A media player for one WAVE file, driven by command words like the sound device.
//
// Set fileName, then command "Open". Commands (any letter case):
//   Open   opens fileName (closing what was open); position 0, stopped.
//   Close  stops and closes; no completion signal.
//   Play   plays from startPosition when that was set since the last Play, else from
//          the current position. A negative start plays from 0; a start at or past the
//          end completes at once. done(0) follows when the end is reached.
//   Pause  pauses a playing file; a second Pause while paused resumes it.
//   Stop   stops; the position stays where it is. No completion signal.
//   Prev   moves to the start (playback, if running, goes on from there).
// A Play after setEndPosition stops at that position instead of the end, with done(0)
// there; a resumed pause keeps that end. setPosition moves the position at once: a
// running sound plays on from there, a paused or stopped one stays so.
// A Play that cannot start (nothing open, no sound output) emits done() with the error
// code, queued, so it arrives after the call returns. done() comes exactly once per
// Play that reached the end or failed; a Play, Stop or Close issued before that ends the
// run without one, so list playback can rely on done() meaning "this clip is over".
//
// Positions and lengths are milliseconds (see timebase.h): length rounds up, and the
// position counts the frames the sound output has taken, not what was handed to it,
// reading exactly length at the end.
//
// Samples are read from the file in the output's callback, a few tens of milliseconds
// at a time; the callback touches only its feed and posts its completion to the
// player's thread. Every other member is used on the player's thread only. The output
// is opened on the first Play and kept (paused) until Close, Open or destruction.

#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/mci/error.h"
#include "platform/wav/wav.h"

namespace trevisto::mci {

class MciPlayer : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString fileName READ fileName WRITE setFileName)
    Q_PROPERTY(QString command READ command WRITE setCommand)
    Q_PROPERTY(qint64 startPosition READ startPosition WRITE setStartPosition)
    Q_PROPERTY(qint64 length READ length)
    Q_PROPERTY(qint64 position READ position)
    Q_PROPERTY(int updateInterval READ updateInterval WRITE setUpdateInterval)
    Q_PROPERTY(int timeFormat READ timeFormat WRITE setTimeFormat)
    Q_PROPERTY(bool notifyStatus READ notifyStatus WRITE setNotifyStatus)

public:
    enum class State { Closed, Stopped, Playing, Paused };

    // The one time format: positions, lengths and startPosition in milliseconds.
    static constexpr int kMilliseconds = 8;
    static constexpr int kDefaultUpdateInterval = 200;

    explicit MciPlayer(QObject *parent = nullptr);
    ~MciPlayer() override; // safe while playing

    // Drive paths ("C:\...") are mapped to their native folder on Open.
    QString fileName() const { return fileName_; }
    void setFileName(const QString &name) { fileName_ = name; }

    // Setting the command carries it out; lastError() tells how it went.
    QString command() const { return command_; }
    void setCommand(const QString &command) { execute(command); }
    // The same, returning the result code.
    int execute(const QString &command);

    int open();
    int close();
    int play();
    int pause();
    int stop();
    int prev();

    qint64 startPosition() const { return startMs_; }
    void setStartPosition(qint64 ms);
    // The end of the next Play only.
    void setEndPosition(qint64 ms);
    void setPosition(qint64 ms);

    qint64 length() const;
    qint64 position() const;
    State state() const { return state_; }
    bool isOpen() const { return file_ != nullptr; }
    int lastError() const { return lastError_; }
    // Format of the open file (default when none).
    wav::Format format() const;

    // Period of statusUpdate() in milliseconds (at least 10).
    int updateInterval() const { return timer_.interval(); }
    void setUpdateInterval(int ms);

    // Only kMilliseconds is accepted; other values are refused with BadParameter and
    // leave the format as it is.
    int timeFormat() const { return kMilliseconds; }
    void setTimeFormat(int format);

    // When on, statusUpdate() is emitted every updateInterval while a file is open. Off
    // by default. done() does not depend on it.
    bool notifyStatus() const { return notifyStatus_; }
    void setNotifyStatus(bool on) { notifyStatus_ = on; }

signals:
    void statusUpdate();
    void done(int code);

private slots:
    void feedFinished(quint64 run, int code);
    void tick();

private:
    struct Feed;
    static void fill(void *feed, unsigned char *stream, int len);

    int fail(int code) { return lastError_ = code; }
    void postDone(int code);
    int run();
    void halt();
    int startOutput(int64_t frame);
    int openOutput();
    void closeOutput();
    int64_t currentFrame() const;

    QString fileName_, command_;
    std::unique_ptr<wav::File> file_;
    std::unique_ptr<Feed> feed_;
    uint32_t device_ = 0;
    State state_ = State::Closed;
    int64_t frame_ = 0; // position while not playing
    qint64 startMs_ = 0;
    bool startSet_ = false;
    qint64 endMs_ = 0;
    bool endSet_ = false;
    int64_t end_ = 0; // the frame the current run stops at
    quint64 token_ = 0; // changes with every start and stop of the output
    int lastError_ = Ok;
    bool notifyStatus_ = false;
    QTimer timer_;
};

} // namespace trevisto::mci
