#include "platform/mci/player.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <functional>
#include <iterator>
#include <vector>

#include <csignal>
#include <unistd.h>

using namespace trevisto;
using namespace trevisto::mci;

namespace {

// Runs the event loop until `done` holds or `ms` pass; true when it held.
bool waitUntil(const std::function<bool()> &done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
    return true;
}

void spin(int ms)
{
    waitUntil([] { return false; }, ms);
}

class PlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        QObject::connect(&player_, &MciPlayer::done, [this](int code) { codes_.push_back(code); });
    }

    QString clip(const std::string &name, int64_t frames, const wav::Format &f = {wav::kTagPcm, 2, 44100, 16})
    {
        const std::string p = dir_.path().toStdString() + "/" + name;
        std::vector<unsigned char> data(size_t(frames) * f.blockAlign(), 0x40);
        EXPECT_EQ(wav::writeFile(p, f, data.data(), data.size()), wav::WriteError::None);
        return QString::fromStdString(p);
    }

    void open(const QString &file)
    {
        player_.setFileName(file);
        player_.setProperty("command", "Open");
        ASSERT_EQ(player_.lastError(), Ok);
    }

    bool waitDone(int ms = 3000)
    {
        return waitUntil([this] { return !codes_.empty(); }, ms);
    }

    QTemporaryDir dir_;
    MciPlayer player_;
    std::vector<int> codes_;
};

TEST_F(PlayerTest, PlaysFromTheStartPositionToTheEndInRealTime)
{
    open(clip("one.wav", 44100));
    EXPECT_EQ(player_.length(), 1000);
    EXPECT_EQ(player_.position(), 0);

    // A whole second takes about a second, also on the silent driver: never less, as the
    // sound is paced by the device; later only by what a loaded machine may add, while a
    // player that fell out of step with its device would take twice as long or more.
    QElapsedTimer t;
    t.start();
    ASSERT_EQ(player_.execute("PLAY"), Ok);
    ASSERT_TRUE(waitDone());
    EXPECT_GT(t.elapsed(), 900);
    EXPECT_LT(t.elapsed(), 1900);
    EXPECT_EQ(codes_, std::vector<int>{Ok});
    EXPECT_EQ(player_.position(), 1000);
    EXPECT_EQ(player_.state(), MciPlayer::State::Stopped);

    codes_.clear();
    player_.setStartPosition(600);
    ASSERT_EQ(player_.play(), Ok);
    EXPECT_EQ(player_.position(), 600);
    spin(150);
    EXPECT_GT(player_.position(), 600);
    EXPECT_LT(player_.position(), 1000);
    ASSERT_TRUE(waitDone());
    EXPECT_EQ(player_.position(), 1000);
    spin(200);
    EXPECT_EQ(codes_, std::vector<int>{Ok}) << "one completion per run";
}

// Playing starts the audio library, which must leave the program's ending to the program:
// with its own quit handlers in place, kill and Ctrl+C no longer ended it.
TEST_F(PlayerTest, PlayingLeavesTheEndingSignalsAlone)
{
    open(clip("short.wav", 8000));
    ASSERT_EQ(player_.execute("PLAY"), Ok);
    ASSERT_TRUE(waitDone());
    for (const int signal : {SIGINT, SIGTERM}) {
        struct sigaction now {};
        ASSERT_EQ(::sigaction(signal, nullptr, &now), 0);
        EXPECT_EQ(now.sa_handler, SIG_DFL) << "signal " << signal;
    }
}

TEST_F(PlayerTest, PauseFreezesAndASecondPauseResumes)
{
    open(clip("half.wav", 22050));
    ASSERT_EQ(player_.play(), Ok);
    spin(150);
    ASSERT_EQ(player_.execute("pause"), Ok);
    EXPECT_EQ(player_.state(), MciPlayer::State::Paused);
    const qint64 paused = player_.position();
    EXPECT_GT(paused, 0);
    spin(500);
    EXPECT_EQ(player_.position(), paused);
    EXPECT_TRUE(codes_.empty());

    ASSERT_EQ(player_.execute("Pause"), Ok);
    EXPECT_EQ(player_.state(), MciPlayer::State::Playing);
    ASSERT_TRUE(waitDone());
    EXPECT_EQ(codes_, std::vector<int>{Ok});
    EXPECT_EQ(player_.position(), 500);
}

