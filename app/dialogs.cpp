#include "app/dialogs.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <QStringList>

int CommonDialog::show(bool save)
{
    FileRequest request{Filter, InitDir, DialogTitle, FileName, Flags, save};
    // The previous choice is offered again only where the filter would list it; otherwise
    // only its folder is kept, so Enter cannot open an MP3 as a WAV.
    if (!FileName.isEmpty() && !MatchesFilter(FileName, Filter)) {
        if (request.initDir.isEmpty())
            request.initDir = QFileInfo(FileName).absolutePath();
        request.fileName.clear();
    }
    const std::optional<QString> chosen = dialogs_.fileDialog(request);
    if (!chosen)
        return CancelError ? cdlCancel : 0;
    FileName = *chosen;
    return 0;
}

QString qtFilterFromPairs(const QString &filter)
{
    const QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns = QString(parts[i + 1]).replace(';', ' ').trimmed();
        if (description.contains('(' + patterns + ')', Qt::CaseInsensitive))
            out << description;
        else
            out << description + " (" + patterns + ')';
    }
    if (out.isEmpty())
        return QStringLiteral("All files (*)");
    return out.join(";;");
}

bool MatchesFilter(const QString &path, const QString &filter)
{
    const QString name = QFileInfo(path).fileName();
    const QStringList parts = filter.split('|');
    for (int i = 1; i < parts.size(); i += 2) {
        for (const QString &pattern : parts[i].split(';', Qt::SkipEmptyParts)) {
            const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern.trimmed()),
                                        QRegularExpression::CaseInsensitiveOption);
            if (re.match(name).hasMatch())
                return true;
        }
    }
    return false;
}
