#pragma once
// A close view of the loaded sound: its waveform around the play position, from the whole
// sound down to single samples, with Mark In, Mark Out and the play position drawn on it.
// Along the top, a row of readouts gives their times to the millisecond, and under it a
// time ruler holds the marks' handles. Ctrl+wheel zooms around the pointer, the wheel and a
// drag of the background scroll, a click picks a play position, each mark's handle can be
// dragged (never past the other mark), and a drag across the ruler, or with Shift across the
// waveform, selects a range for both marks. A double click on a mark's readout opens a
// field to type it. Coarse zooms draw from the envelope table; close ones read only the
// visible part of the working file. A bar along the bottom offers hearing the marked range,
// or two seconds at either mark, as their keys do. Proposed split points show as lines that
// can be dragged.

#include "core/peaktable.h"
#include "ui/ruler.h"
#include "ui/viewdrag.h"
#include "ui/viewspan.h"
#include "ui/wavecolumns.h"

#include <QWidget>

class QAction;
class QLineEdit;
class QToolButton;

#include <vector>

class CloseView : public QWidget {
    Q_OBJECT

public:
    explicit CloseView(QWidget *parent = nullptr);
    ~CloseView() override;

    // The sound in the native WAV file `file`, with its envelope; shown whole.
    void setSound(const QString &file, PeakTable peaks);
    void clearSound();
    bool hasSound() const { return wave_.hasFile(); }

    void setPosition(qint64 ms);
    // Scrolls so that the play position stays in view, as while playing.
    void followPosition();
    void setMarks(qint64 markIn, qint64 markOut);
    // The proposed split points, drawn across the waveform; each can be dragged between its
    // neighbours.
    void setSplitPoints(std::vector<qint64> ms);
    const std::vector<qint64> &splitPoints() const { return marks_.splits; }
    qint64 position() const { return position_; }
    qint64 markIn() const { return marks_.markIn; }
    qint64 markOut() const { return marks_.markOut; }

    ViewSpan &span() { return span_; }
    const ViewSpan &span() const { return span_; }
    // Zooms by `factor` (above 1 closer) around the play position.
    void zoomAroundPosition(double factor);
    void showWholeSound();
    // Mark In to Mark Out with a tenth of their length on either side.
    void showMarkedRange();
    // Redraws after the span was changed from outside, and reports it.
    void spanMoved();
    // The ruler as it is drawn now.
    RulerLayout ruler() const;

    // The millisecond nearest `ms` that begins closest to a zero crossing of the sound.
    qint64 zeroCrossingNear(qint64 ms) const;

    // Adds a checkable option to the bar's right end, a button showing `option`.
    void addOption(QAction *option);

    // Opens the field to type Mark In (or Mark Out) over its readout, or over `label`, a
    // widget that shows the mark elsewhere.
    void editMark(bool markIn, QWidget *label = nullptr);
    // The field while it is open, else null.
    QLineEdit *markField() const { return markField_; }

    // The readouts of the times, the ruler under them holding the handles, and the bar at
    // the bottom.
    static constexpr int ReadoutHeight = 13;
    static constexpr int TickHeight = 14;
    static constexpr int RulerHeight = ReadoutHeight + TickHeight;
    static constexpr int BarHeight = 20;
    // Where the readouts of Mark In and Mark Out stand.
    QRect readoutRect(bool markIn) const;
    // The pixel column of a time, in widget coordinates.
    double xOfMs(qint64 ms) const { return span_.xOfMs(ms); }

signals:
    // A click on the waveform: the millisecond under it.
    void positionPicked(qint64 ms);
    // A mark's handle dropped at a millisecond, already kept from passing the other mark.
    void markInDropped(qint64 ms);
    void markOutDropped(qint64 ms);
    // Split point `index` dragged to `ms`, kept between its neighbours.
    void splitPointDropped(int index, qint64 ms);
    // A range dragged across the ruler: both marks, `markIn` not after `markOut`.
    void rangeSelected(qint64 markIn, qint64 markOut);
    // A mark typed in its field and accepted.
    void markTyped(bool markIn, qint64 ms);
    // The part of the sound in view changed; `whole` when it is all of it.
    void shownRangeChanged(qint64 fromMs, qint64 toMs, bool whole);
    // The bar's buttons: play from Mark In to Mark Out, the two seconds from Mark In, the
    // two seconds up to Mark Out.
    void playMarkedRequested();
    void playFromMarkInRequested();
    void playToMarkOutRequested();

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QRect waveRect() const { return QRect(0, RulerHeight, width(), height() - RulerHeight - BarHeight); }
    ViewRows rows() const;
    void placeBar();
    QFont readoutFont() const;
    void closeMarkField();
    void reportSpan();
    // The tooltips, names and captions, in the language chosen last.
    void showTexts();

    WaveColumns wave_;
    ViewSpan span_;
    qint64 position_ = 0;
    ShownMarks marks_;
    ViewDrag drag_;
    QLineEdit *markField_ = nullptr;
    struct Shown {
        qint64 from = -1, to = -1;
        bool whole = false;
        bool operator==(const Shown &) const = default;
    } shown_;

    std::vector<QToolButton *> bar_;
    std::vector<QToolButton *> options_;
};