TEST_F(PlayerTest, StopKeepsThePositionAndPrevGoesToTheStart)
{
    open(clip("one.wav", 44100));
    ASSERT_EQ(player_.play(), Ok);
    spin(250);
    ASSERT_EQ(player_.execute("Stop"), Ok);
    const qint64 stopped = player_.position();
    EXPECT_GT(stopped, 100);
    EXPECT_LT(stopped, 600);
    spin(300);
    EXPECT_EQ(player_.position(), stopped);
    EXPECT_TRUE(codes_.empty()) << "a stop is no completion";

    // Play without a start position goes on from where it stopped.
    ASSERT_EQ(player_.play(), Ok);
    EXPECT_EQ(player_.position(), stopped);
    spin(100);
    ASSERT_EQ(player_.execute("Prev"), Ok);
    EXPECT_LT(player_.position(), stopped);
    EXPECT_EQ(player_.state(), MciPlayer::State::Playing);
    ASSERT_EQ(player_.stop(), Ok);
    ASSERT_EQ(player_.prev(), Ok);
    EXPECT_EQ(player_.position(), 0);
    spin(200);
    EXPECT_TRUE(codes_.empty());
}

// A run to a set end stops exactly there with its completion, through a pause too; the
// next plain Play goes to the file's end. Moving the position keeps a paused player paused
// and a playing one playing from there.
TEST_F(PlayerTest, ARunToAnEndStopsThereAndAMovedPositionKeepsTheState)
{
    open(clip("one.wav", 44100));
    player_.setStartPosition(200);
    player_.setEndPosition(450);
    ASSERT_EQ(player_.play(), Ok);
    spin(100);
    ASSERT_EQ(player_.pause(), Ok);
    ASSERT_EQ(player_.pause(), Ok);
    ASSERT_TRUE(waitDone());
    EXPECT_EQ(codes_, std::vector<int>{Ok});
    EXPECT_EQ(player_.position(), 450);
    EXPECT_EQ(player_.state(), MciPlayer::State::Stopped);

    codes_.clear();
    player_.setStartPosition(900);
    ASSERT_EQ(player_.play(), Ok);
    ASSERT_TRUE(waitDone());
    EXPECT_EQ(player_.position(), 1000) << "the end applied to one run only";

    player_.setPosition(123);
    EXPECT_EQ(player_.position(), 123);
    EXPECT_EQ(player_.state(), MciPlayer::State::Stopped);
    codes_.clear();
    ASSERT_EQ(player_.play(), Ok);
    spin(100);
    ASSERT_EQ(player_.pause(), Ok);
    player_.setPosition(700);
    EXPECT_EQ(player_.position(), 700);
    EXPECT_EQ(player_.state(), MciPlayer::State::Paused);
    ASSERT_EQ(player_.pause(), Ok);
    player_.setPosition(850);
    EXPECT_EQ(player_.state(), MciPlayer::State::Playing);
    EXPECT_GE(player_.position(), 850);
    ASSERT_TRUE(waitDone());
    EXPECT_EQ(codes_, std::vector<int>{Ok});
    EXPECT_EQ(player_.position(), 1000);
}

TEST_F(PlayerTest, AStoppedPlayerGivesItsOutputToTheNextOne)
{
    // The silent output takes one user at a time, as some sound cards do.
    open(clip("one.wav", 44100));
    ASSERT_EQ(player_.play(), Ok);
    ASSERT_EQ(player_.stop(), Ok);
    MciPlayer other;
    other.setFileName(clip("two.wav", 44100));
    ASSERT_EQ(other.open(), Ok);
    EXPECT_EQ(other.play(), Ok);
    EXPECT_EQ(other.state(), MciPlayer::State::Playing);
    // A playing output is never taken away.
    EXPECT_EQ(player_.play(), NoAudioOutput);
    EXPECT_EQ(other.state(), MciPlayer::State::Playing);
    other.close();
    EXPECT_EQ(player_.play(), Ok) << "the first one gets it back";
    player_.stop();
}

TEST_F(PlayerTest, PlaysThatCannotRunCompleteAtOnceAfterTheCall)
{
    // Nothing open: a failure, delivered after play() returned.
    EXPECT_EQ(player_.play(), NotOpen);
    EXPECT_TRUE(codes_.empty());
    ASSERT_TRUE(waitDone(500));
    EXPECT_EQ(codes_, std::vector<int>{NotOpen});

    player_.setFileName(QString::fromStdString(dir_.path().toStdString() + "/missing.wav"));
    EXPECT_EQ(player_.execute("Open"), FileNotFound);
    EXPECT_FALSE(player_.isOpen());

    // A start past the end completes at once, at the end.
    open(clip("short.wav", 13230)); // 300 ms
    codes_.clear();
    player_.setStartPosition(300);
    ASSERT_EQ(player_.play(), Ok);
    EXPECT_TRUE(codes_.empty());
    ASSERT_TRUE(waitDone(500));
    EXPECT_EQ(codes_, std::vector<int>{Ok});
    EXPECT_EQ(player_.position(), 300);

    // A negative start plays from the beginning.
    codes_.clear();
    player_.setStartPosition(-500);
    ASSERT_EQ(player_.play(), Ok);
    EXPECT_EQ(player_.position(), 0);
    EXPECT_EQ(player_.state(), MciPlayer::State::Playing);
    ASSERT_TRUE(waitDone());
    EXPECT_EQ(codes_, std::vector<int>{Ok});
}

