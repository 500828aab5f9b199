#pragma once
// The time slider with the loaded sound in its groove: the envelope of the whole sound,
// the marked range as a translucent band and the range of the last cut as a strip along
// the bottom, the proposed split points as ticks, under the handle that shows the play position. Everything else, its range,
// keys and mouse, is the plain slider's.

#include "core/peaktable.h"

#include <QPixmap>
#include <QSlider>

#include <optional>
#include <utility>
#include <vector>

class WaveSlider : public QSlider {
    Q_OBJECT

public:
    explicit WaveSlider(QWidget *parent = nullptr);

    // The envelope to show; an empty table shows none.
    void setPeaks(PeakTable peaks);
    const PeakTable &peaks() const { return peaks_; }
    // The sound's length and the marks, in milliseconds.
    void setMarks(qint64 markIn, qint64 markOut, qint64 length);
    // The marks the cut result was made from; cleared when the result goes.
    void setCutRange(qint64 from, qint64 to);
    void clearCutRange();
    // The cut range shown, or nothing.
    std::optional<std::pair<qint64, qint64>> cutRange() const
    {
        return hasCut_ ? std::optional(std::pair(cutFrom_, cutTo_)) : std::nullopt;
    }
    // The part of the sound the close view shows, drawn as a frame over the groove; none
    // while it shows all of it.
    void setShownRange(qint64 from, qint64 to);
    void clearShownRange();
    std::optional<std::pair<qint64, qint64>> shownRange() const
    {
        return hasShown_ ? std::optional(std::pair(shownFrom_, shownTo_)) : std::nullopt;
    }
    // The proposed split points, drawn as ticks across the groove.
    void setSplitPoints(std::vector<qint64> ms);
    const std::vector<qint64> &splitPoints() const { return splits_; }
    static QColor splitColor() { return QColor(0xb0, 0x1e, 0x6e); }
    // No sound: no envelope, no marks, no cut, no split points.
    void clearWave();

    // Where the sound's columns lie: the span the handle's centre travels, so a point
    // of the envelope and the handle over it stand for the same time.
    QRect waveRect() const;
    // The horizontal position of `ms` in the sound.
    int xOf(qint64 ms) const;
    static QColor envelopeColor() { return QColor(0x2b, 0x5b, 0x94); }
    static QColor cutColor() { return QColor(0xd9, 0x7a, 0x00); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    bool showsWave() const { return !peaks_.empty() || length_ > 0; }
    // The envelope is drawn once per size and sound; a repaint only copies it.
    void renderEnvelope();
    PeakTable peaks_;
    QPixmap envelope_;
    qint64 markIn_ = 0, markOut_ = 0, length_ = 0;
    qint64 cutFrom_ = 0, cutTo_ = 0;
    bool hasCut_ = false;
    qint64 shownFrom_ = 0, shownTo_ = 0;
    bool hasShown_ = false;
    std::vector<qint64> splits_;
};
