#include "ui/closeview.h"

#include "editor/timetext.h"

#include <QFile>
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
    // A paragraph, which the tooltip wraps: as plain text it would be one line as wide as
    // the screen.
    setToolTip(QStringLiteral("<p>%1</p>")
                   .arg(tr("Ctrl+wheel zooms, the wheel or a drag scrolls, a click moves the play position; drag a "
                           "mark's handle to move it. Shift+Space plays from Mark In to Mark Out, [ the first two "
                           "seconds, ] the last two; , and . step 10 ms, with Shift one second.")
                            .toHtmlEscaped()));
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
    columnsWidth_ = 0;
    for (QToolButton *button : bar_)
        button->setEnabled(span_.frames() > 0);
    update();
}

void CloseView::clearSound()
{
    file_.reset();
    peaks_.clear();
    span_.setSound(0, 44100);
    columns_.clear();
    columnsWidth_ = 0;
    for (QToolButton *button : bar_)
        button->setEnabled(false);
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
        update();
}

void CloseView::setMarks(qint64 markIn, qint64 markOut)
{
    markIn_ = markIn;
    markOut_ = markOut;
    update();
}

void CloseView::resizeEvent(QResizeEvent *)
{
    span_.setWidth(width());
    placeBar();
}

void CloseView::placeBar()
{
    int x = 2;
    for (QToolButton *button : bar_) {
        const int w = button->sizeHint().width();
        button->setGeometry(x, height() - BarHeight + 1, w, BarHeight - 2);
        x += w + 4;
    }
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

    // The marks with their handles in the ruler, and the play position over all.
    const auto mark = [&](double x, const QColor &color, bool in) {
        if (x < -kHandleReach || x > w + kHandleReach)
            return;
        p.setPen(QPen(color, 1));
        p.drawLine(QPointF(x, RulerHeight), QPointF(x, wave.bottom()));
        QPolygonF handle;
        handle << QPointF(x, RulerHeight) << QPointF(x + (in ? 7 : -7), 2) << QPointF(x, 2);
        p.setBrush(color);
        p.drawPolygon(handle);
    };
    mark(inX, kMarkIn, true);
    mark(outX, kMarkOut, false);
    const double posX = xOfMs(position_);
    if (posX >= 0 && posX <= w) {
        p.setPen(QPen(kPosition, 1, Qt::DashLine));
        p.drawLine(QPointF(posX, RulerHeight), QPointF(posX, wave.bottom()));
    }

    // The times, to the millisecond, and the span the view covers.
    QFont small = font();
    small.setPointSizeF(std::max(6.5, small.pointSizeF() - 0.5));
    p.setFont(small);
    p.setPen(palette().color(QPalette::WindowText));
    const QString times = tr("In %1   Out %2   Position %3")
                              .arg(MillisecondText(markIn_), MillisecondText(markOut_), MillisecondText(position_));
    p.drawText(QRect(20, 0, w - 40, RulerHeight), Qt::AlignVCenter | Qt::AlignLeft, times);
    const double shownMs = w * fpp * 1000.0 / span_.rate();
    const QString scale = shownMs >= 1000 ? tr("%1 s shown").arg(shownMs / 1000.0, 0, 'f', shownMs >= 10000 ? 0 : 2)
                                          : tr("%1 ms shown").arg(shownMs, 0, 'f', shownMs >= 10 ? 0 : 2);
    p.drawText(QRect(20, 0, w - 26, RulerHeight), Qt::AlignVCenter | Qt::AlignRight, scale);
}

void CloseView::wheelEvent(QWheelEvent *event)
{
    if (span_.frames() == 0)
        return;
    const QPoint delta = event->angleDelta();
    const double x = event->position().x();
    if (event->modifiers() & Qt::ControlModifier) {
        span_.zoom(std::pow(1.25, delta.y() / 120.0), x);
    } else {
        const int step = delta.x() != 0 ? -delta.x() : -delta.y();
        span_.scroll(step / 120.0 * width() / 8.0);
    }
    update();
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

void CloseView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || span_.frames() == 0 || event->position().y() >= waveRect().bottom() + 1)
        return;
    drag_ = handleAt(event->position());
    pressAt_ = event->position();
    pressFirst_ = span_.first();
    dragged_ = false;
    dragMs_ = drag_ == Drag::MarkIn ? markIn_ : markOut_;
}

void CloseView::mouseMoveEvent(QMouseEvent *event)
{
    if (drag_ == Drag::None) {
        const Drag over = span_.frames() ? handleAt(event->position()) : Drag::Background;
        setCursor(over == Drag::Background ? Qt::ArrowCursor : Qt::SizeHorCursor);
        return;
    }
    const double moved = event->position().x() - pressAt_.x();
    if (!dragged_ && std::abs(moved) < kDragSlop)
        return;
    dragged_ = true;
    const qint64 ms = span_.msAt(event->position().x());
    if (drag_ == Drag::Background) {
        span_.scroll((pressFirst_ - span_.first()) / span_.framesPerPixel() - moved);
    } else if (drag_ == Drag::MarkIn) {
        markIn_ = DraggedMarkIn(ms, markOut_);
    } else {
        markOut_ = DraggedMarkOut(ms, markIn_, span_.lengthMs());
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
    if (drag == Drag::MarkIn)
        emit markInDropped(markIn_);
    else if (drag == Drag::MarkOut)
        emit markOutDropped(markOut_);
}
