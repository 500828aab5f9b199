#include "ui/closeview.h"

#include "editor/timetext.h"
#include "editor/typedmark.h"
#include "ui/markfield.h"
#include "platform/mci/timebase.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

const QColor kBackground(0xfb, 0xfb, 0xfb);
const QColor kWave(0x2b, 0x5b, 0x94);
const QColor kSelection(0x2b, 0x8a, 0xd9, 60);
const QColor kMarkIn(0x1e, 0x8c, 0x3a);
const QColor kMarkOut(0xc0, 0x39, 0x2b);
const QColor kPosition(0x20, 0x20, 0x20);
const QColor kSplit(0xb0, 0x1e, 0x6e); // as the time slider's ticks

// Ctrl+E leaves this share of the marked length free on either side.
constexpr double kMarkedMargin = 0.1;
// Room between the readouts, and around a ruler label.
constexpr int kReadoutGap = 18;
constexpr double kLabelGap = 14;

// Marks and split points are drawn while their handles can still be caught.
constexpr double kHandleReach = ViewDrag::HandleReach;

} // namespace

CloseView::CloseView(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    const struct {
        const char *name;
        void (CloseView::*signal)();
    } buttons[] = {
        {"CmdPlayMarked", &CloseView::playMarkedRequested},
        {"CmdPlayFromIn", &CloseView::playFromMarkInRequested},
        {"CmdPlayToOut", &CloseView::playToMarkOutRequested},
    };
    for (const auto &b : buttons) {
        auto *button = new QToolButton(this);
        button->setObjectName(QLatin1String(b.name));
        button->setAutoRaise(true);
        // The keys keep acting on the window after a click here.
        button->setFocusPolicy(Qt::NoFocus);
        button->setEnabled(false);
        connect(button, &QToolButton::clicked, this, b.signal);
        bar_.push_back(button);
    }
    showTexts();
}

void CloseView::showTexts()
{
    setAccessibleName(tr("Close view of the sound"));
    // One line for each way in, so the tip stays narrow: as one line it would be as wide as
    // the screen.
    setToolTip(tr("Ctrl+wheel, Ctrl+Plus and Ctrl+Minus zoom; Ctrl+0 shows the whole sound, Ctrl+E "
                  "Mark In to Mark Out.\n"
                  "The wheel or a drag scrolls; a click moves the play position.\n"
                  "Drag a mark's handle to move it; drag across the ruler, or Shift+drag, to mark "
                  "a range.\n"
                  "Double-click the In or Out time to type it to the millisecond.\n"
                  "Shift+Space plays from Mark In to Mark Out, [ the first two seconds, ] the last "
                  "two.\n"
                  ", and . step 10 ms, with Shift one second."));
    const struct {
        QString text, tip;
    } texts[] = {
        {tr("\u25B6 In to Out"), tr("Plays from Mark In to Mark Out (Shift+Space)")},
        {tr("\u25B6 2 s from In"), tr("Plays the two seconds from Mark In ([)")},
        {tr("\u25B6 2 s to Out"), tr("Plays the two seconds up to Mark Out (])")},
    };
    for (size_t i = 0; i < bar_.size() && i < std::size(texts); ++i) {
        bar_[i]->setText(texts[i].text);
        bar_[i]->setToolTip(texts[i].tip);
        bar_[i]->setAccessibleName(texts[i].tip);
    }
    placeBar();
}

void CloseView::changeEvent(QEvent *event)
{
    // The view is made before a language is chosen, and follows every choice after.
    if (event->type() == QEvent::LanguageChange)
        showTexts();
    QWidget::changeEvent(event);
}

CloseView::~CloseView() = default;

void CloseView::setSound(const QString &file, PeakTable peaks)
{
    wave_.setSound(file, std::move(peaks));
    span_.setSound(wave_.frames(), wave_.rate());
    span_.setWidth(width());
    position_ = marks_.markIn = marks_.markOut = 0;
    marks_.splits.clear();
    drag_.dropSplit();
    closeMarkField();
    for (QToolButton *button : bar_)
        button->setEnabled(span_.frames() > 0);
    reportSpan();
    update();
}

