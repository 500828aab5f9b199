#include "core/routines.h"

#include "platform/drive/drive.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>

QString NativePath(const QString &path)
{
    return QString::fromStdString(drive::toNative(path.toStdString()));
}

bool FileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QString native = NativePath(path);
    const qsizetype slash = native.lastIndexOf('/');
    const QString name = native.mid(slash + 1);
    if (name.isEmpty() || name.startsWith('.'))
        return false;
    struct stat st {};
    return ::stat(native.toLocal8Bit().constData(), &st) == 0 && S_ISREG(st.st_mode);
}

QString RPP(const QString &path)
{
    if (path.endsWith('\\') || path.endsWith('/'))
        return path;
    return path + (drive::isDrivePath(path.toStdString()) ? QChar('\\') : QChar('/'));
}

QString UserSoundFolder()
{
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    return !music.isEmpty() && QFileInfo(music).isDir() ? music : QDir::homePath();
}
