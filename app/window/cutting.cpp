// Cutting the source down to the marks: the result goes to the result file and the result
// player, and the result it replaces waits for Undo.
#include "app/frmWriteWave.h"

#include "core/heldfile.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "editor/cut.h"
#include "editor/timetext.h"
#include "platform/mci/player.h"
#include "settings/captions.h"
#include "ui/closeview.h"
#include "ui_frmWriteWave.h"

#include <QCoreApplication>
#include <QPointer>
#include <QScopeGuard>
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
        dialogs_.msgBox(texts_.PackText(trevisto::MarkInBeforeMarkOut), vbOKOnly, MsgIcon::None,
                        ProgramTitle);
        return;
    }
    // The result's buttons go off while the cut is made; one that had the keyboard takes it
    // back once they are on again, so the keys stay where the user was.
    const QPointer<QWidget> focused = focusWidget();
    const auto giveFocusBack = qScopeGuard([&] {
        if (focused && focused != focusWidget() && focused->isEnabled())
            focused->setFocus(Qt::OtherFocusReason);
    });
    // The device reads the source file, so the player lets go of it first.
    MMaudio->setCommand("Stop");
    const qint64 length = MMaudio->length();
    using trevisto::CutStep;
    std::optional<CutStep::Result> before;
    if (MMControl1->isOpen()) {
        const auto marks = ui->Slider1->cutRange().value_or(std::pair<qint64, qint64>());
        before = CutStep::Result{source_.resultOrigin, marks.first, marks.second};
    }
    MMControl1->setCommand("Close");
    const QString result = NativePath(WorkingFiles::Result);
    trevisto::HeldFile previous =
        before ? trevisto::HeldFile::take(result, trevisto::HoldingFolder()) : trevisto::HeldFile();
    DiscardResult();
    const auto step = [&](std::optional<CutStep::Result> after) {
        // A failed cut that took no earlier result away is no step.
        if (!after && !previous)
            return;
        undo_.push(new CutStep(trevisto::CutText(MarkIn, MarkOut), result, trevisto::HoldingFolder(), before,
                               std::move(previous), std::move(after), [this] { MMControl1->setCommand("Close"); },
                               [this](const std::optional<CutStep::Result> &shown) { ShowResult(shown); }));
    };

    CutRange range;
    CommandOutcome outcome = CutSource(WorkingFiles::Source, WorkingFiles::Result, MarkIn, MarkOut, length, &range);
    if (outcome.ok()) {
        MMControl1->setFileName(WorkingFiles::Result);
        MMControl1->setCommand("Open");
        if (!MMControl1->isOpen())
            outcome = {MMControl1->lastError(), "Open " + WorkingFiles::Result, 0, {}};
    }
    if (!outcome.ok()) {
        DiscardResult();
        dialogs_.msgBox(Cutting::tr("The cut of \"%1\" into \"%2\" could not be made: %3\r\n%4")
                            .arg(NativePath(WorkingFiles::Source), NativePath(WorkingFiles::Result),
                                 outcome.reason(), outcome.failedCommand),
                        vbOKOnly, MsgIcon::Critical, ProgramTitle);
        step(std::nullopt);
        return;
    }
    const CutStep::Result after{source_.originOf(range.first, range.last), MarkIn, MarkOut};
    ShowResult(after);
    step(after);
}

void frmWriteWave::DiscardResult()
{
    MMControl1->setCommand("Close");
    QFile::remove(NativePath(WorkingFiles::Result));
    ShowResult(std::nullopt);
}

void frmWriteWave::ShowResult(const std::optional<trevisto::CutStep::Result> &result)
{
    if (result && !MMControl1->isOpen()) {
        MMControl1->setFileName(WorkingFiles::Result);
        MMControl1->setCommand("Open");
    }
    const bool shown = result && MMControl1->isOpen();
    source_.resultOrigin = shown ? result->origin : std::nullopt;
    controls_.SetEnabled(controls_.ResultControls(), shown);
    if (shown) {
        ui->Label4->setText(PositionText(MMControl1->position(), MMControl1->length()));
        ui->Slider1->setCutRange(result->from, result->to);
    } else {
        MMControl1->setCommand("Close");
        ui->Label4->clear();
        ui->Slider1->clearCutRange();
    }
}

void frmWriteWave::ShowNothingLoaded()
{
    MMaudio->setCommand("Close");
    controls_.SetEnabled(controls_.SourceControls() << ui->CmdGoto, false);
    setWindowTitle(ProgramTitle);
    ui->Slider1->clearWave();
    closeView_->clearSound();
    source_.file.clear();
    ShowSplitPlan({});
}