void CloseView::clearSound()
{
    wave_.clear();
    span_.setSound(0, 44100);
    marks_.splits.clear();
    drag_.dropSplit();
    closeMarkField();
    for (QToolButton *button : bar_)
        button->setEnabled(false);
    reportSpan();
    update();
}

void CloseView::setPosition(qint64 ms)
{
    if (ms == position_)
        return;
    position_ = ms;
    update();
}

void CloseView::followPosition()
{
    const double before = span_.first();
    span_.keepInView(position_);
    if (span_.first() != before)
        spanMoved();
}

void CloseView::zoomAroundPosition(double factor)
{
    if (span_.frames() == 0)
        return;
    span_.zoomAround(factor, double(trevisto::mci::frameAt(position_, uint32_t(span_.rate()), span_.frames())));
    spanMoved();
}

void CloseView::showWholeSound()
{
    span_.showWhole();
    spanMoved();
}

void CloseView::showMarkedRange()
{
    if (span_.frames() == 0)
        return;
    span_.showMs(marks_.markIn, marks_.markOut, kMarkedMargin);
    spanMoved();
}

void CloseView::spanMoved()
{
    reportSpan();
    update();
}

void CloseView::reportSpan()
{
    // A hidden view shows nothing to point at.
    const Shown now = span_.frames() && isVisible() ? Shown{span_.firstMs(), span_.lastMs(), span_.showsWhole()}
                                                    : Shown{0, 0, true};
    if (now == shown_)
        return;
    shown_ = now;
    emit shownRangeChanged(now.from, now.to, now.whole);
}

QFont CloseView::readoutFont() const
{
    QFont small = font();
    small.setPointSizeF(std::max(6.5, small.pointSizeF() - 0.5));
    return small;
}

RulerLayout CloseView::ruler() const
{
    const QFontMetricsF metrics(readoutFont());
    return LayOutRuler(span_, [&](const QString &text) { return metrics.horizontalAdvance(text); }, kLabelGap);
}

QRect CloseView::readoutRect(bool markIn) const
{
    const QFontMetricsF metrics(readoutFont());
    const int inWidth = int(std::ceil(metrics.horizontalAdvance(tr("In %1").arg(MillisecondText(marks_.markIn)))));
    const int outWidth = int(std::ceil(metrics.horizontalAdvance(tr("Out %1").arg(MillisecondText(marks_.markOut)))));
    return markIn ? QRect(4, 0, inWidth, ReadoutHeight) : QRect(4 + inWidth + kReadoutGap, 0, outWidth, ReadoutHeight);
}

qint64 CloseView::zeroCrossingNear(qint64 ms) const
{
    return wave_.zeroCrossingNear(ms, span_);
}

void CloseView::editMark(bool markIn, QWidget *label)
{
    if (span_.frames() == 0)
        return;
    closeMarkField();
    auto *field = new MarkField(label ? label->parentWidget() : this, markIn, markIn ? marks_.markIn : marks_.markOut,
                                markIn ? marks_.markOut : marks_.markIn, span_.lengthMs());
    field->setFont(readoutFont());
    const QRect at = label ? label->geometry() : readoutRect(markIn);
    const int w = int(std::ceil(QFontMetricsF(field->font()).horizontalAdvance(QStringLiteral("00:00:00.0000")))) + 12;
    if (label)
        field->setGeometry(at.x(), at.y() + (at.height() - ReadoutHeight - 4) / 2, w, ReadoutHeight + 4);
    else
        field->setGeometry(at.x(), 0, std::max(w, at.width()), ReadoutHeight + 4);
    connect(field, &QLineEdit::returnPressed, this, [this, field, markIn] {
        const std::optional<int64_t> ms = trevisto::TypedTime(field->text());
        closeMarkField();
        if (ms)
            emit markTyped(markIn, *ms);
    });
    // Closed once the event that ends it is done with it; a field opened since stays.
    field->closing = [this, field] {
        QMetaObject::invokeMethod(
            this, [this, field] {
                if (markField_ == field)
                    closeMarkField();
            },
            Qt::QueuedConnection);
    };
    markField_ = field;
    field->show();
    field->setFocus(Qt::OtherFocusReason);
}

