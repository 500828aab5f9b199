#include "app/window/closeviewbinding.h"

#include "editor/timetext.h"
#include "platform/mci/player.h"
#include "platform/registry/registry.h"
#include "settings/registry_settings.h"
#include "ui/closeview.h"
#include "ui_frmWriteWave.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QShortcut>

#include <algorithm>

using trevisto::mci::MciPlayer;

namespace {

const QString SnapValue = QStringLiteral("SnapToZeroCrossings");
// Each zoom key doubles or halves what the view shows.
constexpr double kZoomStep = 2;

} // namespace

// The texts this file shows are the close view's own: CloseView::tr, under its context.

CloseViewBinding::CloseViewBinding(QWidget &window, Ui::frmWriteWave &ui, CloseView &view, MciPlayer &player,
                                   Window hooks)
    : QObject(&window), ui_(ui), view_(view), player_(player), window_(std::move(hooks))
{
    using trevisto::MarkStep;
    using trevisto::Preview;
    connect(&view_, &CloseView::positionPicked, this, &CloseViewBinding::MovePlayPosition);
    // A drag of a mark is one step, set where it is dropped.
    // A snapped mark stays on its side of the other.
    connect(&view_, &CloseView::markInDropped, this, [this](qint64 ms) {
        const qint64 placed = std::min<qint64>(Placed(ms), window_.marks().second);
        window_.setMark(MarkStep::Mark::In, placed, ClockText(placed / 1000.0));
        view_.setMarks(window_.marks().first, window_.marks().second);
    });
    connect(&view_, &CloseView::markOutDropped, this, [this](qint64 ms) {
        const qint64 placed = std::max<qint64>(Placed(ms), window_.marks().first);
        window_.setMark(MarkStep::Mark::Out, placed, ClockText(placed / 1000.0));
        view_.setMarks(window_.marks().first, window_.marks().second);
    });
    connect(&view_, &CloseView::rangeSelected, this, &CloseViewBinding::SetDraggedRange);
    connect(&view_, &CloseView::markTyped, this, &CloseViewBinding::SetTypedMark);
    connect(&view_, &CloseView::shownRangeChanged, this, [this](qint64 from, qint64 to, bool whole) {
        if (whole)
            ui_.Slider1->clearShownRange();
        else
            ui_.Slider1->setShownRange(from, to);
    });
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
        // Plus is Shift+= on many layouts, and = itself is the key without Shift.
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), [this] { view_.zoomAroundPosition(kZoomStep); }},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus), [this] { view_.zoomAroundPosition(kZoomStep); }},
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { view_.zoomAroundPosition(kZoomStep); }},
        {QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { view_.zoomAroundPosition(1 / kZoomStep); }},
        {QKeySequence(Qt::CTRL | Qt::Key_0), [this] { view_.showWholeSound(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_E), [this] { view_.showMarkedRange(); }},
        // The marks typed to the millisecond, in the field a double click on their label opens.
        {QKeySequence(Qt::SHIFT | Qt::Key_I), [this] { TypeMark(true); }},
        {QKeySequence(Qt::SHIFT | Qt::Key_O), [this] { TypeMark(false); }},
    };
    for (const auto &k : keys) {
        auto *shortcut = new QShortcut(k.key, &window);
        connect(shortcut, &QShortcut::activated, this, k.does);
    }

    snapItem_ = new QAction(this);
    snapItem_->setObjectName(QStringLiteral("SnapToZero"));
    snapItem_->setCheckable(true);
    snapItem_->setChecked(RegReadString(ProgramSettingsKey, SnapValue) == QLatin1String("1"));
    connect(snapItem_, &QAction::toggled, this, &CloseViewBinding::StoreSnap);
    view_.addOption(snapItem_);
    // The mark labels under the buttons open the same field as the view's readouts.
    inLabel_ = ui_.Txtin;
    outLabel_ = ui_.TxtOut;
    inLabel_->installEventFilter(this);
    outLabel_->installEventFilter(this);
    ApplyTexts();
    QCoreApplication::instance()->installEventFilter(this);
}

void CloseViewBinding::TypeMark(bool markIn)
{
    // As the mark's button: only while it may be set.
    QWidget *button = markIn ? static_cast<QWidget *>(ui_.CmdSetin) : static_cast<QWidget *>(ui_.CmdOut);
    if (player_.isOpen() && button->isEnabled())
        view_.editMark(markIn, markIn ? ui_.Txtin : ui_.TxtOut);
}

bool CloseViewBinding::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange)
        ApplyTexts();
    // The labels are held apart from `ui_`: this filter sees the application's events while
    // the window is taken down, after the form's description is gone.
    if (watched && (watched == inLabel_ || watched == outLabel_) && event->type() == QEvent::MouseButtonDblClick &&
        player_.isOpen()) {
        view_.editMark(watched == inLabel_, static_cast<QWidget *>(watched));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void CloseViewBinding::ApplyTexts()
{
    snapItem_->setText(CloseView::tr("Snap marks to zero crossings"));
    snapItem_->setToolTip(CloseView::tr("Every mark placed or dragged goes to the nearest zero crossing within 5 ms"));
}

bool CloseViewBinding::Snaps() const
{
    return snapItem_->isChecked();
}

qint64 CloseViewBinding::Placed(qint64 ms) const
{
    return Snaps() ? view_.zeroCrossingNear(ms) : ms;
}

void CloseViewBinding::StoreSnap(bool on)
{
    const trevisto::registry::LONG stored =
        RegWriteValue(ProgramSettingsKey, SnapValue, on ? 1 : 0, trevisto::registry::REG_DWORD);
    if (stored == trevisto::registry::ERROR_SUCCESS)
        return;
    const QSignalBlocker quiet(snapItem_);
    snapItem_->setChecked(!on);
    window_.tell(CloseView::tr("The option cannot be saved in \"%1\": %2.")
                     .arg(QFile::decodeName(trevisto::registry::storePath().c_str()), RegWriteFailure(stored)));
}

void CloseViewBinding::SetDraggedRange(qint64 markIn, qint64 markOut)
{
    if (player_.isOpen() && view_.hasSound()) {
        qint64 in = Placed(markIn), out = Placed(markOut);
        // Two ends snapped past each other mark the one point between.
        if (in > out)
            in = out = std::clamp<qint64>(in, markIn, markOut);
        window_.setRange(in, out);
    }
    view_.setMarks(window_.marks().first, window_.marks().second);
}

void CloseViewBinding::SetTypedMark(bool markIn, qint64 ms)
{
    using trevisto::MarkStep;
    const auto [in, out] = window_.marks();
    // The field checked these as they were typed; the sound or the marks may have changed
    // since.
    const bool fits = markIn ? ms <= out : ms >= in && ms <= player_.length();
    if (player_.isOpen() && view_.hasSound() && fits)
        window_.setMark(markIn ? MarkStep::Mark::In : MarkStep::Mark::Out, ms, ClockText(ms / 1000.0));
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
