#include "core/freespace.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cmath>

#include <sys/statvfs.h>

namespace {

// The texts this file shows, under one translation context.
struct DiskSpace {
    Q_DECLARE_TR_FUNCTIONS(DiskSpace)
};

} // namespace

namespace trevisto {

uint64_t wavFileBytes(uint64_t dataBytes) { return wav::headerSizeFor(dataBytes) + dataBytes; }

uint64_t mp3FileBytes(double seconds, int kbps)
{
    if (!(seconds > 0) || kbps <= 0)
        return 16000;
    const double frames = std::ceil(seconds * kbps * 125.0);
    return uint64_t(frames + std::ceil(frames / 100.0)) + 16000;
}

std::optional<uint64_t> freeBytesWhere(const QString &nativePath)
{
    // The file need not exist yet: its folder is asked, or the path itself when it is one.
    const QFileInfo info(nativePath);
    const QString where = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    struct statvfs fs;
    if (::statvfs(QFile::encodeName(where).constData(), &fs) != 0)
        return std::nullopt;
    return uint64_t(fs.f_bavail) * uint64_t(fs.f_frsize);
}

QString sizeText(uint64_t bytes)
{
    // Qt's own words for the units, in the language the program runs in.
    return QLocale().formattedDataSize(qint64(std::min<uint64_t>(bytes, INT64_MAX)), 1, QLocale::DataSizeSIFormat);
}

std::optional<QString> spaceRefusal(const QString &nativePath, uint64_t needed, uint64_t free, uint64_t reclaimed)
{
    const uint64_t room = free + reclaimed < free ? UINT64_MAX : free + reclaimed;
    if (needed <= room)
        return std::nullopt;
    return DiskSpace::tr("There is not enough room on the disk for \"%1\": it needs %2, and %3 is free.")
        .arg(nativePath, sizeText(needed), sizeText(room));
}

std::optional<QString> checkSpace(const QString &nativePath, uint64_t needed, uint64_t reclaimed)
{
    const std::optional<uint64_t> free = freeBytesWhere(nativePath);
    if (!free)
        return std::nullopt;
    return spaceRefusal(nativePath, needed, *free, reclaimed);
}

} // namespace trevisto
