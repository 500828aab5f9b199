// Cutting the source down to the marks: the result goes to the result file and the result
// player.
#include "app/frmWriteWave.h"

#include "core/routines.h"
#include "core/workingfiles.h"
#include "editor/cut.h"
#include "platform/mci/player.h"
#include "settings/captions.h"
#include "ui/detailview.h"
#include "ui_frmWriteWave.h"

#include <QCoreApplication>
#include <QFile>

namespace {

// The texts this file shows, under one translation context.
struct Cutting {
    Q_DECLARE_TR_FUNCTIONS(Cutting)
};

} // namespace

void frmWriteWave::CmdSetNew_Click()
{
    if (!(MarkIn < MarkOut)) {
        dialogs_.msgBox(PackText(trevisto::MarkInBeforeMarkOut), vbOKOnly, MsgIcon::None,
                        ProgramTitle);
        return;
    }
    // The device reads the source file, so the player lets go of it first.
    MMaudio->setCommand("Stop");
    const qint64 length = MMaudio->length();
    DiscardResult();

    CutRange range;
    CommandOutcome outcome = CutSource(WorkingFiles::Source, WorkingFiles::Result, MarkIn, MarkOut, length, &range);
    if (outcome.ok()) {
        MMControl1->setFileName(WorkingFiles::Result);
        MMControl1->setCommand("Open");
        if (!MMControl1->isOpen())
            outcome = {MMControl1->lastError(), "Open " + WorkingFiles::Result};
    }
    if (!outcome.ok()) {
        DiscardResult();
        dialogs_.msgBox(Cutting::tr("The cut of \"%1\" into \"%2\" could not be made: %3\r\n%4")
                            .arg(NativePath(WorkingFiles::Source), NativePath(WorkingFiles::Result),
                                 outcome.reason(), outcome.failedCommand),
                        vbOKOnly, MsgIcon::Critical, ProgramTitle);
        return;
    }
    if (sourceMp3_ && range.last > range.first)
        resultOrigin_ = Mp3Origin{*sourceMp3_, range.first, range.last};
    SetEnabled(ResultControls(), true);
    ui->Label4->setText(PositionText(*MMControl1));
    ui->Slider1->setCutRange(MarkIn, MarkOut);
}

void frmWriteWave::DiscardResult()
{
    resultOrigin_.reset();
    MMControl1->setCommand("Close");
    QFile::remove(NativePath(WorkingFiles::Result));
    SetEnabled(ResultControls(), false);
    ui->Label4->clear();
    ui->Slider1->clearCutRange();
}

void frmWriteWave::ShowNothingLoaded()
{
    MMaudio->setCommand("Close");
    SetEnabled(SourceControls() << ui->CmdGoto, false);
    setWindowTitle(ProgramTitle);
    ui->Slider1->clearWave();
    detail_->clearSound();
    loadedSource_.clear();
}
