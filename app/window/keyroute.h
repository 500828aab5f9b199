#pragma once
// Which key does what where: Space, Enter and the step keys act on what has the focus, or
// on the sound, decided from the kind of control with the focus and the key as it came.

#include <Qt>

// What has the keyboard focus, as far as these keys care.
enum class FocusKind {
    None,      // nothing, or a control that takes none of these keys (a label, the knob)
    Button,    // a push or tool button
    Option,    // a radio button or a check box
    ClipList,  // the list of clips
    View,      // the close view of the sound
    Slider,    // the time slider
    DigitsEntry, // a field that takes digits only (the Goto boxes)
    TextEntry,   // a field that takes any typed text
};

enum class KeyAction {
    Pass,          // the key goes its usual way: to the control, or to a shortcut
    PressFocused,  // press the focused button
    ToggleFocused, // toggle or choose the focused option
    PlayClipList,  // play the clip list from its selected clip, or stop it while it plays
    PlayOrPause,   // the sound: pause while it plays, play otherwise
    StepBack10ms,
    StepOn10ms,
    StepBack1s,
    StepOn1s,
};

// The action of `key` with `modifiers` pressed while `focus` has the focus. The one-second
// steps match Shift with , and . as well as < and > with or without Shift, so every layout
// reaches them however it types < and >. A field keeps the keys it takes as text; one of
// digits only leaves the step keys to the sound.
KeyAction RouteKey(FocusKind focus, int key, Qt::KeyboardModifiers modifiers);
