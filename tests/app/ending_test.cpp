// The program as a user starts it, asked by the system to end: it goes the way a window
// close goes, and takes its working files with it.

#include "core/routines.h"
#include "fresh_prefix.h"
#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
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

} // namespace
