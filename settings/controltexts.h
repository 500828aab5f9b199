#pragma once
// The window's texts in the program's own words, where the language packs have none or
// too few: the frame captions and the captions no pack carries, the tooltips of the
// controls no pack describes (and of the two delete buttons, which every pack calls alike,
// and of the join and save buttons, which every pack calls like each other), the names a
// screen reader announces, and the order the Tab key visits the controls in. Each text
// follows the language of the program's messages.

#include "settings/language_file.h"

#include <QString>

#include <span>
#include <vector>

namespace trevisto {

// One control the user can reach.
struct ControlText {
    const char *control; // the object name in the form
    const char *name;    // what it is called, where no pack tooltip names it
    const char *toolTip; // the tooltip, where no pack gives one (or a wrong one); null: the pack's
    bool picture;        // a picture button: its tooltip also describes it to a screen reader
};

// A frame caption that no pack carries.
struct FrameCaption {
    const char *frame;
    const char *title;
};

// A control's caption that no pack carries.
struct ControlCaption {
    const char *control;
    const char *text;
};

std::span<const ControlText> controlTexts();
std::span<const FrameCaption> frameCaptions();
std::span<const ControlCaption> controlCaptions();
// The controls Tab visits, in the window's reading order: frame by frame, each from top
// left.
std::span<const char *const> tabOrder();
// The controls that lie where no one sees them, which take no focus.
std::span<const char *const> unseenControls();

// The texts for one control, in the language of the program's messages.
struct ControlStrings {
    QString control;
    QString name;    // the accessible name
    QString toolTip; // empty: the control keeps the tooltip the pack gave it
    bool picture = false;
};

// Every control's strings. A control that keeps a pack tooltip is named by that tooltip,
// from `tables`, where the loaded pack has it; otherwise by the program's own name.
std::vector<ControlStrings> controlStrings(const LanguageTables &tables);

// A source text of the tables above in the language of the program's messages.
QString controlTranslation(const char *source);

} // namespace trevisto
