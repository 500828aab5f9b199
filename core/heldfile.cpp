#include "core/heldfile.h"

#include "platform/drive/drive.h"
#include "platform/io/writeall.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace trevisto {

namespace {

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

// Copies `from` to the new file `to`, which must not exist yet; the copy goes again when it
// cannot be completed.
bool copyNew(const QByteArray &from, const QByteArray &to)
{
    const int in = ::open(from.constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    const int out = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (out < 0) {
        ::close(in);
        return false;
    }
    bool ok = true;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(in, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        if (io::writeFully(out, buffer, size_t(got)) != 0) {
            ok = false;
            break;
        }
    }
    ::close(in);
    ok = ::close(out) == 0 && ok;
    if (!ok)
        ::unlink(to.constData());
    return ok;
}

// Moves `from` to `to` without replacing anything at `to`: a rename where one can be made,
// else (another file system) a copy and the removal of the original.
bool moveWithoutReplacing(const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EINVAL || errno == ENOSYS) {
        // A file system that cannot promise it: looking first is the best left.
        struct stat st {};
        if (::lstat(to.constData(), &st) == 0)
            return false;
        if (::rename(from.constData(), to.constData()) == 0)
            return true;
    }
    if (errno != EXDEV)
        return false;
    if (!copyNew(from, to))
        return false;
    if (::unlink(from.constData()) != 0) {
        ::unlink(to.constData());
        return false;
    }
    return true;
}

std::atomic<unsigned> heldCount{0};

} // namespace

HeldFile HeldFile::take(const QString &file, const QString &folder)
{
    struct stat st {};
    if (::lstat(encoded(file).constData(), &st) != 0 || S_ISDIR(st.st_mode))
        return {};
    std::error_code ec;
    fs::create_directories(fs::path(encoded(folder).toStdString()), ec);
    const QString name = file.mid(file.lastIndexOf('/') + 1);
    // Several steps may hold files of one name: each held file gets a number of its own.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const QString held = QStringLiteral("%1/%2-%3").arg(folder).arg(++heldCount).arg(name);
        if (moveWithoutReplacing(encoded(file), encoded(held)))
            return HeldFile(held);
        if (errno != EEXIST)
            return {};
    }
    return {};
}

HeldFile::~HeldFile()
{
    discard();
}

HeldFile::HeldFile(HeldFile &&other) noexcept : path_(std::exchange(other.path_, QString())) {}

HeldFile &HeldFile::operator=(HeldFile &&other) noexcept
{
    if (this != &other) {
        discard();
        path_ = std::exchange(other.path_, QString());
    }
    return *this;
}

bool HeldFile::putBack(const QString &file)
{
    if (path_.isEmpty() || !moveWithoutReplacing(encoded(path_), encoded(file)))
        return false;
    path_.clear();
    return true;
}

void HeldFile::discard()
{
    if (!path_.isEmpty())
        ::unlink(encoded(std::exchange(path_, QString())).constData());
}

QString HoldingFolder()
{
    return QFile::decodeName((drive::prefix() / "held").c_str());
}

QStringList SweepHoldingFolder(const QString &folder)
{
    QStringList removed;
    std::error_code ec;
    fs::directory_iterator it(fs::path(encoded(folder).toStdString()), ec);
    std::vector<fs::path> found;
    for (; !ec && it != fs::directory_iterator(); it.increment(ec))
        found.push_back(it->path());
    for (const fs::path &path : found) {
        std::error_code removeError;
        // A link goes, not what it names.
        if (fs::remove_all(path, removeError) > 0 && !removeError)
            removed << QFile::decodeName(path.c_str());
    }
    return removed;
}

} // namespace trevisto
