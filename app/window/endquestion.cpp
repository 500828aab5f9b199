#include "app/window/endquestion.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// The texts this file shows are those of the program's ending, under its context.
struct Shutdown {
    Q_DECLARE_TR_FUNCTIONS(Shutdown)
};

} // namespace

namespace trevisto {

QString EndQuestion(int clips, const std::optional<QString> &unfinished)
{
    QStringList losses;
    if (clips >= 2)
        losses << Shutdown::tr("All %1 clip files of the list will be deleted.").arg(clips);
    if (unfinished)
        losses << Shutdown::tr("\"%1\" is still being written and will not be finished.").arg(*unfinished);
    const QString question = QStringLiteral("Are You Sure Want to Exit");
    return losses.isEmpty() ? question : question + QStringLiteral("\r\n") + losses.join(' ');
}

} // namespace trevisto
