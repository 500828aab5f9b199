#include "app/dialogs.h"

#include <QStringList>

int CommonDialog::show(bool save)
{
    FileRequest request{Filter, InitDir, DialogTitle, FileName, Flags, save};
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
