// What a user made outlives the run: the clip list after a close or a kill, clip files the
// next clip may not write over, and a start that clears away what an interrupted run left.
#include "app/firstframe.h"
#include "app/window_fixture.h"
#include "scenarios/clips_window.h"
#include "scenarios/wait_for.h"

#include "clips/session.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/mci/player.h"
#include "platform/mp3enc/mp3encoder.h"
#include "support/messages.h"
#include "support/test_audio.h"

#include <QFile>
#include <QListWidget>
#include <QMap>

namespace {

using namespace trevisto::test;

using clipstory::filesUnder;
using clipstory::readFile;

void putFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

class Session : public clipstory::WithClips<WindowFixture> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        installLibrary(REAL_BASS_PATH);
    }

    // A new window on the same prefix, started and shown; the last one's questions forgotten.
    void startAgain()
    {
        dialogs_.clear();
        window_.reset();
        ASSERT_TRUE(start());
        window_->show();
    }

    // The list as kept for the next start.
    static QStringList kept() { return trevisto::ReadSessionFile(NativePath(WorkingFiles::Session)).names; }
};

// --- the clip list outlives the run ------------------------------------------------------

TEST_F(Session, TheListComesBackInOrderAfterAClose)
{
    ASSERT_TRUE(start());
    window_->show();
    makeClips({"a", "b", "c"}, 300);
    select(2);
    w().CmdUp_Click();
    ASSERT_EQ(entries(), QStringList({"a", "c", "b"}));
    QMap<QString, QByteArray> clips;
    for (const QString &name : entries())
        clips[name] = readFile(clipFile(name));
    w().close();
    EXPECT_EQ(endCode_, 0);

    startAgain();
    EXPECT_EQ(entries(), QStringList({"a", "c", "b"}));
    EXPECT_EQ(u()->List1->currentRow(), -1);
    for (const QString &name : entries())
        EXPECT_EQ(readFile(clipFile(name)), clips[name]);
    EXPECT_TRUE(u()->CmdCreate->isEnabled()) << "the list buttons fit the list from the start";
    EXPECT_TRUE(dialogs_.asked().isEmpty());
    EXPECT_FALSE(QFile::exists(NativePath(WorkingFiles::Source))) << "only the clips come back";

    // Joined as before, in the kept order.
    const QString out = QString::fromStdString(audio_.file("joined.wav"));
    dialogs_.answerFile(out);
    w().Command2_Click();
    EXPECT_EQ(readFile(out).mid(44), clips["a"].mid(44) + clips["c"].mid(44) + clips["b"].mid(44));
    EXPECT_TRUE(kept().isEmpty());
    startAgain();
    EXPECT_TRUE(entries().isEmpty()) << "the join's deletions empty the kept list";
}

TEST_F(Session, TheListComesBackAfterAKill)
{
    ASSERT_TRUE(start());
    window_->show();
    makeClips({"x", "y"}, 200);
    dialogs_.answerMessage(vbYes);
    select(0);
    w().Command5_Click();
    addClip("w");
    ASSERT_EQ(entries(), QStringList({"y", "w"}));
    EXPECT_EQ(kept(), entries()) << "written at each change";
    // Gone without any of the ways the program ends.
    window_.reset();
    startAgain();
    EXPECT_EQ(entries(), QStringList({"y", "w"}));
}

TEST_F(Session, GoneFilesAreDroppedAndUnrecordedClipFilesListed)
{
    ASSERT_TRUE(start());
    window_->show();
    makeClips({"a", "b", "c"}, 200);
    w().close();
    const QByteArray a = readFile(clipFile("a"));
    ASSERT_TRUE(QFile::remove(clipFile("b")));
    putFile(clipFolder() + "/D.wav", a); // saved just before a crash, never recorded
    putFile(clipFolder() + "/note.txt", "not a clip");

    startAgain();
    EXPECT_EQ(entries(), QStringList({"a", "c", "D"}));
    startAgain();
    EXPECT_EQ(entries(), QStringList({"a", "c", "D"})) << "kept as listed";
}