void CloseView::closeMarkField()
{
    if (!markField_)
        return;
    QLineEdit *field = std::exchange(markField_, nullptr);
    static_cast<MarkField *>(field)->closing = nullptr;
    field->hide();
    field->deleteLater();
}

void CloseView::setMarks(qint64 markIn, qint64 markOut)
{
    marks_.markIn = markIn;
    marks_.markOut = markOut;
    update();
}

void CloseView::showEvent(QShowEvent *)
{
    reportSpan();
}

void CloseView::hideEvent(QHideEvent *)
{
    reportSpan();
}

void CloseView::resizeEvent(QResizeEvent *)
{
    span_.setWidth(width());
    placeBar();
    reportSpan();
}

void CloseView::placeBar()
{
    int x = 2;
    for (QToolButton *button : bar_) {
        const int w = button->sizeHint().width();
        button->setGeometry(x, height() - BarHeight + 1, w, BarHeight - 2);
        x += w + 4;
    }
    // The options stand apart, at the right end.
    int right = width() - 2;
    for (QToolButton *button : options_) {
        const int w = button->sizeHint().width();
        right -= w;
        button->setGeometry(std::max(right, x), height() - BarHeight + 1, w, BarHeight - 2);
        right -= 4;
    }
}

void CloseView::addOption(QAction *option)
{
    auto *button = new QToolButton(this);
    button->setObjectName(option->objectName());
    button->setDefaultAction(option);
    button->setAutoRaise(true);
    // The keys keep acting on the window after a click here, as with the bar's other buttons.
    button->setFocusPolicy(Qt::NoFocus);
    button->show();
    options_.push_back(button);
    // The text may change with the language.
    connect(option, &QAction::changed, this, &CloseView::placeBar);
    placeBar();
}

