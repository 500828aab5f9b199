#include "editor/devicecommands.h"

#include "platform/mci/device.h"
#include "platform/mci/error.h"

QString CommandOutcome::reason() const
{
    return trevisto::mci::errorMessage(code);
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
