// The window acts on what it shows and loses nothing the user made: the selection is what
// is highlighted, list playback ends cleanly, questions that delete default to No, and a
// join deletes only what it joined.
#include "app/window_fixture.h"
#include "scenarios/clips_window.h"
#include "scenarios/wait_for.h"

#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/mci/player.h"
#include "platform/mp3enc/mp3encoder.h"
#include "support/messages.h"
#include "support/test_audio.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>

#include <functional>
#include <map>

namespace {

using namespace trevisto::test;

class Trust : public clipstory::ClipsWindow {
protected:
    // A left click on the list at `at`, with `modifiers`.
    void clickList(QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *viewport = u()->List1->viewport();
        const QPointF global = viewport->mapToGlobal(QPointF(at));
        for (auto [type, buttons] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                     std::pair{QEvent::MouseButtonRelease, Qt::NoButton}}) {
            QMouseEvent e(type, QPointF(at), global, Qt::LeftButton, buttons, modifiers);
            QCoreApplication::sendEvent(viewport, &e);
        }
    }
};

// Nothing highlighted is nothing selected, however the list got there: no button acts on
// the current row the list keeps behind the scenes.
TEST_F(Trust, ACurrentRowThatIsNotHighlightedIsNoSelection)
{
    makeClips({"a", "b", "c"}, 200);
    Timer1(w())->stop();
    const struct {
        const char *what;
        std::function<void()> unhighlight;
    } cases[] = {
        {"a click on the blank part",
         [&] {
             select(1);
             clickList({5, u()->List1->viewport()->height() - 3});
         }},
        {"a Ctrl+click on the highlighted entry",
         [&] {
             select(1);
             clickList(u()->List1->visualItemRect(u()->List1->item(1)).center(), Qt::ControlModifier);
         }},
        {"tabbing into the list",
         [&] {
             select(-1);
             QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
             QCoreApplication::sendEvent(u()->List1, &in);
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        c.unhighlight();
        ASSERT_GE(u()->List1->currentRow(), 0) << "the list keeps a current row";
        ASSERT_TRUE(u()->List1->selectedItems().isEmpty()) << "and shows nothing picked";
        EXPECT_EQ(enabled(listButtons()), "EEEEEDE") << "the buttons follow at once, not on the next tick";

        dialogs_.clear();
        w().Command5_Click();
        w().CmdUp_Click();
        w().CmdDown_Click();
        EXPECT_TRUE(dialogs_.asked().isEmpty()) << "no deletion asked";
        EXPECT_EQ(entries(), QStringList({"a", "b", "c"}));
        w().CmdPlayList_Click();
        EXPECT_EQ(messages(), QStringList{"Please select a clip first."});
        EXPECT_TRUE(listIdle());
        EXPECT_FALSE(MMCPlayList(w())->isOpen());
    }
}

TEST_F(Trust, DeletingAllWhileTheListPlaysEndsTheListPlayback)
{
    makeClips({"a", "b", "c"}, 400);
    const QString before = enabled(listLocked());
    select(0);
    w().CmdPlayList_Click();
    ASSERT_TRUE(waitFor([&] { return MMCPlayList(w())->state() == MciPlayer::State::Playing; }));
    dialogs_.answerMessage(vbYes);
    w().Command4_Click();
    EXPECT_TRUE(entries().isEmpty());
    EXPECT_TRUE(listIdle()) << "Play list is back, Stop list gone";
    EXPECT_EQ(enabled(listLocked()), before);
    EXPECT_FALSE(MMCPlayList(w())->isOpen());
}

// The end of list playback leaves the controls as what is open then calls for, not as
// they were when it started.
TEST_F(Trust, TheEndOfListPlaybackFitsTheSourceOpenedMeanwhile)
{
    // A WAV source with no cut result: its eight on, the result's five off, Goto as before
    // (off: the source has not played).
    const QString opened = "EEEEEEEE" "DDDDD" "D";
    const struct {
        const char *what;
        bool listFirst; // the list starts before the open, else while the source is copied
    } cases[] = {{"a WAV opened while the list plays", true},
                 {"the list started while a WAV is being opened", false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        makeClips({"a", "b", "c"}, 500);
        ASSERT_TRUE(u()->CmdaddList->isEnabled()) << "a cut result to begin with";
        bool startedDuringOpen = false;
        const auto playList = [&] {
            startedDuringOpen = LoadJob(w()) == trevisto::SourceLoader::Job::Copying;
            select(0);
            w().CmdPlayList_Click();
        };
        if (c.listFirst)
            playList();
        else
            QTimer::singleShot(0, &w(), playList);
        openSource(1.0);
        ASSERT_EQ(startedDuringOpen, !c.listFirst);
        ASSERT_TRUE(listPlaying());
        EXPECT_EQ(enabled(listLocked()), QString(14, 'D')) << "the list still holds them";
        ASSERT_TRUE(waitFor([&] { return listIdle(); }));
        EXPECT_EQ(enabled(listLocked()), opened);
        dialogs_.clear();
        dialogs_.answerMessage(vbYes);
        w().Command4_Click();
    }
}

// Enter after a question that deletes clips keeps them.
TEST_F(Trust, EveryDeletingQuestionDefaultsToNo)
{
    makeClips({"a", "b"}, 300);
    select(0);
    dialogs_.answerMessage(vbNo);
    w().Command5_Click();
    dialogs_.answerMessage(vbNo);
    w().Command4_Click();
    dialogs_.answerFile(outPath("joined.mp3"));
    dialogs_.answerMessage(vbOK);
    dialogs_.answerMessage(vbNo);
    w().CmdCreate_Click();
    ASSERT_TRUE(waitFor([&] { return !Mp3Enc1(w())->isBusy(); }, 20000));

    QList<ScriptedDialogs::Asked> deleting;
    for (const auto &box : messageBoxes(dialogs_))
        if (box.title == "Deleting")
            deleting << box;
    ASSERT_EQ(deleting.size(), 3);
    for (const auto &box : deleting) {
        SCOPED_TRACE(box.text.toStdString());
        EXPECT_EQ(box.buttons, vbYesNo);
        EXPECT_EQ(box.defaultButton, 1) << "No";
    }
    EXPECT_EQ(entries(), QStringList({"a", "b"}));
}

// The Yes after an MP3 join deletes what went into the MP3: a clip added while it was
// written stays, and so does one deleted and added again under the same name.
TEST_F(Trust, AfterAnMp3JoinYesDeletesOnlyTheJoinedClips)
{
    makeClips({"a", "b", "c"}, 300);
    dialogs_.answerFile(outPath("joined.mp3"));
    w().CmdCreate_Click();
    ASSERT_TRUE(Mp3Enc1(w())->isBusy());
    addClip("d");
    select(2);
    dialogs_.answerMessage(vbYes);
    w().Command5_Click();
    addClip("c");
    dialogs_.answerMessage(vbOK);
    dialogs_.answerMessage(vbYes);
    ASSERT_TRUE(waitFor([&] { return !Mp3Enc1(w())->isBusy(); }, 20000));
    EXPECT_EQ(messages().mid(1), QStringList({"The file is saved", "Do You want to delete ALL temp file "}));
    EXPECT_EQ(entries(), QStringList({"d", "c"}));
    for (const char *gone : {"a", "b"})
        EXPECT_FALSE(QFileInfo::exists(clipFile(gone))) << gone;
    for (const char *kept : {"c", "d"})
        EXPECT_TRUE(QFileInfo::exists(clipFile(kept))) << kept;
}

// A clip shorter than its header says is named and nothing is joined or deleted.
TEST_F(Trust, AClipCutShortIsNamedAndTheJoinRefused)
{
    makeClips({"a", "b"}, 300);
    QFile b(clipFile("b"));
    ASSERT_TRUE(b.resize(b.size() - 400));
    const QString out = outPath("joined.wav");
    dialogs_.answerFile(out);
    w().Command2_Click();
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].contains(clipFile("b"))) << messages()[0].toStdString();
    EXPECT_FALSE(QFileInfo::exists(out));
    EXPECT_EQ(entries(), QStringList({"a", "b"}));
    EXPECT_TRUE(QFileInfo::exists(clipFile("a")));
}

// Every file under `folders`, with its bytes.
std::map<QString, QByteArray> snapshot(const QStringList &folders)
{
    std::map<QString, QByteArray> files;
    for (const QString &folder : folders) {
        QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            files[f.fileName()] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("unreadable");
        }
    }
    return files;
}

