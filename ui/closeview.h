#pragma once
// A close view of the loaded sound: its waveform around the play position, from the whole
// sound down to single samples, with Mark In, Mark Out and the play position drawn on it
// and their times to the millisecond. Ctrl+wheel zooms around the pointer, the wheel and a
// drag of the background scroll, a click picks a play position, and each mark's handle can
// be dragged (never past the other mark). Coarse zooms draw from the envelope table; close
// ones read only the visible part of the working file. A bar along the bottom offers
// hearing the marked range, or two seconds at either mark, as their keys do.

#include "core/peaktable.h"
#include "ui/viewspan.h"
#include "platform/wav/wav.h"

#include <QWidget>

class QToolButton;

#include <memory>
#include <vector>

class CloseView : public QWidget {
    Q_OBJECT

public:
    explicit CloseView(QWidget *parent = nullptr);
    ~CloseView() override;

    // The sound in the native WAV file `file`, with its envelope; shown whole.
    void setSound(const QString &file, PeakTable peaks);
    void clearSound();
    bool hasSound() const { return file_ != nullptr; }

    void setPosition(qint64 ms);
    // Scrolls so that the play position stays in view, as while playing.
    void followPosition();
    void setMarks(qint64 markIn, qint64 markOut);
    qint64 position() const { return position_; }
    qint64 markIn() const { return markIn_; }
    qint64 markOut() const { return markOut_; }

    ViewSpan &span() { return span_; }
    const ViewSpan &span() const { return span_; }
    // The band at the top holding the handles and the times, and the bar at the bottom.
    static constexpr int RulerHeight = 16;
    static constexpr int BarHeight = 20;
    // The pixel column of a time, in widget coordinates.
    double xOfMs(qint64 ms) const { return span_.xOfMs(ms); }

signals:
    // A click on the waveform: the millisecond under it.
    void positionPicked(qint64 ms);
    // A mark's handle dropped at a millisecond, already kept from passing the other mark.
    void markInDropped(qint64 ms);
    void markOutDropped(qint64 ms);
    // The bar's buttons: play from Mark In to Mark Out, the two seconds from Mark In, the
    // two seconds up to Mark Out.
    void playMarkedRequested();
    void playFromMarkInRequested();
    void playToMarkOutRequested();

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    enum class Drag { None, Background, MarkIn, MarkOut };
    // The extremes under each pixel column of the current span, from the table or the file.
    const std::vector<PeakTable::Peak> &columns();
    // The samples of `count` frames from `first`, channel after channel, for the closest zooms.
    std::vector<std::vector<float>> visibleSamples(int64_t first, int64_t count) const;
    void readColumns(int64_t first, int64_t last);
    Drag handleAt(QPointF at) const;
    QRect waveRect() const { return QRect(0, RulerHeight, width(), height() - RulerHeight - BarHeight); }
    void placeBar();
    // The tooltips, names and captions, in the language chosen last.
    void showTexts();

    std::unique_ptr<trevisto::wav::File> file_;
    PeakTable peaks_;
    ViewSpan span_;
    qint64 position_ = 0, markIn_ = 0, markOut_ = 0;

    // The columns for the span they were made for.
    std::vector<PeakTable::Peak> columns_;
    double columnsFirst_ = -1, columnsScale_ = 0;
    int columnsWidth_ = 0;

    Drag drag_ = Drag::None;
    QPointF pressAt_;
    double pressFirst_ = 0;
    bool dragged_ = false;
    qint64 dragMs_ = 0;

    std::vector<QToolButton *> bar_;
};
