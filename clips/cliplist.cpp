#include "clips/cliplist.h"

#include "core/workingfiles.h"

#include <QFile>
#include <QItemSelectionModel>

#include <sys/stat.h>

namespace {

QString upperAscii(const QString &text)
{
    QString upper = text;
    for (QChar &c : upper)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - ('a' - 'A'));
    return upper;
}

} // namespace

ClipName CheckClipName(const QString &answer, const QStringList &entries)
{
    const QString allowed = QString::fromLatin1(ClipNameCharacters);
    const QString upper = upperAscii(answer);
    for (QChar c : upper)
        if (!allowed.contains(c))
            return ClipName::Invalid;
    if (answer.isEmpty())
        return ClipName::Empty;
    if (upper == upperAscii(WorkingFiles::Concat.section(QLatin1Char('\\'), -1).chopped(4)))
        return ClipName::Duplicate;
    for (const QString &entry : entries)
        if (upperAscii(entry) == upper)
            return ClipName::Duplicate;
    return ClipName::Accepted;
}

bool ClipFileTaken(const QString &clipFile)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(clipFile).constData(), &st) == 0 && !S_ISDIR(st.st_mode);
}

int SelectedRow(const QItemSelectionModel &selection)
{
    const QModelIndex current = selection.currentIndex();
    return current.isValid() && selection.isSelected(current) ? current.row() : -1;
}

ListButtons ListButtonStates(int count, int selected)
{
    return {count > 1, count >= 1, selected >= 1, selected + 1 != count};
}

int MoveTarget(int count, int selected, int step)
{
    const int target = selected + step;
    if (selected < 0 || selected >= count || target < 0 || target >= count)
        return -1;
    return target;
}

CommandOutcome SaveResult(const QString &result, const QString &file)
{
    return SendCommands({QStringLiteral("open %1 type waveaudio alias voice1").arg(result),
                         QStringLiteral("save  voice1 %1").arg(file)},
                        QStringLiteral("close voice1"));
}
