// The three ways the program ends: the window closed, "Exit", and the End button.
#include "app/frmWriteWave.h"

#include "app/programend.h"
#include "core/heldfile.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/mci/player.h"
#include "platform/mp3enc/mp3encoder.h"
#include "ui_frmWriteWave.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>

namespace {

// The texts this file shows, under one translation context.
struct Shutdown {
    Q_DECLARE_TR_FUNCTIONS(Shutdown)
};

} // namespace

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
    if (dialogs_.msgBox(EndQuestion(), vbOKCancel, MsgIcon::None, ProgramTitle) != vbOK)
        return;
    EndProgram(Ending::EndButton);
}

QString frmWriteWave::EndQuestion() const
{
    // What the End button ends beyond the window goes on a second line.
    QStringList losses;
    if (clips_.count() >= 2)
        losses << Shutdown::tr("All %1 clip files of the list will be deleted.").arg(clips_.count());
    if (Mp3Enc1->isBusy())
        losses << Shutdown::tr("\"%1\" is still being written and will not be finished.").arg(output_->target());
    const QString question = QStringLiteral("Are You Sure Want to Exit");
    return losses.isEmpty() ? question : question + QStringLiteral("\r\n") + losses.join(' ');
}

void frmWriteWave::EndProgram(Ending how)
{
    ending_ = true;
    // A conversion or a copy stops at its next block; the encoder stops and removes its
    // unfinished file.
    loader_.cancel();
    if (output_)
        output_->cancel();
    // The players' output threads stop before the files under them go.
    for (MciPlayer *player : {MMaudio, MMControl1, MMCPlayList})
        player->setCommand("Close");

    // "Exit" removes the working files as the window close does: they can be hundreds of
    // megabytes, and nothing reads them after the program ends.
    for (const QString &file : {WorkingFiles::Source, WorkingFiles::Result})
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
