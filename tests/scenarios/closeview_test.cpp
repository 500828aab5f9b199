// The close view and the precise keys, as the user works them: a mark dragged at the
// deepest zoom is where the cut starts, steps of 10 ms and a second move a standing sound,
// the marked range plays and stops at Mark Out, and Goto leaves the keys to the window.
#include "app/window_fixture.h"
#include "scenarios/wait_for.h"

#include "core/routines.h"
#include "core/workingfiles.h"
#include "editor/timetext.h"
#include "platform/mci/player.h"
#include "platform/wav/wav.h"
#include "support/test_audio.h"
#include "ui/closeview.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

#include <cstring>

namespace {

using namespace trevisto::test;

class CloseViewWindow : public StartedWindow {
protected:
    void SetUp() override
    {
        StartedWindow::SetUp();
        // Room for the close view under the top frames.
        window_->resize(window_->minimumSize() + QSize(400, 200));
        window_->show();
    }
    frmWriteWave &w() { return *window_; }
    CloseView &view() { return *closeView(*window_); }

    // Three seconds of 44.1 kHz mono in which every sample holds its own frame number, so
    // the first sample of a cut tells where it began.
    void openCountingSource()
    {
        std::vector<int16_t> samples(3 * 44100);
        for (size_t i = 0; i < samples.size(); ++i)
            samples[i] = int16_t(i % 30000);
        std::vector<uint8_t> bytes(samples.size() * 2);
        std::memcpy(bytes.data(), samples.data(), bytes.size());
        const std::string path = audio_.file("count.wav");
        writeWav(path, 44100, 1, 16, bytes);
        dialogs_.answerFile(QString::fromStdString(path));
        w().cmdwav_Click();
        ASSERT_TRUE(MMaudio(w())->isOpen());
        ASSERT_TRUE(view().isVisible());
        // The keys go to the window once the wait window is gone.
        w().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    }

    // A left-button drag on the view from `from` to `to`, in steps, as a hand makes it.
    void drag(QPointF from, QPointF to)
    {
        const auto send = [&](QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
            QMouseEvent e(type, at, view().mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
            QCoreApplication::sendEvent(&view(), &e);
        };
        send(QEvent::MouseButtonPress, from, Qt::LeftButton);
        for (int i = 1; i <= 8; ++i)
            send(QEvent::MouseMove, from + (to - from) * (i / 8.0), Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::NoButton);
    }

    TempDir audio_;
};

TEST_F(CloseViewWindow, AMarkDraggedAtTheDeepestZoomIsWhereTheCutBegins)
{
    openCountingSource();
    const double y = view().height() / 2.0;
    // Mark In from the start to about 1.2 s at the whole-sound zoom...
    drag({view().xOfMs(0), y}, {view().xOfMs(1200), y});
    ASSERT_NEAR(MarkIn(w()), 1200, 10);
    // ...then, as close as the view goes, onto one exact pixel.
    view().span().zoom(1e12, view().xOfMs(MarkIn(w())));
    view().update();
    ASSERT_EQ(view().span().framesPerPixel(), ViewSpan::FinestFramesPerPixel);
    const double target = view().xOfMs(MarkIn(w())) + 200;
    const qint64 expected = view().span().msAt(target);
    drag({view().xOfMs(MarkIn(w())), y}, {target, y});
    EXPECT_EQ(MarkIn(w()), expected);
    EXPECT_EQ(ui(w())->Txtin->text(), ClockText(expected / 1000.0));
    EXPECT_EQ(ui(w())->Txtin->toolTip(), MillisecondText(expected));

    // Mark Out cannot be dragged past Mark In.
    view().span().showWhole();
    drag({view().xOfMs(MarkOut(w())), y}, {0, y});
    EXPECT_EQ(MarkOut(w()), MarkIn(w()));
    drag({view().xOfMs(MarkOut(w())) + 1, y}, {view().xOfMs(2500), y});
    ASSERT_NEAR(MarkOut(w()), 2500, 10);

    w().CmdSetNew_Click();
    ASSERT_TRUE(MMControl1(w())->isOpen());
    const auto result = trevisto::wav::File::open(NativePath(WorkingFiles::Result).toStdString());
    ASSERT_TRUE(result);
    int16_t first = 0;
    ASSERT_EQ(result->readFrames(0, 1, &first), 1);
    const int64_t frame = (expected * 44100 + 500) / 1000;
    EXPECT_EQ(first, int16_t(frame % 30000)) << "the cut's first sample is the dragged mark's";
}

TEST_F(CloseViewWindow, StepsMoveAStandingSoundAndTheRangePlaysToMarkOut)
{
    openCountingSource();
    MciPlayer &p = *MMaudio(w());
    p.setStartPosition(1000);
    p.setCommand("Play");
    p.setCommand("Pause");
    const qint64 paused = p.position();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&w(), Qt::Key_Period);
    QTest::keyClick(&w(), Qt::Key_Comma);
    EXPECT_EQ(p.position(), paused + 20);
    EXPECT_EQ(p.state(), MciPlayer::State::Paused);
    QTest::keyClick(&w(), Qt::Key_Greater, Qt::ShiftModifier);
    EXPECT_EQ(p.position(), paused + 1020);
    QTest::keyClick(&w(), Qt::Key_Greater, Qt::ShiftModifier);
    QTest::keyClick(&w(), Qt::Key_Greater, Qt::ShiftModifier);
    EXPECT_EQ(p.position(), 3000) << "no further than the end";
    EXPECT_EQ(view().position(), 3000);
    // I then marks there, to the millisecond.
    QTest::keyClick(&w(), Qt::Key_Less, Qt::ShiftModifier);
    QTest::keyClick(&w(), Qt::Key_Comma);
    QTest::keyClick(&w(), Qt::Key_I);
    ASSERT_TRUE(waitFor([&] { return MarkIn(w()) == 1990; })) << MarkIn(w());

