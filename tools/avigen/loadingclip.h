#pragma once
// The busy animation of the wait window, made from integer arithmetic only so every
// build produces the same bytes.

#include <cstdint>
#include <vector>

namespace avigen {

constexpr int ClipWidth = 200;
constexpr int ClipHeight = 40;
constexpr int ClipFrames = 24;
constexpr int ClipFramesPerSecond = 12;

// The whole clip as an uncompressed 8-bit palettised AVI file.
std::vector<std::uint8_t> makeLoadingClip();

} // namespace avigen
