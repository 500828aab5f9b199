// The start-up work left for after the first frame: it waits for the frame, runs once, and
// does not wait for ever on a window that is never exposed.
#include "app/firstframe.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>

#include <chrono>

namespace {

using namespace std::chrono_literals;
using trevisto::FirstFrame;

// Counts its frames, as the window's first one is what the work waits for.
class Painted : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override { ++paints; }
};

// Lets events run for `ms`, or until `done` holds.
template <typename F>
void runEvents(int ms, F done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

TEST(FirstFrame, RunsOnceAfterTheShownWindowsFirstFrame)
{
    struct Case {
        const char *what;
        bool shown;
        std::chrono::milliseconds patience;
    } cases[] = {
        {"a shown window, patience to spare", true, 60s},
        {"a shown window whose patience also runs out", true, 50ms},
        {"a window never shown", false, 60s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Painted window;
        window.resize(200, 100);
        if (c.shown)
            window.show();
        int runs = 0, paintsBefore = -1;
        bool exposedThen = false;
        FirstFrame::after(
            window,
            [&] {
                ++runs;
                paintsBefore = window.paints;
                exposedThen = window.windowHandle() && window.windowHandle()->isExposed();
            },
            c.patience);
        EXPECT_EQ(runs, 0) << "never from inside the call";
        runEvents(5000, [&] { return runs > 0; });
        // Past the patience too: a second way in must not run it again.
        runEvents(200, [] { return false; });
        EXPECT_EQ(runs, 1);
        if (c.shown) {
            EXPECT_TRUE(exposedThen);
            EXPECT_GT(paintsBefore, 0) << "the frame is drawn before the work";
        }
    }
}

TEST(FirstFrame, AWindowThatIsNeverExposedRunsTheWorkAfterThePatience)
{
    Painted window;
    window.winId(); // a window of the platform's, not shown: no frame ever comes
    ASSERT_TRUE(window.windowHandle());
    ASSERT_FALSE(window.windowHandle()->isExposed());
    int runs = 0;
    QElapsedTimer clock;
    clock.start();
    FirstFrame::after(window, [&] { ++runs; }, 300ms);
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 0) << "it waits for a frame first";
    runEvents(5000, [&] { return runs > 0; });
    EXPECT_EQ(runs, 1);
    EXPECT_GE(clock.elapsed(), 300);
}

TEST(FirstFrame, GoesWithItsWindow)
{
    int runs = 0;
    {
        Painted window;
        window.show();
        FirstFrame::after(window, [&] { ++runs; }, 50ms);
    }
    runEvents(200, [] { return false; });
    EXPECT_EQ(runs, 0) << "a window closed before its first frame starts nothing";
}

} // namespace
