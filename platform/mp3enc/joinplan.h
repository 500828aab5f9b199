#pragma once
// The first step of a copy join: every clip's source indexed and checked, the clips
// gathered into pieces (runs of one source without a gap), and each piece placed on the
// output's frame grid with the samples it keeps and the frames it copies, before the
// joints between them are encoded.

#include "platform/mp3enc/copyjoin.h"
#include "platform/mp3frames/rangecopy.h"
#include "platform/wav/wav.h"

#include <QCoreApplication>

#include <map>
#include <memory>
#include <string>

namespace trevisto::mp3enc {

// The texts of the copy join, under one translation context.
struct Mp3Join {
    Q_DECLARE_TR_FUNCTIONS(Mp3Join)
};

inline int64_t floorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

inline CopyJoinOutcome notCopyable(const QString &why)
{
    CopyJoinOutcome refused;
    refused.why = why;
    return refused;
}

struct JoinSource {
    std::string path; // native
    mp3frames::Mp3Index index;
};

// Consecutive clips of one source that follow each other without a gap.
struct Piece {
    const JoinSource *source = nullptr;
    int64_t first = 0, last = 0; // source samples
    std::vector<std::unique_ptr<wav::File>> clips; // their sound, end to end
    int64_t offset = 0; // output decoded index = source decoded index + offset
    int64_t keepFrom = 0, keepTo = 0; // the piece's samples that are kept
    size_t copyFrom = 0, copyTo = 0;  // source frames copied
    // Output samples at the piece's start that the piece before also covers: the crossfade
    // asked for, and the up to a frame more that whole frames place it early by, which is
    // crossfaded with it, not dropped.
    int64_t crossfadeIn = 0, overlapIn = 0;
    int gainSteps = 0; // every clip of the piece's (clips of different levels are no one piece)

    int64_t outputStart() const { return source->index.decodedAt(first) + offset; }

    // The piece's samples [from, from + count) into `out` (interleaved), at the piece's
    // level, zeros outside what is kept.
    bool read(int64_t from, int64_t count, int channels, int16_t *out) const { return read(from, count, channels, out, keepFrom, keepTo); }
    // The same with the samples [lo, hi) of the piece kept instead.
    bool read(int64_t from, int64_t count, int channels, int16_t *out, int64_t lo, int64_t hi) const;
};

struct JoinPlan {
    std::map<QString, JoinSource> sources; // by path; the pieces point into it
    std::vector<Piece> pieces;
    mp3frames::FrameHeader layout; // the first source's, which every source shares
    mp3frames::RangePlan start;    // the first piece's, as a copied cut of it would start
    int64_t fadeIn = 0, fadeOut = 0; // samples

    // The samples each joint of clips overlaps, one fewer than the clips: clips of one
    // piece meet without an overlap, a piece overlaps the clip before it.
    std::vector<int64_t> clipOverlaps() const;
    // The output's first and last samples, [first, end), as output decoded indices.
    int64_t firstSample() const { return pieces.front().outputStart(); }
    int64_t endSample() const { return pieces.back().outputStart() + pieces.back().keepTo; }
};

struct PlannedJoin {
    std::optional<JoinPlan> plan;
    QString why; // without a plan: why the clips cannot be joined by copying
};

PlannedJoin planJoin(const std::vector<CopyJoinClip> &clips, const CopyJoinShape &shape = {});

} // namespace trevisto::mp3enc
