#include "core/protectedfiles.h"

#include <QFile>

#include <filesystem>
#include <system_error>
#include <utility>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace trevisto {

namespace {

// Far more links than any real chain; a loop ends here instead of running on.
constexpr int kMaxLinks = 40;

fs::path resolved(const QString &path)
{
    std::error_code error;
    fs::path p = fs::absolute(fs::path(QFile::encodeName(path).toStdString()), error);
    if (error)
        return fs::path(QFile::encodeName(path).toStdString()).lexically_normal();
    // A link at the end is followed by hand, so that a dangling one leads to the file a
    // write through it would make.
    for (int links = 0; links < kMaxLinks; ++links) {
        fs::path canonical = fs::weakly_canonical(p, error);
        if (error)
            break; // a loop of links, say: it leads nowhere a write could reach
        p = std::move(canonical);
        if (!fs::is_symlink(fs::symlink_status(p, error)) || error)
            break;
        const fs::path target = fs::read_symlink(p, error);
        if (error)
            break;
        p = target.is_absolute() ? target : p.parent_path() / target;
    }
    return p.lexically_normal();
}

bool sameFile(const QByteArray &a, const QByteArray &b)
{
    struct stat sa {}, sb {};
    return ::stat(a.constData(), &sa) == 0 && ::stat(b.constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

} // namespace

QString ResolvedPath(const QString &path)
{
    if (path.isEmpty())
        return {};
    return QFile::decodeName(QByteArray::fromStdString(resolved(path).string()));
}

const ProtectedFile *FindProtected(const QString &destination, const std::vector<ProtectedFile> &files)
{
    if (destination.isEmpty())
        return nullptr;
    const QString target = ResolvedPath(destination);
    const QByteArray targetBytes = QFile::encodeName(target);
    for (const ProtectedFile &file : files) {
        if (file.path.isEmpty())
            continue;
        const QString other = ResolvedPath(file.path);
        const Qt::CaseSensitivity cs = file.anyCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
        if (other.compare(target, cs) == 0 || sameFile(targetBytes, QFile::encodeName(other)))
            return &file;
    }
    return nullptr;
}

} // namespace trevisto
