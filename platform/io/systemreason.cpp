#include "platform/io/systemreason.h"

#include "platform/io/atomicfile.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <iterator>

namespace trevisto::io {

namespace {

struct Phrase {
    int error;
    const char *text;
};

const Phrase phrases[] = {
    {ENOSPC, QT_TRANSLATE_NOOP("System", "the disk is full")},
    {EDQUOT, QT_TRANSLATE_NOOP("System", "the disk quota is used up")},
    {EROFS, QT_TRANSLATE_NOOP("System", "the folder is read-only")},
    {EACCES, QT_TRANSLATE_NOOP("System", "permission denied")},
    {EPERM, QT_TRANSLATE_NOOP("System", "permission denied")},
    {ENOENT, QT_TRANSLATE_NOOP("System", "no such file or folder")},
    {ENOTDIR, QT_TRANSLATE_NOOP("System", "a part of the path is not a folder")},
    {EISDIR, QT_TRANSLATE_NOOP("System", "it is a folder")},
    {EEXIST, QT_TRANSLATE_NOOP("System", "a file of that name already exists")},
    {EFBIG, QT_TRANSLATE_NOOP("System", "the file would be too large")},
    {EIO, QT_TRANSLATE_NOOP("System", "an input/output error")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("System", "the name is too long")},
    {EMFILE, QT_TRANSLATE_NOOP("System", "too many files are open")},
    {ENFILE, QT_TRANSLATE_NOOP("System", "too many files are open")},
    {ENOMEM, QT_TRANSLATE_NOOP("System", "out of memory")},
    {EBUSY, QT_TRANSLATE_NOOP("System", "the file is in use")},
    {ETXTBSY, QT_TRANSLATE_NOOP("System", "the file is in use")},
    {ELOOP, QT_TRANSLATE_NOOP("System", "the path has too many symbolic links")},
    {EXDEV, QT_TRANSLATE_NOOP("System", "the file cannot be moved to another disk")},
    {kNotAPlainFile, QT_TRANSLATE_NOOP("System", "it is not a plain file but a device, a pipe or a socket")},
};

} // namespace

QString systemReason(int error)
{
    for (const Phrase &p : phrases)
        if (p.error == error)
            return QCoreApplication::translate("System", p.text);
    QString text = QString::fromLocal8Bit(std::strerror(error));
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

QString systemReasonForText(const QString &text)
{
    for (const Phrase &p : phrases)
        if (text == QString::fromLocal8Bit(std::strerror(p.error)))
            return systemReason(p.error);
    return text;
}

} // namespace trevisto::io
