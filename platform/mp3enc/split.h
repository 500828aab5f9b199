#pragma once
// How a long input is cut into stretches that encoders on several threads take at once.
// Every stretch gives the output frames [firstFrame, endFrame) of the stream one encoder
// would make of the whole input. Its encoder starts `warmUpFrames` frames earlier, on a
// sample that is a multiple of the frame length, so that its own frame grid is the
// output's: input sample x decodes at the same index in both, and the first frames it
// gives, made while its analysis and transform state fill, are dropped. It goes on a few
// frames past endFrame so that its last kept frames are made with real look-ahead.

#include <cstdint>
#include <vector>

namespace trevisto::mp3enc {

// Frames a stretch's encoder makes and drops before its first kept one. Two would fill
// the filterbank and transform history (512 taps, then the 50 % overlapping granule);
// the rest lets the psychoacoustic model's attack detection and masking memory, the
// stereo decision and the bit reservoir recover from the encoder's own cold start, which
// sees the stretch begin as a jump from silence.
inline constexpr int kWarmUpFrames = 16;
// Frames of real samples fed after the last kept frame's own: the encoder's delay (576)
// and the decoder's (529) put a frame's samples that far ahead in the input, and the
// psychoacoustic model looks ahead within that delay.
inline constexpr int kLookAheadFrames = 2;
// Frames at the end of a stretch whose bit reservoir is laid out again at the splice.
inline constexpr int kSpliceFrames = 4;

struct SplitRules {
    unsigned threads = 0;          // 0: std::thread::hardware_concurrency()
    double minStretchSeconds = 30; // no stretch shorter; an input under two is encoded whole
    bool refuseSplices = false;    // as if no splice fitted, so the input is encoded whole after all
};

struct Stretch {
    int64_t firstFrame = 0; // output frames it gives
    int64_t endFrame = -1;  // -1 for the last stretch: to the end of the stream
    int64_t feedFrom = 0;   // input samples its encoder is given
    int64_t feedTo = 0;
    int warmUpFrames = 0;   // frames its encoder makes before firstFrame; 0 for the first

    bool operator==(const Stretch &) const = default;
};

// The stretches for `samples` input samples at `sampleRate` with `samplesPerFrame` per
// frame. Fewer than two (one thread, or a short input) means the input is encoded whole,
// and the list is empty. The same arguments always give the same plan.
std::vector<Stretch> planStretches(int64_t samples, int sampleRate, int samplesPerFrame, const SplitRules &rules);

} // namespace trevisto::mp3enc
