// Undo and Redo as the user works them through the Edit menu and its keys: deleted and
// joined clips come back with their files, a dragged mark and an earlier cut come back,
// steps undone and redone give the same list and files, and a clip brought back still
// joins by copying its source's frames.
#include "scenarios/clips_window.h"

#include "clips/session.h"
#include "editor/timetext.h"
#include "platform/mp3frames/index.h"
#include "ui/closeview.h"
#include "ui/waveslider.h"

#include <QTest>

#include <map>

namespace {

using namespace clipstory;

class Undo : public ClipsWindow {
protected:
    QAction *undoItem() { return u()->EditUndo; }
    QAction *redoItem() { return u()->EditRedo; }
    void undo() { undoItem()->trigger(); }
    void redo() { redoItem()->trigger(); }

    // Every clip file's bytes by name, and the list as kept for the next start.
    std::map<QString, QByteArray> clipFiles() const
    {
        std::map<QString, QByteArray> files;
        for (const QString &name : filesUnder(clipFolder()))
            files[name] = readFile(clipFolder() + '/' + name);
        return files;
    }
    static QStringList kept() { return trevisto::ReadSessionFile(NativePath(WorkingFiles::Session)).names; }
    QStringList held() const { return QDir(prefix_ + "/held").entryList(QDir::Files); }
};

TEST_F(Undo, ADeletedClipComesBackInItsPlaceWithItsFile)
{
    makeClips({"a", "b", "c"}, 300);
    const auto files = clipFiles();
    EXPECT_EQ(undoItem()->text(), "Undo Add clip c");
    const qsizetype heldBefore = held().size();
    select(1);
    dialogs_.answerMessage(vbYes);
    w().Command5_Click();
    ASSERT_EQ(entries(), QStringList({"a", "c"}));
    ASSERT_FALSE(QFile::exists(clipFile("b")));
    EXPECT_EQ(held().size(), heldBefore + 1) << "the clip's file waits for Undo";
    EXPECT_EQ(undoItem()->text(), "Undo Delete clip b");
    EXPECT_EQ(dialogs_.asked().size(), 1) << "the question is asked as before";

    // Ctrl+Z, with the window active.
    w().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    QTest::keyClick(&w(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(entries(), QStringList({"a", "b", "c"}));
    EXPECT_EQ(clipFiles(), files);
    EXPECT_EQ(kept(), QStringList({"a", "b", "c"}));
    EXPECT_EQ(redoItem()->text(), "Redo Delete clip b");
    EXPECT_TRUE(redoItem()->isEnabled());

    // Ctrl+Y takes it again, leaving nothing selected as the deletion did.
    QTest::keyClick(&w(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(entries(), QStringList({"a", "c"}));
    EXPECT_FALSE(QFile::exists(clipFile("b")));
    EXPECT_EQ(held().size(), heldBefore + 1);
    EXPECT_EQ(selected(), -1);
    EXPECT_EQ(dialogs_.unanswered(), 0);
}

TEST_F(Undo, EveryClipAJoinToWavLetGoComesBack)
{
    makeClips({"a", "b", "c"}, 300);
    select(2);
    w().CmdUp_Click();
    const QStringList order = {"a", "c", "b"};
    ASSERT_EQ(entries(), order);
    const auto files = clipFiles();
    const QString out = outPath("joined.wav");
    dialogs_.answerFile(out);
    w().Command2_Click();
    ASSERT_TRUE(entries().isEmpty());
    const QByteArray joined = readFile(out);
    ASSERT_FALSE(joined.isEmpty());
    EXPECT_EQ(undoItem()->text(), "Undo Delete the clips joined into joined.wav");

    undo();
    EXPECT_EQ(entries(), order);
    EXPECT_EQ(clipFiles(), files);
    EXPECT_EQ(kept(), order);
    EXPECT_EQ(readFile(out), joined) << "the joined file stays";
    EXPECT_EQ(undoItem()->text(), "Undo Move clip c");
}

TEST_F(Undo, TheClipsTheYesAfterAnMp3JoinDeletedComeBack)
{
    makeClips({"a", "b"}, 300);
    const auto files = clipFiles();
    dialogs_.answerFile(outPath("joined.mp3"));
    dialogs_.answerMessage(vbOK);
    dialogs_.answerMessage(vbYes);
    w().CmdCreate_Click();
    // A clip added while the MP3 is written did not go into it, and stays.
    cut(0, 100);
    addClip("late");
    ASSERT_TRUE(waitForEncoding());
    ASSERT_EQ(messages(), QStringList({"The file is saved", "Do You want to delete ALL temp file "}));
    ASSERT_EQ(entries(), QStringList{"late"});
    EXPECT_EQ(undoItem()->text(), "Undo Delete the clips joined into joined.mp3");

    undo();
    EXPECT_EQ(entries(), QStringList({"a", "b", "late"}));
    std::map<QString, QByteArray> now = clipFiles();
    now.erase("late.wav");
    EXPECT_EQ(now, files);
}

TEST_F(Undo, AMarkDraggedInTheCloseViewIsOneStepBack)
{
    w().resize(w().minimumSize() + QSize(400, 200));
    openSource(3.0);
    CloseView &view = *closeView(w());
    ASSERT_TRUE(view.isVisible());
    const double y = view.height() / 2.0;
    const auto drag = [&](double fromMs, double toMs) {
        const QPointF from(view.xOfMs(qint64(fromMs)), y), to(view.xOfMs(qint64(toMs)), y);
        const auto send = [&](QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
            QMouseEvent e(type, at, view.mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
            QCoreApplication::sendEvent(&view, &e);
        };
        send(QEvent::MouseButtonPress, from, Qt::LeftButton);
        for (int i = 1; i <= 8; ++i)
            send(QEvent::MouseMove, from + (to - from) * (i / 8.0), Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::NoButton);
    };
    ASSERT_EQ(MarkIn(w()), 0);
    EXPECT_FALSE(undoItem()->isEnabled()) << "opening a sound is no step";

    drag(0, 1200);
    const qint32 dragged = MarkIn(w());
    ASSERT_NEAR(dragged, 1200, 15);
    EXPECT_EQ(undoItem()->text(), "Undo Mark In at " + MillisecondText(dragged));
    drag(dragged, 2000);
    ASSERT_NEAR(MarkIn(w()), 2000, 15);

    // One step a drag, however many moves it made.
    undo();
    EXPECT_EQ(MarkIn(w()), dragged);
    EXPECT_EQ(view.markIn(), dragged);
    undo();
    EXPECT_EQ(MarkIn(w()), 0);
    EXPECT_EQ(view.markIn(), 0);
    EXPECT_EQ(u()->Txtin->text(), "00:00:00");
    EXPECT_EQ(u()->Txtin->toolTip(), MillisecondText(0));
    EXPECT_FALSE(undoItem()->isEnabled());
    redo();
    EXPECT_EQ(MarkIn(w()), dragged);
    EXPECT_EQ(u()->Txtin->text(), ClockText(dragged / 1000.0));

    // The Mark In button and its key are steps as well.
    MMaudio(w())->setPosition(500);
    w().CmdSetin_Click();
    EXPECT_EQ(MarkIn(w()), 500);
    undo();
    EXPECT_EQ(MarkIn(w()), dragged);
}

TEST_F(Undo, AfterTwoCutsUndoPlaysTheFirstResultAgain)
{
    openSource(2.0);
    cut(100, 600);
    const QByteArray first = readFile(NativePath(WorkingFiles::Result));
    const qint64 firstLength = MMControl1(w())->length();
    cut(700, 1500);
    const qint64 secondLength = MMControl1(w())->length();
    ASSERT_NE(readFile(NativePath(WorkingFiles::Result)), first);
    ASSERT_NE(secondLength, firstLength);
    EXPECT_EQ(undoItem()->text(), "Undo Cut from 00:00:00.700 to 00:00:01.500");

    undo();
    EXPECT_EQ(readFile(NativePath(WorkingFiles::Result)), first);
    ASSERT_TRUE(MMControl1(w())->isOpen());
    EXPECT_EQ(MMControl1(w())->length(), firstLength);
    EXPECT_EQ(u()->Slider1->cutRange(), (std::pair<qint64, qint64>(100, 600)));
    EXPECT_EQ(u()->Label4->text(), PositionText(MMControl1(w())->position(), MMControl1(w())->length()));
    EXPECT_EQ(enabled({u()->CmdPlayTemp, u()->CmdStopTemp, u()->CmdSaveas, u()->Command3, u()->CmdaddList}), "EEEEE");
    u()->CmdPlayTemp->click();
    EXPECT_EQ(MMControl1(w())->state(), MciPlayer::State::Playing);
    // A clip made now is the first cut; the second cut can no longer be redone, and its
    // result goes with its step.
    addClip("first");
    EXPECT_EQ(clipData("first"), first.mid(44));
    EXPECT_TRUE(held().isEmpty());
    EXPECT_EQ(undoItem()->text(), "Undo Add clip first");
    EXPECT_FALSE(redoItem()->isEnabled());

    // Undo while it plays stops it first; before the first cut there was no result.
    u()->CmdPlayTemp->click();
    undo(); // the clip
    undo(); // the first cut
    EXPECT_FALSE(undoItem()->isEnabled());
    EXPECT_FALSE(MMControl1(w())->isOpen());
    EXPECT_FALSE(QFile::exists(NativePath(WorkingFiles::Result)));
    EXPECT_EQ(enabled({u()->CmdPlayTemp, u()->CmdSaveas, u()->CmdaddList}), "DDD");
    EXPECT_EQ(enabled(resultLocked()), "EEEEEEE") << "the source's controls are free again";
    EXPECT_FALSE(u()->Slider1->cutRange());
    EXPECT_EQ(held().size(), 2) << "the first result and the clip wait for Redo";

    redo();
    redo();
    EXPECT_EQ(MMControl1(w())->length(), firstLength);
    EXPECT_EQ(u()->Slider1->cutRange(), (std::pair<qint64, qint64>(100, 600)));
    EXPECT_EQ(entries(), QStringList{"first"});
    EXPECT_EQ(clipData("first"), first.mid(44));
}

TEST_F(Undo, ThreeStepsUndoneAndRedoneGiveTheSameListAndFiles)
{
    makeClips({"a", "b", "c"}, 300);
    const QStringList before = entries();
    const auto filesBefore = clipFiles();

    select(0);
    w().CmdDown_Click(); // b a c
    dialogs_.answerMessage(vbYes);
    w().Command4_Click(); // nothing
    addClip("d");         // the last cut again, as d
    ASSERT_EQ(entries(), QStringList{"d"});
    const auto filesAfter = clipFiles();
    ASSERT_EQ(filesAfter.size(), 1u);

    const QStringList undoTexts = {"Undo Add clip d", "Undo Delete all clips", "Undo Move clip a"};
    for (const QString &text : undoTexts) {
        EXPECT_EQ(undoItem()->text(), text);
        undo();
    }
    EXPECT_EQ(entries(), before);
    EXPECT_EQ(clipFiles(), filesBefore);
    EXPECT_EQ(kept(), before);
    for (int i = 0; i < 3; ++i)
        redo();
    EXPECT_EQ(entries(), QStringList{"d"});
    EXPECT_EQ(clipFiles(), filesAfter);
    EXPECT_EQ(kept(), QStringList{"d"});
    EXPECT_FALSE(redoItem()->isEnabled());
}

TEST_F(Undo, AnotherSoundRetiresTheMarksAndCutsButNotTheClips)
{
    makeClips({"a", "b"}, 300);
    MMaudio(w())->setPosition(100);
    w().CmdOut_Click();
    ASSERT_EQ(undoItem()->text(), "Undo Mark out at 00:00:00.100");
    ASSERT_EQ(held().size(), 1) << "the first cut's result";
    openSource(1.0);
    EXPECT_EQ(undoItem()->text(), "Undo Add clip b");
    EXPECT_TRUE(held().isEmpty()) << "the old sound's results are gone with their steps";
    undo();
    EXPECT_EQ(undoItem()->text(), "Undo Add clip a");
    undo();
    EXPECT_TRUE(entries().isEmpty());
    EXPECT_FALSE(undoItem()->isEnabled());
    EXPECT_EQ(MarkOut(w()), 1000) << "the new sound's mark stays";
    EXPECT_FALSE(MMControl1(w())->isOpen()) << "no result of the old sound comes back";
    redo();
    redo();
    EXPECT_EQ(entries(), QStringList({"a", "b"}));
}

// Clips cut from an MP3 keep where they came from through a restart and through Undo, so a
// join with "Copy" copies the source's frames instead of encoding the sound again.
class UndoCopy : public WithClips<WindowFixture> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        installLibrary(REAL_BASS_PATH);
        ASSERT_TRUE(start());
        window_->show();
    }
    QString path(const char *name) const { return QString::fromStdString(audio_.file(name)); }
};

TEST_F(UndoCopy, AClipBroughtBackStillJoinsByCopyingFrames)
{
    writeMp3(audio_.file("source.mp3"), makeTone(44100, 2, 3.0, 440), Mp3Options{192});
    dialogs_.answerFile(path("source.mp3"));
    w().Open1_Click();
    ASSERT_TRUE(MMaudio(w())->isOpen());
    cut(0, 1000);
    addClip("a");
    cut(1000, 2000);
    addClip("b");

    // The next start lists them with their origins.
    dialogs_.clear();
    window_.reset();
    ASSERT_TRUE(start());
    window_->show();
    ASSERT_EQ(entries(), QStringList({"a", "b"}));

    select(0);
    dialogs_.answerMessage(vbYes);
    w().Command5_Click();
    u()->EditUndo->trigger();
    ASSERT_EQ(entries(), QStringList({"a", "b"}));

    u()->Option5->click();
    dialogs_.clear();
    dialogs_.answerFile(path("joined.mp3"));
    dialogs_.answerMessage(vbOK);
    dialogs_.answerMessage(vbNo);
    w().CmdCreate_Click();
    ASSERT_TRUE(waitForEncoding());
    // Copied straight through: the clips go on where the one before ended, nothing encoded.
    EXPECT_EQ(messages(), QStringList({"The file is saved", "Do You want to delete ALL temp file "}));
    EXPECT_EQ(Mp3Enc1(w())->status(), Mp3Encoder::Idle) << "nothing was encoded";
    const auto index = trevisto::mp3frames::indexMp3(audio_.file("joined.mp3"));
    ASSERT_TRUE(index.index);
    const auto &frames = index.index->frames;
    ASSERT_GT(frames.size(), 60u);
    const QByteArray joined = readFile(path("joined.mp3"));
    const QByteArray source = readFile(path("source.mp3"));
    // Frames from the middle of each clip lie in the source as they are.
    for (size_t at : {size_t(10), frames.size() - 20}) {
        const QByteArray frame = joined.mid(qsizetype(frames[at].offset), qsizetype(frames[at + 1].offset - frames[at].offset));
        EXPECT_TRUE(source.contains(frame)) << "frame " << at;
    }
    EXPECT_EQ(frames.back().parsedHeader().bitRate(), 192);
}

} // namespace
