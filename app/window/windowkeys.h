#pragma once
// The keyboard: keys for the transport, the marks, the cut and the menu commands, their
// names in the tooltips, the focus ring, and the keys whose meaning follows the focus
// (Space and Enter press or toggle the focused control, the step keys move the sound).

#include "app/window/keyroute.h"

#include <QObject>

#include <functional>

class QWidget;
namespace trevisto::mci {
class MciPlayer;
}
namespace Ui {
class frmWriteWave;
}

class WindowKeys : public QObject {
    Q_OBJECT

public:
    // Gives the buttons and menu items of `window` their keys; Space pauses `source` while
    // it plays and plays it otherwise, unless the focus is on a control Space presses;
    // the step keys call `step` with the milliseconds to move the standing sound by.
    WindowKeys(QWidget &window, Ui::frmWriteWave &ui, const trevisto::mci::MciPlayer &source,
               std::function<void(qint64 deltaMs)> step);

    // Each tooltip of a button with a key names that key.
    static void ShowShortcutsInTooltips(Ui::frmWriteWave &ui);

    // What kind of control `focused`, a control of the window with form `ui`, is.
    static FocusKind KindOf(const QWidget *focused, const Ui::frmWriteWave &ui);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Space: pause while the source plays, play otherwise.
    void PlayOrPause();
    // Carries out `action` for a key pressed while `focused` has the focus.
    void Act(KeyAction action, QWidget *focused);

    QWidget &window_;
    Ui::frmWriteWave &ui_;
    const trevisto::mci::MciPlayer &source_;
    std::function<void(qint64)> step_;
};
