// The marks, each set a step Undo takes back, and the Goto entry.
#include "app/frmWriteWave.h"

#include "app/window/closeviewbinding.h"
#include "editor/timetext.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/mci/player.h"
#include "ui/closeview.h"
#include "ui_frmWriteWave.h"

#include <utility>

void frmWriteWave::CmdSetin_Click()
{
    const qint64 at = MMaudio->position(), placed = closeViewBinding_->Placed(at);
    SetMark(trevisto::MarkStep::Mark::In, placed, placed == at ? ClockText(ui->Slider1->value()) : ClockText(placed / 1000.0));
}

void frmWriteWave::CmdOut_Click()
{
    const qint64 at = MMaudio->position(), placed = closeViewBinding_->Placed(at);
    SetMark(trevisto::MarkStep::Mark::Out, placed, placed == at ? ClockText(ui->Slider1->value()) : ClockText(placed / 1000.0));
}

namespace {

// Shows a mark's place in the window's value and its label.
trevisto::MarkStep::Show MarkShower(qint32 &markIn, qint32 &markOut, Ui::frmWriteWave &ui, std::function<void()> showMarks)
{
    using trevisto::MarkStep;
    return [&markIn, &markOut, &ui, showMarks](MarkStep::Mark which, const MarkStep::Place &place) {
        const bool in = which == MarkStep::Mark::In;
        (in ? markIn : markOut) = qint32(place.ms);
        (in ? ui.Txtin : ui.TxtOut)->setText(place.text);
        showMarks();
    };
}

} // namespace

void frmWriteWave::SetMark(trevisto::MarkStep::Mark mark, qint64 ms, const QString &text)
{
    using trevisto::MarkStep;
    const bool in = mark == MarkStep::Mark::In;
    const MarkStep::Place before{in ? MarkIn : MarkOut, (in ? ui->Txtin : ui->TxtOut)->text()};
    const MarkStep::Place after{qint32(ms), text};
    const auto show = MarkShower(MarkIn, MarkOut, *ui, [this] { ShowMarks(); });
    // A mark set where it stands is no step.
    if (after == before)
        show(mark, after);
    else
        undo_.push(new MarkStep(mark, before, after, show));
}

void frmWriteWave::SetMarkRange(qint64 markIn, qint64 markOut)
{
    using trevisto::MarkStep;
    const MarkStep::Place inBefore{MarkIn, ui->Txtin->text()}, outBefore{MarkOut, ui->TxtOut->text()};
    const MarkStep::Place inAfter{qint32(markIn), ClockText(markIn / 1000.0)};
    const MarkStep::Place outAfter{qint32(markOut), ClockText(markOut / 1000.0)};
    if (inAfter == inBefore && outAfter == outBefore)
        return;
    undo_.push(new trevisto::MarkRangeStep(inBefore, inAfter, outBefore, outAfter,
                                           MarkShower(MarkIn, MarkOut, *ui, [this] { ShowMarks(); })));
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
    ApplyPendingCue();
    ShowTrackItems();
}
