#include "app/choosers.h"
#include "app/window/decodinglibrary.h"
#include "app/dialogs.h"
#include "app/qtdialogs.h"
#include "app/scripteddialogs.h"
#include "core/routines.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

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

TEST(FileChooserTest, TheChosenPathOrNothingComesBackAndTheRequestArrivesAsBuilt)
{
    ScriptedDialogs dialogs;
    const FileRequest request{"Mp3 (*.mp3)|*.mp3", "/start", "Title", "before.mp3", 0x81004, true, "mp3"};
    dialogs.answerFile(std::nullopt);
    EXPECT_EQ(dialogs.fileDialog(request), std::nullopt);
    dialogs.answerFile(QString("/music/song.mp3"));
    EXPECT_EQ(dialogs.fileDialog(request), "/music/song.mp3");

    ASSERT_EQ(dialogs.asked().size(), 2);
    const FileRequest &asked = dialogs.asked().back().file;
    EXPECT_TRUE(asked.save);
    EXPECT_EQ(asked.filter, "Mp3 (*.mp3)|*.mp3");
    EXPECT_EQ(asked.flags, 0x81004);
    EXPECT_EQ(asked.fileName, "before.mp3") << "the chooser starts from the request's name";
    EXPECT_EQ(asked.initDir, "/start");
    EXPECT_EQ(dialogs.asked().back().title, "Title");
    EXPECT_EQ(dialogs.unanswered(), 0);
}

TEST(FileChooserTest, FiltersBecomeQtFilters)
{
    EXPECT_EQ(qtFilterFromPairs("Mp3 (*.mp3)|*.mp3"), "Mp3 (*.mp3)");
    EXPECT_EQ(qtFilterFromPairs("0GG (*.ogg)|*.ogg"), "0GG (*.ogg)");
    EXPECT_EQ(qtFilterFromPairs("Wav File(*.wav)|*.wav"), "Wav File(*.wav)");
    EXPECT_EQ(qtFilterFromPairs("Sounds|*.wav;*.mp3|All|*.*"), "Sounds (*.wav *.mp3);;All (*.*)");
    EXPECT_EQ(qtFilterFromPairs(""), "All files (*)");
}

TEST(FileChooserTest, ThePreviousChoiceIsOfferedOnlyWhereTheFilterListsIt)
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
        FileRequest request;
        request.filter = c.filter;
        request.initDir = c.initDir;
        const FileRequest offered = offeringPrevious(request, c.previous);
        EXPECT_EQ(offered.fileName, c.offeredName);
        EXPECT_EQ(offered.initDir, c.offeredDir);
        EXPECT_EQ(offered.filter, c.filter);
    }
}

