#pragma once
// The one place LAME is set up: every instance, the whole-input encoder's, each stretch's
// of a parallel encoding and the one that encodes the frames at a joint, gets the same
// settings, so that all of them make the frames the whole input would be made of.

#include "platform/mp3frames/frameheader.h"
#include "platform/mp3frames/tagframe.h"

#include <lame/lame.h>

#include <memory>

namespace trevisto::mp3enc {

using Lame = std::unique_ptr<lame_global_flags, int (*)(lame_global_flags *)>;

struct LameSettings {
    int channels = 2;
    int sampleRate = 44100; // in and out: LAME resamples at low bit rates unless told not to
    int bitRate = 128;      // constant, kbit/s
    bool infoTag = false;   // LAME reserves the first frame for its info frame where it fits
    bool reservoir = true;  // off: every frame holds its own main data
};

// A new instance, null when out of memory.
Lame newLame();
// False when LAME refuses the settings, or would change the bit rate or the sample rate.
bool setUpLame(lame_t gf, const LameSettings &settings);

// The highest bit-rate index LAME encodes at `version`: MPEG-2.5 shares MPEG-2's table but
// stops at 64 kbit/s.
int highestBitRateIndex(mp3frames::MpegVersion version);

// What the info frame's extension says of an instance that has encoded.
mp3frames::EncoderSettings encoderSettings(lame_t gf, int bitRate, int sourceRate);
// The Xing quality indicator of an instance.
int encoderQuality(lame_t gf);

} // namespace trevisto::mp3enc
