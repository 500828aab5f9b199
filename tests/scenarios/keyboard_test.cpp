// The keyboard alone, as a user without a mouse works: open an MP3, step to the marks and
// set them, cut, add two clips and join them, each key sent to the control that has the
// focus. Space and Enter press the focused button instead of playing the sound, the step
// keys work whatever has the focus, and Tab reaches every button in reading order and never
// a control no one sees.
#include "app/window_fixture.h"
#include "scenarios/wait_for.h"

#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/mci/player.h"
#include "platform/wav/wav.h"
#include "settings/controltexts.h"
#include "support/test_audio.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QTest>

#include <iostream>

namespace {

using namespace trevisto::test;

class Keyboard : public StartedWindow {
protected:
    void SetUp() override
    {
        StartedWindow::SetUp();
        window_->resize(window_->minimumSize() + QSize(400, 200));
        window_->show();
        activate();
    }
    frmWriteWave &w() { return *window_; }
    Ui::frmWriteWave *u() { return ui(*window_); }

    void activate()
    {
        w().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    }

    // One key, or one chord, pressed where the keyboard sends it: to the control that has
    // the focus, else to the window.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            QWidget *focused = w().focusWidget();
            QTest::keyClick(focused ? focused : &w(), key, modifiers);
            ++keys_;
        }
    }

    // The field a mark is typed in, opened by Shift and the mark's key, then `time` and Enter.
    void typeMark(Qt::Key key, const char *time)
    {
        press(key, Qt::ShiftModifier);
        QWidget *field = w().focusWidget();
        ASSERT_TRUE(field && field->objectName().endsWith(QLatin1String("Field"))) << "the field takes the keys";
        QTest::keyClicks(field, QString::fromLatin1(time));
        ++keys_; // the time counts as one
        press(Qt::Key_Return);
    }

    // The control Tab goes to from `from`: the next in the reading order, after the last
    // the first, that is shown, enabled and taken by Tab.
    QWidget *nextInOrder(QWidget *from)
    {
        const auto order = trevisto::tabOrder();
        qsizetype at = -1;
        for (size_t i = 0; i < order.size(); ++i)
            if (from && from->objectName() == QLatin1String(order[i]))
                at = qsizetype(i);
        for (size_t step = 1; step <= order.size(); ++step) {
            auto *next = w().findChild<QWidget *>(QLatin1String(order[size_t(at + qsizetype(step)) % order.size()]));
            if (next && next->isVisible() && next->isEnabled() && (next->focusPolicy() & Qt::TabFocus))
                return next;
        }
        return nullptr;
    }

    // Tab until `control` has the focus; each Tab goes to the next control in the reading
    // order that the user sees and can use.
    void tabTo(QWidget *control)
    {
        for (int i = 0; i < 60 && w().focusWidget() != control; ++i) {
            QWidget *from = w().focusWidget();
            QWidget *expected = nextInOrder(from);
            press(Qt::Key_Tab);
            QWidget *at = w().focusWidget();
            ASSERT_NE(at, nullptr);
            EXPECT_EQ(at, expected) << "from " << (from ? from->objectName().toStdString() : "nothing") << " to "
                                    << at->objectName().toStdString();
            // Wholly inside the window: nothing below the client area takes the focus.
            EXPECT_TRUE(at->isVisible() &&
                        w().rect().contains(QRect(at->mapTo(&w(), QPoint(0, 0)), at->size())))
                << at->objectName().toStdString();
        }
        ASSERT_EQ(w().focusWidget(), control) << control->objectName().toStdString();
    }

    QByteArray readFile(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The sound data of the working file from `fromMs` to `toMs`, as the cut takes it.
    QByteArray sourceSlice(qint64 fromMs, qint64 toMs)
    {
        const QByteArray source = readFile(NativePath(WorkingFiles::Source));
        // The cut keeps Mark In's nearest frame and the length from there to Mark Out, each
        // rounded to the nearest frame on its own.
        const auto frame = [](qint64 ms) { return (ms * 44100 + 500) / 1000; };
        return source.mid(44 + frame(fromMs) * 4, frame(toMs - fromMs) * 4);
    }

    int keys_ = 0;
    TempDir audio_;
};

