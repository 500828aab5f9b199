// The close view and the precise keys, as the user works them: a mark dragged at the
// deepest zoom is where the cut starts, steps of 10 ms and a second move a standing sound,
// the marked range plays and stops at Mark Out, Goto leaves the keys to the window, the
// zoom keys and the ruler find a place, a drag across the ruler marks a range as one step,
// marks snap to zero crossings once asked, and marks can be typed.
#include "app/window_fixture.h"
#include "scenarios/wait_for.h"

#include "core/routines.h"
#include "core/workingfiles.h"
#include "editor/timetext.h"
#include "platform/mci/player.h"
#include "platform/wav/wav.h"
#include "settings/registry_settings.h"
#include "support/test_audio.h"
#include "ui/closeview.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QRegularExpression>
#include <QToolButton>
#include <QWheelEvent>

#include <cmath>
#include <cstring>
#include <functional>
#include <numbers>

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
        openSource(3, [](size_t i) { return int16_t(i % 30000); });
    }

    // `seconds` of 44.1 kHz mono whose frame i holds sample(i).
    void openSource(int seconds, const std::function<int16_t(size_t)> &sample)
    {
        std::vector<int16_t> samples(size_t(seconds) * 44100);
        for (size_t i = 0; i < samples.size(); ++i)
            samples[i] = sample(i);
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

    // The same with Shift held.
    void shiftDrag(QPointF from, QPointF to)
    {
        const auto send = [&](QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
            QMouseEvent e(type, at, view().mapToGlobal(at), Qt::LeftButton, buttons, Qt::ShiftModifier);
            QCoreApplication::sendEvent(&view(), &e);
        };
        send(QEvent::MouseButtonPress, from, Qt::LeftButton);
        for (int i = 1; i <= 8; ++i)
            send(QEvent::MouseMove, from + (to - from) * (i / 8.0), Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::NoButton);
    }

    // Types `text` into a mark's field, opened by a double click on its readout.
    void typeMark(bool markIn, const QString &text, bool enter = true)
    {
        const QPoint at = view().readoutRect(markIn).center();
        QTest::mouseDClick(&view(), Qt::LeftButton, Qt::NoModifier, at);
        QLineEdit *field = view().markField();
        ASSERT_TRUE(field);
        ASSERT_TRUE(field->hasFocus() || !w().isActiveWindow());
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
        if (enter)
            QTest::keyClick(field, Qt::Key_Return);
    }
    qint64 shownMs() { return view().span().lastMs() - view().span().firstMs(); }

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
    ASSERT_EQ(bar.size(), 4) << "three to play, one option";
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

TEST_F(CloseViewWindow, TypedMarksCtrlEAndTheRulerInMilliseconds)
{
    openSource(20, [](size_t i) { return int16_t(i % 30000); });
    typeMark(true, "00:00:10.000");
    EXPECT_EQ(MarkIn(w()), 10000);
    typeMark(false, "10.5");
    EXPECT_EQ(MarkOut(w()), 10500);
    EXPECT_EQ(ui(w())->TxtOut->text(), ClockText(10.5));
    EXPECT_FALSE(view().markField()) << "Enter closes the field";

    QTest::keyClick(&w(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_GE(shownMs(), 500);
    EXPECT_LE(shownMs(), 700);
    EXPECT_GT(view().xOfMs(10000), 0);
    EXPECT_LT(view().xOfMs(10500), view().width());
    const RulerLayout ruler = view().ruler();
    int labels = 0;
    for (const RulerTick &t : ruler.ticks)
        if (!t.label.isEmpty()) {
            ++labels;
            EXPECT_TRUE(QRegularExpression("^0:\\d\\d\\.\\d{3}$").match(t.label).hasMatch()) << t.label.toStdString();
        }
    EXPECT_GE(labels, 3);
    EXPECT_LT(ruler.stepMs, 1000);
    // The slider's groove frames what the view shows.
    const auto framed = ui(w())->Slider1->shownRange();
    ASSERT_TRUE(framed);
    EXPECT_EQ(framed->first, view().span().firstMs());
    EXPECT_EQ(framed->second, view().span().lastMs());
    // A window too small for the view frames nothing; grown again, it frames the view.
    const QSize size = w().size();
    w().resize(w().minimumSize());
    QCoreApplication::processEvents();
    ASSERT_FALSE(view().isVisible());
    EXPECT_FALSE(ui(w())->Slider1->shownRange());
    w().resize(size);
    QCoreApplication::processEvents();
    ASSERT_TRUE(view().isVisible());
    EXPECT_TRUE(ui(w())->Slider1->shownRange());

    // The zoom keys: twice as close around the play position, twice as far, and whole.
    MMaudio(w())->setPosition(10250);
    view().setPosition(10250);
    const qint64 before = shownMs();
    QTest::keyClick(&w(), Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_NEAR(shownMs(), before / 2.0, 2);
    QTest::keyClick(&w(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_NEAR(shownMs(), before / 4.0, 2);
    QTest::keyClick(&w(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_NEAR(shownMs(), before / 2.0, 2);
    EXPECT_GT(view().xOfMs(10250), 0);
    EXPECT_LT(view().xOfMs(10250), view().width());
    // Ctrl+wheel: a notch is a factor of two as well.
    const QPointF middle(view().width() / 2.0, view().height() / 2.0);
    QWheelEvent wheel(middle, view().mapToGlobal(middle), {}, {0, -120}, Qt::NoButton, Qt::ControlModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&view(), &wheel);
    EXPECT_NEAR(shownMs(), before, 3);
    QTest::keyClick(&w(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_TRUE(view().span().showsWhole());
    EXPECT_FALSE(ui(w())->Slider1->shownRange()) << "nothing to frame on the whole sound";

    // Too late is refused as it is typed; too early cannot be entered.
    typeMark(false, "25", false);
    EXPECT_EQ(view().markField()->text(), "2") << "the 5 would pass the end";
    QTest::keyClick(view().markField(), Qt::Key_Return);
    EXPECT_EQ(MarkOut(w()), 10500) << "2 s is before Mark In";
    QTest::keyClick(view().markField(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_FALSE(view().markField());
    EXPECT_EQ(MarkOut(w()), 10500);

    // The mark's label under its button opens the same field, over the label.
    QTest::mouseDClick(ui(w())->TxtOut, Qt::LeftButton);
    QLineEdit *field = view().markField();
    ASSERT_TRUE(field);
    EXPECT_EQ(field->parentWidget(), ui(w())->TxtOut->parentWidget());
    EXPECT_EQ(field->text(), "00:00:10.500");
    field->selectAll();
    QTest::keyClicks(field, "0:11.25");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(MarkOut(w()), 11250);
    EXPECT_EQ(ui(w())->TxtOut->text(), ClockText(11.25));
    // Undo takes a typed mark back as any other.
    ui(w())->EditUndo->trigger();
    EXPECT_EQ(MarkOut(w()), 10500);
}

TEST_F(CloseViewWindow, ADragAcrossTheRulerMarksARangeAsOneStep)
{
    openSource(20, [](size_t i) { return int16_t(i % 30000); });
    view().span().showMs(4000, 8000, 0);
    view().spanMoved();
    const double rulerY = CloseView::ReadoutHeight + 4;
    const double x1 = 123.4, x2 = view().width() - 77.7;
    const double msPerPixel = view().span().framesPerPixel() / 44.1;
    const qint64 at1 = view().span().msAt(x1), at2 = view().span().msAt(x2);
    drag({x1, rulerY}, {x2, rulerY});
    EXPECT_NEAR(MarkIn(w()), at1, msPerPixel);
    EXPECT_NEAR(MarkOut(w()), at2, msPerPixel);
    EXPECT_EQ(ui(w())->Txtin->text(), ClockText(MarkIn(w()) / 1000.0));
    EXPECT_EQ(ui(w())->EditUndo->text().contains(MillisecondText(MarkOut(w()))), true)
        << ui(w())->EditUndo->text().toStdString();
    // One Undo takes both marks back.
    ui(w())->EditUndo->trigger();
    EXPECT_EQ(MarkIn(w()), 0);
    EXPECT_EQ(MarkOut(w()), 20000);
    EXPECT_EQ(view().markIn(), 0);
    EXPECT_EQ(view().markOut(), 20000);
    ui(w())->EditRedo->trigger();
    EXPECT_NEAR(MarkIn(w()), at1, msPerPixel);

    // Shift+drag over the waveform, right to left, marks the same way round.
    const double waveY = view().height() / 2.0;
    shiftDrag({x2 - 10, waveY}, {x1 + 10, waveY});
    EXPECT_NEAR(MarkIn(w()), view().span().msAt(x1 + 10), msPerPixel);
    EXPECT_NEAR(MarkOut(w()), view().span().msAt(x2 - 10), msPerPixel);
    // A plain drag over the waveform still scrolls and marks nothing.
    const qint64 in = MarkIn(w());
    const double first = view().span().first();
    drag({x1, waveY}, {x2, waveY});
    EXPECT_EQ(MarkIn(w()), in);
    EXPECT_LT(view().span().first(), first);
}

TEST_F(CloseViewWindow, MarksSnapToZeroCrossingsOnceAskedAndTheChoiceIsKept)
{
    // 100 Hz: a crossing every 5 ms, at 1000 ms + k * 5 ms exactly (frame 44100 + k * 220.5).
    openSource(3, [](size_t i) { return int16_t(std::lround(20000 * std::sin(2 * std::numbers::pi * 100 * double(i) / 44100))); });
    QAction *snap = w().findChild<QAction *>("SnapToZero");
    ASSERT_TRUE(snap);
    EXPECT_FALSE(snap->isChecked());
    auto *button = view().findChild<QToolButton *>("SnapToZero");
    ASSERT_TRUE(button);
    EXPECT_EQ(button->defaultAction(), snap);
    EXPECT_TRUE(button->isVisible() && button->isEnabled());

    // Off: the marks are where they are put.
    MciPlayer &p = *MMaudio(w());
    p.setPosition(1002);
    w().CmdSetin_Click();
    EXPECT_EQ(MarkIn(w()), 1002);

    snap->trigger();
    EXPECT_EQ(RegReadString("SOFTWARE\\Trevisto", "SnapToZeroCrossings"), "1");
    // 1002 ms is 2 ms past the crossing at 1000 ms and 3 ms before the next.
    p.setPosition(1002);
    w().CmdSetin_Click();
    EXPECT_EQ(MarkIn(w()), 1000);
    // Both ends of a range dragged across the ruler snap, each to its nearer crossing.
    view().span().showMs(1100, 1900, 0);
    view().spanMoved();
    const double rulerY = CloseView::ReadoutHeight + 4.0;
    drag({view().xOfMs(1202), rulerY}, {view().xOfMs(1798), rulerY});
    EXPECT_EQ(MarkIn(w()), 1200);
    EXPECT_EQ(MarkOut(w()), 1800);
    // So does a dragged handle; a typed mark stays as typed.
    const double y = view().height() / 2.0;
    drag({view().xOfMs(1800), y}, {view().xOfMs(1502), y});
    EXPECT_EQ(MarkOut(w()), 1500);
    typeMark(true, "1.203");
    EXPECT_EQ(MarkIn(w()), 1203);

    snap->trigger();
    EXPECT_EQ(RegReadString("SOFTWARE\\Trevisto", "SnapToZeroCrossings"), "0");
    p.setPosition(1002);
    w().CmdSetin_Click();
    EXPECT_EQ(MarkIn(w()), 1002);
}

TEST_F(CloseViewWindow, TheReadoutsStayClearOfTheHandlesAndTheTipIsWrapped)
{
    openSource(20, [](size_t i) { return int16_t(i % 30000); });
    // Both marks under the readouts: their handles stay in the ruler below.
    view().span().showMs(0, 2000, 0);
    view().spanMoved();
    MarkIn(w()) = int(view().span().msAt(view().readoutRect(true).center().x()));
    MarkOut(w()) = int(view().span().msAt(view().readoutRect(false).center().x()));
    view().setMarks(MarkIn(w()), MarkOut(w()));
    const QImage image = view().grab().toImage();
    const QColor handles[] = {QColor(0x1e, 0x8c, 0x3a), QColor(0xc0, 0x39, 0x2b)};
    ASSERT_EQ(image.width(), view().width());
    int highest = image.height();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            for (const QColor &c : handles)
                if (image.pixelColor(x, y) == c)
                    highest = std::min(highest, y);
    EXPECT_LT(highest, CloseView::RulerHeight) << "the handles are drawn";
    EXPECT_GE(highest, CloseView::ReadoutHeight) << "and none in the readouts' row";

    const QStringList lines = view().toolTip().split('\n');
    EXPECT_GE(lines.size(), 4);
    for (const QString &line : lines)
        EXPECT_LE(line.size(), 100) << line.toStdString();
}

} // namespace
