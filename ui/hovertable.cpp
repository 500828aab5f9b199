#include "ui/hovertable.h"

#include <algorithm>

namespace hover {

std::optional<Button> button(std::string_view name)
{
    const auto it = std::find_if(Buttons.begin(), Buttons.end(), [&](const Button &b) { return b.name == name; });
    if (it == Buttons.end())
        return std::nullopt;
    return *it;
}

Action onPointerMove(std::string_view target)
{
    if (const std::optional<Button> b = button(target))
        return {true, b};
    if (std::find(ResetFrames.begin(), ResetFrames.end(), target) != ResetFrames.end())
        return {true, std::nullopt};
    return {};
}

} // namespace hover
