#include "clips/session.h"

#include "clips/cliplist.h"
#include "platform/io/atomicfile.h"
#include "platform/io/regularfile.h"

#include <QDir>
#include <QFile>
#include <QSet>

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

// The name rule over a whole list at once: each name is checked against a set of the
// names before it, so a long list costs its length, not its square.
class NameCheck {
public:
    bool accepts(const QString &name)
    {
        // Alone, the rule sees only the characters; a name twice is found in the set.
        return CheckClipName(name, {}) == ClipName::Accepted && !taken_.contains(foldedAscii(name));
    }
    void take(const QString &name) { taken_.insert(foldedAscii(name)); }

private:
    QSet<QString> taken_;
};

} // namespace

QByteArray FormatSession(const QStringList &names, const ClipOrigins &origins)
{
    bool anyOrigin = false;
    for (const QString &name : names)
        anyOrigin = anyOrigin || origins.contains(name);
    QByteArray text = QByteArray(anyOrigin ? SessionFormatLineWithOrigins : SessionFormatLine) + '\n';
    for (const QString &name : names) {
        text += name.toUtf8();
        if (const auto it = origins.constFind(name); it != origins.constEnd()) {
            const Mp3Origin &o = *it;
            const QList<QByteArray> fields = {QByteArray(), o.source.path.toUtf8().toPercentEncoding(),
                                              QByteArray::number(o.source.identity.size),
                                              QByteArray::number(qint64(o.source.identity.modifiedNs)),
                                              QByteArray::number(o.source.identity.framesHash, 16),
                                              QByteArray::number(qint64(o.first)), QByteArray::number(qint64(o.last))};
            text += fields.join('\t');
        }
        text += '\n';
    }
    return text;
}

namespace {

// The fields after a name's tab: path, size, time, hash, first and last sample.
std::optional<Mp3Origin> ParseOrigin(const QList<QByteArray> &fields)
{
    if (fields.size() != 6)
        return std::nullopt;
    bool ok[6] = {true, false, false, false, false, false};
    Mp3Origin o;
    o.source.path = QString::fromUtf8(QByteArray::fromPercentEncoding(fields[0]));
    o.source.identity.size = fields[1].toULongLong(&ok[1]);
    o.source.identity.modifiedNs = fields[2].toLongLong(&ok[2]);
    o.source.identity.framesHash = fields[3].toULongLong(&ok[3], 16);
    o.first = fields[4].toLongLong(&ok[4]);
    o.last = fields[5].toLongLong(&ok[5]);
    for (bool b : ok)
        if (!b)
            return std::nullopt;
    if (o.source.path.isEmpty() || o.first < 0 || o.last <= o.first)
        return std::nullopt;
    return o;
}

} // namespace

std::optional<QStringList> ParseSession(const QByteArray &text, ClipOrigins *origins)
{
    if (text.size() > MaxSessionBytes)
        return std::nullopt;
    QList<QByteArray> lines = text.split('\n');
    if (lines.size() > 1 && lines.back().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    if (lines.isEmpty() || (lines.front() != SessionFormatLine && lines.front() != SessionFormatLineWithOrigins))
        return std::nullopt;
    const bool withOrigins = lines.front() == SessionFormatLineWithOrigins;
    QStringList names;
    NameCheck check;
    ClipOrigins found;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QList<QByteArray> fields = withOrigins ? lines[i].split('\t') : QList<QByteArray>{lines[i]};
        const QString name = QString::fromUtf8(fields.takeFirst());
        if (!check.accepts(name))
            return std::nullopt;
        check.take(name);
        if (!fields.isEmpty()) {
            const std::optional<Mp3Origin> origin = ParseOrigin(fields);
            if (!origin)
                return std::nullopt;
            found.insert(name, *origin);
        }
        names << name;
    }
    if (origins)
        *origins = found;
    return names;
}

QStringList ReconcileSession(const QStringList &listed, const QStringList &files)
{
    QSet<QString> folded;
    for (const QString &file : files)
        folded.insert(foldedAscii(file));
    QStringList entries;
    NameCheck check;
    auto add = [&entries, &check](const QString &name) {
        if (!check.accepts(name))
            return;
        check.take(name);
        entries << name;
    };
    for (const QString &name : listed)
        if (folded.contains(foldedAscii(name + ClipExtension)))
            add(name);

    QStringList unlisted = files;
    std::sort(unlisted.begin(), unlisted.end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    for (const QString &file : unlisted) {
        if (!file.endsWith(ClipExtension, Qt::CaseInsensitive))
            continue;
        add(file.chopped(ClipExtension.size()));
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
    // One byte past the limit is enough to refuse the file. A FIFO or a device under its
    // name is refused unread: waiting for it would hold up the start.
    std::string bytes;
    const int error = io::readRegularFile(QFile::encodeName(file).toStdString(), size_t(MaxSessionBytes) + 1, bytes);
    if (error == ENOENT || error == ENOTDIR)
        return session;
    session.found = true;
    if (error != 0) {
        session.damaged = true;
        return session;
    }
    const std::optional<QStringList> names =
        ParseSession(QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size())), &session.origins);
    session.damaged = !names;
    if (!session.damaged)
        session.names = *names;
    else
        session.origins.clear();
    return session;
}

int WriteSessionFile(const QString &file, const QStringList &names, const ClipOrigins &origins)
{
    const QByteArray text = FormatSession(names, origins);
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
