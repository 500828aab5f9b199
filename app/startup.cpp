// Start-up: the working folder, its lock and the window's first state, then what the first
// frame does not need: the decoding library's checks among it.
#include "app/frmWriteWave.h"

#include "app/programend.h"
#include "app/window/decodinglibrary.h"
#include "app/window/formlayout.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/io/systemreason.h"
#include "ui/buttonpictures.h"
#include "ui_frmWriteWave.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

// The texts this file shows, under one translation context.
struct StartUp {
    Q_DECLARE_TR_FUNCTIONS(StartUp)
};

// Creates the working folder when it is missing. Empty on success, else the reason.
QString ensureFolder(const QString &drivePath, QString &nativeOut)
{
    nativeOut = NativePath(drivePath);
    std::error_code ec;
    const std::filesystem::path native(nativeOut.toStdString());
    if (std::filesystem::is_directory(native, ec))
        return {};
    std::filesystem::create_directories(native, ec);
    if (ec)
        return trevisto::io::systemReason(ec.value());
    if (!std::filesystem::is_directory(native, ec))
        return StartUp::tr("a file of that name is in the way");
    return {};
}

// What start-up makes ready after the first frame, with the list's buttons that Timer1_Timer
// sets once the list is there and the button that opens a sound through the decoding library.
QList<QWidget *> LateControls(const Ui::frmWriteWave &ui)
{
    return {ui.List1,   ui.CmdPlayList, ui.Command5, ui.Command4, ui.CmdUp,  ui.CmdDown,   ui.CmdCreate,
            ui.Command2, ui.Knob1,      ui.cmbHH,    ui.CmbMM,    ui.CmbSS, ui.btnLoadFile};
}

// The menu items that open a sound through the decoding library.
QList<QAction *> LateItems(const Ui::frmWriteWave &ui)
{
    return {ui.Open1, ui.ogg, ui.aiff};
}

} // namespace

bool frmWriteWave::Form_Load()
{
    // Relative paths, the library's among them, are found beside the program.
    QDir::setCurrent(programFolder_);
    ui->opt1->menuAction()->setVisible(true);
    LoadLanguage();

    QString nativeTemp;
    const QString why = ensureFolder(WorkingFiles::Folder, nativeTemp);
    if (!why.isEmpty()) {
        dialogs_.msgBox(StartUp::tr("The working folder \"%1\" cannot be created: %2.\r\n\r\n"
                                    "Trevisto MP3 Editor cannot run without it.")
                            .arg(QDir::toNativeSeparators(nativeTemp), why),
                        vbOKOnly, MsgIcon::Critical, ProgramTitle);
        ProgramEnd::end(1);
        return false;
    }
    if (!drive_.TakeDrive(dialogs_, ProgramTitle)) {
        ProgramEnd::end(1);
        return false;
    }

    BitRate = 128; // as the selected option button says

    // Nothing is loaded yet: no source, no cut result, no list playback.
    controls_.SetEnabled(controls_.SourceControls() + controls_.ResultControls(), false);
    ui->CmdStopList->setVisible(false);
    ui->CmdGoto->setEnabled(false);
    // The decoding library, the list, the knob and the Goto lists are made ready after the
    // first frame; until then nothing may act on them half made.
    for (QWidget *control : LateControls(*ui))
        control->setEnabled(false);
    for (QAction *item : LateItems(*ui))
        item->setEnabled(false);
    return true;
}

bool frmWriteWave::FinishStarting()
{
    // Timer1 runs from here on, so a second call finds it running. A close or a signal may
    // have ended the program before the first frame came.
    if (ending_ || Timer1->isActive())
        return !ending_;
    // Its refusal still comes before the user can act: what opens a sound through it is off
    // until now.
    if (!trevisto::StartDecodingLibrary(Bass, programFolder_, dialogs_, this)) {
        ProgramEnd::end(1);
        return false;
    }
    FormLayout::FillGotoLists(*ui);
    volume_.InitMasterVolume(*ui->Knob1);
    clips_.load();
    lighting_.WatchPointerMoves();
    setWindowIcon(buttonpictures::programIcon());
    for (QWidget *control : LateControls(*ui))
        control->setEnabled(true);
    for (QAction *item : LateItems(*ui))
        item->setEnabled(true);
    setAcceptDrops(true);
    // The list buttons are right from the first second, not only from the first tick.
    Timer1_Timer();
    Timer1->start();
    return true;
}
