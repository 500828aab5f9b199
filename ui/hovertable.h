#pragma once
// Which picture buttons light up under the pointer, and what a pointer move does: plain
// data and one function, so the rule is readable and testable without a window.
//
// A move over a button of the table first gives every button of the reset column its
// normal picture back, then lights the button itself. A move over the background of one
// of the reset frames only gives the normal pictures back. Nothing else is remembered,
// which is why the two list buttons outside the reset column stay lit once lit.

#include <array>
#include <optional>
#include <string_view>

namespace hover {

struct Button {
    std::string_view name;
    int picture; // the same number in the normal and the roll-over list
    bool reset;  // given its normal picture back by every reset
};

inline constexpr std::array<Button, 21> Buttons{{
    {"CmdBack", 1, true},     {"CmdPlay", 2, true},    {"CmdPlayTemp", 2, true}, {"CmdPlayList", 2, false},
    {"CmdStop", 3, true},     {"CmdStopTemp", 3, true}, {"CmdStopList", 3, false}, {"CmdPause", 4, true},
    {"CmdStep", 5, true},     {"CmdUp", 6, true},      {"CmdDown", 7, true},     {"Command5", 8, true},
    {"Command4", 9, true},    {"CdmEnd", 10, true},    {"CmdSetin", 11, true},   {"CmdOut", 12, true},
    {"CmdSaveas", 13, true},  {"CmdCreate", 13, true}, {"Command3", 14, true},   {"Command2", 14, true},
    {"CmdSetNew", 15, true},
}};

// The frames whose background resets the pictures.
inline constexpr std::array<std::string_view, 3> ResetFrames{"Frame10", "Frame3", "Frame6"};

// What a pointer move over the control named `target` does.
struct Action {
    bool reset = false;
    std::optional<Button> lit; // the button to light, after the reset
};
Action onPointerMove(std::string_view target);

// The button of the table named `name`, if it is one.
std::optional<Button> button(std::string_view name);

} // namespace hover