    // Shift+Space plays Mark In to Mark Out and stops there.
    MarkOut(w()) = 2300;
    QTest::keyClick(&w(), Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(p.state(), MciPlayer::State::Playing);
    EXPECT_GE(p.position(), 1990);
    ASSERT_TRUE(waitFor([&] { return p.state() != MciPlayer::State::Playing; }, 3000));
    EXPECT_EQ(p.position(), 2300);
    // ] plays the two seconds that end at Mark Out.
    QTest::keyClick(&w(), Qt::Key_BracketRight);
    EXPECT_EQ(p.state(), MciPlayer::State::Playing);
    EXPECT_LT(p.position(), 400);
    p.setCommand("Stop");
    // The view's bar does as the keys do, and leaves the keys to the window.
    const auto bar = view().findChildren<QToolButton *>();
    ASSERT_EQ(bar.size(), 3);
    for (QToolButton *button : bar)
        EXPECT_TRUE(button->isEnabled() && button->isVisible()) << button->toolTip().toStdString();
    EXPECT_TRUE(bar[1]->toolTip().contains("([)"));
    QTest::mouseClick(bar[1], Qt::LeftButton);
    EXPECT_EQ(p.state(), MciPlayer::State::Playing);
    EXPECT_GE(p.position(), 1990);
    ASSERT_TRUE(waitFor([&] { return p.state() != MciPlayer::State::Playing; }, 4000));
    EXPECT_EQ(p.position(), 3000) << "two seconds from Mark In, within the sound";
    EXPECT_TRUE(w().isActiveWindow());
    EXPECT_NE(QApplication::focusWidget(), bar[1]);
    p.setCommand("Stop");
    // While it plays, the steps do nothing.
    p.setStartPosition(1000);
    p.setCommand("Play");
    ASSERT_EQ(p.state(), MciPlayer::State::Playing);
    const qint64 playing = p.position();
    QTest::keyClick(&w(), Qt::Key_Comma);
    EXPECT_GE(p.position(), playing);
    p.setCommand("Stop");
}

TEST_F(CloseViewWindow, GotoTakesDigitsOnlyAndLeavesTheKeysToTheWindow)
{
    openCountingSource();
    QComboBox *seconds = ui(w())->CmbSS;
    seconds->setFocus();
    seconds->lineEdit()->clear();
    QTest::keyClicks(seconds->lineEdit(), "a0b2c");
    EXPECT_EQ(seconds->currentText(), "02") << "letters are refused as they are typed";
    w().CmdGoto_Click();
    EXPECT_EQ(MMaudio(w())->state(), MciPlayer::State::Playing);
    EXPECT_FALSE(seconds->hasFocus());
    MMaudio(w())->setCommand("Pause");
    const qint64 at = MMaudio(w())->position();
    QTest::keyClick(&w(), Qt::Key_I);
    ASSERT_TRUE(waitFor([&] { return MarkIn(w()) == at; })) << "I marks instead of typing";
    EXPECT_EQ(seconds->currentText(), "02");
}

} // namespace
