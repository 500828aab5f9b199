#include "editor/devicecommands.h"

#include "app/systemreason.h"
#include "platform/mci/device.h"

QString CommandOutcome::reason() const
{
    if (code == trevisto::mci::CannotWriteFile && systemError != 0)
        return QStringLiteral("The file cannot be written: %1.").arg(SystemReason(systemError));
    return QString::fromStdString(trevisto::mci::mciGetErrorString(code));
}

CommandOutcome SendCommands(const QStringList &commands, const QString &closing)
{
    CommandOutcome outcome;
    for (const QString &command : commands) {
        const int code = trevisto::mci::mciSendString(command.toStdString());
        if (code != 0) {
            outcome = {code, command, trevisto::mci::mciGetLastSystemError()};
            break;
        }
    }
    trevisto::mci::mciSendString(closing.toStdString());
    return outcome;
}
