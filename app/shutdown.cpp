// The three ways the program ends: the window closed, "Exit", and the End button.
#include "app/frmWriteWave.h"

#include "app/programend.h"
#include "app/window/endquestion.h"
#include "core/heldfile.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/mci/player.h"
#include "platform/mp3enc/mp3encoder.h"
#include "ui_frmWriteWave.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>

void frmWriteWave::closeEvent(QCloseEvent *event)
{
    event->accept();
    EndProgram(Ending::WindowClosed);
}

void frmWriteWave::EndFromOutside()
{
    // Before start-up has made the working files this copy's own (another copy may be
    // using them), nothing is removed.
    if (!drive_.ownsWorkingFiles()) {
        ProgramEnd::end(1);
        return;
    }
    EndProgram(Ending::WindowClosed);
}

void frmWriteWave::Exit1_Click()
{
    EndProgram(Ending::Exit);
}

void frmWriteWave::CdmEnd_Click()
{
    // What the End button ends beyond the window goes on a second line.
    const std::optional<QString> unfinished = Mp3Enc1->isBusy() ? std::optional(output_->target()) : std::nullopt;
    if (dialogs_.msgBox(trevisto::EndQuestion(clips_.count(), unfinished), vbOKCancel, MsgIcon::None, ProgramTitle) !=
        vbOK)
        return;
    EndProgram(Ending::EndButton);
}

void frmWriteWave::EndProgram(Ending how)
{
    ending_ = true;
    // A conversion or a copy stops at its next block; the encoder stops and removes its
    // unfinished file.
    loader_.cancel();
    output_->cancel();
    // The players' output threads stop before the files under them go.
    for (MciPlayer *player : {MMaudio, MMControl1, MMCPlayList})
        player->setCommand("Close");

    // "Exit" removes the working files as the window close does: they can be hundreds of
    // megabytes, and nothing reads them after the program ends.
    for (const QString &file : {WorkingFiles::Source, WorkingFiles::Result, WorkingFiles::JointPreview})
        QFile::remove(NativePath(file));
    // Nothing is undone after the end: what the steps hold goes, and whatever else the
    // holding folder has.
    undo_.clear();
    trevisto::SweepHoldingFolder(trevisto::HoldingFolder());
    if (how == Ending::EndButton) {
        QFile::remove(NativePath(WorkingFiles::Concat));
        if (clips_.count() >= 2) {
            for (int row = clips_.count() - 1; row >= 0; --row)
                QFile::remove(NativePath(clips_.file(row)));
            clips_.clear();
        }
    }
    // A source still being written never becomes the working file.
    QFile::remove(NativePath(WorkingFiles::SourceInProgress));
    if (Bass.Free)
        Bass.Free();
    ProgramEnd::end(0);
}
