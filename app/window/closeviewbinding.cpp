#include "app/window/closeviewbinding.h"

#include "editor/timetext.h"
#include "platform/mci/player.h"
#include "ui/closeview.h"
#include "ui_frmWriteWave.h"

#include <QShortcut>

using trevisto::mci::MciPlayer;

CloseViewBinding::CloseViewBinding(QWidget &window, Ui::frmWriteWave &ui, CloseView &view, MciPlayer &player,
                                   Window hooks)
    : QObject(&window), ui_(ui), view_(view), player_(player), window_(std::move(hooks))
{
    using trevisto::MarkStep;
    using trevisto::Preview;
    connect(&view_, &CloseView::positionPicked, this, &CloseViewBinding::MovePlayPosition);
    // A drag of a mark is one step, set where it is dropped.
    connect(&view_, &CloseView::markInDropped, this,
            [this](qint64 ms) { window_.setMark(MarkStep::Mark::In, ms, ClockText(ms / 1000.0)); });
    connect(&view_, &CloseView::markOutDropped, this,
            [this](qint64 ms) { window_.setMark(MarkStep::Mark::Out, ms, ClockText(ms / 1000.0)); });
    connect(&view_, &CloseView::playMarkedRequested, this, [this] { Play(Preview::Marked); });
    connect(&view_, &CloseView::playFromMarkInRequested, this, [this] { Play(Preview::FromMarkIn); });
    connect(&view_, &CloseView::playToMarkOutRequested, this, [this] { Play(Preview::ToMarkOut); });

    const struct {
        QKeySequence key;
        std::function<void()> does;
    } keys[] = {
        {QKeySequence(Qt::SHIFT | Qt::Key_Space), [this] { Play(Preview::Marked); }},
        {Qt::Key_BracketLeft, [this] { Play(Preview::FromMarkIn); }},
        {Qt::Key_BracketRight, [this] { Play(Preview::ToMarkOut); }},
    };
    for (const auto &k : keys) {
        auto *shortcut = new QShortcut(k.key, &window);
        connect(shortcut, &QShortcut::activated, this, k.does);
    }
}

bool CloseViewBinding::SourceMovable() const
{
    return player_.isOpen() && ui_.CmdPlay->isEnabled();
}

void CloseViewBinding::MovePlayPosition(qint64 ms)
{
    if (!SourceMovable())
        return;
    player_.setPosition(ms);
    ShowPlayPosition();
}

void CloseViewBinding::StepPlayPosition(qint64 deltaMs)
{
    if (!SourceMovable() || player_.state() == MciPlayer::State::Playing)
        return;
    player_.setPosition(trevisto::SteppedPosition(player_.position(), deltaMs, player_.length()));
    ShowPlayPosition();
    view_.followPosition();
}

void CloseViewBinding::ShowPlayPosition()
{
    const qint64 position = player_.position();
    ui_.lblAudio->setText(PositionText(player_.position(), player_.length()));
    if (!ui_.Slider1->isSliderDown())
        ui_.Slider1->setValue(WholeSeconds(position));
    view_.setPosition(position);
}

void CloseViewBinding::Play(trevisto::Preview preview)
{
    const auto [markIn, markOut] = window_.marks();
    const auto range = trevisto::PreviewRange(preview, markIn, markOut);
    if (!SourceMovable() || !range)
        return;
    player_.setStartPosition(range->first);
    player_.setEndPosition(range->second);
    window_.play();
}
