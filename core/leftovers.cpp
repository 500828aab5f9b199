#include "core/leftovers.h"

#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/io/atomicfile.h"
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

// The writers' temporary files directly in `folder`: only regular files, as a writer
// makes them, and never anything below.
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
        std::error_code statusError;
        if (io::AtomicFile::isTemporaryName(it->path().filename().string()) &&
            it->symlink_status(statusError).type() == fs::file_type::regular)
            found.push_back(it->path());
    }
    for (const fs::path &path : found)
        removeOne(path, removed);
}

} // namespace

QStringList SweepLeftovers()
{
    QStringList removed;
    removeNamed(WorkingFiles::SourceInProgress, removed);
    removeNamed(WorkingFiles::Concat, removed);
    for (const fs::path &folder :
         {nativeOf(QStringLiteral("C:\\")), nativeOf(WorkingFiles::Folder), registry::storePath().parent_path()})
        removeTemporaries(folder, removed);
    return removed;
}

} // namespace trevisto