TEST(FileChooserTest, OpenChoosersOfferAllSoundFilesAndAllFilesAfterTheirOwnFilter)
{
    const QString sounds = "All sound files (*.mp3 *.mp2 *.mp1 *.ogg *.oga *.wav *.aif *.aiff *.aifc *.flac *.mod "
                           "*.s3m *.xm *.it *.mptm *.stm *.669 *.mtm *.med *.okt *.far *.ult *.umx *.opus *.m4a "
                           "*.m4b *.mp4 *.aac *.wma *.asf *.ac3 *.eac3 *.amr *.3gp *.wv *.ape *.tta *.caf *.mka "
                           "*.mkv *.webm *.mov *.avi *.flv *.ts)";
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

// Each chooser of the window as built, and as the user sees it.
TEST(Choosers, EachRequestIsCompleteOnItsOwn)
{
    using namespace trevisto;
    const QString music = UserSoundFolder();
    const struct {
        const char *what;
        FileRequest request;
        const char *filter;
        QString initDir;
        const char *title;
        int flags;
        bool save;
        const char *shownTitle;
        QFileDialog::FileMode mode;
    } cases[] = {
        {"open mp3", openSourceRequest("Mp3 (*.mp3)|*.mp3", ""), "Mp3 (*.mp3)|*.mp3", "", "", 528388, false, "Open",
         QFileDialog::ExistingFile},
        {"open wav", openSourceRequest(WavFilter, ""), "Wav File(*.wav)|*.wav", "", "", 528388, false, "Open",
         QFileDialog::ExistingFile},
        {"save mp3", saveMp3Request(), "MP3(*.mp3)|*.mp3|Ogg Vorbis(*.ogg)|*.ogg|Opus(*.opus)|*.opus", music, "", 0, true, "Save As", QFileDialog::AnyFile},
        {"save wav", saveWavRequest(), "Wav File(*.wav)|*.wav|FLAC(*.flac)|*.flac", music, "", 0, true, "Save As", QFileDialog::AnyFile},
        {"join wav", joinWavRequest(""), "Wav File(*.wav)|*.wav|FLAC(*.flac)|*.flac", music, "Select a file to Save", 0x80004, true,
         "Select a file to Save", QFileDialog::AnyFile},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.request.filter, c.filter);
        EXPECT_EQ(c.request.initDir, c.initDir);
        EXPECT_EQ(c.request.title, c.title);
        EXPECT_EQ(c.request.fileName, "");
        EXPECT_EQ(c.request.flags, c.flags);
        EXPECT_EQ(c.request.save, c.save);
        QFileDialog shown;
        prepareChooser(shown, c.request);
        EXPECT_EQ(shown.windowTitle(), c.shownTitle);
        EXPECT_EQ(shown.acceptMode(), c.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        EXPECT_EQ(shown.fileMode(), c.mode);
        EXPECT_FALSE(shown.testOption(QFileDialog::DontConfirmOverwrite)) << "no file is replaced without asking";
        if (!c.initDir.isEmpty()) {
            EXPECT_EQ(shown.directory().absolutePath(), QDir(c.initDir).absolutePath());
        }
    }
    // Only the open choosers and the join offer the previous choice.
    EXPECT_EQ(openSourceRequest(WavFilter, "/m/a.wav").fileName, "/m/a.wav");
    EXPECT_EQ(joinWavRequest("/m/a.wav").fileName, "/m/a.wav");
    EXPECT_EQ(joinWavRequest("/m/a.mp3").initDir, music) << "its own folder stays";
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

// Enter in a real message box gives the first button unless another is made the default.
TEST(QtDialogsTest, EnterGivesTheDefaultButton)
{
    const struct {
        int buttons, answer;
    } cases[] = {
        {vbYesNo, vbYes},
        {vbYesNo | vbDefaultButton2, vbNo},
        {vbOKCancel | vbDefaultButton2, vbCancel},
        {vbYesNoCancel | vbDefaultButton3, vbCancel},
        {vbYesNoCancel | vbDefaultButton2, vbNo},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.buttons);
        QtDialogs dialogs;
        QTimer enter;
        QObject::connect(&enter, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                QCoreApplication::sendEvent(box, &press);
            }
        });
        enter.start(10);
        EXPECT_EQ(dialogs.msgBox("Delete?", c.buttons, MsgIcon::None, "Deleting"), c.answer);
    }
}

} // namespace

TEST(FileChooserTest, ANameWithoutExtensionGetsTheChoosersSuffix)
{
    struct Case {
        const char *typed;
        const char *suffix;
        const char *saved;
    } cases[] = {
        {"/music/ringtone", "mp3", "/music/ringtone.mp3"},
        {"/music/ringtone.mp3", "mp3", "/music/ringtone.mp3"},
        {"/music/ringtone.wav", "mp3", "/music/ringtone.wav"}, // an extension of its own stays
        {"/music.d/ringtone", "wav", "/music.d/ringtone.wav"}, // a dot in the folder is no extension
        {"/music/.hidden", "wav", "/music/.hidden"},
        {"/music/ringtone", "", "/music/ringtone"},
        {"/music/", "wav", "/music/"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(withDefaultSuffix(c.typed, c.suffix), QString(c.saved)) << c.typed;
    EXPECT_EQ(trevisto::saveMp3Request().defaultSuffix, "mp3");
    EXPECT_EQ(trevisto::saveWavRequest().defaultSuffix, "wav");
    EXPECT_EQ(trevisto::joinWavRequest({}).defaultSuffix, "wav");
}

namespace {

// A refused file's line names what it was found to be and why, one reason per line.
TEST(RefusalLineTest, NamesTheFormatFoundAndTheReason)
{
    using trevisto::RefusalLine;
    const DWORD reasons[] = {BASS_REASON_NOT_SOUND, BASS_REASON_NO_AUDIO,  BASS_REASON_ENCRYPTED,
                             BASS_REASON_NO_DECODER, BASS_REASON_REFERS_OUT, BASS_REASON_DAMAGED,
                             BASS_REASON_BAD_FORMAT};
    QStringList seen;
    for (const DWORD reason : reasons) {
        const QString line = RefusalLine(reason, QStringLiteral("mov / aac"));
        EXPECT_TRUE(line.startsWith(QStringLiteral("Found: mov / aac. "))) << line.toStdString();
        EXPECT_FALSE(seen.contains(line)) << "two reasons read alike: " << line.toStdString();
        seen << line;
    }
    EXPECT_EQ(RefusalLine(BASS_REASON_NOT_SOUND, {}),
              QStringLiteral("Found: not a sound file. It is no sound or video format the program knows."));
    EXPECT_EQ(RefusalLine(BASS_REASON_UNREADABLE, {}), QStringLiteral("The file cannot be opened or read."));
    EXPECT_TRUE(RefusalLine(BASS_REASON_NONE, QStringLiteral("mp3")).isEmpty());
    EXPECT_TRUE(RefusalLine(999, {}).isEmpty());
}

} // namespace
