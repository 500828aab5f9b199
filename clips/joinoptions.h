#pragma once
// What a join does beyond putting the clips end to end: each clip brought to one loudness,
// a crossfade at every joint and a fade at either end; and the plan that follows from the
// clips' lengths and loudness: each clip's gain, each joint's overlap and the joined
// length. The WAV join, the encoded join, the copy join, the joint preview and the bench
// all work from the same plan. Knows nothing of widgets.

#include "clips/loudness.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace trevisto {

struct JoinOptions {
    std::optional<double> targetLufs; // none: every clip keeps its level
    int crossfadeMs = 0;              // 0: a plain splice
    int fadeInMs = 0, fadeOutMs = 0;

    static constexpr double kTargets[] = {-23, -18, -16, -14};
    static constexpr int kMinCrossfadeMs = 5, kMaxCrossfadeMs = 5000;
    static constexpr int kNoClicksCrossfadeMs = 10;
    static constexpr int kMaxFadeMs = 10000;
    // Matched clips keep their true peak at or below this.
    static constexpr double kPeakCeilingDb = -1;

    bool shapes() const { return targetLufs || crossfadeMs > 0 || fadeInMs > 0 || fadeOutMs > 0; }
    // The same options, each brought into its range: a crossfade under the shortest is
    // none, one over the longest the longest, a fade at most the longest.
    JoinOptions clamped() const;
    bool operator==(const JoinOptions &) const = default;
};

// The options as the settings keep them, "match;crossfade;fade-in;fade-out" (an empty
// match for off), and back; a damaged or missing setting reads as no options.
QString JoinOptionsSetting(const JoinOptions &options);
JoinOptions JoinOptionsFromSetting(const QString &setting);

// The options as the join options form shows them, one text a field: the target (empty
// for off), the crossfade, the fade-in and the fade-out in milliseconds.
QStringList JoinOptionsTexts(const JoinOptions &options);
// What the form's texts ask for; nullopt, with `why` saying which text is wrong and what
// it takes, when one is out of its range.
std::optional<JoinOptions> JoinOptionsFromTexts(const QStringList &texts, QString *why);

// What the plan needs of one clip, at the joined sound's rate.
struct JoinClipFacts {
    int64_t frames = 0;
    Loudness loudness; // unmeasured: the clip keeps its level
};

// One step of a copied MP3 frame's global gain: 2^(1/4) in amplitude.
constexpr double kGainStepDb = 1.5051499783199060; // 20·log10(2^(1/4))

struct JoinLevels {
    std::vector<double> gainDb;     // each clip's, applied in floating point
    std::vector<double> heldBackDb; // how far each gain stays below the target for the peak
    std::vector<int> steps;         // each clip's whole global-gain steps, for a copy join
    std::vector<int64_t> overlap;   // each joint's, in frames (one fewer than the clips)
    int64_t fadeIn = 0, fadeOut = 0; // frames
    int64_t outputFrames = 0;       // the clips' sum less the overlaps, exactly
    int sampleRate = 0;             // of the frames counted here

    // Where clip `i` starts in the joined sound.
    int64_t startOf(size_t i, const std::vector<JoinClipFacts> &clips) const;
    double gain(size_t i) const { return std::pow(10.0, gainDb[i] / 20); }
};

JoinLevels planJoinLevels(const std::vector<JoinClipFacts> &clips, const JoinOptions &options, int sampleRate);

// Frames of `ms` milliseconds at `sampleRate`, rounded to the nearest.
int64_t msToFrames(int ms, int sampleRate);

// The equal-power crossfade's weights at frame `k` of an `n`-frame overlap: the earlier
// clip's (falling) and the later one's (rising), their squares adding up to 1.
struct CrossfadeWeights {
    double out, in;
};
CrossfadeWeights crossfadeAt(int64_t k, int64_t n);
// A fade's weight at frame `k` of an `n`-frame fade-in (rising from silence).
double fadeInAt(int64_t k, int64_t n);

} // namespace trevisto
