#pragma once
// This copy's tenure of drive C:, where the working files are: the lock that makes it the
// only copy using them, the sweep of what an interrupted run left there, and the hold that
// notes every file written and removes the working files should the program end at once.

#include "app/dialogs.h"
#include "app/instancelock.h"
#include "core/drivehold.h"

#include <optional>

class DriveTenure {
public:
    // Takes this copy's lock on drive C: and removes what an interrupted run left there;
    // false, after its message under `title`, when another copy holds it.
    bool TakeDrive(Dialogs &dialogs, const QString &title);
    // Start-up got past the lock: the working files are this copy's.
    bool ownsWorkingFiles() const { return ownsWorkingFiles_; }

private:
    std::optional<trevisto::InstanceLock> instanceLock_; // this copy's hold on the drive
    bool ownsWorkingFiles_ = false;
    std::optional<trevisto::DriveHold> driveHold_; // while they are
};
