#include "private_mounts.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <sched.h>
#include <sys/mount.h>

namespace PrivateMounts {

namespace {

QString &reason()
{
    static QString text = QStringLiteral("the mount namespace was not entered");
    return text;
}

QString lastError(const char *step) { return QStringLiteral("%1: %2").arg(step, QString::fromLocal8Bit(std::strerror(errno))); }

} // namespace

void enter()
{
    if (::unshare(CLONE_NEWNS) != 0)
        reason() = lastError("unshare(CLONE_NEWNS)");
    else if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        reason() = lastError("making / private");
    else
        reason().clear();
}

const QString &unavailable() { return reason(); }

QString mountTmpfs(const QString &dir, qint64 bytes)
{
    const QByteArray options = "size=" + QByteArray::number(bytes);
    if (::mount("tmpfs", QFile::encodeName(dir).constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) != 0)
        return lastError("mounting a tmpfs");
    return {};
}

QString setReadOnly(const QString &dir, bool readOnly)
{
    const unsigned long flags = MS_REMOUNT | MS_NOSUID | MS_NODEV | (readOnly ? MS_RDONLY : 0);
    if (::mount(nullptr, QFile::encodeName(dir).constData(), nullptr, flags, nullptr) != 0)
        return lastError("remounting the tmpfs");
    return {};
}

QString unmount(const QString &dir)
{
    if (::umount2(QFile::encodeName(dir).constData(), MNT_DETACH) != 0)
        return lastError("unmounting the tmpfs");
    return {};
}

} // namespace PrivateMounts
