#pragma once
// Running a few command strings on the sound device as one step: the first failure stops
// the run, and the alias is closed whatever happened, so no file stays open on the device.

#include <QString>
#include <QStringList>

// How a run of device commands ended.
struct CommandOutcome {
    int code = 0;          // the device's result code; 0 when every command succeeded
    QString failedCommand; // the command that failed
    int systemError = 0;   // the errno behind a file the command could not write, else 0
    QString refusal;       // the program's own reason for not sending the command, if any

    bool ok() const { return code == 0; }
    // The device's sentence for the code; for a file that could not be written, what the
    // system gave as the reason when it is known.
    QString reason() const;
};

#include <functional>

// Sends `commands` in order until one fails, then `closing` in any case. `beforeClosing`,
// when given, runs after the commands that all succeeded, while the alias is still open.
CommandOutcome SendCommands(const QStringList &commands, const QString &closing,
                            const std::function<void()> &beforeClosing = {});
