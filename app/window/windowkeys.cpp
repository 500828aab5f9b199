#include "app/window/windowkeys.h"

#include "platform/mci/player.h"
#include "ui/closeview.h"
#include "ui/focusring.h"
#include "ui_frmWriteWave.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QDial>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextEdit>
#include <QTimer>
#include <QValidator>

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

// The step of each step key, in milliseconds.
qint64 StepOf(KeyAction action)
{
    switch (action) {
    case KeyAction::StepBack10ms: return -10;
    case KeyAction::StepOn10ms: return 10;
    case KeyAction::StepBack1s: return -1000;
    case KeyAction::StepOn1s: return 1000;
    default: return 0;
    }
}

// The line edit that takes what is typed into `control`, if any.
const QLineEdit *LineEditOf(const QWidget &control)
{
    if (const auto *combo = qobject_cast<const QComboBox *>(&control))
        return combo->lineEdit();
    return qobject_cast<const QLineEdit *>(&control);
}

// Whether `edit` refuses `typed` on its own, as a Goto box refuses all but digits.
bool RefusesText(const QLineEdit &edit, const QString &typed)
{
    const QValidator *validator = edit.validator();
    if (!validator || typed.isEmpty())
        return false;
    QString text = typed;
    int at = 0;
    return validator->validate(text, at) == QValidator::Invalid;
}

bool Refuses(const QWidget &control, const QString &typed)
{
    const QLineEdit *edit = LineEditOf(control);
    return edit && RefusesText(*edit, typed);
}

// Whether `edit` refuses the characters of the step keys and Space, as the Goto boxes do.
bool TakesOnlyDigits(const QLineEdit &edit)
{
    for (const char *typed : {",", ".", "<", ">", " "})
        if (!RefusesText(edit, QString::fromLatin1(typed)))
            return false;
    return true;
}

// Clicks `button` at once, so that keys typed quickly act in their order, each on the
// position it finds (I, then > three times, then O marks two places); the button shows
// the press for a moment afterwards, as under the pointer.
void PressNow(QAbstractButton *button)
{
    button->click();
    button->setDown(true);
    QTimer::singleShot(100, button, [button] { button->setDown(false); });
}

} // namespace

WindowKeys::WindowKeys(QWidget &window, Ui::frmWriteWave &ui, const MciPlayer &source,
                       std::function<void(qint64)> step)
    : QObject(&window), window_(window), ui_(ui), source_(source), step_(std::move(step))
{
    // A shortcut belongs to its button, so it acts only while the button is enabled; a key
    // of a disabled button goes on to the control with the focus.
    for (const ButtonKey &k : ButtonKeys(ui_)) {
        if (k.button == ui_.CmdPause)
            continue;
        auto *shortcut = new QShortcut(k.key, k.button);
        if (k.button == ui_.CmdPlay)
            connect(shortcut, &QShortcut::activated, this, &WindowKeys::PlayOrPause);
        else
            connect(shortcut, &QShortcut::activated, k.button, [b = k.button] { PressNow(b); });
    }
    ui_.Open1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    ui_.cmdwav->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    ui_.Exit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    ui_.EditUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    ui_.EditRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    ui_.TracksFindPauses->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    ui_.TracksSplitEvery->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    ui_.TracksAddPoint->setShortcut(QKeySequence(Qt::Key_K));
    ui_.TracksRemovePoint->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_K));
    ui_.TracksClearPoints->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
    ui_.TracksAddClips->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    ShowShortcutsInTooltips(ui_);
    new FocusRing(&window);
    // The keys start on the sound: the first Goto box would take Home and the arrows for
    // itself.
    ui_.Slider1->setFocus(Qt::OtherFocusReason);
    // The keys that follow the focus are judged before any shortcut sees them, on whichever
    // control of the window has the focus (or on the window, when none has).
    qApp->installEventFilter(this);
}

FocusKind WindowKeys::KindOf(const QWidget *focused, const Ui::frmWriteWave &ui)
{
    if (!focused)
        return FocusKind::None;
    if (focused == ui.List1 || ui.List1->isAncestorOf(focused))
        return FocusKind::ClipList;
    if (const QLineEdit *edit = LineEditOf(*focused))
        return TakesOnlyDigits(*edit) ? FocusKind::DigitsEntry : FocusKind::TextEntry;
    if (qobject_cast<const QComboBox *>(focused) || qobject_cast<const QAbstractSpinBox *>(focused) ||
        qobject_cast<const QTextEdit *>(focused) || qobject_cast<const QPlainTextEdit *>(focused))
        return FocusKind::TextEntry;
    if (qobject_cast<const QRadioButton *>(focused) || qobject_cast<const QCheckBox *>(focused))
        return FocusKind::Option;
    if (qobject_cast<const QAbstractButton *>(focused))
        return FocusKind::Button;
    // The knob turns with the arrows and the wheel; Space means nothing to it.
    if (qobject_cast<const QDial *>(focused))
        return FocusKind::None;
    if (qobject_cast<const QAbstractSlider *>(focused))
        return FocusKind::Slider;
    for (const QWidget *w = focused; w; w = w->parentWidget())
        if (qobject_cast<const CloseView *>(w))
            return FocusKind::View;
    return FocusKind::None;
}

bool WindowKeys::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    // Only the window's own controls: its dialogs and menus keep their keys.
    if (!widget || widget->window() != &window_)
        return false;
    // The key goes to the control with the focus, and on to its parents while none takes
    // it; a test may hand it to the window itself. Either way the focused control decides.
    QWidget *focused = window_.focusWidget();
    if (widget != focused && widget != &window_)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const FocusKind kind = KindOf(focused, ui_);
    const KeyAction action = RouteKey(kind, key->key(), key->modifiers());
    if (action == KeyAction::Pass || action == KeyAction::PlayOrPause) {
        // A Goto box would swallow a letter or Space it refuses anyway: the key's shortcut
        // (I, O, Space) acts instead.
        if (type == QEvent::ShortcutOverride && kind == FocusKind::DigitsEntry && Refuses(*focused, key->text())) {
            key->ignore();
            return true;
        }
        return false;
    }
    // Acted on as the key goes down, before any shortcut could take it; accepting it keeps
    // the shortcuts off, and the press and release that follow are spent (a button would
    // take the release of Space for a second click).
    if (type == QEvent::ShortcutOverride) {
        key->accept();
        Act(action, focused);
    }
    return true;
}

void WindowKeys::Act(KeyAction action, QWidget *focused)
{
    auto *button = qobject_cast<QAbstractButton *>(focused);
    switch (action) {
    case KeyAction::PressFocused:
        // A button of a window (not of a dialog) would leave Enter alone.
        if (button)
            PressNow(button);
        break;
    case KeyAction::ToggleFocused:
        if (button)
            button->click();
        break;
    case KeyAction::PlayClipList: {
        QAbstractButton *shown = ui_.CmdStopList->isVisible() ? ui_.CmdStopList : ui_.CmdPlayList;
        if (shown->isEnabled())
            PressNow(shown);
        break;
    }
    case KeyAction::StepBack10ms:
    case KeyAction::StepOn10ms:
    case KeyAction::StepBack1s:
    case KeyAction::StepOn1s:
        step_(StepOf(action));
        break;
    case KeyAction::Pass:
    case KeyAction::PlayOrPause:
        break;
    }
}

void WindowKeys::PlayOrPause()
{
    QAbstractButton *button =
        source_.state() == MciPlayer::State::Playing ? static_cast<QAbstractButton *>(ui_.CmdPause) : ui_.CmdPlay;
    if (button->isEnabled())
        PressNow(button);
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
