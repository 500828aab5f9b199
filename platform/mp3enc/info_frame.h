#pragma once
// The info frame at the start of a CBR MP3 ("Info" header with the LAME extension),
// built by us for the streams whose frames are too small for LAME to write its own
// (56 kbit/s stereo at 44.1 kHz, for one). Gapless decoders read the encoder delay,
// the padding and the frame count from it and so return exactly the encoded samples.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace trevisto::mp3enc {

struct InfoFrameFacts {
    unsigned char audioHeader[4] = {}; // header of the first audio frame
    int sampleRate = 0;                // of the MP3
    int sourceRate = 0;                // of the sound handed to the encoder
    bool mono = false;
    int stereoMode = 0;       // 0 mono, 1 stereo, 3 joint stereo (the LAME tag's coding)
    int bitRate = 0;          // kbit/s of the audio frames
    uint32_t frames = 0;      // audio frames after the info frame
    uint64_t audioBytes = 0;  // bytes of those frames
    int quality = 0;          // the Xing quality indicator
    int lowpassHz = 0;
    int athType = 0;
    int encoderDelay = 0;
    int padding = 0;
    uint16_t musicCrc = 0;    // crc16() of the audio frames
    const char *version = ""; // LAME's short version, "3.100"
    // The info frame at the audio frames' bit rate when that frame holds the tag, as LAME
    // writes its own, so that the stream reads as constant bit rate; else the smallest.
    bool atAudioBitRate = false;
    // Some frame has another bit rate (a splice of a parallel encoding may need one):
    // "Xing" rather than "Info", so that no reader takes the stream for constant.
    bool variableBitRate = false;
};

// Size of the info frame buildInfoFrame() makes for `facts`: the smallest bit rate of
// the stream's MPEG version whose frame holds the whole tag (or the audio frames' own, see
// atAudioBitRate). 0 when none does.
size_t infoFrameSize(const InfoFrameFacts &facts);

std::vector<unsigned char> buildInfoFrame(const InfoFrameFacts &facts);

// The CRC-16 of the LAME tag (polynomial 0x8005, reflected, starting at 0), continued
// from `crc`.
uint16_t crc16(const unsigned char *data, size_t bytes, uint16_t crc = 0);

} // namespace trevisto::mp3enc
