// The program as a user starts it, asked by the system to end: it goes the way a window
// close goes, and takes its working files with it.

#include "core/routines.h"
#include "fresh_prefix.h"
#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

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
