#pragma once
// The `ffmpeg` command, for tests that make files of formats no library here writes,
// and that check a decode against the command's own.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trevisto::test {

// True when the command is on the PATH.
bool haveFfmpeg();

// Runs `ffmpeg -nostdin -y -v error` with `args`; true when it succeeded.
bool runFfmpeg(const std::vector<std::string> &args);

// What `ffmpeg -i path -ac channels -f s16le -` delivers (all channels when 0);
// nothing when the command failed.
std::optional<std::vector<int16_t>> ffmpegDecode(const std::string &path, int channels = 0);

// What `ffprobe -v error` with `args` prints; nothing when the command failed.
std::optional<std::string> ffprobe(const std::vector<std::string> &args);

} // namespace trevisto::test
