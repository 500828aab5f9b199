#include "editor/devicecommands.h"

#include "platform/mci/device.h"

QString CommandOutcome::reason() const
{
    return QString::fromStdString(trevisto::mci::mciGetErrorString(code));
}

CommandOutcome SendCommands(const QStringList &commands, const QString &closing)
{
    CommandOutcome outcome;
    for (const QString &command : commands) {
        const int code = trevisto::mci::mciSendString(command.toStdString());
        if (code != 0) {
            outcome = {code, command};
            break;
        }
    }
    trevisto::mci::mciSendString(closing.toStdString());
    return outcome;
}
