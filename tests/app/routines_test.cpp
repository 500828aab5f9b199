#include "app/dialogs.h"
#include "app/routines.h"
#include "app/scripteddialogs.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

TEST(Routines, RppAddsOneSeparatorOfThePathsOwnStyle)
{
    EXPECT_EQ(RPP("C:\\Temp"), "C:\\Temp\\");
    EXPECT_EQ(RPP("C:\\Temp\\"), "C:\\Temp\\");
    EXPECT_EQ(RPP("c:"), "c:\\");
    EXPECT_EQ(RPP("/opt/trevisto"), "/opt/trevisto/");
    EXPECT_EQ(RPP("/opt/trevisto/"), "/opt/trevisto/");
    EXPECT_EQ(RPP("/"), "/");
    EXPECT_EQ(RPP("C:/Temp/"), "C:/Temp/") << "either separator counts as already there";
    EXPECT_EQ(RPP("/odd\\"), "/odd\\");
}

TEST(Routines, FileExistsOnlyForOrdinaryVisibleFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString base = dir.path();
    auto touch = [](const QString &path) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    };
    touch(base + "/sound.wav");
    touch(base + "/.hidden.wav");
    QDir().mkpath(base + "/folder.wav");
    ASSERT_EQ(::mkfifo((base + "/pipe.wav").toLocal8Bit().constData(), 0600), 0);
    QFile::link(base + "/sound.wav", base + "/link.wav");

    EXPECT_TRUE(FileExists(base + "/sound.wav"));
    EXPECT_TRUE(FileExists(base + "/link.wav")) << "a link to a file reads as that file";
    EXPECT_FALSE(FileExists(base + "/.hidden.wav"));
    EXPECT_FALSE(FileExists(base + "/folder.wav"));
    EXPECT_FALSE(FileExists(base + "/pipe.wav"));
    EXPECT_FALSE(FileExists(base + "/missing.wav"));
    EXPECT_FALSE(FileExists(base + "/"));
    EXPECT_FALSE(FileExists(""));

    // Drive paths are found in any letter case.
    touch(NativePath("C:\\Temp2.wav"));
    EXPECT_TRUE(FileExists("c:\\temp2.WAV"));
    EXPECT_FALSE(FileExists("C:\\"));
}

TEST(CommonDialogTest, CancelAnswers32755OnlyWhenAskedTo)
{
    ScriptedDialogs dialogs;
    CommonDialog cmd(dialogs);
    cmd.FileName = "before.mp3";
    cmd.Filter = "Mp3 (*.mp3)|*.mp3";
    cmd.Flags = 0x81004;

    dialogs.answerFile(std::nullopt);
    EXPECT_EQ(cmd.ShowOpen(), 0);
    EXPECT_EQ(cmd.FileName, "before.mp3");

    cmd.CancelError = true;
    dialogs.answerFile(std::nullopt);
    EXPECT_EQ(cmd.ShowOpen(), CommonDialog::cdlCancel);
    EXPECT_EQ(CommonDialog::cdlCancel, 32755);

    dialogs.answerFile(QString("/music/song.mp3"));
    EXPECT_EQ(cmd.ShowSave(), 0);
    EXPECT_EQ(cmd.FileName, "/music/song.mp3");

    ASSERT_EQ(dialogs.asked().size(), 3);
    const FileRequest &asked = dialogs.asked().back().file;
    EXPECT_TRUE(asked.save);
    EXPECT_EQ(asked.filter, "Mp3 (*.mp3)|*.mp3");
    EXPECT_EQ(asked.flags, 0x81004);
    EXPECT_EQ(asked.fileName, "before.mp3") << "the chooser starts from the current name";
    EXPECT_FALSE(dialogs.asked().front().file.save);
    EXPECT_EQ(dialogs.unanswered(), 0);
}

TEST(CommonDialogTest, FiltersBecomeQtFilters)
{
    EXPECT_EQ(qtFilterFromPairs("Mp3 (*.mp3)|*.mp3"), "Mp3 (*.mp3)");
    EXPECT_EQ(qtFilterFromPairs("0GG (*.ogg)|*.ogg"), "0GG (*.ogg)");
    EXPECT_EQ(qtFilterFromPairs("Wav File(*.wav)|*.wav"), "Wav File(*.wav)");
    EXPECT_EQ(qtFilterFromPairs("Sounds|*.wav;*.mp3|All|*.*"), "Sounds (*.wav *.mp3);;All (*.*)");
    EXPECT_EQ(qtFilterFromPairs(""), "All files (*)");
}

