#pragma once
// Writes the sound of a WAV file as FLAC, Ogg Vorbis or Ogg Opus, through the one
// atomic-file door: a failed or stopped encoding leaves nothing under the output's
// name and keeps an earlier file of that name.
//
// FLAC holds exactly the samples the WAV holds. Vorbis keeps the rate; Opus runs at
// 48 kHz, so other rates are converted, to round(frames × 48000 / rate) frames. Each
// decodes to exactly that length: the encoder's delay and its last packet's padding are
// marked in the stream for the decoder to drop.

#include "platform/io/atomicfile.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace trevisto::encode {

enum class Kind { Flac, Vorbis, Opus };

// The kind a file name's extension asks for (".flac", ".ogg" or ".oga", ".opus"; any
// case), or nothing.
std::optional<Kind> kindOfName(std::string_view name);

// The extension each kind is written with, without the dot.
const char *extensionOf(Kind kind);

// What a chosen MP3 bit rate stands for: a Vorbis quality (0 to 1), and an Opus bit rate
// in bit/s for `channels` channels. Both rise with the bit rate.
double vorbisQuality(int kbps);
int opusBitRate(int kbps, int channels);

struct Result {
    bool ok = false;
    bool stopped = false;  // the progress call asked to stop
    std::string why;       // of a failure, for the user
    uint64_t frames = 0;   // written, at `rate`
    uint32_t rate = 0;
};

// Bytes of the source read so far and in all, after each block; false stops.
using Progress = std::function<bool(uint64_t done, uint64_t total)>;

// What the file says of itself, in its comments; an empty text is left out. UTF-8.
struct Texts {
    std::string title, artist, album, date, genre, comment;
};

// Encodes the WAV file `wavPath` into `output` (native paths). `kbps` is the chosen MP3
// bit rate, for Vorbis and Opus.
Result encodeWav(const std::string &wavPath, const std::string &output, Kind kind, int kbps,
                 const Progress &progress = {}, const io::AtomicFile::Options &options = {},
                 const Texts &texts = {});

} // namespace trevisto::encode
