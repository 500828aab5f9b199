#include "app/window_fixture.h"
#include "scenarios/wait_for.h"

#include "app/qtdialogs.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/mci/player.h"
#include "platform/mp3enc/mp3encoder.h"
#include "settings/captions.h"
#include "support/messages.h"
#include "support/test_audio.h"
#include "ui/Frmwait.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QMouseEvent>
#include <QThread>
#include <QTimer>

#include <climits>
#include <cstring>
#include <functional>
#include <map>

namespace {

using namespace trevisto::test;
using Kind = ScriptedDialogs::Kind;

void spin(int ms)
{
    waitFor([] { return false; }, ms);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

uint32_t le32(const QByteArray &b, int at)
{
    uint32_t v = 0;
    if (at + 4 <= b.size())
        std::memcpy(&v, b.constData() + at, 4);
    return v;
}

// Every file under `folder`, hidden ones included, relative to it.
QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

// The bit rate of the first audio frame of a 32 to 48 kHz MP3, after its info frame; 0 when
// the bytes are not such an MP3.
int audioFrameKbps(const QByteArray &mp3)
{
    static const int kbps[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0};
    static const int rates[] = {44100, 48000, 32000, 0};
    const auto frameAt = [&](qsizetype at) -> std::pair<int, int> {
        if (at + 4 > mp3.size())
            return {0, 0};
        const auto b = [&](int i) { return uint8_t(mp3[at + i]); };
        if (b(0) != 0xFF || (b(1) & 0xFE) != 0xFA) // MPEG-1 Layer III
            return {0, 0};
        const int k = kbps[b(2) >> 4], r = rates[(b(2) >> 2) & 3];
        if (!k || !r)
            return {0, 0};
        return {k, 144000 * k / r + ((b(2) >> 1) & 1)};
    };
    const auto info = frameAt(0);
    return info.second ? frameAt(info.second).first : 0;
}

// Each clip the list player starts, as "row:name" with the row selected while it plays,
// and the codes of the player's completions.
class PlaybackLog : public QObject {
public:
    PlaybackLog(QListWidget *list, MciPlayer *player)
    {
        connect(&poll_, &QTimer::timeout, this, [=, this] {
            const bool playing = player->state() == MciPlayer::State::Playing;
            const QString file = playing ? player->fileName() : QString();
            if (playing && file != last_)
                rows << QString::number(list->currentRow()) + ':' + file.mid(file.lastIndexOf('\\') + 1).chopped(4);
            last_ = file;
        });
        poll_.start(5);
        connect(player, &MciPlayer::done, this, [this](int code) { codes << code; });
    }
    QStringList rows;
    QList<int> codes;

private:
    QTimer poll_;
    QString last_;
};

class Clips : public StartedWindow {
protected:
    void SetUp() override
    {
        StartedWindow::SetUp();
        window_->show();
    }

    frmWriteWave &w() { return *window_; }
    Ui::frmWriteWave *u() { return ui(*window_); }

    // Opens `seconds` of 44.1 kHz stereo counting samples as the source, so that every cut
    // range has bytes of its own.
    void openSource(double seconds)
    {
        std::vector<uint8_t> data(size_t(seconds * 44100 + 0.5) * 4);
        for (size_t i = 0; i < data.size(); ++i)
            data[i] = uint8_t((i * 13 + i / 251) & 0xff);
        const std::string path = audio_.file("source.wav");
        writeWav(path, 44100, 2, 16, data);
        dialogs_.answerFile(QString::fromStdString(path));
        w().cmdwav_Click();
        ASSERT_TRUE(MMaudio(w())->isOpen());
    }
    void cut(int from, int to)
    {
        MarkIn(w()) = from;
        MarkOut(w()) = to;
        w().CmdSetNew_Click();
        ASSERT_TRUE(MMControl1(w())->isOpen());
    }
    void addClip(const QString &name)
    {
        dialogs_.answerInput(name);
        w().CmdaddList_Click();
    }
    // Clips of `ms` each, cut one after another from a fresh source.
    void makeClips(const QStringList &names, int ms)
    {
        openSource(names.size() * ms / 1000.0 + 0.2);
        for (int i = 0; i < names.size(); ++i) {
            cut(i * ms, (i + 1) * ms);
            addClip(names[i]);
        }
        ASSERT_EQ(entries(), names);
        dialogs_.clear();
    }

    QStringList entries() const
    {
        QStringList names;
        for (int i = 0; i < ui(*window_)->List1->count(); ++i)
            names << ui(*window_)->List1->item(i)->text();
        return names;
    }
    int selected() const { return ui(*window_)->List1->currentRow(); }
    void select(int row) { u()->List1->setCurrentRow(row); }
    static QString clipFile(const QString &name) { return NativePath(WorkingFiles::ClipFile(name)); }
    static QString clipFolder() { return NativePath(WorkingFiles::Folder); }
    static QByteArray clipData(const QString &name) { return readFile(clipFile(name)).mid(44); }
    QString outPath(const QString &name) const { return QString::fromStdString(audio_.file(name.toStdString())); }

    static QString enabled(const QList<QWidget *> &controls)
    {
        QString s;
        for (const QWidget *c : controls)
            s += c->isEnabled() ? 'E' : 'D';
        return s;
    }
    // The controls list playback locks.
    QList<QWidget *> listLocked()
    {
        return {u()->CmdPlay, u()->CmdBack, u()->CmdStop, u()->CmdPause, u()->CmdStep,
                u()->CmdSetin, u()->CmdOut, u()->CmdSetNew, u()->CmdPlayTemp, u()->CmdStopTemp,
                u()->CmdSaveas, u()->Command3, u()->CmdaddList, u()->CmdGoto};
    }
    // The controls result playback locks.
    QList<QWidget *> resultLocked()
    {
        return {u()->CmdPlay, u()->CmdBack, u()->CmdStop, u()->CmdPause, u()->CmdStep, u()->CmdSetin, u()->CmdOut};
    }
    // The list buttons, in the order CmdCreate, Command2, Command4, CmdPlayList, Command5,
    // CmdUp, CmdDown.
    QList<QWidget *> listButtons()
    {
        return {u()->CmdCreate, u()->Command2, u()->Command4, u()->CmdPlayList,
                u()->Command5, u()->CmdUp, u()->CmdDown};
    }
    bool listPlaying() const { return ui(*window_)->CmdPlayList->isHidden() && !ui(*window_)->CmdStopList->isHidden(); }
    bool listIdle() const { return !ui(*window_)->CmdPlayList->isHidden() && ui(*window_)->CmdStopList->isHidden(); }

    // Waits for the encoding the last click started to be finished by its completion.
    bool waitForEncoding() { return waitFor([&] { return !Mp3Enc1(w())->isBusy(); }, 20000); }

    QStringList messages() const { return messageTexts(dialogs_); }

    TempDir audio_;
};

TEST_F(Clips, ThreeCutsBecomeClipsThatMoveAndAreDeleted)
{
    // Clips from a real MP3 through the decoding library, of three lengths.
    writeMp3(audio_.file("tone.mp3"), makeTone(44100, 2, 3.0, 440));
    dialogs_.answerFile(outPath("tone.mp3"));
    w().Open1_Click();
    ASSERT_TRUE(MMaudio(w())->isOpen());
    const struct {
        const char *name;
        int from, to;
    } cuts[] = {{"a", 0, 500}, {"b", 1000, 1400}, {"c", 2000, 2300}};
    std::map<QString, QByteArray> files;
    for (const auto &c : cuts) {
        SCOPED_TRACE(c.name);
        cut(c.from, c.to);
        const QByteArray result = readFile(NativePath(WorkingFiles::Result));
        dialogs_.clear();
        addClip(c.name);
        ASSERT_EQ(dialogs_.asked().size(), 1);
        const auto &box = dialogs_.asked().front();
        EXPECT_EQ(box.kind, Kind::Input);
        EXPECT_EQ(box.text, "Please input the name");
        EXPECT_EQ(box.title, "Trevisto");
        EXPECT_EQ(box.file.fileName, " ");

        const QByteArray clip = readFile(clipFile(c.name));
        EXPECT_EQ(clip, result) << "the cut result as it was when added";
        EXPECT_EQ(clip.size(), 44 + (c.to - c.from) * 441 / 10 * 4);
        EXPECT_EQ(clip.left(4), "RIFF");
        EXPECT_EQ(le32(clip, 4), uint32_t(clip.size() - 8));
        EXPECT_EQ(clip.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(le32(clip, 16), 16u);
        EXPECT_EQ(clip.mid(36, 4), "data");
        EXPECT_EQ(le32(clip, 40), uint32_t(clip.size() - 44));
        files[c.name] = clip;
    }
    EXPECT_EQ(entries(), QStringList({"a", "b", "c"}));
    EXPECT_EQ(selected(), -1) << "adding selects nothing";
    const QStringList clipFiles = {"a.wav", "b.wav", "c.wav"};
    ASSERT_EQ(filesUnder(clipFolder()), clipFiles);

    // Names outside the rule end at once; a listed name asks again; Cancel or an emptied
    // box ends without a word.
    const struct {
        QList<std::optional<QString>> answers;
        QStringList messages;
    } names[] = {
        {{"Intro"}, {"Invaild FileName"}},
        {{"zone"}, {"Invaild FileName"}},
        {{"my clip"}, {"Invaild FileName"}},
        {{"a.b"}, {"Invaild FileName"}},
        {{" "}, {"Invaild FileName"}},
        {{std::nullopt}, {}},
        {{""}, {}},
        {{"B", std::nullopt}, {" Name already existed, please input another name"}},
        {{"A", "c", ""}, {" Name already existed, please input another name",
                          " Name already existed, please input another name"}},
    };
    for (const auto &n : names) {
        SCOPED_TRACE(n.answers.front().value_or("(cancel)").toStdString());
        dialogs_.clear();
        for (const auto &answer : n.answers)
            dialogs_.answerInput(answer);
        w().CmdaddList_Click();
        EXPECT_EQ(dialogs_.asked().size(), n.answers.size() + n.messages.size());
        EXPECT_EQ(dialogs_.unanswered(), 0) << "no further input box";
        EXPECT_EQ(messages(), n.messages);
        EXPECT_EQ(entries(), QStringList({"a", "b", "c"}));
        EXPECT_EQ(filesUnder(clipFolder()), clipFiles);
    }

    // Moving: b up gives b, a, c with b still selected; the ends and no selection stay put.
    dialogs_.clear();
    select(1);
    w().CmdUp_Click();
    EXPECT_EQ(entries(), QStringList({"b", "a", "c"}));
    EXPECT_EQ(selected(), 0);
    w().CmdUp_Click();
    EXPECT_EQ(entries(), QStringList({"b", "a", "c"}));
    select(2);
    w().CmdDown_Click();
    EXPECT_EQ(entries(), QStringList({"b", "a", "c"}));
    select(-1);
    w().CmdUp_Click();
    w().CmdDown_Click();
    EXPECT_EQ(entries(), QStringList({"b", "a", "c"}));
    select(0);
    w().CmdDown_Click();
    EXPECT_EQ(entries(), QStringList({"a", "b", "c"}));
    EXPECT_EQ(selected(), 1);
    for (const auto &[name, bytes] : files)
        EXPECT_EQ(readFile(clipFile(name)), bytes) << "moving leaves the files alone";
    EXPECT_TRUE(dialogs_.asked().isEmpty());

    // Deleting the selected clip: No keeps it, Yes removes file and entry.
    dialogs_.answerMessage(vbNo);
    w().Command5_Click();
    ASSERT_EQ(dialogs_.asked().size(), 1);
    EXPECT_EQ(dialogs_.asked()[0].text, "Are you sure you want to delete\r\nb");
    EXPECT_EQ(dialogs_.asked()[0].title, "Deleting");
    EXPECT_EQ(dialogs_.asked()[0].buttons, vbYesNo);
    EXPECT_EQ(entries(), QStringList({"a", "b", "c"}));
    EXPECT_EQ(filesUnder(clipFolder()), clipFiles);
    dialogs_.answerMessage(vbYes);
    w().Command5_Click();
    EXPECT_EQ(entries(), QStringList({"a", "c"}));
    EXPECT_EQ(selected(), -1);
    EXPECT_EQ(filesUnder(clipFolder()), QStringList({"a.wav", "c.wav"}));
    dialogs_.clear();
    w().Command5_Click();
    EXPECT_TRUE(dialogs_.asked().isEmpty()) << "nothing selected, nothing asked";

    // Deleting all: No keeps them, Yes removes every file and entry.
    dialogs_.answerMessage(vbNo);
    w().Command4_Click();
    ASSERT_EQ(dialogs_.asked().size(), 1);
    EXPECT_EQ(dialogs_.asked()[0].title, "Deleting");
    EXPECT_EQ(dialogs_.asked()[0].buttons, vbYesNo);
    EXPECT_EQ(entries(), QStringList({"a", "c"}));
    EXPECT_EQ(filesUnder(clipFolder()), QStringList({"a.wav", "c.wav"}));
    dialogs_.answerMessage(vbYes);
    w().Command4_Click();
    EXPECT_TRUE(entries().isEmpty());
    EXPECT_TRUE(filesUnder(clipFolder()).isEmpty());
    dialogs_.clear();
    w().Command4_Click();
    EXPECT_TRUE(dialogs_.asked().isEmpty()) << "an empty list asks nothing";
}

TEST_F(Clips, AClipThatCannotBeWrittenIsReportedAndNotListed)
{
    openSource(1.0);
    cut(0, 500);
    QDir().mkpath(clipFile("taken")); // a folder holds the clip file's name
    const QStringList before = filesUnder(clipFolder());
    for (const QString &name : {QString(300, 'A'), QString("taken")}) {
        SCOPED_TRACE(name.left(10).toStdString());
        dialogs_.clear();
        addClip(name);
        ASSERT_EQ(dialogs_.asked().size(), 2);
        const auto &box = dialogs_.asked()[1];
        EXPECT_TRUE(box.text.contains(clipFile(name))) << box.text.toStdString();
        EXPECT_GT(box.text.size(), clipFile(name).size() + name.size() + 20) << "and the reason";
        EXPECT_EQ(box.icon, MsgIcon::Critical);
        EXPECT_TRUE(entries().isEmpty());
        EXPECT_EQ(filesUnder(clipFolder()), before) << "no partial clip file";
    }
    addClip("fine");
    EXPECT_EQ(entries(), QStringList{"fine"}) << "the next name saves as usual";
}

TEST_F(Clips, Timer1SetsEveryListButtonFromTheTable)
{
    // The first tick came with start-up; the real timer then stays out of the way.
    EXPECT_EQ(enabled(listButtons()), "DDDDDDD");
    Timer1(w())->stop();
    openSource(1.0);
    cut(0, 200);

    // Each change sets the buttons at once; the tick then sets every one of them again.
    //                                 Create Cmd2 Cmd4 Play Cmd5 Up Down
    const struct {
        const char *what;
        std::function<void()> change;
        const char *buttons;
    } steps[] = {
        {"a added", [&] { addClip("a"); }, "DDDEEDE"},
        {"a selected", [&] { select(0); }, "DDDEEDD"},
        {"b added", [&] { addClip("b"); }, "EEEEEDE"},
        {"b selected", [&] { select(1); }, "EEEEEED"},
        {"c added", [&] { addClip("c"); }, "EEEEEEE"},
        {"nothing selected", [&] { select(-1); }, "EEEEEDE"},
        {"c selected", [&] { select(2); }, "EEEEEED"},
        {"b moved down", [&] { select(1); w().CmdDown_Click(); }, "EEEEEED"},
        {"b deleted", [&] { dialogs_.answerMessage(vbYes); w().Command5_Click(); }, "EEEEEDE"},
        {"a selected", [&] { select(0); }, "EEEEEDE"},
        {"all deleted", [&] { dialogs_.answerMessage(vbYes); w().Command4_Click(); }, "DDDDDDD"},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.what);
        s.change();
        EXPECT_EQ(enabled(listButtons()), s.buttons) << "without waiting for the tick";
        for (QWidget *b : listButtons())
            b->setEnabled(!b->isEnabled());
        w().Timer1_Timer();
        EXPECT_EQ(enabled(listButtons()), s.buttons);
    }
}

TEST_F(Clips, TheListPlaysFromTheSelectedClipToItsEnd)
{
    makeClips({"a", "b", "c"}, 300);
    for (QWidget *c : listLocked())
        c->setEnabled(true);
    u()->CmdGoto->setEnabled(false); // restored as it was, not switched on
    const QString before = enabled(listLocked());

    const struct {
        int selected;
        QStringList played;
    } cases[] = {{1, {"1:b", "2:c"}}, {2, {"2:c"}}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.selected);
        select(c.selected);
        PlaybackLog log(u()->List1, MMCPlayList(w()));
        w().CmdPlayList_Click();
        EXPECT_TRUE(listPlaying());
        EXPECT_EQ(enabled(listLocked()), QString(14, 'D'));
        ASSERT_TRUE(waitFor([&] { return listIdle(); }));
        EXPECT_EQ(log.rows, c.played);
        EXPECT_EQ(log.codes, QList<int>(c.played.size(), 0)) << "each clip played to its end";
        EXPECT_EQ(enabled(listLocked()), before);
        EXPECT_FALSE(MMCPlayList(w())->isOpen());
    }
    EXPECT_TRUE(dialogs_.asked().isEmpty());
}

TEST_F(Clips, StoppingTheListOrDeletingItsClipPlaysNothingFurther)
{
    makeClips({"a", "b", "c"}, 300);
    const QString before = enabled(listLocked());
    const struct {
        const char *what;
        std::function<void()> stop;
        QStringList entries;
    } cases[] = {
        {"CmdStopList", [&] { w().CmdStopList_Click(); }, {"a", "b", "c"}},
        {"deleting the clip now playing",
         [&] {
             dialogs_.answerMessage(vbYes);
             w().Command5_Click();
         },
         {"a", "c"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        select(0);
        PlaybackLog log(u()->List1, MMCPlayList(w()));
        w().CmdPlayList_Click();
        ASSERT_TRUE(waitFor([&] { return log.rows.size() == 2; }));
        c.stop();
        EXPECT_TRUE(listIdle());
        EXPECT_EQ(enabled(listLocked()), before);
        EXPECT_FALSE(MMCPlayList(w())->isOpen());
        EXPECT_GE(PlayIndex(w()), entries().size());
        EXPECT_EQ(entries(), c.entries);
        // A notification still on its way after the stop.
        emit MMCPlayList(w())->done(0);
        spin(700);
        EXPECT_EQ(log.rows, QStringList({"0:a", "1:b"}));
        EXPECT_FALSE(MMCPlayList(w())->isOpen());
        EXPECT_TRUE(listIdle());
    }
    EXPECT_FALSE(QFileInfo::exists(clipFile("b")));
}

TEST_F(Clips, AMissingClipIsSkipped)
{
    makeClips({"a", "b", "c"}, 300);
    const QString before = enabled(listLocked());
    ASSERT_TRUE(QFile::remove(clipFile("b")));
    select(0);
    PlaybackLog log(u()->List1, MMCPlayList(w()));
    w().CmdPlayList_Click();
    ASSERT_TRUE(waitFor([&] { return listIdle(); }));
    EXPECT_EQ(log.rows, QStringList({"0:a", "2:c"}));
    ASSERT_EQ(log.codes.size(), 3);
    EXPECT_EQ(log.codes[0], 0);
    EXPECT_NE(log.codes[1], 0);
    EXPECT_EQ(log.codes[2], 0);
    EXPECT_EQ(enabled(listLocked()), before);
    EXPECT_TRUE(dialogs_.asked().isEmpty());
}

TEST_F(Clips, PlayingTheListWithNothingSelectedOnlySaysSo)
{
    makeClips({"a", "b"}, 200);
    select(-1);
    const QString before = enabled(listLocked()) + enabled(listButtons());
    PlayIndex(w()) = 7;
    const struct {
        QStringList table;
        QString text;
    } cases[] = {
        {{}, "Please select a clip first."},
        {QStringList(trevisto::SelectAClipFirst.entry.index, "x") << "Bitte zuerst einen Clip wählen.",
         "Bitte zuerst einen Clip wählen."},
    };
    for (const auto &c : cases) {
        MessageTexts(w()) = c.table;
        dialogs_.clear();
        w().CmdPlayList_Click();
        ASSERT_EQ(dialogs_.asked().size(), 1);
        EXPECT_EQ(dialogs_.asked()[0].text, c.text);
        EXPECT_EQ(dialogs_.asked()[0].buttons, vbOKOnly);
        EXPECT_TRUE(listIdle());
        EXPECT_EQ(enabled(listLocked()) + enabled(listButtons()), before);
        EXPECT_EQ(PlayIndex(w()), 7);
        EXPECT_FALSE(MMCPlayList(w())->isOpen());
    }
}

TEST_F(Clips, ADoubleClickPlaysFromThatEntryEvenWhileTheListPlays)
{
    makeClips({"a", "b", "c"}, 300);
    const QString before = enabled(listLocked());
    const auto doubleClick = [&](int row) {
        QWidget *viewport = u()->List1->viewport();
        const QPointF at = u()->List1->visualItemRect(u()->List1->item(row)).center();
        const QPointF global = viewport->mapToGlobal(at);
        for (auto [type, buttons] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                     std::pair{QEvent::MouseButtonRelease, Qt::NoButton},
                                     std::pair{QEvent::MouseButtonDblClick, Qt::LeftButton},
                                     std::pair{QEvent::MouseButtonRelease, Qt::NoButton}}) {
            QMouseEvent e(type, at, global, Qt::LeftButton, buttons, Qt::NoModifier);
            QCoreApplication::sendEvent(viewport, &e);
        }
    };

    // With b selected, a double click on c plays c alone.
    select(1);
    {
        PlaybackLog log(u()->List1, MMCPlayList(w()));
        doubleClick(2);
        EXPECT_TRUE(listPlaying());
        ASSERT_TRUE(waitFor([&] { return listIdle(); }));
        EXPECT_EQ(log.rows, QStringList({"2:c"}));
        EXPECT_EQ(enabled(listLocked()), before);
    }
    // While a plays, a double click on c goes there; the end still gives the controls back.
    select(0);
    PlaybackLog log(u()->List1, MMCPlayList(w()));
    w().CmdPlayList_Click();
    ASSERT_TRUE(waitFor([&] { return log.rows.size() == 1; }));
    doubleClick(2);
    ASSERT_TRUE(waitFor([&] { return listIdle(); }));
    EXPECT_EQ(log.rows, QStringList({"0:a", "2:c"}));
    EXPECT_EQ(log.codes, QList<int>{0});
    EXPECT_EQ(enabled(listLocked()), before);
}

TEST_F(Clips, PlayingTheResultLocksTheSevenAndStoppingFreesTheEight)
{
    openSource(2.0);
    cut(0, 1500);
    for (QWidget *c : listLocked())
        c->setEnabled(true);
    const QList<QWidget *> untouched = {u()->CmdSetNew, u()->CmdGoto, u()->CmdPlayTemp, u()->CmdStopTemp,
                                        u()->CmdSaveas, u()->Command3, u()->CmdaddList};
    MMaudio(w())->setCommand("Play");

    w().CmdPlayTemp_Click();
    EXPECT_EQ(MMControl1(w())->state(), MciPlayer::State::Playing);
    EXPECT_NE(MMaudio(w())->state(), MciPlayer::State::Playing);
    EXPECT_EQ(enabled(resultLocked()), "DDDDDDD");
    EXPECT_EQ(enabled(untouched), "EEEEEEE");

    ASSERT_TRUE(waitFor([&] { return MMControl1(w())->position() >= 200; }));
    u()->CmdSetNew->setEnabled(false);
    w().CmdStopTemp_Click();
    EXPECT_EQ(enabled(resultLocked() << u()->CmdSetNew), "EEEEEEEE");
    EXPECT_NE(MMControl1(w())->state(), MciPlayer::State::Playing);
    EXPECT_EQ(MMControl1(w())->position(), 0) << "back at its start";
    EXPECT_TRUE(MMaudio(w())->isOpen());
}

TEST_F(Clips, CancelInTheEndConfirmationChangesNothing)
{
    makeClips({"a", "b"}, 300);
    MMaudio(w())->setCommand("Play");
    const QStringList files = filesUnder(prefix_);
    dialogs_.answerMessage(vbCancel);
    w().CdmEnd_Click();
    ASSERT_EQ(dialogs_.asked().size(), 1);
    const auto &box = dialogs_.asked()[0];
    EXPECT_EQ(box.text, "Are You Sure Want to Exit\r\nAll 2 clip files of the list will be deleted.");
    EXPECT_EQ(box.buttons, vbOKCancel);
    EXPECT_EQ(box.icon, MsgIcon::None);
    EXPECT_EQ(box.title, "Trevisto MP3 Editor");
    EXPECT_FALSE(endCode_);
    EXPECT_EQ(filesUnder(prefix_), files);
    EXPECT_EQ(entries(), QStringList({"a", "b"}));
    EXPECT_EQ(MMaudio(w())->state(), MciPlayer::State::Playing);
    EXPECT_TRUE(MMControl1(w())->isOpen());
}

TEST_F(Clips, EachEndingRemovesExactlyItsFiles)
{
    enum class How { Close, Exit, End };
    const struct {
        const char *what;
        How how;
        int clips;
        bool alreadyGone; // the working files were removed behind the program's back
        bool encoding;    // an MP3 of the clips is being written
        // The End button's second line, naming what else goes; %1 is the MP3.
        const char *alsoEnds = "";
    } cases[] = {
        {"window close", How::Close, 2, false, false},
        {"Exit", How::Exit, 2, false, false},
        {"End with one clip", How::End, 1, false, false},
        {"End with two clips", How::End, 2, false, false, "All 2 clip files of the list will be deleted."},
        {"window close, files gone", How::Close, 1, true, false},
        {"Exit, files gone", How::Exit, 1, true, false},
        {"End, files gone", How::End, 2, true, false, "All 2 clip files of the list will be deleted."},
        {"Exit while encoding", How::Exit, 2, false, true},
        {"End while encoding", How::End, 2, false, true,
         "All 2 clip files of the list will be deleted. \"%1\" is still being written and will not be finished."},
    };
    const QString mp3 = outPath("joined.mp3");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        window_.reset();
        ASSERT_TRUE(QDir(prefix_).removeRecursively());
        endCode_.reset();
        ASSERT_TRUE(start());
        window_->show();
        dialogs_.clear();
        makeClips(QStringList({"a", "b"}).mid(0, c.clips), 300);

        const auto relative = [&](const QString &path) { return QDir(prefix_).relativeFilePath(NativePath(path)); };
        QStringList removed = {relative(WorkingFiles::Source), relative(WorkingFiles::Result)};
        if (c.encoding) {
            dialogs_.answerFile(mp3);
            w().CmdCreate_Click();
            ASSERT_TRUE(Mp3Enc1(w())->isBusy());
            removed << relative(WorkingFiles::Concat);
        } else {
            // A work file left from an earlier run; only the End button removes it.
            writeBytes(NativePath(WorkingFiles::Concat).toStdString(), wavHeader(44100, 2, 16, 0));
            if (c.how == How::End)
                removed << relative(WorkingFiles::Concat);
        }
        if (c.how == How::End && c.clips >= 2)
            removed << relative(WorkingFiles::ClipFile("a")) << relative(WorkingFiles::ClipFile("b"));
        if (c.alreadyGone) {
            ASSERT_TRUE(QFile::remove(NativePath(WorkingFiles::Source)));
            ASSERT_TRUE(QFile::remove(NativePath(WorkingFiles::Result)));
        }
        // Everything plays: the source, the result and the list.
        MMaudio(w())->setCommand("Play");
        MMControl1(w())->setCommand("Play");
        select(0);
        w().CmdPlayList_Click();
        ASSERT_EQ(MMaudio(w())->state(), MciPlayer::State::Playing);

        QStringList expected = filesUnder(prefix_);
        for (const QString &file : removed)
            expected.removeAll(file);
        dialogs_.clear();
        switch (c.how) {
        case How::Close: w().close(); break;
        case How::Exit: w().Exit1_Click(); break;
        case How::End:
            dialogs_.answerMessage(vbOK);
            w().CdmEnd_Click();
            break;
        }
        EXPECT_EQ(endCode_, 0);
        ASSERT_EQ(dialogs_.asked().size(), c.how == How::End ? 1 : 0) << "no message beyond the confirmation";
        if (c.how == How::End) {
            QString second = c.alsoEnds;
            if (second.contains("%1"))
                second = second.arg(mp3);
            EXPECT_EQ(dialogs_.asked()[0].text, "Are You Sure Want to Exit" + (second.isEmpty() ? "" : "\r\n" + second));
        }
        EXPECT_EQ(filesUnder(prefix_), expected);
        for (MciPlayer *p : {MMaudio(w()), MMControl1(w()), MMCPlayList(w())})
            EXPECT_FALSE(p->isOpen()) << p->objectName().toStdString();
        EXPECT_EQ(entries().size(), c.how == How::End && c.clips >= 2 ? 0 : c.clips);
        EXPECT_FALSE(Mp3Enc1(w())->isBusy());
        EXPECT_TRUE(filesUnder(QString::fromStdString(audio_.path().string())).filter("joined").isEmpty())
            << "no MP3, finished or not";
    }
}

TEST_F(Clips, JoiningToWavWritesTheClipsInListOrderAndThenLetsThemGo)
{
    makeClips({"a", "b", "c"}, 300);
    select(1);
    w().CmdUp_Click();
    ASSERT_EQ(entries(), QStringList({"b", "a", "c"}));
    const QByteArray header = readFile(clipFile("b")).left(44);
    const QByteArray data = clipData("b") + clipData("a") + clipData("c");
    const QString out = outPath("joined.wav");

    dialogs_.answerFile(out);
    w().Command2_Click();
    ASSERT_EQ(dialogs_.asked().size(), 2);
    const FileRequest &chooser = dialogs_.asked()[0].file;
    EXPECT_TRUE(chooser.save) << "the file to join into is usually a new one";
    EXPECT_EQ(chooser.title, "Select a file to Save");
    EXPECT_EQ(chooser.filter, "Wav File(*.wav)|*.wav");
    EXPECT_EQ(chooser.initDir, UserSoundFolder());
    EXPECT_EQ(dialogs_.asked()[1].text, "The file is saved");
    EXPECT_EQ(dialogs_.asked()[1].title, "Trevisto");

    const QByteArray joined = readFile(out);
    ASSERT_EQ(joined.size(), 44 + data.size());
    EXPECT_EQ(joined.mid(44), data);
    EXPECT_EQ(joined.left(4), header.left(4));
    EXPECT_EQ(joined.mid(8, 28), header.mid(8, 28)) << "the first clip's format";
    EXPECT_EQ(le32(joined, 4), uint32_t(data.size() + 36));
    EXPECT_EQ(le32(joined, 40), uint32_t(data.size()));
    EXPECT_TRUE(entries().isEmpty());
    EXPECT_TRUE(filesUnder(clipFolder()).isEmpty());
    EXPECT_TRUE(WaitWindow(w()).isHidden());
}

// Every chooser asks with a request of its own: nothing a join to WAV set reaches the
// choosers after it, and only the file last chosen carries over, and only into the
// choosers that offer it.
TEST_F(Clips, AfterAJoinToWavEachChooserHasItsOwnTitleFlagsAndFolder)
{
    makeClips({"a"}, 200);
    const QString out = outPath("joined.wav");
    dialogs_.answerFile(out);
    w().Command2_Click();
    ASSERT_EQ(dialogs_.asked().size(), 2);
    EXPECT_EQ(dialogs_.asked()[0].file.fileName, outPath("source.wav")) << "the WAV chosen before";
    ASSERT_TRUE(QFileInfo::exists(out));

    const struct {
        const char *what;
        void (frmWriteWave::*click)();
        QString filter;
        int flags;
        bool save;
        QString initDir, fileName;
        const char *shownTitle;
    } after[] = {
        {"Open Mp3", &frmWriteWave::Open1_Click, "Mp3 (*.mp3)|*.mp3", 528388, false, outPath(""), "", "Open"},
        {"Open Wav", &frmWriteWave::cmdwav_Click, "Wav File(*.wav)|*.wav", 528388, false, "", out, "Open"},
        {"save as MP3", &frmWriteWave::CmdSaveas_Click, "MP3(*.mp3)|*.mp3", 0, true, UserSoundFolder(), "", "Save As"},
        {"Open Wav after a cancel", &frmWriteWave::cmdwav_Click, "Wav File(*.wav)|*.wav", 528388, false, "", out, "Open"},
    };
    for (const auto &c : after) {
        SCOPED_TRACE(c.what);
        dialogs_.clear();
        dialogs_.answerFile(std::nullopt);
        (w().*c.click)();
        ASSERT_EQ(dialogs_.asked().size(), 1);
        const FileRequest &asked = dialogs_.asked()[0].file;
        EXPECT_EQ(asked.title, "");
        EXPECT_EQ(asked.filter, c.filter);
        EXPECT_EQ(asked.flags, c.flags);
        EXPECT_EQ(asked.save, c.save);
        EXPECT_EQ(QDir::cleanPath(asked.initDir), QDir::cleanPath(c.initDir));
        EXPECT_EQ(asked.fileName, c.fileName);
        // The title the user reads.
        QFileDialog shown;
        prepareChooser(shown, asked);
        EXPECT_EQ(shown.windowTitle(), c.shownTitle);
    }
}

TEST_F(Clips, AJoinThatFailsKeepsEveryClip)
{
    makeClips({"a", "b", "c"}, 200);
    const struct {
        const char *what;
        QString output;
        QString named; // in the message
        std::function<void()> prepare;
    } cases[] = {
        {"a folder that does not exist", outPath("missing/joined.wav"), outPath("missing/joined.wav"), [] {}},
        {"a clip file that is gone", outPath("joined.wav"), clipFile("b"), [&] { QFile::remove(clipFile("b")); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        c.prepare();
        const QStringList clips = filesUnder(clipFolder());
        dialogs_.clear();
        dialogs_.answerFile(c.output);
        w().Command2_Click();
        ASSERT_EQ(dialogs_.asked().size(), 2);
        EXPECT_TRUE(dialogs_.asked()[1].text.contains(c.named)) << dialogs_.asked()[1].text.toStdString();
        EXPECT_EQ(dialogs_.asked()[1].icon, MsgIcon::Critical);
        EXPECT_FALSE(QFileInfo::exists(c.output));
        EXPECT_EQ(entries(), QStringList({"a", "b", "c"}));
        EXPECT_EQ(filesUnder(clipFolder()), clips);
        EXPECT_TRUE(WaitWindow(w()).isHidden());
    }
    EXPECT_TRUE(filesUnder(QString::fromStdString(audio_.path().string())).filter("joined").isEmpty());
}

TEST_F(Clips, CancelInEveryChooserWritesNothing)
{
    makeClips({"a", "b"}, 200);
    const struct {
        const char *what;
        void (frmWriteWave::*click)();
    } choosers[] = {
        {"join to WAV", &frmWriteWave::Command2_Click},
        {"join to MP3", &frmWriteWave::CmdCreate_Click},
        {"save as MP3", &frmWriteWave::CmdSaveas_Click},
        {"save as WAV", &frmWriteWave::Command3_Click},
    };
    const QStringList files = filesUnder(prefix_);
    const QStringList outside = QDir(UserSoundFolder()).entryList(QDir::AllEntries | QDir::Hidden);
    for (const auto &c : choosers) {
        SCOPED_TRACE(c.what);
        dialogs_.clear();
        dialogs_.answerFile(std::nullopt);
        (w().*c.click)();
        ASSERT_EQ(dialogs_.asked().size(), 1);
        EXPECT_EQ(dialogs_.asked()[0].kind, Kind::File);
        EXPECT_EQ(filesUnder(prefix_), files);
        EXPECT_EQ(QDir(UserSoundFolder()).entryList(QDir::AllEntries | QDir::Hidden), outside);
        EXPECT_EQ(entries(), QStringList({"a", "b"}));
        EXPECT_FALSE(Mp3Enc1(w())->isBusy());
        EXPECT_TRUE(WaitWindow(w()).isHidden());
        EXPECT_TRUE(MMControl1(w())->isOpen());
    }
}

TEST_F(Clips, JoiningToMp3UsesTheChosenBitRateAndOffersToDeleteTheClips)
{
    makeClips({"a", "b", "c"}, 300);
    const qsizetype dataBytes = clipData("a").size() + clipData("b").size() + clipData("c").size();
    const QString out = outPath("joined.mp3");
    w().Option4_Click();
    dialogs_.answerFile(out);
    dialogs_.answerMessage(vbOK);
    dialogs_.answerMessage(vbYes);
    w().CmdCreate_Click();
    EXPECT_EQ(Mp3Enc1(w())->bitRate(), 256);
    EXPECT_TRUE(FileExists(WorkingFiles::Concat));
    EXPECT_FALSE(WaitWindow(w()).isHidden());
    ASSERT_TRUE(waitForEncoding());

    ASSERT_EQ(dialogs_.asked().size(), 3);
    EXPECT_TRUE(dialogs_.asked()[0].file.save);
    EXPECT_EQ(dialogs_.asked()[0].file.filter, "MP3(*.mp3)|*.mp3");
    EXPECT_EQ(dialogs_.asked()[1].text, "The file is saved");
    EXPECT_EQ(dialogs_.asked()[1].title, "Trevisto");
    EXPECT_EQ(dialogs_.asked()[2].text, "Do You want to delete ALL temp file ");
    EXPECT_EQ(dialogs_.asked()[2].title, "Deleting");
    EXPECT_EQ(dialogs_.asked()[2].buttons, vbYesNo);
    EXPECT_FALSE(FileExists(WorkingFiles::Concat));
    EXPECT_TRUE(WaitWindow(w()).isHidden());
    EXPECT_TRUE(entries().isEmpty());
    EXPECT_TRUE(filesUnder(clipFolder()).isEmpty());
    EXPECT_EQ(audioFrameKbps(readFile(out)), 256);

    // Decoded again, the MP3 holds exactly the clips' sound.
    dialogs_.clear();
    dialogs_.answerFile(out);
    w().Open1_Click();
    const QByteArray decoded = readFile(NativePath(WorkingFiles::Source));
    EXPECT_EQ(le32(decoded, 40), uint32_t(dataBytes));
}

TEST_F(Clips, AFailedOrSecondEncodingIsReported)
{
    makeClips({"a", "b"}, 300);

    // A destination in a folder that does not exist: said so, nothing asked, clips kept.
    const QString bad = outPath("missing/joined.mp3");
    dialogs_.answerFile(bad);
    w().CmdCreate_Click();
    ASSERT_TRUE(waitForEncoding());
    ASSERT_EQ(dialogs_.asked().size(), 2);
    EXPECT_TRUE(dialogs_.asked()[1].text.contains(bad)) << dialogs_.asked()[1].text.toStdString();
    EXPECT_EQ(dialogs_.asked()[1].icon, MsgIcon::Critical);
    EXPECT_EQ(entries(), QStringList({"a", "b"}));
    EXPECT_EQ(filesUnder(clipFolder()), QStringList({"a.wav", "b.wav"})) << "clips kept, work file gone";
    EXPECT_FALSE(QFileInfo::exists(bad));
    EXPECT_TRUE(WaitWindow(w()).isHidden());

    // A second encoding while one runs is refused, before any chooser; the first goes on.
    const QString first = outPath("first.mp3");
    dialogs_.clear();
    dialogs_.answerFile(first);
    dialogs_.answerFile(outPath("second.mp3"));
    w().CmdCreate_Click();
    ASSERT_TRUE(Mp3Enc1(w())->isBusy());
    const QByteArray work = readFile(NativePath(WorkingFiles::Concat));
    w().Option1_Click();
    w().CmdSaveas_Click();
    w().CmdCreate_Click();
    ASSERT_EQ(dialogs_.asked().size(), 3);
    for (int i : {1, 2}) {
        EXPECT_EQ(dialogs_.asked()[i].kind, Kind::Message);
        EXPECT_TRUE(dialogs_.asked()[i].text.contains(first)) << dialogs_.asked()[i].text.toStdString();
    }
    EXPECT_EQ(readFile(NativePath(WorkingFiles::Concat)), work);
    EXPECT_EQ(Mp3Enc1(w())->bitRate(), 128);
    dialogs_.answerMessage(vbOK);
    dialogs_.answerMessage(vbNo);
    ASSERT_TRUE(waitForEncoding());
    EXPECT_EQ(messages().mid(2), QStringList({"The file is saved", "Do You want to delete ALL temp file "}));
    EXPECT_EQ(audioFrameKbps(readFile(first)), 128);
    EXPECT_FALSE(QFileInfo::exists(outPath("second.mp3")));
    EXPECT_EQ(entries(), QStringList({"a", "b"}));
}

TEST_F(Clips, SavingTheResultAsMp3)
{
    makeClips({"a", "b"}, 300);
    w().Option1_Click();
    const QString out = outPath("result.mp3");
    dialogs_.answerFile(out);
    dialogs_.answerMessage(vbOK);
    dialogs_.answerMessage(vbNo);
    w().CmdSaveas_Click();
    EXPECT_EQ(Mp3Enc1(w())->bitRate(), 56);
    ASSERT_TRUE(waitForEncoding());
    ASSERT_FALSE(dialogs_.asked().isEmpty());
    EXPECT_EQ(dialogs_.asked()[0].file.filter, "MP3(*.mp3)|*.mp3");
    EXPECT_EQ(dialogs_.asked()[0].file.initDir, UserSoundFolder());
    EXPECT_EQ(messages(), QStringList({"The file is saved", "Do You want to delete ALL temp file "}));
    EXPECT_EQ(entries(), QStringList({"a", "b"}));
    EXPECT_EQ(audioFrameKbps(readFile(out)), 56);

    // With one clip listed the completion asks nothing.
    select(0);
    dialogs_.answerMessage(vbYes);
    w().Command5_Click();
    dialogs_.clear();
    dialogs_.answerFile(outPath("again.mp3"));
    w().CmdSaveas_Click();
    ASSERT_TRUE(waitForEncoding());
    EXPECT_EQ(messages(), QStringList({"The file is saved"}));
    EXPECT_EQ(dialogs_.unanswered(), 0);
}

TEST_F(Clips, SavingTheResultAsWav)
{
    openSource(1.0);
    cut(100, 700);
    const QByteArray result = readFile(NativePath(WorkingFiles::Result));
    const QString folder = outPath(QString::fromUtf8("my recordings ıßé"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const struct {
        const char *what;
        QString path;
        bool saved;
        const char *message; // when not naming the path
    } cases[] = {
        {"blanks and non-ASCII letters", folder + QString::fromUtf8("/intro ünï.wav"), true, "The file is saved"},
        {"a folder that does not exist", outPath("missing/result.wav"), false, nullptr},
        {"a name longer than the system takes", outPath(QString(NAME_MAX, 'a') + ".wav"), false,
         "Error Create the file Name in Desktop"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        dialogs_.clear();
        dialogs_.answerFile(c.path);
        w().Command3_Click();
        ASSERT_EQ(dialogs_.asked().size(), 2);
        EXPECT_TRUE(dialogs_.asked()[0].file.save);
        EXPECT_EQ(dialogs_.asked()[0].file.filter, "Wav File(*.wav)|*.wav");
        const auto &box = dialogs_.asked()[1];
        if (c.message)
            EXPECT_EQ(box.text, c.message);
        else
            EXPECT_TRUE(box.text.contains(c.path) && box.icon == MsgIcon::Critical) << box.text.toStdString();
        if (c.saved) {
            EXPECT_EQ(box.title, "Trevisto");
            EXPECT_EQ(readFile(c.path), result) << "an exact copy";
        } else {
            EXPECT_FALSE(QFileInfo::exists(c.path));
        }
        // The result still plays afterwards.
        w().CmdPlayTemp_Click();
        EXPECT_EQ(MMControl1(w())->state(), MciPlayer::State::Playing);
        w().CmdStopTemp_Click();
    }
    EXPECT_EQ(filesUnder(folder), QStringList{QString::fromUtf8("intro ünï.wav")}) << "no temporary file left";
}

} // namespace