TEST_F(Session, ADamagedListIsIgnoredAndTheClipFilesListed)
{
    ASSERT_TRUE(start());
    window_->show();
    makeClips({"b", "a"}, 200);
    w().close();
    for (const QByteArray &damage : {QByteArray("not a list\n\xff\n"), QByteArray(2 << 20, 'a')}) {
        SCOPED_TRACE(damage.size());
        putFile(NativePath(WorkingFiles::Session), damage);
        startAgain();
        EXPECT_EQ(entries(), QStringList({"a", "b"})) << "by file name";
        w().close();
        startAgain();
        EXPECT_EQ(entries(), QStringList({"a", "b"})) << "and kept so";
        w().close();
    }
}

TEST_F(Session, TheEndButtonAndTheYesAfterAnMp3JoinEmptyTheList)
{
    ASSERT_TRUE(start());
    window_->show();
    makeClips({"a", "b"}, 200);
    dialogs_.answerMessage(vbOK);
    w().CdmEnd_Click();
    ASSERT_EQ(endCode_, 0);
    EXPECT_TRUE(kept().isEmpty());
    startAgain();
    EXPECT_TRUE(entries().isEmpty());

    makeClips({"c", "d"}, 200);
    dialogs_.answerFile(QString::fromStdString(audio_.file("joined.mp3")));
    w().CmdCreate_Click();
    dialogs_.answerMessage(vbOK);
    dialogs_.answerMessage(vbYes);
    ASSERT_TRUE(waitFor([&] { return !Mp3Enc1(w())->isBusy() && entries().isEmpty(); }, 20000));
    EXPECT_TRUE(kept().isEmpty());
    startAgain();
    EXPECT_TRUE(entries().isEmpty());
}

// --- a clip name is unique against the folder --------------------------------------------

TEST_F(Session, AClipFileAlreadyInTheFolderIsADuplicateNameAndStaysAsItWas)
{
    ASSERT_TRUE(start());
    window_->show();
    // Put there by hand, or the clip of a session that could not be read back.
    putFile(clipFolder() + "/Taken.wav", "a clip of an earlier run");
    openSource(1.0);
    cut(0, 300);
    dialogs_.clear();
    for (const char *answer : {"taken", "TAKEN", "fresh"})
        dialogs_.answerInput(answer);
    w().CmdaddList_Click();
    EXPECT_EQ(messages(), QStringList({" Name already existed, please input another name",
                                       " Name already existed, please input another name"}));
    EXPECT_EQ(dialogs_.asked().size(), 5) << "the input box again after each";
    EXPECT_EQ(dialogs_.unanswered(), 0);
    EXPECT_EQ(readFile(clipFolder() + "/Taken.wav"), "a clip of an earlier run") << "nothing written over";
    EXPECT_TRUE(entries().contains("fresh"));
    EXPECT_FALSE(entries().contains("taken", Qt::CaseInsensitive));
    EXPECT_EQ(readFile(clipFile("fresh")), readFile(NativePath(WorkingFiles::Result)));
}

// --- the sweep at start-up ---------------------------------------------------------------

TEST_F(Session, WhatAnInterruptedRunLeftIsGoneBeforeTheWindowShows)
{
    ASSERT_TRUE(start());
    w().close();
    window_.reset();
    const QStringList leftovers = {
        NativePath(WorkingFiles::SourceInProgress),
        NativePath(WorkingFiles::Concat),
        NativePath("C:\\") + "/.temp.new.wav.k3j4h5g6.tmp",
        clipFolder() + "/.a.wav.abcdefgh.tmp",
        prefix_ + "/.system.reg.0a1b2c3d.tmp",
        prefix_ + "/held/3-a.wav", // a clip deleted in that run, held for Undo
    };
    ASSERT_TRUE(QDir().mkpath(prefix_ + "/held"));
    for (const QString &file : leftovers)
        putFile(file, "left by a killed run");
    putFile(clipFolder() + "/kept.wav", "a clip");
    const QStringList before = filesUnder(prefix_);

    // Start-up alone, before the window is shown.
    ASSERT_TRUE(start());
    QStringList expected = before;
    for (const QString &file : leftovers)
        expected.removeAll(QDir(prefix_).relativeFilePath(file));
    const QStringList after = filesUnder(prefix_);
    for (const QString &file : expected)
        EXPECT_TRUE(after.contains(file)) << file.toStdString();
    for (const QString &file : leftovers)
        EXPECT_FALSE(QFile::exists(file)) << file.toStdString();
    EXPECT_TRUE(dialogs_.asked().isEmpty()) << "the sweep says nothing";
}