TEST_F(Keyboard, OpenMarkCutAddTwoClipsAndJoinThemWithoutAMouse)
{
    const std::string mp3 = audio_.file("song.mp3");
    writeMp3(mp3, makeBusySound(44100, 2, 26.0, 7));
    MciPlayer &source = *MMaudio(w());

    // Ctrl+O, the path typed into the chooser, Enter.
    dialogs_.answerFile(QString::fromStdString(mp3));
    press(Qt::Key_O, Qt::ControlModifier);
    ASSERT_TRUE(waitFor([&] { return source.isOpen() && LoadJob(w()) == trevisto::SourceLoader::Job::None; }, 20000));
    keys_ += 2; // the path counts as one, Enter as one
    activate();
    ASSERT_TRUE(u()->CmdSetin->isEnabled()) << "the marks work before anything plays";
    // The cut waits for the first Play: Space, then Home back to the start.
    press(Qt::Key_Space);
    ASSERT_TRUE(waitFor([&] { return source.state() == MciPlayer::State::Playing; }));
    press(Qt::Key_Home);
    ASSERT_TRUE(waitFor([&] { return source.state() != MciPlayer::State::Playing && source.position() == 0; }));
    ASSERT_TRUE(u()->CmdSetNew->isEnabled());

    // Mark In and Mark Out typed to the millisecond: Shift+I, the time, Enter; Shift+O, ...
    typeMark(Qt::Key_I, "12.005");
    ASSERT_TRUE(waitFor([&] { return MarkIn(w()) == 12005; })) << MarkIn(w());
    typeMark(Qt::Key_O, "00:00:24.004");
    ASSERT_TRUE(waitFor([&] { return MarkOut(w()) == 24004; })) << MarkOut(w());
    EXPECT_NE(source.state(), MciPlayer::State::Playing);

    // Set, then Tab to "Add to list" and Space: the clip, not the sound.
    press(Qt::Key_T, Qt::ControlModifier);
    ASSERT_TRUE(waitFor([&] { return u()->CmdaddList->isEnabled(); }));
    tabTo(u()->CmdaddList);
    dialogs_.answerInput("Intro");
    press(Qt::Key_Space);
    keys_ += 2; // the name, and Enter
    ASSERT_TRUE(waitFor([&] { return u()->List1->count() == 1; }));
    EXPECT_NE(source.state(), MciPlayer::State::Playing) << "Space pressed the button, not Play";
    const QByteArray intro = readFile(NativePath(WorkingFiles::ClipFile("Intro")));
    EXPECT_EQ(intro.mid(44), sourceSlice(12005, 24004));

    // The step keys work with the focus on a button too.
    press(Qt::Key_Greater, Qt::ShiftModifier, 4);
    EXPECT_EQ(source.position(), 4000);
    press(Qt::Key_I);
    press(Qt::Key_Greater, Qt::ShiftModifier, 3);
    press(Qt::Key_O);
    ASSERT_TRUE(waitFor([&] { return MarkIn(w()) == 4000 && MarkOut(w()) == 7000; }));
    press(Qt::Key_T, Qt::ControlModifier);
    ASSERT_TRUE(waitFor([&] { return u()->CmdaddList->isEnabled(); }));
    EXPECT_EQ(w().focusWidget(), u()->CmdaddList) << "the cut leaves the keys where they were";
    tabTo(u()->CmdaddList);
    dialogs_.answerInput("Chorus");
    press(Qt::Key_Return);
    keys_ += 2;
    ASSERT_TRUE(waitFor([&] { return u()->List1->count() == 2; }));
    const QByteArray chorus = readFile(NativePath(WorkingFiles::ClipFile("Chorus")));
    EXPECT_EQ(chorus.mid(44), sourceSlice(4000, 7000));

    // Enter in the list plays it from the selected clip; Space there stops it.
    tabTo(u()->List1);
    press(Qt::Key_Down);
    press(Qt::Key_Up);
    ASSERT_EQ(u()->List1->currentRow(), 0);
    ASSERT_TRUE(u()->List1->currentItem()->isSelected());
    press(Qt::Key_Return);
    ASSERT_TRUE(waitFor([&] { return u()->CmdStopList->isVisible(); }));
    press(Qt::Key_Space);
    ASSERT_TRUE(waitFor([&] { return u()->CmdPlayList->isVisible(); }));

    // Join as WAV: Tab to it, Enter, the path typed, Enter.
    const QString joined = QString::fromStdString(audio_.file("joined.wav"));
    tabTo(u()->Command2);
    dialogs_.answerFile(joined);
    press(Qt::Key_Return);
    keys_ += 2;
    ASSERT_TRUE(waitFor([&] { return QFile::exists(joined) && u()->List1->count() == 0; }, 10000));
    const QByteArray whole = readFile(joined);
    EXPECT_EQ(whole.mid(44), intro.mid(44) + chorus.mid(44));
    EXPECT_EQ(dialogs_.unanswered(), 0) << "one question for each key that asks";
    EXPECT_EQ(dialogs_.asked().size(), 5); // open, two names, the join's chooser, "The file is saved"

    std::cout << "[ keys     ] " << keys_ << " keys and chords for the story" << std::endl;
}

} // namespace
