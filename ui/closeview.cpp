#include "ui/closeview.h"

#include "editor/timetext.h"
#include "editor/typedmark.h"
#include "editor/zerocrossing.h"
#include "ui/markfield.h"
#include "platform/mci/timebase.h"

#include <QFile>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

using Peak = PeakTable::Peak;

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

// Without an envelope, at most this many frames are read for one drawing.
constexpr double kMostFramesRead = 1 << 22;
// A drag begins once the pointer moved this far; a handle is caught this near its line.
constexpr double kDragSlop = 3;
constexpr double kHandleReach = 5;

// Drawn samples stay inside the view; NaN draws as silence.
float drawable(float v) { return std::isnan(v) ? 0.0f : std::clamp(v, -1.0f, 1.0f); }

Peak merged(const Peak &a, const Peak &b) { return {std::min(a.low, b.low), std::max(a.high, b.high)}; }

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
    file_ = trevisto::wav::File::open(QFile::encodeName(file).toStdString());
    peaks_ = std::move(peaks);
    const int64_t frames = file_ ? file_->info().frames : peaks_.frames();
    const int rate = file_ ? int(file_->format().sampleRate) : int(peaks_.format().sampleRate);
    span_.setSound(frames, rate);
    span_.setWidth(width());
    position_ = markIn_ = markOut_ = 0;
    splits_.clear();
    splitDragged_ = -1;
    columnsWidth_ = 0;
    closeMarkField();
    for (QToolButton *button : bar_)
        button->setEnabled(span_.frames() > 0);
    reportSpan();
    update();
}

void CloseView::clearSound()
{
    file_.reset();
    peaks_.clear();
    span_.setSound(0, 44100);
    columns_.clear();
    columnsWidth_ = 0;
    splits_.clear();
    splitDragged_ = -1;
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
    span_.showMs(markIn_, markOut_, kMarkedMargin);
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
    const int inWidth = int(std::ceil(metrics.horizontalAdvance(tr("In %1").arg(MillisecondText(markIn_)))));
    const int outWidth = int(std::ceil(metrics.horizontalAdvance(tr("Out %1").arg(MillisecondText(markOut_)))));
    return markIn ? QRect(4, 0, inWidth, ReadoutHeight) : QRect(4 + inWidth + kReadoutGap, 0, outWidth, ReadoutHeight);
}

qint64 CloseView::zeroCrossingNear(qint64 ms) const
{
    if (!file_ || span_.frames() == 0)
        return ms;
    const uint32_t rate = uint32_t(span_.rate());
    const trevisto::FrameWindow window = trevisto::ZeroCrossingWindow(ms, rate, span_.frames());
    const std::vector<std::vector<float>> channels = visibleSamples(window.first, window.count);
    std::vector<float> mix(channels.empty() ? 0 : channels.front().size(), 0.0f);
    for (const std::vector<float> &channel : channels)
        for (size_t i = 0; i < mix.size() && i < channel.size(); ++i)
            mix[i] += channel[i] / float(channels.size());
    return trevisto::SnappedToZeroCrossing(ms, mix, window, rate, span_.frames());
}