TEST_F(PlayerTest, ANewPlayOrCloseEndsARunWithoutCompletion)
{
    open(clip("short.wav", 13230));
    ASSERT_EQ(player_.play(), Ok);
    spin(100);
    player_.setStartPosition(0);
    ASSERT_EQ(player_.play(), Ok); // starts over
    ASSERT_TRUE(waitDone());
    spin(100);
    EXPECT_EQ(codes_, std::vector<int>{Ok});

    codes_.clear();
    player_.setStartPosition(0);
    ASSERT_EQ(player_.play(), Ok);
    spin(100);
    ASSERT_EQ(player_.execute("close"), Ok);
    EXPECT_EQ(player_.length(), 0);
    spin(400);
    EXPECT_TRUE(codes_.empty());

    // Destroying players that are playing is safe.
    for (int i = 0; i < 3; ++i) {
        auto other = std::make_unique<MciPlayer>();
        other->setFileName(clip("short.wav", 13230));
        ASSERT_EQ(other->open(), Ok);
        ASSERT_EQ(other->play(), Ok);
        spin(20 * i);
    }
}

TEST_F(PlayerTest, ACompletionHandlerCanPlayTheNextClip)
{
    // List playback: the handler of one clip's completion opens and plays the next.
    const QString clips[] = {clip("a.wav", 4410), clip("b.wav", 8820), clip("c.wav", 2205)};
    size_t next = 1;
    QObject::connect(&player_, &MciPlayer::done, [&](int code) {
        if (code != Ok || next == std::size(clips))
            return;
        player_.setFileName(clips[next++]);
        player_.execute("Open");
        player_.execute("Play");
    });
    open(clips[0]);
    ASSERT_EQ(player_.play(), Ok);
    ASSERT_TRUE(waitUntil([this] { return codes_.size() == 3; }, 3000));
    EXPECT_EQ(codes_, (std::vector<int>{Ok, Ok, Ok}));
    EXPECT_EQ(player_.length(), 50);
    EXPECT_EQ(player_.position(), 50);
}

TEST_F(PlayerTest, EveryReadableFormatPlaysToTheEnd)
{
    const wav::Format formats[] = {
        {wav::kTagPcm, 1, 8000, 8},     {wav::kTagPcm, 2, 48000, 24}, {wav::kTagPcm, 2, 22050, 32},
        {wav::kTagFloat, 1, 44100, 32}, {wav::kTagPcm, 10, 16000, 16}, {wav::kTagPcm, 3, 11025, 16},
    };
    for (const wav::Format &f : formats) {
        SCOPED_TRACE(testing::Message() << "bits " << f.bitsPerSample << " ch " << f.channels);
        open(clip("f.wav", f.sampleRate / 5, f)); // 200 ms
        codes_.clear();
        ASSERT_EQ(player_.play(), Ok);
        ASSERT_TRUE(waitDone());
        EXPECT_EQ(codes_, std::vector<int>{Ok});
        EXPECT_EQ(player_.position(), 200);
    }
}

TEST_F(PlayerTest, AFileThatShrinksDuringPlayEndsWithAnError)
{
    const QString file = clip("one.wav", 44100);
    open(file);
    ASSERT_EQ(::truncate(file.toStdString().c_str(), 44 + 4 * 4410), 0);
    ASSERT_EQ(player_.play(), Ok);
    ASSERT_TRUE(waitDone());
    EXPECT_EQ(codes_, std::vector<int>{CannotReadFile});
    EXPECT_LT(player_.position(), 1000);
}

TEST_F(PlayerTest, SettingsAndStatusNotifications)
{
    int updates = 0;
    QObject::connect(&player_, &MciPlayer::statusUpdate, [&] { ++updates; });
    EXPECT_EQ(player_.updateInterval(), MciPlayer::kDefaultUpdateInterval);
    player_.setProperty("timeFormat", 8);
    EXPECT_EQ(player_.lastError(), Ok);
    player_.setProperty("timeFormat", 2);
    EXPECT_EQ(player_.lastError(), BadParameter);
    EXPECT_EQ(player_.timeFormat(), MciPlayer::kMilliseconds);

    player_.setUpdateInterval(40);
    open(clip("one.wav", 44100));
    spin(300);
    EXPECT_EQ(updates, 0) << "off until switched on";
    player_.setProperty("notifyStatus", true);
    spin(300);
    EXPECT_GE(updates, 4);
    EXPECT_LE(updates, 9);
    player_.close();
    const int afterClose = updates;
    spin(200);
    EXPECT_EQ(updates, afterClose) << "no notifications without a file";

    EXPECT_EQ(player_.execute("Rewind"), UnrecognizedCommand);
}

} // namespace
