// The close view of the source and the precise keys: a click or a dragged mark there, steps
// of 10 ms and one second while the sound stands, and hearing the marked range before the cut.
#include "app/frmWriteWave.h"

#include "editor/timetext.h"
#include "platform/mci/player.h"
#include "ui/closeview.h"
#include "ui_frmWriteWave.h"

#include <QCoreApplication>
#include <QShortcut>

#include <algorithm>
#include <functional>

namespace {

// The texts this file shows are the close view's own: CloseView::tr, under its context.

// How long [ and ] play at a mark.
constexpr qint64 kMarkPreviewMs = 2000;

} // namespace

void frmWriteWave::ConnectCloseView()
{
    connect(closeView_, &CloseView::positionPicked, this, &frmWriteWave::MovePlayPosition);
    // A drag of a mark is one step, set where it is dropped.
    connect(closeView_, &CloseView::markInDropped, this,
            [this](qint64 ms) { SetMark(trevisto::MarkStep::Mark::In, ms, ClockText(ms / 1000.0)); });
    connect(closeView_, &CloseView::markOutDropped, this,
            [this](qint64 ms) { SetMark(trevisto::MarkStep::Mark::Out, ms, ClockText(ms / 1000.0)); });
    connect(closeView_, &CloseView::playMarkedRequested, this, &frmWriteWave::PlayMarked);
    connect(closeView_, &CloseView::playFromMarkInRequested, this, &frmWriteWave::PlayFromMarkIn);
    connect(closeView_, &CloseView::playToMarkOutRequested, this, &frmWriteWave::PlayToMarkOut);

    const struct {
        QKeySequence key;
        std::function<void()> does;
    } keys[] = {
        {Qt::Key_Comma, [this] { StepPlayPosition(-10); }},
        {Qt::Key_Period, [this] { StepPlayPosition(10); }},
        // Shift with , and . gives < and > on most layouts, and itself on some.
        {Qt::Key_Less, [this] { StepPlayPosition(-1000); }},
        {Qt::Key_Greater, [this] { StepPlayPosition(1000); }},
        {QKeySequence(Qt::SHIFT | Qt::Key_Comma), [this] { StepPlayPosition(-1000); }},
        {QKeySequence(Qt::SHIFT | Qt::Key_Period), [this] { StepPlayPosition(1000); }},
        {QKeySequence(Qt::SHIFT | Qt::Key_Less), [this] { StepPlayPosition(-1000); }},
        {QKeySequence(Qt::SHIFT | Qt::Key_Greater), [this] { StepPlayPosition(1000); }},
        {QKeySequence(Qt::SHIFT | Qt::Key_Space), [this] { PlayMarked(); }},
        {Qt::Key_BracketLeft, [this] { PlayFromMarkIn(); }},
        {Qt::Key_BracketRight, [this] { PlayToMarkOut(); }},
    };
    for (const auto &k : keys) {
        auto *shortcut = new QShortcut(k.key, this);
        connect(shortcut, &QShortcut::activated, this, k.does);
    }
    closeView_->setToolTip(CloseView::tr("Ctrl+wheel zooms, the wheel or a drag scrolls, a click moves the play "
                                      "position; drag a mark's handle to move it. Shift+Space plays from Mark In "
                                      "to Mark Out, [ the first two seconds, ] the last two; , and . step 10 ms, "
                                      "with Shift one second."));
}

bool frmWriteWave::SourceMovable() const
{
    return MMaudio->isOpen() && ui->CmdPlay->isEnabled();
}

void frmWriteWave::MovePlayPosition(qint64 ms)
{
    if (!SourceMovable())
        return;
    MMaudio->setPosition(ms);
    ShowPlayPosition();
}

void frmWriteWave::StepPlayPosition(qint64 deltaMs)
{
    if (!SourceMovable() || MMaudio->state() == MciPlayer::State::Playing)
        return;
    MMaudio->setPosition(std::clamp<qint64>(MMaudio->position() + deltaMs, 0, MMaudio->length()));
    ShowPlayPosition();
    closeView_->followPosition();
}

void frmWriteWave::ShowPlayPosition()
{
    const qint64 position = MMaudio->position();
    ui->lblAudio->setText(PositionText(*MMaudio));
    if (!ui->Slider1->isSliderDown())
        ui->Slider1->setValue(WholeSeconds(position));
    closeView_->setPosition(position);
}

void frmWriteWave::PlayRange(qint64 from, qint64 to)
{
    if (!SourceMovable() || to <= from)
        return;
    MMaudio->setStartPosition(from);
    MMaudio->setEndPosition(to);
    CmdPlay_Click();
}

void frmWriteWave::PlayMarked() { PlayRange(MarkIn, MarkOut); }

void frmWriteWave::PlayFromMarkIn() { PlayRange(MarkIn, MarkIn + kMarkPreviewMs); }

void frmWriteWave::PlayToMarkOut() { PlayRange(std::max<qint64>(MarkOut - kMarkPreviewMs, 0), MarkOut); }