void CloseView::editMark(bool markIn, QWidget *label)
{
    if (span_.frames() == 0)
        return;
    closeMarkField();
    auto *field = new MarkField(label ? label->parentWidget() : this, markIn, markIn ? markIn_ : markOut_,
                                markIn ? markOut_ : markIn_, span_.lengthMs());
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
    markIn_ = markIn;
    markOut_ = markOut;
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

std::vector<std::vector<float>> CloseView::visibleSamples(int64_t first, int64_t count) const
{
    std::vector<std::vector<float>> out;
    if (!file_ || count <= 0)
        return out;
    const trevisto::wav::Format &f = file_->format();
    std::vector<unsigned char> raw(size_t(count) * f.blockAlign());
    const int64_t got = std::max<int64_t>(file_->readFrames(first, count, raw.data()), 0);
    out.assign(size_t(f.channels), std::vector<float>(size_t(got)));
    for (int c = 0; c < f.channels; ++c) {
        std::vector<float> &samples = out[size_t(c)];
        trevisto::wav::toFloat(f, raw.data(), got, c, 1, samples.data());
        std::transform(samples.begin(), samples.end(), samples.begin(), drawable);
    }
    return out;
}

void CloseView::readColumns(int64_t first, int64_t last)
{
    // The extremes over every channel, as the envelope table keeps them.
    const trevisto::wav::Format &f = file_->format();
    const int64_t count = std::max<int64_t>(last - first, 0);
    std::vector<unsigned char> raw(size_t(count) * f.blockAlign());
    const int64_t got = count > 0 ? std::max<int64_t>(file_->readFrames(first, count, raw.data()), 0) : 0;
    std::vector<float> samples(size_t(got) * f.channels);
    trevisto::wav::toFloat(f, raw.data(), got, 0, f.channels, samples.data());
    std::transform(samples.begin(), samples.end(), samples.begin(), drawable);
    for (int x = 0; x < int(columns_.size()); ++x) {
        const int64_t from = std::max<int64_t>(int64_t(std::floor(span_.frameAt(x))) - first, 0);
        const int64_t to = std::min<int64_t>(int64_t(std::floor(span_.frameAt(x + 1))) - first, got);
        if (from >= to)
            continue;
        const auto [lo, hi] = std::minmax_element(samples.begin() + from * f.channels, samples.begin() + to * f.channels);
        columns_[size_t(x)] = {*lo, *hi};
    }
}

const std::vector<Peak> &CloseView::columns()
{
    const int w = width();
    if (columnsWidth_ == w && columnsFirst_ == span_.first() && columnsScale_ == span_.framesPerPixel())
        return columns_;
    columnsWidth_ = w;
    columnsFirst_ = span_.first();
    columnsScale_ = span_.framesPerPixel();
    columns_.assign(size_t(std::max(w, 0)), Peak{});
    const int64_t frames = span_.frames();
    const double fpp = span_.framesPerPixel();
    if (frames == 0)
        return columns_;
    // Closer than the envelope's own entries, the visible part of the file is read.
    const bool fromFile = file_ && (peaks_.empty() ? fpp * w <= kMostFramesRead : fpp < double(peaks_.framesPerPeak()));
    if (fromFile && fpp >= 1) {
        const int64_t first = std::clamp<int64_t>(int64_t(std::floor(span_.frameAt(0))), 0, frames);
        const int64_t last = std::clamp<int64_t>(int64_t(std::ceil(span_.frameAt(w))), first, frames);
        readColumns(first, last);
        return columns_;
    }
    if (peaks_.empty())
        return columns_;
    const int64_t per = peaks_.framesPerPeak();
    for (int x = 0; x < w; ++x) {
        const int64_t from = std::clamp<int64_t>(int64_t(std::floor(span_.frameAt(x))), 0, frames - 1);
        const int64_t to = std::clamp<int64_t>(int64_t(std::ceil(span_.frameAt(x + 1))) - 1, from, frames - 1);
        const int64_t a = std::min<int64_t>(from / per, peaks_.size() - 1);
        const int64_t b = std::min<int64_t>(to / per, peaks_.size() - 1);
        Peak p = peaks_.at(int(a));
        for (int64_t i = a + 1; i <= b; ++i)
            p = merged(p, peaks_.at(int(i)));
        columns_[size_t(x)] = p;
    }
    return columns_;
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

    const double inX = xOfMs(markIn_), outX = xOfMs(markOut_);
    if (outX > inX)
        p.fillRect(QRectF(QPointF(std::max(inX, 0.0), wave.top()), QPointF(std::min(outX, double(w)), wave.bottom())),
                   kSelection);

    const double mid = wave.top() + wave.height() / 2.0;
    const double half = wave.height() / 2.0 - 2;
    const double fpp = span_.framesPerPixel();
    p.setPen(kWave);
    if (fpp < 1 && file_) {
        // Single samples: a line through them, each one a dot once they stand apart.
        const int64_t first = std::max<int64_t>(int64_t(std::floor(span_.first())), 0);
        const int64_t count = std::min<int64_t>(int64_t(std::ceil(w * fpp)) + 2, span_.frames() - first);
        p.setRenderHint(QPainter::Antialiasing, true);
        const std::vector<std::vector<float>> channels = visibleSamples(first, count);
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
        const std::vector<Peak> &cols = columns();
        const double end = span_.xOf(double(span_.frames()));
        for (int x = 0; x < int(cols.size()) && x < end; ++x) {
            const Peak &c = cols[size_t(x)];
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
    for (const qint64 ms : splits_) {
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
    p.drawText(inAt, Qt::AlignVCenter | Qt::AlignLeft, tr("In %1").arg(MillisecondText(markIn_)));
    p.drawText(outAt, Qt::AlignVCenter | Qt::AlignLeft, tr("Out %1").arg(MillisecondText(markOut_)));
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

CloseView::Drag CloseView::handleAt(QPointF at) const
{
    const double in = std::abs(at.x() - xOfMs(markIn_)), out = std::abs(at.x() - xOfMs(markOut_));
    if (std::min(in, out) > kHandleReach)
        return Drag::Background;
    // Marks on one pixel: Mark In is dragged to the left of Mark Out, Mark Out to the right.
    if (in == out)
        return at.x() <= xOfMs(markIn_) ? Drag::MarkIn : Drag::MarkOut;
    return in < out ? Drag::MarkIn : Drag::MarkOut;
}

int CloseView::splitAt(QPointF at) const
{
    if (at.y() < RulerHeight)
        return -1;
    int nearest = -1;
    double distance = kHandleReach;
    for (size_t i = 0; i < splits_.size(); ++i) {
        const double d = std::abs(at.x() - xOfMs(splits_[i]));
        if (d <= distance) {
            distance = d;
            nearest = int(i);
        }
    }
    return nearest;
}

void CloseView::setSplitPoints(std::vector<qint64> ms)
{
    if (ms == splits_)
        return;
    splits_ = std::move(ms);
    splitDragged_ = -1;
    if (drag_ == Drag::Split)
        drag_ = Drag::None;
    update();
}

void CloseView::mousePressEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    if (event->button() != Qt::LeftButton || span_.frames() == 0 || at.y() < ReadoutHeight ||
        at.y() >= waveRect().bottom() + 1)
        return;
    const bool inRuler = at.y() < RulerHeight;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    drag_ = handleAt(at);
    // A mark's handle wins over a split point on the same pixel: marks move more often.
    splitDragged_ = drag_ == Drag::Background && !shift ? splitAt(at) : -1;
    if (splitDragged_ >= 0) {
        drag_ = Drag::Split;
        splitBefore_ = splits_[size_t(splitDragged_)];
    }
    if (shift || (inRuler && drag_ == Drag::Background))
        drag_ = Drag::Select;
    pressAt_ = at;
    pressFirst_ = span_.first();
    dragged_ = false;
    dragMs_ = drag_ == Drag::MarkIn ? markIn_ : markOut_;
    selectFrom_ = span_.msAt(at.x());
    markInBefore_ = markIn_;
    markOutBefore_ = markOut_;
}

void CloseView::mouseMoveEvent(QMouseEvent *event)
{
    if (drag_ == Drag::None) {
        const QPointF at = event->position();
        Drag over = span_.frames() && at.y() >= ReadoutHeight ? handleAt(at) : Drag::Background;
        if (over == Drag::Background && span_.frames() && splitAt(at) >= 0)
            over = Drag::Split;
        setCursor(over == Drag::Background ? (at.y() >= ReadoutHeight && at.y() < RulerHeight ? Qt::IBeamCursor : Qt::ArrowCursor)
                                           : Qt::SizeHorCursor);
        return;
    }
    const double moved = event->position().x() - pressAt_.x();
    if (!dragged_ && std::abs(moved) < kDragSlop)
        return;
    dragged_ = true;
    const qint64 ms = span_.msAt(event->position().x());
    if (drag_ == Drag::Background) {
        span_.scroll((pressFirst_ - span_.first()) / span_.framesPerPixel() - moved);
        reportSpan();
    } else if (drag_ == Drag::MarkIn) {
        markIn_ = DraggedMarkIn(ms, markOut_);
    } else if (drag_ == Drag::MarkOut) {
        markOut_ = DraggedMarkOut(ms, markIn_, span_.lengthMs());
    } else if (drag_ == Drag::Split) {
        const size_t i = size_t(splitDragged_);
        const qint64 low = i == 0 ? 1 : splits_[i - 1] + 1;
        const qint64 high = i + 1 == splits_.size() ? span_.lengthMs() - 1 : splits_[i + 1] - 1;
        if (low <= high)
            splits_[i] = std::clamp(ms, low, high);
    } else {
        markIn_ = std::min(selectFrom_, ms);
        markOut_ = std::max(selectFrom_, ms);
    }
    update();
}

void CloseView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || drag_ == Drag::None)
        return;
    const Drag drag = std::exchange(drag_, Drag::None);
    if (!dragged_) {
        emit positionPicked(span_.msAt(event->position().x()));
        return;
    }
    if (drag == Drag::Split) {
        const int index = std::exchange(splitDragged_, -1);
        const qint64 ms = splits_[size_t(index)];
        // The window puts the point where it takes it; until then it stays where it was.
        splits_[size_t(index)] = splitBefore_;
        update();
        if (ms != splitBefore_)
            emit splitPointDropped(index, ms);
    } else if (drag == Drag::MarkIn) {
        emit markInDropped(markIn_);
    } else if (drag == Drag::MarkOut) {
        emit markOutDropped(markOut_);
    } else if (drag == Drag::Select) {
        const qint64 in = markIn_, out = markOut_;
        // The window sets the marks it takes; until then the ones before stand.
        markIn_ = markInBefore_;
        markOut_ = markOutBefore_;
        update();
        emit rangeSelected(in, out);
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
