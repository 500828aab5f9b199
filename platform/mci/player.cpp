#include "platform/mci/player.h"

#include "platform/drive/drive.h"
#include "platform/mci/audio_output.h"
#include "platform/mci/timebase.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace trevisto::mci {

// What the output's callback works on. While the output is open only the callback
// touches the plain members; the player reads `played` and otherwise waits until the
// output is closed.
struct MciPlayer::Feed {
    const wav::File *file = nullptr;
    MciPlayer *owner = nullptr;
    quint64 token = 0;
    wav::Format format;
    int outChannels = 0;
    int64_t end = 0;        // the frame the run stops at
    int64_t cursor = 0;     // next frame to hand over
    int64_t handedOver = 0; // cursor when the previous callback returned
    std::atomic<int64_t> played{0};
    bool failed = false;
    bool finished = false;
    std::vector<unsigned char> raw;
    int64_t rawFrames = 0;
};

void MciPlayer::fill(void *userdata, unsigned char *stream, int len)
{
    Feed &f = *static_cast<Feed *>(userdata);
    // The output asks for more only once it has taken what it was given before.
    f.played.store(f.handedOver, std::memory_order_release);

    auto *out = reinterpret_cast<float *>(stream);
    const int64_t want = len / int64_t(sizeof(float) * f.outChannels);
    int64_t done = 0;
    while (done < want && f.cursor < f.end && !f.failed) {
        const int64_t n = std::min({want - done, f.rawFrames, f.end - f.cursor});
        const int64_t got = f.file->readFrames(f.cursor, n, f.raw.data());
        if (got <= 0) {
            f.failed = true; // unreadable or shrunk underneath: end the run with an error
            break;
        }
        wav::toFloat(f.format, f.raw.data(), got, 0, f.outChannels, out + done * f.outChannels);
        done += got;
        f.cursor += got;
    }
    std::memset(out + done * f.outChannels, 0, size_t(len) - size_t(done * f.outChannels) * sizeof(float));
    f.handedOver = f.cursor;

    if (done == 0 && !f.finished && (f.cursor >= f.end || f.failed)) {
        f.finished = true;
        QMetaObject::invokeMethod(f.owner, "feedFinished", Qt::QueuedConnection, Q_ARG(quint64, f.token),
                                  Q_ARG(int, f.failed ? CannotReadFile : Ok));
    }
}

namespace {

// Every player of the program, to free an idle output when another player needs one.
std::vector<MciPlayer *> &allPlayers()
{
    static std::vector<MciPlayer *> players;
    return players;
}

} // namespace

MciPlayer::MciPlayer(QObject *parent) : QObject(parent)
{
    timer_.setInterval(kDefaultUpdateInterval);
    connect(&timer_, &QTimer::timeout, this, &MciPlayer::tick);
    allPlayers().push_back(this);
}

MciPlayer::~MciPlayer()
{
    std::erase(allPlayers(), this);
    closeOutput();
    file_.reset();
}

int MciPlayer::execute(const QString &command)
{
    command_ = command;
    const QString word = command.trimmed().toLower();
    if (word == QLatin1String("open"))
        return open();
    if (word == QLatin1String("close"))
        return close();
    if (word == QLatin1String("play"))
        return play();
    if (word == QLatin1String("pause"))
        return pause();
    if (word == QLatin1String("stop"))
        return stop();
    if (word == QLatin1String("prev"))
        return prev();
    return fail(UnrecognizedCommand);
}

int MciPlayer::open()
{
    close();
    if (fileName_.isEmpty())
        return fail(MissingParameter);
    wav::ReadError error;
    file_ = wav::File::open(drive::toNative(fileName_.toStdString()), &error);
    if (!file_)
        return fail(fromReadError(error));
    state_ = State::Stopped;
    frame_ = 0;
    end_ = file_->info().frames;
    timer_.start();
    return fail(Ok);
}

int MciPlayer::close()
{
    closeOutput();
    timer_.stop();
    file_.reset();
    state_ = State::Closed;
    frame_ = 0;
    return fail(Ok);
}

int MciPlayer::play()
{
    halt();
    if (!file_) {
        postDone(NotOpen);
        return fail(NotOpen);
    }
    const int64_t total = file_->info().frames;
    if (startSet_)
        frame_ = frameAt(startMs_, file_->format().sampleRate, total);
    end_ = endSet_ ? std::max(frame_, frameAt(endMs_, file_->format().sampleRate, total)) : total;
    startSet_ = endSet_ = false;
    return fail(run());
}

int MciPlayer::pause()
{
    if (!file_)
        return fail(NotOpen);
    if (state_ == State::Playing) {
        halt();
        state_ = State::Paused;
        return fail(Ok);
    }
    // Resuming continues the run, so it ends with done() like any other.
    return fail(state_ == State::Paused ? run() : Ok);
}

int MciPlayer::stop()
{
    if (!file_)
        return fail(NotOpen);
    halt();
    state_ = State::Stopped;
    return fail(Ok);
}

int MciPlayer::prev()
{
    if (!file_)
        return fail(NotOpen);
    const bool playing = state_ == State::Playing;
    halt();
    frame_ = 0;
    return fail(playing ? run() : Ok);
}

void MciPlayer::setStartPosition(qint64 ms)
{
    startMs_ = ms;
    startSet_ = true;
}

void MciPlayer::setEndPosition(qint64 ms)
{
    endMs_ = ms;
    endSet_ = true;
}

