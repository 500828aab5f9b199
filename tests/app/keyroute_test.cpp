#include "app/window/keyroute.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char *actionName(KeyAction a)
{
    switch (a) {
    case KeyAction::Pass: return "Pass";
    case KeyAction::PressFocused: return "PressFocused";
    case KeyAction::ToggleFocused: return "ToggleFocused";
    case KeyAction::PlayClipList: return "PlayClipList";
    case KeyAction::PlayOrPause: return "PlayOrPause";
    case KeyAction::StepBack10ms: return "StepBack10ms";
    case KeyAction::StepOn10ms: return "StepOn10ms";
    case KeyAction::StepBack1s: return "StepBack1s";
    case KeyAction::StepOn1s: return "StepOn1s";
    }
    return "?";
}

constexpr auto Shift = Qt::ShiftModifier;
constexpr auto Ctrl = Qt::ControlModifier;
constexpr auto None = Qt::NoModifier;

TEST(KeyRoute, SpaceAndEnterActOnTheFocusedControlElseOnTheSound)
{
    using F = FocusKind;
    using A = KeyAction;
    const struct {
        F focus;
        int key;
        Qt::KeyboardModifiers modifiers;
        A action;
    } cases[] = {
        {F::Button, Qt::Key_Space, None, A::PressFocused},
        {F::Button, Qt::Key_Return, None, A::PressFocused},
        {F::Button, Qt::Key_Enter, Qt::KeypadModifier, A::PressFocused},
        {F::Option, Qt::Key_Space, None, A::ToggleFocused},
        {F::Option, Qt::Key_Return, None, A::ToggleFocused},
        {F::ClipList, Qt::Key_Space, None, A::PlayClipList},
        {F::ClipList, Qt::Key_Enter, None, A::PlayClipList},
        // Space plays only where nothing takes it.
        {F::None, Qt::Key_Space, None, A::PlayOrPause},
        {F::View, Qt::Key_Space, None, A::PlayOrPause},
        {F::Slider, Qt::Key_Space, None, A::PlayOrPause},
        {F::None, Qt::Key_Return, None, A::Pass},
        {F::Slider, Qt::Key_Return, None, A::Pass},
        // Typed into a field.
        {F::TextEntry, Qt::Key_Space, None, A::Pass},
        {F::TextEntry, Qt::Key_Return, None, A::Pass},
        // A box of digits takes no Space: the sound does.
        {F::DigitsEntry, Qt::Key_Space, None, A::PlayOrPause},
        {F::DigitsEntry, Qt::Key_Return, None, A::Pass},
        // Shift+Space plays the marked range everywhere: not a press.
        {F::Button, Qt::Key_Space, Shift, A::Pass},
        {F::ClipList, Qt::Key_Space, Shift, A::Pass},
        {F::None, Qt::Key_Space, Shift, A::Pass},
        {F::Button, Qt::Key_Return, Ctrl, A::Pass},
        // Other keys are the shortcuts' and the controls' own.
        {F::Button, Qt::Key_I, None, A::Pass},
        {F::ClipList, Qt::Key_Down, None, A::Pass},
        {F::Button, Qt::Key_Tab, None, A::Pass},
        {F::Option, Qt::Key_Escape, None, A::Pass},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE("focus " + std::to_string(int(c.focus)) + ", key " + std::to_string(c.key) + ", modifiers " +
                     std::to_string(int(c.modifiers)));
        EXPECT_STREQ(actionName(RouteKey(c.focus, c.key, c.modifiers)), actionName(c.action));
    }
}

// US, UK and most layouts send Shift+, as < with Shift, some as , with Shift, and those
// with a key of its own for < and > send them with or without Shift.
TEST(KeyRoute, TheStepKeysMatchOnEveryLayoutAndNotInATextField)
{
    using A = KeyAction;
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        A action;
    } cases[] = {
        {Qt::Key_Comma, None, A::StepBack10ms},
        {Qt::Key_Period, None, A::StepOn10ms},
        {Qt::Key_Less, Shift, A::StepBack1s},
        {Qt::Key_Greater, Shift, A::StepOn1s},
        {Qt::Key_Comma, Shift, A::StepBack1s},
        {Qt::Key_Period, Shift, A::StepOn1s},
        {Qt::Key_Less, None, A::StepBack1s},
        {Qt::Key_Greater, None, A::StepOn1s},
        {Qt::Key_Comma, Qt::KeypadModifier, A::StepBack10ms},
        {Qt::Key_Period, Shift | Qt::GroupSwitchModifier, A::StepOn1s},
        {Qt::Key_Comma, Ctrl, A::Pass},
        {Qt::Key_Less, Qt::AltModifier, A::Pass},
        {Qt::Key_Greater, Ctrl | Shift, A::Pass},
        {Qt::Key_Semicolon, Shift, A::Pass},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE("key " + std::to_string(c.key) + ", modifiers " + std::to_string(int(c.modifiers)));
        // A field of digits (the Goto boxes) takes none of these keys.
        for (FocusKind focus : {FocusKind::None, FocusKind::Button, FocusKind::Option, FocusKind::ClipList,
                                FocusKind::View, FocusKind::Slider, FocusKind::DigitsEntry})
            EXPECT_STREQ(actionName(RouteKey(focus, c.key, c.modifiers)), actionName(c.action)) << int(focus);
        // A field of text takes "." and ",".
        EXPECT_STREQ(actionName(RouteKey(FocusKind::TextEntry, c.key, c.modifiers)), "Pass");
    }
}

} // namespace
