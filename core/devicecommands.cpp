#include "core/devicecommands.h"

#include "platform/io/systemreason.h"
#include "platform/mci/device.h"
#include "platform/mci/error.h"

#include <QCoreApplication>

QString CommandOutcome::reason() const
{
    if (!refusal.isEmpty())
        return refusal;
    if (code == trevisto::mci::CannotWriteFile && systemError != 0)
        return QCoreApplication::translate("Device", "The file cannot be written: %1.").arg(trevisto::io::systemReason(systemError));
    return trevisto::mci::errorMessage(code);
}

CommandOutcome SendCommands(const QStringList &commands, const QString &closing,
                            const std::function<void()> &beforeClosing)
{
    CommandOutcome outcome;
    for (const QString &command : commands) {
        const int code = trevisto::mci::mciSendString(command.toStdString());
        if (code != 0) {
            outcome = {code, command, trevisto::mci::mciGetLastSystemError(), {}};
            break;
        }
    }
    if (outcome.ok() && beforeClosing)
        beforeClosing();
    trevisto::mci::mciSendString(closing.toStdString());
    return outcome;
}