TEST(CommonDialogTest, ThePreviousChoiceIsOfferedOnlyWhereTheFilterListsIt)
{
    const struct {
        const char *previous, *filter, *initDir;
        const char *offeredName, *offeredDir;
    } cases[] = {
        {"/music/a.mp3", "Mp3 (*.mp3)|*.mp3", "", "/music/a.mp3", ""},
        {"/music/a.mp3", "Wav File(*.wav)|*.wav", "", "", "/music"},
        {"/music/a.mp3", "Wav File(*.wav)|*.wav", "/start", "", "/start"},
        {"/music/B.AIFF", "AIFF (*.AIFF)|*.AIFF", "", "/music/B.AIFF", ""},
        {"/music/b.aiff", "AIFF (*.AIFF)|*.AIFF", "", "/music/b.aiff", ""},
        {"/music/c.ogg", "Sounds|*.wav;*.ogg", "", "/music/c.ogg", ""},
        {"/music/c.ogg.txt", "0GG (*.ogg)|*.ogg", "", "", "/music"},
        {"", "Mp3 (*.mp3)|*.mp3", "", "", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.previous) + " in " + c.filter);
        ScriptedDialogs dialogs;
        CommonDialog cmd(dialogs);
        cmd.FileName = c.previous;
        cmd.Filter = c.filter;
        cmd.InitDir = c.initDir;
        cmd.ShowOpen();
        ASSERT_EQ(dialogs.asked().size(), 1);
        EXPECT_EQ(dialogs.asked().front().file.fileName, c.offeredName);
        EXPECT_EQ(dialogs.asked().front().file.initDir, c.offeredDir);
        EXPECT_EQ(cmd.FileName, c.previous) << "a cancelled chooser keeps the name";
    }
}

TEST(CommonDialogTest, OpenChoosersOfferAllSoundFilesAndAllFilesAfterTheirOwnFilter)
{
    const QString sounds = "All sound files (*.mp3 *.mp2 *.mp1 *.ogg *.oga *.wav *.aif *.aiff *.aifc *.flac *.mod "
                           "*.s3m *.xm *.it *.mptm *.stm *.669 *.mtm *.med *.okt *.far *.ult *.umx)";
    const struct {
        QString filter;
        bool save;
        QStringList shown;
    } cases[] = {
        {"Mp3 (*.mp3)|*.mp3", false, {"Mp3 (*.mp3)", sounds, "All files (*)"}},
        {"AIFF (*.AIFF)|*.AIFF", false, {"AIFF (*.AIFF)", sounds, "All files (*)"}},
        {"Wav File(*.wav)|*.wav", false, {"Wav File(*.wav)", "All files (*)"}},
        {"Waves|*.WAV;*.wav", false, {"Waves (*.WAV *.wav)", "All files (*)"}},
        {"Sounds|*.wav;*.mp3", false, {"Sounds (*.wav *.mp3)", sounds, "All files (*)"}},
        {"Wav File(*.wav)|*.wav", true, {"Wav File(*.wav)"}},
        {"Mp3 (*.mp3)|*.mp3", true, {"Mp3 (*.mp3)"}},
        {"", false, {"All files (*)"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.filter.toStdString() + (c.save ? " save" : " open"));
        FileRequest request;
        request.filter = c.filter;
        request.save = c.save;
        const QString shown = qtChooserFilter(request);
        EXPECT_EQ(shown, c.shown.join(";;"));
        // Qt reads it back as the same choices, the given one first and selected.
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setNameFilter(shown);
        EXPECT_EQ(dialog.nameFilters(), c.shown);
        EXPECT_EQ(dialog.selectedNameFilter(), c.shown.front());
    }
}

TEST(ScriptedDialogsTest, AnUnansweredQuestionIsCountedNotHung)
{
    ScriptedDialogs dialogs;
    EXPECT_EQ(dialogs.msgBox("Sure?", vbOKCancel, MsgIcon::None, "T"), vbCancel);
    EXPECT_EQ(dialogs.msgBox("Done", vbOKOnly, MsgIcon::Information, "T"), vbOK);
    EXPECT_FALSE(dialogs.inputBox("Name", "T", "x").has_value());
    EXPECT_EQ(dialogs.unanswered(), 2);
    dialogs.answerMessage(vbYes);
    EXPECT_EQ(dialogs.msgBox("Delete?", vbYesNo, MsgIcon::Question, "T"), vbYes);
    EXPECT_EQ(dialogs.asked().size(), 4);
}

} // namespace
