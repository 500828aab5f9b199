#pragma once
// What the copy that holds the drive does while it runs: every file it writes is noted in
// the prefix's write journal, for the sweep of the next start should it be killed, and an
// ending at once (a signal the window's thread does not answer) removes the working files
// the window's own ending removes. Both end with the hold.

#include "platform/io/exitcleanup.h"

#include <vector>

namespace trevisto {

class DriveHold {
public:
    DriveHold();
    ~DriveHold();
    DriveHold(const DriveHold &) = delete;
    DriveHold &operator=(const DriveHold &) = delete;

private:
    std::vector<io::ExitCleanup::Remembered> workingFiles_;
};

} // namespace trevisto