// No save or join writes over a clip, a working file or the source, however the file is
// named: the refusal names the file and why, and nothing on disk changes.
TEST_F(Trust, NoOutputGoesOverTheProgramsOwnFilesOrTheSource)
{
    enum class Command { SaveMp3, SaveWav, JoinMp3, JoinWav };
    const QString drive = prefix_ + "/drive_c";
    const struct {
        const char *what;
        Command command;
        QString destination;
        const char *says;
    } cases[] = {
        {"join to WAV onto a clip", Command::JoinWav, drive + "/Temp/a.wav", "is the file of the clip \"a\""},
        {"join to WAV through a link", Command::JoinWav, outPath("link.wav"), "is the file of the clip \"b\""},
        {"join to WAV onto an unlisted clip", Command::JoinWav, drive + "/Temp/z.wav", "is the file of the clip \"z\""},
        {"join to MP3 onto the source's working file", Command::JoinMp3, drive + "/Temp/../temp.wav",
         "one of the program's working files"},
        {"save as MP3 over the source", Command::SaveMp3, outPath("source.wav"), "the open sound came from"},
        {"save as MP3 over the result", Command::SaveMp3, drive + "//temp2.wav", "one of the program's working files"},
        {"save as WAV onto the join work file", Command::SaveWav, drive + "/TEMP/CONCAT.WAV",
         "one of the program's working files"},
    };
    makeClips({"a", "b"}, 300);
    ASSERT_TRUE(QFile::link(clipFile("b"), outPath("link.wav")));
    QFile::copy(clipFile("a"), drive + "/Temp/z.wav");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const auto before = snapshot({prefix_, outPath("")});
        dialogs_.clear();
        dialogs_.answerFile(c.destination);
        switch (c.command) {
        case Command::SaveMp3: w().CmdSaveas_Click(); break;
        case Command::SaveWav: w().Command3_Click(); break;
        case Command::JoinMp3: w().CmdCreate_Click(); break;
        case Command::JoinWav: w().Command2_Click(); break;
        }
        EXPECT_FALSE(Mp3Enc1(w())->isBusy());
        ASSERT_EQ(messages().size(), 1);
        EXPECT_TRUE(messages()[0].startsWith('"' + c.destination + '"')) << messages()[0].toStdString();
        EXPECT_TRUE(messages()[0].contains(c.says)) << messages()[0].toStdString();
        EXPECT_TRUE(snapshot({prefix_, outPath("")}) == before) << "nothing written";
        EXPECT_EQ(entries(), QStringList({"a", "b"}));
    }

    // While an MP3 is written, saving the cut result as WAV over it is refused too.
    dialogs_.clear();
    dialogs_.answerFile(outPath("joined.mp3"));
    w().CmdCreate_Click();
    ASSERT_TRUE(Mp3Enc1(w())->isBusy());
    dialogs_.answerFile(outPath("joined.mp3"));
    w().Command3_Click();
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].contains("is the MP3 file still being written")) << messages()[0].toStdString();
    dialogs_.answerMessage(vbOK);
    dialogs_.answerMessage(vbNo);
    ASSERT_TRUE(waitFor([&] { return !Mp3Enc1(w())->isBusy(); }, 20000));
    EXPECT_EQ(messages().mid(1), QStringList({"The file is saved", "Do You want to delete ALL temp file "}));
    EXPECT_EQ(uint8_t(clipstory::mp3Frames(clipstory::readFile(outPath("joined.mp3"))).at(0)), 0xFF)
        << "the MP3, not a WAV";
}

} // namespace
