#include "editor/preview.h"

#include <algorithm>

namespace trevisto {

std::optional<std::pair<int64_t, int64_t>> PreviewRange(Preview preview, int64_t markIn, int64_t markOut)
{
    std::pair<int64_t, int64_t> range;
    switch (preview) {
    case Preview::Marked:
        range = {markIn, markOut};
        break;
    case Preview::FromMarkIn:
        // The player ends a stretch that runs past the sound at its end.
        range = {markIn, markIn + MarkPreviewMs};
        break;
    case Preview::ToMarkOut:
        range = {std::max<int64_t>(markOut - MarkPreviewMs, 0), markOut};
        break;
    }
    if (range.second <= range.first)
        return std::nullopt;
    return range;
}

int64_t SteppedPosition(int64_t position, int64_t deltaMs, int64_t length)
{
    return std::clamp<int64_t>(position + deltaMs, 0, std::max<int64_t>(length, 0));
}

} // namespace trevisto
