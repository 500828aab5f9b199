// Clips in the list: made from cuts, moved, deleted, played, and what each ending removes.
#include "scenarios/clips_window.h"

#include <QRegularExpression>

namespace {

using namespace clipstory;
using Clips = ClipsWindow;

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

TEST_F(Clips, EachEntryShowsItsLengthThenItsLoudnessOnceMeasured)
{
    makeClips({"ONE", "TWO"}, 1500);
    const auto tip = [this](int row) { return u()->List1->item(row)->toolTip(); };
    ASSERT_TRUE(waitFor([&] { return tip(0).contains("dBTP") && tip(1).contains("dBTP"); }, 20000))
        << tip(0).toStdString() << " / " << tip(1).toStdString();
    const QRegularExpression shape(QStringLiteral("^00:00:01\\.500 \u00b7 -?\\d+\\.\\d LUFS \u00b7 -?\\d+\\.\\d dBTP$"));
    EXPECT_TRUE(shape.match(tip(0)).hasMatch()) << tip(0).toStdString();
    // Each entry's text stays its own clip's as the entries move.
    const QString second = tip(1);
    select(1);
    w().CmdUp_Click();
    EXPECT_EQ(tip(0), second);
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

TEST_F(Clips, TheResultPlayedToItsEndFreesTheEightAsItsStopDoes)
{
    openSource(2.0);
    cut(0, 300);
    u()->CmdSetNew->setEnabled(false);
    w().CmdPlayTemp_Click();
    ASSERT_EQ(enabled(resultLocked()), "DDDDDDD");
    ASSERT_TRUE(waitFor([&] { return u()->CmdPlay->isEnabled(); }, 5000)) << "still locked after the end";
    EXPECT_EQ(enabled(resultLocked() << u()->CmdSetNew), "EEEEEEEE");
    EXPECT_NE(MMControl1(w())->state(), MciPlayer::State::Playing);
    EXPECT_EQ(MMControl1(w())->position(), 0) << "back at its start";
    EXPECT_TRUE(MMaudio(w())->isOpen());
    // It plays again from its start.
    w().CmdPlayTemp_Click();
    EXPECT_EQ(MMControl1(w())->state(), MciPlayer::State::Playing);
    w().CmdStopTemp_Click();
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

        // Every ending deletes what Undo held: the results the later cuts replaced.
        QStringList expected = filesUnder(prefix_);
        ASSERT_EQ(expected.filter(QRegularExpression("^held/")).size(), c.clips - 1);
        expected.removeIf([](const QString &file) { return file.startsWith("held/"); });
        for (const QString &file : removed)
            expected.removeAll(file);
        // The encoder's note of its file in progress goes with the file.
        expected.removeIf([](const QString &file) { return file.startsWith("unfinished/"); });
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

} // namespace