void CloseView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int w = width();
    p.fillRect(rect(), palette().color(QPalette::Window));
    const QRect wave = waveRect();
    p.fillRect(wave, kBackground);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(wave.adjusted(0, 0, -1, -1));
    if (span_.frames() == 0)
        return;

    const double inX = xOfMs(marks_.markIn), outX = xOfMs(marks_.markOut);
    if (outX > inX)
        p.fillRect(QRectF(QPointF(std::max(inX, 0.0), wave.top()), QPointF(std::min(outX, double(w)), wave.bottom())),
                   kSelection);

    const double mid = wave.top() + wave.height() / 2.0;
    const double half = wave.height() / 2.0 - 2;
    const double fpp = span_.framesPerPixel();
    p.setPen(kWave);
    if (fpp < 1 && wave_.hasFile()) {
        // Single samples: a line through them, each one a dot once they stand apart.
        const int64_t first = std::max<int64_t>(int64_t(std::floor(span_.first())), 0);
        const int64_t count = std::min<int64_t>(int64_t(std::ceil(w * fpp)) + 2, span_.frames() - first);
        p.setRenderHint(QPainter::Antialiasing, true);
        const std::vector<std::vector<float>> channels = wave_.samples(first, count);
        // The first channel in front, the others behind it in a lighter tone.
        for (size_t c = channels.size(); c-- > 0;) {
            const std::vector<float> &s = channels[c];
            const QColor color = c == 0 ? kWave : kWave.lighter(170);
            QPainterPath path;
            for (size_t i = 0; i < s.size(); ++i) {
                const QPointF at(span_.xOf(double(first + int64_t(i))), mid - double(s[i]) * half);
                if (i == 0)
                    path.moveTo(at);
                else
                    path.lineTo(at);
            }
            p.setPen(color);
            p.setBrush(Qt::NoBrush);
            p.drawPath(path);
            if (1 / fpp >= 6) {
                p.setBrush(color);
                for (size_t i = 0; i < s.size(); ++i)
                    p.drawEllipse(QPointF(span_.xOf(double(first + int64_t(i))), mid - double(s[i]) * half), 1.5, 1.5);
            }
        }
        p.setRenderHint(QPainter::Antialiasing, false);
    } else {
        const std::vector<PeakTable::Peak> &cols = wave_.columns(span_, w);
        const double end = span_.xOf(double(span_.frames()));
        for (int x = 0; x < int(cols.size()) && x < end; ++x) {
            const PeakTable::Peak &c = cols[size_t(x)];
            const double top = mid - double(c.high) * half, bottom = mid - double(c.low) * half;
            p.drawLine(QPointF(x + 0.5, top), QPointF(x + 0.5, std::max(bottom, top + 1)));
        }
    }

    // The ruler: a label at each round step, smaller ticks between.
    const QRect band(0, ReadoutHeight, w, TickHeight);
    p.fillRect(band, palette().color(QPalette::Button));
    p.setFont(readoutFont());
    p.setPen(palette().color(QPalette::ButtonText));
    const RulerLayout layout = ruler();
    const QFontMetricsF metrics(readoutFont());
    // The smaller ticks leave the labels' text alone.
    std::vector<std::pair<double, double>> labelled;
    for (const RulerTick &tick : layout.ticks)
        if (!tick.label.isEmpty())
            labelled.emplace_back(tick.x, tick.x + 3 + metrics.horizontalAdvance(tick.label) + 1);
    for (const RulerTick &tick : layout.ticks) {
        const double x = std::floor(tick.x) + 0.5;
        if (tick.label.isEmpty()) {
            const bool underText = std::any_of(labelled.begin(), labelled.end(),
                                               [&](const auto &span) { return x > span.first && x < span.second; });
            if (!underText)
                p.drawLine(QPointF(x, RulerHeight - 4), QPointF(x, RulerHeight));
        } else {
            p.drawLine(QPointF(x, ReadoutHeight), QPointF(x, RulerHeight));
            p.drawText(QRectF(x + 3, ReadoutHeight, w, TickHeight), Qt::AlignLeft | Qt::AlignVCenter, tick.label);
        }
    }

    // The marks with their handles in the ruler, and the play position over all.
    const auto mark = [&](double x, const QColor &color, bool in) {
        if (x < -kHandleReach || x > w + kHandleReach)
            return;
        p.setPen(QPen(color, 1));
        p.drawLine(QPointF(x, ReadoutHeight), QPointF(x, wave.bottom()));
        QPolygonF handle;
        handle << QPointF(x, RulerHeight) << QPointF(x + (in ? 7 : -7), RulerHeight - 7) << QPointF(x, RulerHeight - 7);
        p.setBrush(color);
        p.drawPolygon(handle);
    };
    // Split points across the waveform, a small diamond on the ruler's edge to find them by.
    for (const qint64 ms : marks_.splits) {
        const double x = std::floor(xOfMs(ms)) + 0.5;
        if (x < -kHandleReach || x > w + kHandleReach)
            continue;
        p.setPen(QPen(kSplit, 1, Qt::DashDotLine));
        p.drawLine(QPointF(x, RulerHeight), QPointF(x, wave.bottom()));
        p.setPen(Qt::NoPen);
        p.setBrush(kSplit);
        p.drawPolygon(QPolygonF({QPointF(x - 4, RulerHeight + 4), QPointF(x, RulerHeight), QPointF(x + 4, RulerHeight + 4),
                                 QPointF(x, RulerHeight + 8)}));
    }
    mark(inX, kMarkIn, true);
    mark(outX, kMarkOut, false);
    const double posX = xOfMs(position_);
    if (posX >= 0 && posX <= w) {
        p.setPen(QPen(kPosition, 1, Qt::DashLine));
        p.drawLine(QPointF(posX, ReadoutHeight), QPointF(posX, wave.bottom()));
    }

    // The times, to the millisecond, and the span the view covers, in a row of their own
    // above the handles.
    p.setPen(palette().color(QPalette::WindowText));
    const QRect inAt = readoutRect(true), outAt = readoutRect(false);
    p.drawText(inAt, Qt::AlignVCenter | Qt::AlignLeft, tr("In %1").arg(MillisecondText(marks_.markIn)));
    p.drawText(outAt, Qt::AlignVCenter | Qt::AlignLeft, tr("Out %1").arg(MillisecondText(marks_.markOut)));
    p.drawText(QRect(outAt.right() + kReadoutGap, 0, w, ReadoutHeight), Qt::AlignVCenter | Qt::AlignLeft,
               tr("Position %1").arg(MillisecondText(position_)));
    const double shownMs = w * fpp * 1000.0 / span_.rate();
    const QString scale = shownMs >= 1000 ? tr("%1 s shown").arg(shownMs / 1000.0, 0, 'f', shownMs >= 10000 ? 0 : 2)
                                          : tr("%1 ms shown").arg(shownMs, 0, 'f', shownMs >= 10 ? 0 : 2);
    p.drawText(QRect(0, 0, w - 6, ReadoutHeight), Qt::AlignVCenter | Qt::AlignRight, scale);
}