TEST_F(Session, ACopyRefusedAtTheLockSweepsNothing)
{
    ASSERT_TRUE(start());
    // The running copy's files in progress look just like leftovers.
    const QStringList inProgress = {NativePath(WorkingFiles::SourceInProgress),
                                    clipFolder() + "/.a.wav.abcdefgh.tmp", prefix_ + "/.system.reg.0a1b2c3d.tmp",
                                    prefix_ + "/held/1-a.wav"};
    ASSERT_TRUE(QDir().mkpath(prefix_ + "/held"));
    for (const QString &file : inProgress)
        putFile(file, "being written");

    ScriptedDialogs otherDialogs;
    frmWriteWave other(otherDialogs, programFolder_);
    EXPECT_FALSE(other.Form_Load());
    for (const QString &file : inProgress)
        EXPECT_TRUE(QFile::exists(file)) << file.toStdString();
}

// --- start-up after the first frame ------------------------------------------------------

// The window goes on screen before the decoding library is checked, the kept list read, the
// mixer found and the Goto lists filled. Until then nothing that acts on them can be used;
// once the first frame is shown all of it is done, as the program runs it. A second copy is
// still refused before it shows anything.
TEST_F(Session, TheKeptClipsAndTheGotoListsComeAfterTheFirstFrame)
{
    ASSERT_TRUE(start());
    window_->show();
    makeClips({"a", "b", "c"}, 300);
    w().close();
    dialogs_.clear();
    window_.reset();

    makeWindow();
    ASSERT_TRUE(window_->Form_Load());
    const QList<QWidget *> late = {u()->List1,    u()->Knob1,     u()->cmbHH,       u()->CmbMM,
                                   u()->CmbSS,    u()->CmdCreate, u()->Command2,    u()->Command4,
                                   u()->CmdPlayList, u()->btnLoadFile};
    const QList<QAction *> lateItems = {u()->Open1, u()->ogg, u()->aiff};
    for (QWidget *control : late)
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    for (QAction *item : lateItems)
        EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
    EXPECT_FALSE(window_->acceptDrops()) << "a dropped sound would need the decoding library";
    EXPECT_EQ(Bass(*window_).GetVersion, nullptr) << "the decoding library comes after the first frame";
    EXPECT_EQ(u()->List1->count(), 0);
    EXPECT_EQ(u()->cmbHH->count(), 0);

    ScriptedDialogs otherDialogs;
    frmWriteWave other(otherDialogs, programFolder_);
    EXPECT_FALSE(other.Form_Load());
    ASSERT_EQ(otherDialogs.asked().size(), 1);
    EXPECT_TRUE(otherDialogs.asked().front().text.startsWith("Trevisto MP3 Editor is already running"));
    EXPECT_EQ(endCode_, 1);
    endCode_.reset();

    window_->show();
    bool finished = false;
    trevisto::FirstFrame::after(*window_, [&] {
        window_->FinishStarting();
        finished = true;
    });
    ASSERT_TRUE(waitFor([&] { return finished; }));
    EXPECT_EQ(entries(), QStringList({"a", "b", "c"}));
    for (QWidget *control : late)
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    for (QAction *item : lateItems)
        EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
    EXPECT_TRUE(window_->acceptDrops());
    EXPECT_EQ(Bass(*window_).GetVersion(), 0x00020002u);
    EXPECT_FALSE(u()->CmdUp->isEnabled()) << "nothing is selected";
    EXPECT_EQ(u()->cmbHH->count(), 13);
    EXPECT_EQ(u()->CmbSS->count(), 60);
    EXPECT_EQ(u()->CmbMM->currentText(), "00");
    EXPECT_TRUE(Timer1(*window_)->isActive());
    EXPECT_FALSE(window_->windowIcon().isNull());
    EXPECT_TRUE(dialogs_.asked().isEmpty());
    EXPECT_FALSE(endCode_.has_value());

    // Finishing again changes nothing: the list is not read a second time.
    EXPECT_TRUE(window_->FinishStarting());
    EXPECT_EQ(entries(), QStringList({"a", "b", "c"}));
}

} // namespace
