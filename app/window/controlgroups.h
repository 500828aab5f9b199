#pragma once
// The groups of controls the handlers switch together, each defined once, and the holds
// that keep the list-locked controls off while a new source is written or the list plays.

#include <QList>
#include <QPair>

class QWidget;
namespace Ui {
class frmWriteWave;
}

class ControlGroups {
public:
    explicit ControlGroups(Ui::frmWriteWave &ui) : ui_(ui) {}

    QList<QWidget *> TransportControls() const;  // play and mark the source
    QList<QWidget *> SourceControls() const;     // the transport and the cut
    QList<QWidget *> PlayingControls() const;    // enabled once the source plays
    QList<QWidget *> ResultControls() const;     // act on the cut result
    QList<QWidget *> ListLockedControls() const; // off while the list plays

    // Enables or disables `controls`. One that a hold keeps off keeps the new state for the
    // end of the last hold instead.
    void SetEnabled(const QList<QWidget *> &controls, bool enabled);

    // What keeps the list-locked controls off: a new source being written, the list playing.
    enum Hold { Opening = 1, ListPlayback = 2 };
    // Takes or ends `hold`. From the first hold to the end of the last the controls are off;
    // then they take the states the handlers set meanwhile, so they fit what is open then.
    void HoldControls(Hold hold, bool on);
    bool Held(Hold hold) const { return holds_ & hold; }

private:
    Ui::frmWriteWave &ui_;
    int holds_ = 0; // the Hold values now on
    QList<QPair<QWidget *, bool>> heldStates_; // the held controls' states for the end of the holds
};
