#include "core/drivehold.h"

#include "core/leftovers.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/io/writejournal.h"

#include <QFile>

namespace trevisto {

DriveHold::DriveHold()
{
    io::WriteJournal::setFolder(WriteJournalFolder().string());
    for (const QString &file : {WorkingFiles::Source, WorkingFiles::Result, WorkingFiles::SourceInProgress})
        workingFiles_.push_back(io::ExitCleanup::remember(QFile::encodeName(NativePath(file)).toStdString()));
}

DriveHold::~DriveHold()
{
    io::WriteJournal::setFolder({});
}

} // namespace trevisto
