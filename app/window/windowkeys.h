#pragma once
// The keyboard: keys for the transport, the marks, the cut and the menu commands, their
// names in the tooltips, and the focus ring.

#include <QObject>

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
    // it plays and plays it otherwise.
    WindowKeys(QWidget &window, Ui::frmWriteWave &ui, const trevisto::mci::MciPlayer &source);

    // Each tooltip of a button with a key names that key.
    static void ShowShortcutsInTooltips(Ui::frmWriteWave &ui);

private:
    // Space: pause while the source plays, play otherwise.
    void PlayOrPause();

    Ui::frmWriteWave &ui_;
    const trevisto::mci::MciPlayer &source_;
};