void CloseView::wheelEvent(QWheelEvent *event)
{
    if (span_.frames() == 0)
        return;
    const QPoint delta = event->angleDelta();
    const double x = event->position().x();
    if (event->modifiers() & Qt::ControlModifier) {
        span_.zoom(std::pow(2.0, delta.y() / 120.0), x);
    } else {
        const int step = delta.x() != 0 ? -delta.x() : -delta.y();
        span_.scroll(step / 120.0 * width() / 8.0);
    }
    spanMoved();
    event->accept();
}

ViewRows CloseView::rows() const
{
    return {.rulerTop = ReadoutHeight, .waveTop = RulerHeight, .waveEnd = double(waveRect().bottom() + 1)};
}

void CloseView::setSplitPoints(std::vector<qint64> ms)
{
    if (ms == marks_.splits)
        return;
    marks_.splits = std::move(ms);
    drag_.dropSplit();
    update();
}

void CloseView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        drag_.press(event->position(), event->modifiers() & Qt::ShiftModifier, span_, marks_, rows());
}

void CloseView::mouseMoveEvent(QMouseEvent *event)
{
    if (!drag_.active()) {
        setCursor(ViewDrag::hoverShape(event->position(), span_, marks_, rows()));
        return;
    }
    bool scrolled = false;
    if (!drag_.move(event->position().x(), span_, marks_, scrolled))
        return;
    if (scrolled)
        reportSpan();
    update();
}

void CloseView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const DragEnd end = drag_.release(event->position().x(), span_, marks_);
    if (end.redraw)
        update();
    switch (end.what) {
    case DragEnd::What::Nothing:
        break;
    case DragEnd::What::Position:
        emit positionPicked(end.ms);
        break;
    case DragEnd::What::MarkIn:
        emit markInDropped(end.ms);
        break;
    case DragEnd::What::MarkOut:
        emit markOutDropped(end.ms);
        break;
    case DragEnd::What::Split:
        emit splitPointDropped(end.index, end.ms);
        break;
    case DragEnd::What::Range:
        emit rangeSelected(end.ms, end.toMs);
        break;
    }
}

void CloseView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || span_.frames() == 0)
        return;
    for (const bool in : {true, false}) {
        if (readoutRect(in).adjusted(-2, 0, 2, 0).contains(event->position().toPoint())) {
            editMark(in);
            return;
        }
    }
    // A double click elsewhere is two clicks.
    mousePressEvent(event);
}
