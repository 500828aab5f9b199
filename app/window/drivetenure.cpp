#include "app/window/drivetenure.h"

#include "core/heldfile.h"
#include "core/leftovers.h"
#include "core/routines.h"
#include "core/workingfiles.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// The texts this file shows are those of the start-up, under its context.
struct StartUp {
    Q_DECLARE_TR_FUNCTIONS(StartUp)
};

} // namespace

bool DriveTenure::TakeDrive(Dialogs &dialogs, const QString &title)
{
    using trevisto::InstanceLock;
    if (InstanceLock::take(NativePath(WorkingFiles::Lock), instanceLock_) == InstanceLock::Result::HeldElsewhere) {
        dialogs.msgBox(StartUp::tr("Trevisto MP3 Editor is already running with the working files in \"%1\".\r\n\r\n"
                                   "Only one copy can use them at a time.")
                           .arg(QDir::toNativeSeparators(NativePath("C:\\"))),
                       vbOKOnly, MsgIcon::Exclamation, title);
        return false;
    }
    ownsWorkingFiles_ = true;
    // Only under the lock: while another copy may be running, its files in progress are
    // not leftovers.
    if (instanceLock_) {
        trevisto::SweepLeftovers();
        // The steps that held these files ended with the run that made them.
        trevisto::SweepHoldingFolder(trevisto::HoldingFolder());
    }
    driveHold_.emplace();
    return true;
}
