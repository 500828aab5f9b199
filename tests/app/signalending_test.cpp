// The signal ending inside a running program: the signal is answered through the event
// loop, and once answered the watchdog leaves the ending to the window however long it
// takes. (An unanswered signal ends the process; the ending tests see that from outside.)

#include "app/signalending.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <chrono>
#include <csignal>

namespace {

TEST(SignalEnding, AnAnsweredSignalIsNoLongerWatched)
{
    for (const int signal : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        int asked = 0;
        {
            trevisto::SignalEnding ending([&asked] { ++asked; }, nullptr, std::chrono::milliseconds(100));
            ASSERT_EQ(::raise(signal), 0);
            QElapsedTimer waited;
            waited.start();
            while (asked == 0 && waited.elapsed() < 20000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            ASSERT_EQ(asked, 1);
            // Well past the patience: an ending at once would have ended this process.
            QThread::msleep(500);
        }
        EXPECT_EQ(asked, 1);
    }
    // The default handlers are back; the test's process keeps them.
    struct sigaction now {};
    ASSERT_EQ(::sigaction(SIGTERM, nullptr, &now), 0);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}

} // namespace
