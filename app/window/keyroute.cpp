#include "app/window/keyroute.h"

KeyAction RouteKey(FocusKind focus, int key, Qt::KeyboardModifiers modifiers)
{
    // The keypad's Enter counts as Enter; a layout switch key does not change a key's meaning.
    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    // Typed text belongs to the field.
    if (focus == FocusKind::TextEntry)
        return KeyAction::Pass;

    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && held == Qt::NoModifier) {
        switch (focus) {
        case FocusKind::Button: return KeyAction::PressFocused;
        case FocusKind::Option: return KeyAction::ToggleFocused;
        case FocusKind::ClipList: return KeyAction::PlayClipList;
        case FocusKind::None:
        case FocusKind::DigitsEntry:
        case FocusKind::View:
        case FocusKind::Slider:
        case FocusKind::TextEntry: break;
        }
        return key == Qt::Key_Space ? KeyAction::PlayOrPause : KeyAction::Pass;
    }

    if (held != Qt::NoModifier && held != Qt::ShiftModifier)
        return KeyAction::Pass;
    const bool shift = held == Qt::ShiftModifier;
    switch (key) {
    case Qt::Key_Comma: return shift ? KeyAction::StepBack1s : KeyAction::StepBack10ms;
    case Qt::Key_Period: return shift ? KeyAction::StepOn1s : KeyAction::StepOn10ms;
    case Qt::Key_Less: return KeyAction::StepBack1s;
    case Qt::Key_Greater: return KeyAction::StepOn1s;
    default: return KeyAction::Pass;
    }
}
