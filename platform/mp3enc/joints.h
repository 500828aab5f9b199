#pragma once
// The second step of a copy join: the frames at each joint encoded again from the clips'
// sound around it (over the whole crossfade, where one is asked for), the frames in front
// of the first copied one where the first piece starts in frames that reach back before
// their file or fades in, and the frames after the last copied one that fade out. Standalone frames (standalone.h)
// with their reservoir repacked, so that the copied frame after them finds its bytes, and
// chosen so that they meet the copied frames on both sides with matching window halves.

#include "platform/mp3enc/joinplan.h"
#include "platform/mp3frames/reservoir.h"

#include <vector>

namespace trevisto::mp3enc {

struct JointFrames {
    std::vector<std::vector<mp3frames::Frame>> joints; // one run for each joint, in order
    std::vector<mp3frames::Frame> leadIn;              // in front of the first copied frame
    std::vector<mp3frames::Frame> leadOut;             // after the last copied frame, for the fade-out
    QString why; // set when the clips cannot be joined by copying after all
};

// Encodes the joints of `plan` and moves its pieces' copied frames to meet them.
JointFrames encodeJoints(JoinPlan &plan);

} // namespace trevisto::mp3enc
