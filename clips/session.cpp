#include "clips/session.h"

#include "clips/cliplist.h"
#include "platform/io/atomicfile.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace trevisto {

namespace {

constexpr QLatin1StringView ClipExtension(".wav");

// Drive names compare in any letter case of a-z, as the name rule does.
QString foldedAscii(const QString &text)
{
    QString folded = text;
    for (QChar &c : folded)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - ('a' - 'A'));
    return folded;
}

} // namespace

QByteArray FormatSession(const QStringList &names)
{
    QByteArray text = QByteArray(SessionFormatLine) + '\n';
    for (const QString &name : names)
        text += name.toUtf8() + '\n';
    return text;
}

std::optional<QStringList> ParseSession(const QByteArray &text)
{
    if (text.size() > MaxSessionBytes)
        return std::nullopt;
    QList<QByteArray> lines = text.split('\n');
    if (lines.size() > 1 && lines.back().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    if (lines.isEmpty() || lines.front() != SessionFormatLine)
        return std::nullopt;
    QStringList names;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString name = QString::fromUtf8(lines[i]);
        if (CheckClipName(name, names) != ClipName::Accepted)
            return std::nullopt;
        names << name;
    }
    return names;
}

QStringList ReconcileSession(const QStringList &listed, const QStringList &files)
{
    QStringList folded;
    for (const QString &file : files)
        folded << foldedAscii(file);
    QStringList entries;
    for (const QString &name : listed)
        if (folded.contains(foldedAscii(name + ClipExtension)) && CheckClipName(name, entries) == ClipName::Accepted)
            entries << name;

    QStringList unlisted = files;
    std::sort(unlisted.begin(), unlisted.end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    for (const QString &file : unlisted) {
        if (!file.endsWith(ClipExtension, Qt::CaseInsensitive))
            continue;
        const QString name = file.chopped(ClipExtension.size());
        if (CheckClipName(name, entries) == ClipName::Accepted)
            entries << name;
    }
    return entries;
}

QStringList FilesIn(const QString &folder)
{
    QStringList names;
    std::error_code ec;
    std::filesystem::directory_iterator it(QFile::encodeName(folder).toStdString(), ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::error_code statusError;
        if (it->symlink_status(statusError).type() == std::filesystem::file_type::regular)
            names << QFile::decodeName(it->path().filename().c_str());
    }
    return names;
}

SessionFile ReadSessionFile(const QString &file)
{
    SessionFile session;
    QFile in(file);
    if (!in.exists())
        return session;
    session.found = true;
    // One byte past the limit is enough to refuse the file.
    if (!in.open(QIODevice::ReadOnly)) {
        session.damaged = true;
        return session;
    }
    const std::optional<QStringList> names = ParseSession(in.read(MaxSessionBytes + 1));
    session.damaged = !names || in.error() != QFileDevice::NoError;
    if (!session.damaged)
        session.names = *names;
    return session;
}

int WriteSessionFile(const QString &file, const QStringList &names)
{
    const QByteArray text = FormatSession(names);
    // Never a file the next start would refuse.
    if (text.size() > MaxSessionBytes)
        return EFBIG;
    io::AtomicFile out =
        io::AtomicFile::create(QFile::encodeName(file).toStdString(), {.newFileMode = 0644, .durable = true});
    if (!out.writeAll(text.constData(), size_t(text.size())) || !out.commit())
        return out.error() ? out.error() : EIO;
    return 0;
}

} // namespace trevisto
