// The marks and the Goto entry.
#include "app/frmWriteWave.h"

#include "editor/timetext.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/mci/player.h"
#include "ui/detailview.h"
#include "ui_frmWriteWave.h"

#include <utility>

QString frmWriteWave::PositionText(const MciPlayer &player)
{
    return ClockText(player.position() / 1000.0) + " / " + ClockText(player.length() / 1000.0);
}

void frmWriteWave::CmdSetin_Click()
{
    MarkIn = qint32(MMaudio->position());
    ui->Txtin->setText(ClockText(ui->Slider1->value()));
    ShowMarks();
}

void frmWriteWave::CmdOut_Click()
{
    MarkOut = qint32(MMaudio->position());
    ui->TxtOut->setText(ClockText(ui->Slider1->value()));
    ShowMarks();
}

void frmWriteWave::CmdGoto_Click()
{
    const std::optional<int32_t> GotoPos =
        GotoTarget(ui->cmbHH->currentText(), ui->CmbMM->currentText(), ui->CmbSS->currentText());
    if (!GotoPos || MMaudio->length() < *GotoPos) {
        dialogs_.msgBox("Invalid time setting", vbOKOnly, MsgIcon::None, "Trevisto");
        return;
    }
    MMaudio->setStartPosition(*GotoPos);
    MMaudio->setCommand("Play");
    // The keys act on the window again, not in the box.
    if (QWidget *focused = focusWidget())
        focused->clearFocus();
}

void frmWriteWave::ShowOpenedSource(const QString &path)
{
    const qint64 length = MMaudio->length();
    MarkIn = 0;
    MarkOut = qint32(length);
    ui->Slider1->setRange(0, WholeSeconds(length));
    // The envelope reduced while this sound was written; the table starts empty for the next.
    PeakTable peaks = loader_.takePeaks();
    ui->Slider1->setPeaks(peaks.coarsened());
    detail_->setSound(NativePath(WorkingFiles::Source), std::move(peaks));
    ui->Slider1->clearCutRange();
    ShowMarks();
    ui->lblAudio->setText(PositionText(*MMaudio));
    ui->Txtin->setText("00:00:00");
    ui->TxtOut->setText(ClockText(length / 1000.0));
    setWindowTitle(QStringLiteral("%1 -%2").arg(ProgramTitle, path));
    loadedSource_ = path;
}
