#pragma once
// The MPEG audio Layer III values the encoder and its info frame share.

#include <array>

namespace trevisto::mp3enc {

// Bit rates in kbit/s by the frame header's bit-rate index (0 is free format, unused).
inline constexpr std::array<int, 15> kMpeg1BitRates = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
inline constexpr std::array<int, 15> kMpeg2BitRates = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};

// The sample rates MP3 carries: MPEG-1 from 32000 Hz, MPEG-2 from 16000 Hz, MPEG-2.5 below.
inline constexpr std::array<int, 9> kSampleRates = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};

inline bool isMpeg1(int sampleRate) { return sampleRate >= 32000; }

// The bit-rate table of the MPEG version that carries `sampleRate`, and its highest
// index LAME encodes: MPEG-2.5 shares MPEG-2's table but stops at 64 kbit/s.
inline const std::array<int, 15> &bitRateTable(int sampleRate)
{
    return isMpeg1(sampleRate) ? kMpeg1BitRates : kMpeg2BitRates;
}
inline int highestBitRateIndex(int sampleRate) { return sampleRate >= 16000 ? 14 : 8; }

} // namespace trevisto::mp3enc
