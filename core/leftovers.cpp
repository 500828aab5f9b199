#include "core/leftovers.h"

#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/drive/drive.h"
#include "platform/io/atomicfile.h"
#include "platform/io/writejournal.h"
#include "platform/registry/registry.h"

#include <QFile>

#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace trevisto {

namespace {

fs::path nativeOf(const QString &drivePath)
{
    return fs::path(QFile::encodeName(NativePath(drivePath)).toStdString());
}

bool removeOne(const fs::path &path, QStringList &removed)
{
    std::error_code ec;
    if (!fs::remove(path, ec) || ec)
        return false;
    removed << QFile::decodeName(path.c_str());
    return true;
}

// A named leftover goes unless a folder holds its name; a link goes, not what it names.
void removeNamed(const QString &drivePath, QStringList &removed)
{
    const fs::path path = nativeOf(drivePath);
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    if (!ec && fs::exists(status) && !fs::is_directory(status))
        removeOne(path, removed);
}

bool isRegularFile(const fs::path &path)
{
    std::error_code ec;
    return fs::symlink_status(path, ec).type() == fs::file_type::regular;
}

// The writers' temporary files directly in `folder`, one of the program's own: only
// regular files, as a writer makes them, and never anything below.
void removeTemporaries(const fs::path &folder, QStringList &removed)
{
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec)
        return;
    std::vector<fs::path> found;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec)
            break;
        const std::string name = it->path().filename().string();
        if ((io::AtomicFile::isTemporaryName(name) || io::AtomicFile::isEarlierTemporaryName(name)) &&
            isRegularFile(it->path()))
            found.push_back(it->path());
    }
    for (const fs::path &path : found)
        removeOne(path, removed);
}

// The files the journal names, wherever they are, and then the notes. A note names one
// file; it is removed only when its name is one the program gives, so a damaged note
// cannot cost a user a file of their own.
void removeNoted(QStringList &removed)
{
    for (const io::WriteJournal::Entry &entry : io::WriteJournal::read(WriteJournalFolder().string())) {
        const fs::path file(entry.temporaryPath);
        if (file.is_absolute() && io::AtomicFile::isTemporaryName(file.filename().string()) && isRegularFile(file))
            removeOne(file, removed);
        std::error_code ec;
        if (isRegularFile(entry.note))
            fs::remove(entry.note, ec);
    }
}

} // namespace

fs::path WriteJournalFolder()
{
    return drive::prefix() / "unfinished";
}

QStringList SweepLeftovers()
{
    QStringList removed;
    removeNamed(WorkingFiles::SourceInProgress, removed);
    removeNamed(WorkingFiles::Concat, removed);
    removeNamed(WorkingFiles::JointPreview, removed);
    for (const fs::path &folder :
         {nativeOf(QStringLiteral("C:\\")), nativeOf(WorkingFiles::Folder), registry::storePath().parent_path()})
        removeTemporaries(folder, removed);
    removeNoted(removed);
    return removed;
}

} // namespace trevisto
