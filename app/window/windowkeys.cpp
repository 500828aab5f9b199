#include "app/window/windowkeys.h"

#include "platform/mci/player.h"
#include "ui/focusring.h"
#include "ui_frmWriteWave.h"

#include <QShortcut>

using trevisto::mci::MciPlayer;

namespace {

struct ButtonKey {
    QAbstractButton *button;
    QKeySequence key;
};

// The buttons with a key of their own; Space is shared by Play and Pause.
QList<ButtonKey> ButtonKeys(Ui::frmWriteWave &ui)
{
    return {
        {ui.CmdPlay, Qt::Key_Space},     {ui.CmdPause, Qt::Key_Space}, {ui.CmdBack, Qt::Key_Left},
        {ui.CmdStep, Qt::Key_Right},     {ui.CmdStop, Qt::Key_Home},   {ui.CmdSetin, Qt::Key_I},
        {ui.CmdOut, Qt::Key_O},          {ui.CmdSetNew, QKeySequence(Qt::CTRL | Qt::Key_T)},
    };
}

} // namespace

WindowKeys::WindowKeys(QWidget &window, Ui::frmWriteWave &ui, const MciPlayer &source)
    : QObject(&window), ui_(ui), source_(source)
{
    // A shortcut belongs to its button, so it acts only while the button is enabled; a key
    // of a disabled button goes on to the control with the focus. The button shows the
    // press before it acts, as under a click.
    for (const ButtonKey &k : ButtonKeys(ui_)) {
        if (k.button == ui_.CmdPause)
            continue;
        auto *shortcut = new QShortcut(k.key, k.button);
        if (k.button == ui_.CmdPlay)
            connect(shortcut, &QShortcut::activated, this, &WindowKeys::PlayOrPause);
        else
            connect(shortcut, &QShortcut::activated, k.button, [b = k.button] { b->animateClick(); });
    }
    ui_.Open1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    ui_.cmdwav->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    ui_.Exit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    ui_.EditUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    ui_.EditRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    ShowShortcutsInTooltips(ui_);
    new FocusRing(&window);
}

void WindowKeys::PlayOrPause()
{
    QAbstractButton *button =
        source_.state() == MciPlayer::State::Playing ? static_cast<QAbstractButton *>(ui_.CmdPause) : ui_.CmdPlay;
    if (button->isEnabled())
        button->animateClick();
}

void WindowKeys::ShowShortcutsInTooltips(Ui::frmWriteWave &ui)
{
    for (const ButtonKey &k : ButtonKeys(ui)) {
        const QString suffix = QStringLiteral(" (%1)").arg(k.key.toString(QKeySequence::NativeText));
        QString tip = k.button->toolTip();
        // Called again after every language load, which may have left the name in place.
        if (!tip.endsWith(suffix))
            k.button->setToolTip(tip + suffix);
    }
}