void MciPlayer::setPosition(qint64 ms)
{
    if (!file_)
        return;
    const int64_t frame = frameAt(ms, file_->format().sampleRate, file_->info().frames);
    if (state_ != State::Playing) {
        frame_ = frame;
        return;
    }
    halt();
    frame_ = frame;
    end_ = file_->info().frames; // a run to a set end goes on to the end from elsewhere
    run();
}

qint64 MciPlayer::length() const
{
    return file_ ? lengthMs(file_->info().frames, file_->format().sampleRate) : 0;
}

qint64 MciPlayer::position() const
{
    return file_ ? positionMs(currentFrame(), file_->info().frames, file_->format().sampleRate) : 0;
}

wav::Format MciPlayer::format() const { return file_ ? file_->format() : wav::Format{}; }

void MciPlayer::setUpdateInterval(int ms) { timer_.setInterval(std::max(10, ms)); }

void MciPlayer::setTimeFormat(int format)
{
    if (format != kMilliseconds)
        lastError_ = BadParameter;
}

int64_t MciPlayer::currentFrame() const
{
    if (state_ == State::Playing && feed_)
        return feed_->played.load(std::memory_order_acquire);
    return frame_;
}

// Every completion is tagged with the token current when it was posted; any later
// Play, Pause, Stop, Prev or Close changes the token, so a stale one is dropped.
void MciPlayer::postDone(int code)
{
    QMetaObject::invokeMethod(this, "feedFinished", Qt::QueuedConnection, Q_ARG(quint64, token_), Q_ARG(int, code));
}

void MciPlayer::feedFinished(quint64 token, int code)
{
    if (token != token_)
        return;
    if (state_ == State::Playing) {
        audio::pause(device_, true);
        frame_ = code == Ok ? end_ : feed_->handedOver;
    }
    ++token_;
    state_ = file_ ? State::Stopped : State::Closed;
    emit done(code);
}

void MciPlayer::tick()
{
    if (notifyStatus_ && file_)
        emit statusUpdate();
}

// Plays from frame_ to the end, or completes at once when frame_ is the end.
int MciPlayer::run()
{
    if (frame_ >= end_) {
        frame_ = end_;
        state_ = State::Stopped;
        postDone(Ok);
        return Ok;
    }
    if (const int e = startOutput(frame_); e != Ok) {
        state_ = State::Stopped;
        postDone(e);
        return e;
    }
    state_ = State::Playing;
    return Ok;
}

// Stops handing out sound; frame_ is then where playback stands. The output is only
// paused: closing it waits for its buffers to drain, too long for a button press.
void MciPlayer::halt()
{
    ++token_;
    if (state_ != State::Playing)
        return;
    audio::pause(device_, true); // returns once no callback runs
    // What the output already holds still plays out, so that is where a resume goes on.
    frame_ = feed_->handedOver;
    state_ = State::Stopped;
}

int MciPlayer::startOutput(int64_t frame)
{
    if (device_ == 0 && openOutput() != Ok) {
        // Some outputs (the silent one among them) take one user at a time, and a stopped
        // player keeps its output open for a quick restart: such idle outputs give way.
        for (MciPlayer *other : allPlayers())
            if (other != this && other->device_ != 0 && other->state_ != State::Playing)
                other->closeOutput();
        if (const int e = openOutput(); e != Ok)
            return e;
    }
    // The output is paused, so its callback is not running; unpausing publishes these.
    Feed &f = *feed_;
    f.token = ++token_;
    f.cursor = f.handedOver = frame;
    f.end = end_;
    f.played.store(frame);
    f.failed = f.finished = false;
    audio::pause(device_, false);
    return Ok;
}

int MciPlayer::openOutput()
{
    const wav::Format f = file_->format();
    auto feed = std::make_unique<Feed>();
    feed->file = file_.get();
    feed->owner = this;
    feed->format = f;
    feed->end = file_->info().frames;

    // The output holds up to eight channels; more are reduced to the first two.
    int channels = f.channels <= 8 ? f.channels : 2;
    SDL_AudioSpec want{}, have{};
    want.freq = int(std::min<uint32_t>(f.sampleRate, INT_MAX));
    want.format = AUDIO_F32SYS;
    // 25 to 50 ms a callback. A power of two: the library rounds the device's buffer up
    // to one, and its silent driver paces callbacks by that rounded size, so any other
    // count would play slower than real time there.
    uint32_t samples = 64;
    while (samples < 32768 && samples * 2 <= f.sampleRate / 20)
        samples *= 2;
    want.samples = Uint16(samples);
    want.callback = &MciPlayer::fill;
    want.userdata = feed.get();
    SDL_AudioDeviceID id = 0;
    for (;;) {
        want.channels = Uint8(channels);
        id = audio::open(want, &have);
        if (id != 0 || channels <= 2)
            break;
        channels = 2;
    }
    if (id == 0)
        return NoAudioOutput;
    feed->outChannels = channels;
    feed->rawFrames = std::max<int64_t>(have.samples, 1);
    feed->raw.resize(size_t(feed->rawFrames) * f.blockAlign());
    feed_ = std::move(feed);
    device_ = id;
    return Ok;
}

void MciPlayer::closeOutput()
{
    ++token_;
    if (device_ != 0) {
        audio::close(device_); // waits for a running callback to return
        device_ = 0;
    }
    feed_.reset();
    if (state_ == State::Playing || state_ == State::Paused)
        state_ = State::Stopped;
}

} // namespace trevisto::mci
