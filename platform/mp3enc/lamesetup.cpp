#include "platform/mp3enc/lamesetup.h"

#include <cstdarg>

namespace trevisto::mp3enc {

namespace {

void quiet(const char *, va_list) {}

} // namespace

Lame newLame() { return Lame(lame_init(), lame_close); }

bool setUpLame(lame_t gf, const LameSettings &s)
{
    lame_set_errorf(gf, quiet);
    lame_set_msgf(gf, quiet);
    lame_set_debugf(gf, quiet);
    lame_set_num_channels(gf, s.channels);
    lame_set_in_samplerate(gf, s.sampleRate);
    lame_set_out_samplerate(gf, s.sampleRate);
    lame_set_VBR(gf, vbr_off);
    lame_set_brate(gf, s.bitRate);
    if (!s.reservoir)
        lame_set_disable_reservoir(gf, 1);
    lame_set_bWriteVbrTag(gf, s.infoTag ? 1 : 0);
    return lame_init_params(gf) >= 0 && lame_get_brate(gf) == s.bitRate && lame_get_out_samplerate(gf) == s.sampleRate;
}

int highestBitRateIndex(mp3frames::MpegVersion version) { return version == mp3frames::MpegVersion::Mpeg25 ? 8 : 14; }

mp3frames::EncoderSettings encoderSettings(lame_t gf, int bitRate, int sourceRate)
{
    mp3frames::EncoderSettings e;
    e.version = get_lame_short_version();
    e.lowpassHz = lame_get_lowpassfreq(gf);
    e.athType = lame_get_ATHtype(gf);
    e.bitRate = bitRate;
    e.sourceRate = sourceRate;
    e.stereoMode = lame_get_mode(gf) == MONO ? 0 : lame_get_mode(gf) == JOINT_STEREO ? 3 : 1;
    return e;
}

int encoderQuality(lame_t gf) { return 100 - 10 * lame_get_VBR_q(gf) - lame_get_quality(gf); }

} // namespace trevisto::mp3enc
