// The list joined into one WAV or MP3, and the result saved, with every chooser and failure.
#include "scenarios/clips_window.h"

namespace {

using namespace clipstory;
using Joins = ClipsWindow;

TEST_F(Joins, JoiningToWavWritesTheClipsInListOrderAndThenLetsThemGo)
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
    EXPECT_EQ(chooser.filter, "Wav File(*.wav)|*.wav|FLAC(*.flac)|*.flac");
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
TEST_F(Joins, AfterAJoinToWavEachChooserHasItsOwnTitleFlagsAndFolder)
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
        {"save as MP3", &frmWriteWave::CmdSaveas_Click, "MP3(*.mp3)|*.mp3|Ogg Vorbis(*.ogg)|*.ogg|Opus(*.opus)|*.opus", 0, true, UserSoundFolder(), "", "Save As"},
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

TEST_F(Joins, AJoinThatFailsKeepsEveryClip)
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

TEST_F(Joins, CancelInEveryChooserWritesNothing)
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

TEST_F(Joins, JoiningToMp3UsesTheChosenBitRateAndOffersToDeleteTheClips)
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
    EXPECT_EQ(dialogs_.asked()[0].file.filter, "MP3(*.mp3)|*.mp3|Ogg Vorbis(*.ogg)|*.ogg|Opus(*.opus)|*.opus");
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

TEST_F(Joins, AFailedOrSecondEncodingIsReported)
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

TEST_F(Joins, SavingTheResultAsMp3)
{
    makeClips({"a", "b"}, 300);
    w().Option1_Click();
    const QString out = outPath("result.mp3");
    dialogs_.answerFile(out);
    dialogs_.answerMessage(vbOK);
    // Were the clips' question asked, this Yes would delete them.
    dialogs_.answerMessage(vbYes);
    w().CmdSaveas_Click();
    EXPECT_EQ(Mp3Enc1(w())->bitRate(), 56);
    ASSERT_TRUE(waitForEncoding());
    ASSERT_FALSE(dialogs_.asked().isEmpty());
    EXPECT_EQ(dialogs_.asked()[0].file.filter, "MP3(*.mp3)|*.mp3|Ogg Vorbis(*.ogg)|*.ogg|Opus(*.opus)|*.opus");
    EXPECT_EQ(dialogs_.asked()[0].file.initDir, UserSoundFolder());
    // The saved cut used none of the clips: nothing is asked about them.
    EXPECT_EQ(messages(), QStringList({"The file is saved"}));
    dialogs_.clear();
    EXPECT_EQ(entries(), QStringList({"a", "b"}));
    EXPECT_EQ(filesUnder(clipFolder()), QStringList({"a.wav", "b.wav"}));
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

TEST_F(Joins, SavingTheResultAsWav)
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
        EXPECT_EQ(dialogs_.asked()[0].file.filter, "Wav File(*.wav)|*.wav|FLAC(*.flac)|*.flac");
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
