#pragma once
// The settings every LAME instance of the encoder gets, so that the stretches of a
// parallel encoding are made exactly as the whole input would be.

#include <lame/lame.h>

#include <cstdarg>

namespace trevisto::mp3enc {

inline void quietLame(const char *, va_list) {}

// False when LAME refuses the settings, or would change the bit rate or the sample rate.
inline bool setUpLame(lame_t gf, int channels, int sampleRate, int bitRate, bool infoTag)
{
    lame_set_errorf(gf, quietLame);
    lame_set_msgf(gf, quietLame);
    lame_set_debugf(gf, quietLame);
    lame_set_num_channels(gf, channels);
    lame_set_in_samplerate(gf, sampleRate);
    // Without this LAME picks its own output rate at low bit rates and resamples.
    lame_set_out_samplerate(gf, sampleRate);
    lame_set_VBR(gf, vbr_off);
    lame_set_brate(gf, bitRate);
    lame_set_bWriteVbrTag(gf, infoTag ? 1 : 0);
    return lame_init_params(gf) >= 0 && lame_get_brate(gf) == bitRate && lame_get_out_samplerate(gf) == sampleRate;
}

} // namespace trevisto::mp3enc
