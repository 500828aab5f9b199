// The program as a user starts it, asked by the system to end: it goes the way a window
// close goes, and takes its working files with it. A window's thread that does not answer
// does not keep it alive: a second signal, or two seconds, end it at once.

#include "core/routines.h"
#include "fresh_prefix.h"
#include "support/stopwatch.h"
#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <chrono>
#include <csignal>

namespace {

using namespace trevisto::test;

// Waits up to `ms` for `done`; true when it held.
template <typename F>
bool within(int ms, F done)
{
    for (int waited = 0; !done(); waited += 10) {
        if (waited >= ms)
            return false;
        QThread::msleep(10);
    }
    return true;
}

TEST(Ending, EachSignalToEndClosesTheProgramAndRemovesItsWorkingFiles)
{
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        FreshPrefix prefix;
        TempDir audio;
        writeWav(audio.file("tone.wav"), makeTone(8000, 1, 2.0, 300));

        QProcess program;
        program.start(TREVISTO_PROGRAM, {QString::fromStdString(audio.file("tone.wav"))});
        ASSERT_TRUE(program.waitForStarted(10000));
        const QString working = NativePath("C:\\temp.wav");
        ASSERT_TRUE(within(20000, [&] { return QFile::exists(working); })) << "the given file was opened";

        ::kill(pid_t(program.processId()), signal);
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "ended by the program, not by the signal";
        EXPECT_EQ(program.exitCode(), 0);
        EXPECT_FALSE(QFile::exists(working));
        EXPECT_FALSE(QFile::exists(NativePath("C:\\temp.new.wav")));
    }
}

TEST(Ending, AStartWithoutADisplaySaysSoInOneLineAndEndsWithStatusOne)
{
    struct Case {
        const char *what;
        const char *display; // nullptr: unset
        const char *why;
    } cases[] = {
        {"no display set", nullptr, "DISPLAY is not set"},
        // No X server listens on so high a number.
        {"a display nobody serves", ":32123", "cannot be reached"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        FreshPrefix prefix;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"})
            environment.remove(name);
        if (c.display)
            environment.insert("DISPLAY", c.display);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(TREVISTO_PROGRAM, {});
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "no abort";
        EXPECT_EQ(program.exitCode(), 1);
        const QString said = QString::fromLocal8Bit(program.readAllStandardError());
        EXPECT_EQ(said.count('\n'), 1) << said.toStdString();
        EXPECT_TRUE(said.contains(c.why)) << said.toStdString();
        EXPECT_TRUE(said.trimmed().endsWith("xvfb-run -a " TREVISTO_PROGRAM)) << said.toStdString();
        EXPECT_TRUE(program.readAllStandardOutput().isEmpty());
    }
}

} // namespace

namespace {

// The ending helper, started and ready: its signal handlers are in place.
class Helper {
public:
    Helper(const char *mode, std::chrono::milliseconds patience, const std::string &file)
    {
        process_.start(BLOCKED_WINDOW, {mode, QString::number(patience.count()), QString::fromStdString(file)});
        QByteArray said;
        while (process_.waitForReadyRead(20000) && !(said += process_.readAllStandardOutput()).contains("ready\n")) {
        }
        ready_ = said.contains("ready\n");
    }
    bool ready() const { return ready_; }
    void signal(int s) { ::kill(pid_t(process_.processId()), s); }
    // The exit code once it ended by itself within `ms`; -1 otherwise.
    int ended(int ms)
    {
        if (!process_.waitForFinished(ms) || process_.exitStatus() != QProcess::NormalExit)
            return -1;
        return process_.exitCode();
    }

private:
    QProcess process_;
    bool ready_ = false;
};

TEST(Ending, AWindowThreadThatDoesNotAnswerEndsTwoSecondsAfterTheSignalWithoutItsFiles)
{
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        TempDir dir;
        writeWav(dir.file("working.wav"), makeTone(8000, 1, 0.1, 300));
        Helper helper("blocked", std::chrono::milliseconds(2000), dir.file("working.wav"));
        ASSERT_TRUE(helper.ready());
        const trevisto::test::Stopwatch watch;
        helper.signal(signal);
        EXPECT_EQ(helper.ended(30000), 128 + signal);
        EXPECT_GE(watch.wall(), std::chrono::milliseconds(1900)) << "the window had its two seconds";
        EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.file("working.wav"))));
    }
}

TEST(Ending, ASecondSignalEndsAtOnce)
{
    TempDir dir;
    writeWav(dir.file("working.wav"), makeTone(8000, 1, 0.1, 300));
    // So long a patience that only the second signal can end it within the test's time.
    Helper helper("blocked", std::chrono::minutes(10), dir.file("working.wav"));
    ASSERT_TRUE(helper.ready());
    helper.signal(SIGINT);
    helper.signal(SIGHUP);
    const int code = helper.ended(30000);
    EXPECT_TRUE(code == 128 + SIGINT || code == 128 + SIGHUP) << code;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.file("working.wav"))));
}

TEST(Ending, AnAnsweredSignalLeavesTheWindowItsOwnEndingHoweverLongItTakes)
{
    TempDir dir;
    writeWav(dir.file("working.wav"), makeTone(8000, 1, 0.1, 300));
    Helper helper("slow", std::chrono::milliseconds(500), dir.file("working.wav"));
    ASSERT_TRUE(helper.ready());
    helper.signal(SIGTERM);
    EXPECT_EQ(helper.ended(30000), 0) << "the window's ending ran to its end";
    EXPECT_TRUE(QFile::exists(QString::fromStdString(dir.file("working.wav")))) << "removed by no ending at once";
}

} // namespace
