// The marks, each set a step Undo takes back, and the Goto entry.
#include "app/frmWriteWave.h"

#include "editor/timetext.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/mci/player.h"
#include "ui/closeview.h"
#include "ui_frmWriteWave.h"

#include <utility>

void frmWriteWave::CmdSetin_Click()
{
    SetMark(trevisto::MarkStep::Mark::In, MMaudio->position(), ClockText(ui->Slider1->value()));
}

void frmWriteWave::CmdOut_Click()
{
    SetMark(trevisto::MarkStep::Mark::Out, MMaudio->position(), ClockText(ui->Slider1->value()));
}

void frmWriteWave::SetMark(trevisto::MarkStep::Mark mark, qint64 ms, const QString &text)
{
    using trevisto::MarkStep;
    const bool in = mark == MarkStep::Mark::In;
    const MarkStep::Place before{in ? MarkIn : MarkOut, (in ? ui->Txtin : ui->TxtOut)->text()};
    const MarkStep::Place after{qint32(ms), text};
    const auto show = [this](MarkStep::Mark which, const MarkStep::Place &place) {
        const bool markIn = which == MarkStep::Mark::In;
        (markIn ? MarkIn : MarkOut) = qint32(place.ms);
        (markIn ? ui->Txtin : ui->TxtOut)->setText(place.text);
        ShowMarks();
    };
    // A mark set where it stands is no step.
    if (after == before)
        show(mark, after);
    else
        undo_.push(new MarkStep(mark, before, after, show));
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
    closeView_->setSound(NativePath(WorkingFiles::Source), std::move(peaks));
    ui->Slider1->clearCutRange();
    ShowMarks();
    ui->lblAudio->setText(PositionText(MMaudio->position(), MMaudio->length()));
    ui->Txtin->setText("00:00:00");
    ui->TxtOut->setText(ClockText(length / 1000.0));
    setWindowTitle(QStringLiteral("%1 -%2").arg(ProgramTitle, path));
    source_.file = path;
}
