#include "window_fixture.h"

#include "core/routines.h"

#include <QFileInfo>

namespace {

using Kind = ScriptedDialogs::Kind;

class StartUp : public WindowFixture {
protected:
    // The one message of a refused start-up, and that the program ended.
    void expectRefusal(const QString &text, const QString &title, MsgIcon icon)
    {
        ASSERT_EQ(dialogs_.asked().size(), 1);
        const auto &asked = dialogs_.asked().front();
        EXPECT_EQ(asked.kind, Kind::Message);
        EXPECT_EQ(asked.text, text);
        EXPECT_EQ(asked.title, title);
        EXPECT_EQ(asked.icon, icon);
        EXPECT_EQ(asked.buttons, vbOKOnly);
        EXPECT_TRUE(endCode_.has_value()) << "the program must end";
    }
};

TEST_F(StartUp, WithoutTheLibraryItEndsBeforeAnyLibraryCall)
{
    EXPECT_FALSE(start());
    expectRefusal("BASS.DLL does not exists", "BASS.DLL", MsgIcon::Critical);
    EXPECT_TRUE(libraryCalls().isEmpty());

    // A folder of that name is no library either.
    dialogs_.clear();
    endCode_.reset();
    QDir().mkpath(programFolder_ + "/libbass.so");
    EXPECT_FALSE(start());
    expectRefusal("BASS.DLL does not exists", "BASS.DLL", MsgIcon::Critical);
}

// The library is checked after the first frame: the window may be shown, but its refusal
// still ends the program before anything runs on it.
TEST_F(StartUp, TheLibrarysRefusalComesWithTheRestOfStartUp)
{
    makeWindow();
    ASSERT_TRUE(window_->Form_Load());
    EXPECT_TRUE(dialogs_.asked().isEmpty());
    EXPECT_FALSE(endCode_.has_value());
    EXPECT_FALSE(window_->FinishStarting());
    expectRefusal("BASS.DLL does not exists", "BASS.DLL", MsgIcon::Critical);
    EXPECT_FALSE(Timer1(*window_)->isActive()) << "nothing after the refusal";
    EXPECT_EQ(ui(*window_)->List1->isEnabled(), false);
}

TEST_F(StartUp, RefusesEveryOtherVersionAfterAskingOnlyTheVersion)
{
    installLibrary(FAKEBASS_PATH);
    for (const char *version : {"0x00020001", "0x00030002", "0x00000000", "0x00020003"}) {
        SCOPED_TRACE(version);
        setenv("FAKEBASS_VERSION", version, 1);
        QFile::remove(logPath_);
        dialogs_.clear();
        endCode_.reset();
        EXPECT_FALSE(start());
        expectRefusal("BASS version 2.2 was not loaded", "Incorrect BASS.DLL", MsgIcon::Critical);
        EXPECT_EQ(libraryCalls(), QStringList{"BASS_GetVersion"});
    }
}

TEST_F(StartUp, AFileThatIsNoLibraryIsRefusedWithoutACrash)
{
    QFile junk(programFolder_ + "/libbass.so");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("\x7f" "ELF but not really a shared object");
    junk.close();
    EXPECT_FALSE(start());
    expectRefusal("BASS version 2.2 was not loaded", "Incorrect BASS.DLL", MsgIcon::Critical);
}

TEST_F(StartUp, AFailedInitShowsTheErrorCodeAndEnds)
{
    installLibrary(FAKEBASS_PATH);
    setenv("FAKEBASS_INIT_FAIL", "3", 1);
    EXPECT_FALSE(start());
    expectRefusal("Can't initialize device\r\n\r\nError Code : 3", "Error", MsgIcon::Exclamation);
    EXPECT_EQ(libraryCalls(),
              (QStringList{"BASS_GetVersion", "BASS_SetConfig", "BASS_Init 0 44100 0", "BASS_ErrorGetCode"}));
}

TEST_F(StartUp, LeavesTheWindowInItsNothingLoadedState)
{
    installLibrary(FAKEBASS_PATH);
    ASSERT_TRUE(start());
    EXPECT_FALSE(endCode_.has_value());
    EXPECT_TRUE(dialogs_.asked().isEmpty());
    EXPECT_EQ(libraryCalls(), (QStringList{"BASS_GetVersion", "BASS_SetConfig", "BASS_Init 0 44100 0"}));

    frmWriteWave &w = *window_;
    EXPECT_EQ(BitRate(w), 128);
    EXPECT_TRUE(ui(w)->Option3->isChecked());
    EXPECT_EQ(QDir::currentPath(), QFileInfo(programFolder_).canonicalFilePath());
    EXPECT_TRUE(QFileInfo(NativePath("C:\\Temp")).isDir());

    // Exactly these buttons are disabled; every other button is usable. The list buttons
    // are set by the timer's first tick, which start-up runs at once.
    const QSet<QString> disabled{"CmdPlay",   "CmdBack",  "CmdStop",    "CmdPause",   "CmdStep",     "CmdSetin",
                                 "CmdOut",    "CmdSetNew", "CmdPlayTemp", "CmdStopTemp", "CmdSaveas",  "Command3",
                                 "CmdaddList", "CmdGoto", "btnConvert", "CmdCreate",   "Command2",    "Command4",
                                 "CmdPlayList", "Command5", "CmdUp",     "CmdDown",
                                 // the close view's bar
                                 "CmdPlayMarked", "CmdPlayFromIn", "CmdPlayToOut"};
    for (QAbstractButton *b : w.findChildren<QAbstractButton *>()) {
        SCOPED_TRACE(b->objectName().toStdString());
        EXPECT_EQ(b->isEnabled(), !disabled.contains(b->objectName()));
    }
    EXPECT_TRUE(ui(w)->CmdStopList->isHidden());
    EXPECT_FALSE(ui(w)->CmdPlayList->isHidden());

    auto items = [](QComboBox *box) {
        QStringList out;
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    };
    const QStringList hh = items(ui(w)->cmbHH), mm = items(ui(w)->CmbMM), ss = items(ui(w)->CmbSS);
    EXPECT_EQ(hh.size(), 13);
    EXPECT_EQ(hh.front(), "00");
    EXPECT_EQ(hh.back(), "12");
    EXPECT_EQ(hh.at(9), "09");
    EXPECT_EQ(mm.size(), 60);
    EXPECT_EQ(mm.back(), "59");
    EXPECT_EQ(ss, mm);
    for (QComboBox *box : {ui(w)->cmbHH, ui(w)->CmbMM, ui(w)->CmbSS}) {
        EXPECT_TRUE(box->isEditable());
        EXPECT_EQ(box->currentText(), "00");
    }

    // The Option menu appears, in its place between Open and Help; Edit has nothing to undo.
    const QList<QAction *> bar = w.menuBar()->actions();
    ASSERT_EQ(bar.size(), 6);
    EXPECT_EQ(bar[4], ui(w)->opt1->menuAction());
    EXPECT_EQ(bar[3], ui(w)->Fopen->menuAction());
    EXPECT_TRUE(bar[4]->isVisible());
    EXPECT_EQ(bar[1], ui(w)->Edit->menuAction());
    EXPECT_FALSE(ui(w)->EditUndo->isEnabled());
    EXPECT_FALSE(ui(w)->EditRedo->isEnabled());
}

TEST_F(StartUp, ASecondStartFindsTheWorkingFolderInPlace)
{
    installLibrary(FAKEBASS_PATH);
    ASSERT_TRUE(start());
    // A file left in the working folder survives the next start.
    QFile clip(NativePath("C:\\temp\\kept.wav"));
    ASSERT_TRUE(clip.open(QIODevice::WriteOnly));
    clip.close();
    ASSERT_TRUE(start());
    EXPECT_TRUE(dialogs_.asked().isEmpty());
    EXPECT_TRUE(FileExists("C:\\TEMP\\KEPT.WAV"));
}

TEST_F(StartUp, ASecondCopyOnTheSameDriveSaysSoAndTouchesNoFile)
{
    installLibrary(FAKEBASS_PATH);
    ASSERT_TRUE(start());
    QFile working(NativePath("C:\\temp.wav"));
    ASSERT_TRUE(working.open(QIODevice::WriteOnly));
    working.write("the first copy's sound");
    working.close();

    ScriptedDialogs otherDialogs;
    frmWriteWave other(otherDialogs, programFolder_);
    EXPECT_FALSE(other.Form_Load());
    ASSERT_EQ(otherDialogs.asked().size(), 1);
    const auto &asked = otherDialogs.asked().front();
    EXPECT_EQ(asked.text, "Trevisto MP3 Editor is already running with the working files in \"" +
                              QDir::toNativeSeparators(NativePath("C:\\")) + "\".\r\n\r\nOnly one copy can use them at a time.");
    EXPECT_EQ(asked.icon, MsgIcon::Exclamation);
    EXPECT_EQ(endCode_, 1);
    // Ended from outside while it shows the refusal, it still leaves the files alone.
    endCode_.reset();
    other.EndFromOutside();
    EXPECT_EQ(endCode_, 1);
    EXPECT_TRUE(FileExists("C:\\temp.wav"));

    // Once the first copy has ended, the next one starts.
    window_.reset();
    ScriptedDialogs laterDialogs;
    frmWriteWave later(laterDialogs, programFolder_);
    EXPECT_TRUE(later.Form_Load());
    EXPECT_TRUE(laterDialogs.asked().isEmpty());
}

TEST_F(StartUp, AWorkingFolderThatCannotBeMadeIsNamedAndEndsTheProgram)
{
    installLibrary(FAKEBASS_PATH);
    // A plain file where the prefix folder should be: no folder can be made below it.
    QFile blocker(root_.path() + "/blocker");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    setenv("TREVISTO_PREFIX", (root_.path() + "/blocker/prefix").toLocal8Bit().constData(), 1);

    EXPECT_FALSE(start());
    ASSERT_EQ(dialogs_.asked().size(), 1);
    const auto &asked = dialogs_.asked().front();
    EXPECT_TRUE(asked.text.contains(root_.path() + "/blocker/prefix/drive_c/Temp")) << asked.text.toStdString();
    EXPECT_EQ(asked.icon, MsgIcon::Critical);
    EXPECT_TRUE(endCode_.has_value());
    EXPECT_TRUE(libraryCalls().isEmpty()) << "the library is not touched";
}

TEST_F(StartUp, TheRealLibraryIsAccepted)
{
    installLibrary(REAL_BASS_PATH);
    ASSERT_TRUE(start());
    EXPECT_TRUE(dialogs_.asked().isEmpty());
    EXPECT_FALSE(endCode_.has_value());
    EXPECT_EQ(Bass(*window_).GetVersion(), 0x00020002u);
}

} // namespace
