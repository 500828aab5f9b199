// Start-up: the library checks, the working folder and the window's first state.
#include "app/frmWriteWave.h"

#include "app/programend.h"
#include "app/window/decodinglibrary.h"
#include "app/window/formlayout.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/io/systemreason.h"
#include "ui_frmWriteWave.h"

#include <QCoreApplication>
#include <QDir>

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
    if (!trevisto::StartDecodingLibrary(Bass, programFolder_, dialogs_, this)) {
        ProgramEnd::end(1);
        return false;
    }

    BitRate = 128; // as the selected option button says

    // Nothing is loaded yet: no source, no cut result, no list playback.
    controls_.SetEnabled(controls_.SourceControls() + controls_.ResultControls(), false);
    ui->CmdStopList->setVisible(false);
    ui->CmdGoto->setEnabled(false);
    FormLayout::FillGotoLists(*ui);
    volume_.InitMasterVolume(*ui->Knob1);
    clips_.load();
    // The list buttons are right from the first second, not only from the first tick.
    Timer1_Timer();
    return true;
}

void frmWriteWave::Error_(const QString &message)
{
    trevisto::ShowLibraryError(dialogs_, Bass, message);
}
