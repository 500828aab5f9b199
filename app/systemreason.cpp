#include "app/systemreason.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

namespace {

QString tr(const char *text) { return QCoreApplication::translate("SystemReason", text); }

} // namespace

QString SystemReason(int error)
{
    switch (error) {
    case ENOSPC: return tr("the disk is full");
    case EDQUOT: return tr("the disk quota is used up");
    case EROFS: return tr("the folder is read-only");
    case EACCES:
    case EPERM: return tr("permission denied");
    case ENOENT: return tr("the folder does not exist");
    case EFBIG: return tr("the file would be too large");
    case EIO: return tr("an input/output error");
    }
    QString text = QString::fromLocal8Bit(std::strerror(error));
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}
