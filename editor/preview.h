#pragma once
// Hearing a part of the source before the cut, and stepping its play position while it
// stands: which stretch each preview plays, and where a step lands.

#include <cstdint>
#include <optional>
#include <utility>

namespace trevisto {

// The marked range, the two seconds from Mark In, the two seconds up to Mark Out.
enum class Preview { Marked, FromMarkIn, ToMarkOut };

// How long a preview at a mark plays.
inline constexpr int64_t MarkPreviewMs = 2000;

// The stretch [from, to) that `preview` plays for the marks `markIn` and `markOut`, in
// milliseconds; nothing when that stretch is empty.
std::optional<std::pair<int64_t, int64_t>> PreviewRange(Preview preview, int64_t markIn, int64_t markOut);

// The position `deltaMs` away from `position`, kept within a sound of `length` ms.
int64_t SteppedPosition(int64_t position, int64_t deltaMs, int64_t length);

} // namespace trevisto
