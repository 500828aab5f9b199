#include "ui/waveslider.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>
#include <cmath>

namespace {

// The margin between the widget's edge and the sound, and the cut strip's height.
constexpr int Inset = 2;
constexpr int CutStrip = 3;

} // namespace

WaveSlider::WaveSlider(QWidget *parent) : QSlider(Qt::Horizontal, parent) {}

void WaveSlider::setPeaks(PeakTable peaks)
{
    peaks_ = std::move(peaks);
    envelope_ = QPixmap();
    update();
}

void WaveSlider::setMarks(qint64 markIn, qint64 markOut, qint64 length)
{
    markIn_ = markIn;
    markOut_ = markOut;
    length_ = length;
    update();
}

void WaveSlider::setCutRange(qint64 from, qint64 to)
{
    cutFrom_ = from;
    cutTo_ = to;
    hasCut_ = true;
    update();
}

void WaveSlider::clearCutRange()
{
    hasCut_ = false;
    update();
}

void WaveSlider::setShownRange(qint64 from, qint64 to)
{
    shownFrom_ = from;
    shownTo_ = to;
    hasShown_ = true;
    update();
}

void WaveSlider::clearShownRange()
{
    hasShown_ = false;
    update();
}

void WaveSlider::clearWave()
{
    hasCut_ = false;
    hasShown_ = false;
    splits_.clear();
    markIn_ = markOut_ = length_ = 0;
    setPeaks(PeakTable());
}

void WaveSlider::setSplitPoints(std::vector<qint64> ms)
{
    if (ms == splits_)
        return;
    splits_ = std::move(ms);
    update();
}

QRect WaveSlider::waveRect() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    // The same span the press handler maps clicks through.
    return QRect(handle.width() / 2, Inset, width() - handle.width(), height() - 2 * Inset);
}

int WaveSlider::xOf(qint64 ms) const
{
    const QRect r = waveRect();
    if (length_ <= 0)
        return r.left();
    const qint64 clamped = std::clamp<qint64>(ms, 0, length_);
    return r.left() + int(clamped * r.width() / length_);
}

void WaveSlider::renderEnvelope()
{
    const QRect r = waveRect();
    const qreal ratio = devicePixelRatioF();
    const int columns = int(std::lround(r.width() * ratio)), rows = int(std::lround(r.height() * ratio));
    if (columns <= 0 || rows <= 0)
        return;
    QPixmap pixmap(columns, rows);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const qreal middle = (rows - 1) / 2.0;
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(QPointF(0, middle), QPointF(columns - 1, middle));
    p.setPen(envelopeColor());
    const std::vector<PeakTable::Peak> peaks = peaks_.columns(columns);
    for (int x = 0; x < int(peaks.size()); ++x) {
        // Up is positive; a column of silence still shows one row on the middle line.
        const int top = int(std::floor(middle - peaks[size_t(x)].high * middle));
        const int bottom = int(std::ceil(middle - peaks[size_t(x)].low * middle));
        p.drawLine(x, top, x, std::max(top, bottom));
    }
    p.end();
    pixmap.setDevicePixelRatio(ratio);
    envelope_ = pixmap;
}

void WaveSlider::paintEvent(QPaintEvent *event)
{
    if (!showsWave()) {
        QSlider::paintEvent(event);
        return;
    }
    QPainter p(this);
    const QRect r = waveRect();
    p.fillRect(r, palette().color(QPalette::Base));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(r.adjusted(-1, -1, 0, 0));
    if (!peaks_.empty()) {
        if (envelope_.isNull())
            renderEnvelope();
        p.drawPixmap(r.topLeft(), envelope_);
    }
    // Marks over the whole sound, as every sound opens, mark nothing worth a band.
    if (markIn_ < markOut_ && length_ > 0 && (markIn_ > 0 || markOut_ < length_)) {
        QColor band = palette().color(QPalette::Highlight);
        band.setAlpha(70);
        // A few seconds of an hour are less than a column, and must still show.
        const int x0 = xOf(markIn_);
        p.fillRect(QRect(QPoint(x0, r.top()), QPoint(std::max(xOf(markOut_), x0 + 1), r.bottom())), band);
    }
    if (hasCut_ && cutFrom_ < cutTo_ && length_ > 0) {
        const int x0 = xOf(cutFrom_);
        p.fillRect(QRect(QPoint(x0, r.bottom() - CutStrip + 1), QPoint(std::max(xOf(cutTo_), x0 + 1), r.bottom())),
                   cutColor());
    }
    if (!splits_.empty() && length_ > 0) {
        p.setPen(QPen(splitColor(), 1));
        for (const qint64 ms : splits_)
            p.drawLine(QPoint(xOf(ms), r.top()), QPoint(xOf(ms), r.bottom()));
    }
    if (hasShown_ && length_ > 0) {
        // A frame at least three columns wide, so a second of an hour still shows.
        const int x0 = xOf(shownFrom_);
        const int x1 = std::max(xOf(shownTo_), x0 + 2);
        p.setPen(QPen(palette().color(QPalette::Text), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(QPoint(x0, r.top()), QPoint(x1, r.bottom())));
    }

    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_SliderHandle;
    style()->drawComplexControl(QStyle::CC_Slider, &option, &p, this);
}

void WaveSlider::resizeEvent(QResizeEvent *event)
{
    envelope_ = QPixmap();
    QSlider::resizeEvent(event);
}

void WaveSlider::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        envelope_ = QPixmap();
    QSlider::changeEvent(event);
}
