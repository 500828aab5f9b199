#pragma once
// The last step of a copy join: the output written behind one info frame, with the first
// source's ID3v2 tag in front when every clip comes from it; then the silent frames that
// carry the first copied frame's reservoir or the lead-in frames, and each piece's copied
// frames followed by its joint's encoded ones, and the frames of the fade-out.

#include "platform/mp3enc/joints.h"

namespace trevisto::mp3enc {

// `tag`, when given, goes in front in place of the source's (none when empty).
CopyJoinOutcome writeJoin(const JoinPlan &plan, const JointFrames &joints, const QString &nativeOutput,
                          const io::AtomicFile::Options &options, const std::vector<unsigned char> *tag = nullptr);

} // namespace trevisto::mp3enc
