#pragma once
// The close view bound to the source player, and the precise keys: a click there moves the
// play position, a dragged mark is set where it is dropped, a range dragged across the
// ruler sets both marks as one step, a typed mark is set as typed, steps of 10 ms and one
// second move a standing sound, the zoom keys zoom the view, and the bar and its keys play
// the marked range or two seconds at a mark before the cut. With the view's snap option
// on, every mark placed or dragged goes to the nearest zero crossing; the option is kept
// in the settings.

#include "editor/preview.h"
#include "editor/sourcesteps.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <utility>

class CloseView;
class QAction;
class QWidget;
namespace trevisto::mci {
class MciPlayer;
}
namespace Ui {
class frmWriteWave;
}

class CloseViewBinding : public QObject {
    Q_OBJECT

public:
    // What the binding leaves to the window: the marks' values, setting one as a step
    // Undo takes back, and playing as the Play button does.
    struct Window {
        std::function<std::pair<qint64, qint64>()> marks;
        std::function<void(trevisto::MarkStep::Mark mark, qint64 ms, const QString &text)> setMark;
        std::function<void(qint64 markIn, qint64 markOut)> setRange;
        std::function<void()> play;
        // Tells the user why something could not be done.
        std::function<void(const QString &message)> tell;
    };

    // Binds `view` and the keys of `window` to `player`, the source player.
    CloseViewBinding(QWidget &window, Ui::frmWriteWave &ui, CloseView &view, trevisto::mci::MciPlayer &player,
                     Window hooks);

    // While the sound stands, moves its position by `deltaMs`, within the sound.
    void StepPlayPosition(qint64 deltaMs);
    // Where a mark placed at `ms` goes: to the nearest zero crossing while the option is on.
    qint64 Placed(qint64 ms) const;
    bool Snaps() const;
    QAction &SnapItem() const { return *snapItem_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ApplyTexts();
    // Keeps the snap item's state in the settings; a state that cannot be kept is undone.
    void StoreSnap(bool on);
    // Opens the field that takes Mark In (or Mark Out) typed, over its label.
    void TypeMark(bool markIn);
    void SetTypedMark(bool markIn, qint64 ms);
    void SetDraggedRange(qint64 markIn, qint64 markOut);
    // A sound is open and its transport is not locked.
    bool SourceMovable() const;
    // Moves the play position: a running sound plays on from there, a standing one stays.
    void MovePlayPosition(qint64 ms);
    void ShowPlayPosition();
    // Plays the stretch `preview` names and stops there.
    void Play(trevisto::Preview preview);

    Ui::frmWriteWave &ui_;
    CloseView &view_;
    trevisto::mci::MciPlayer &player_;
    Window window_;
    QAction *snapItem_ = nullptr;
    QPointer<QWidget> inLabel_, outLabel_; // the mark labels under the buttons
};
