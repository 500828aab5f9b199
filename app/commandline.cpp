#include "app/commandline.h"

#include "app/frmWriteWave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

OpenRoute openRouteFor(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray head = file.read(12);
        if (head.size() == 12) {
            const bool riff = head.startsWith("RIFF") || head.startsWith("RF64");
            return riff && head.mid(8, 4) == "WAVE" ? OpenRoute::Wav : OpenRoute::Decoded;
        }
    }
    return path.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive) ? OpenRoute::Wav : OpenRoute::Decoded;
}

std::optional<QString> fileToOpen(const QStringList &arguments, const QString &currentFolder)
{
    bool optionsEnded = false;
    for (const QString &argument : arguments) {
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (argument.isEmpty() || (!optionsEnded && argument.startsWith('-')))
            continue;
        // Start-up makes the program folder current, so a relative name is fixed now.
        return QDir::cleanPath(QDir(currentFolder).absoluteFilePath(argument));
    }
    return std::nullopt;
}

void frmWriteWave::OpenGivenFile(const QString &path)
{
    if (RefuseWhileOpening())
        return;
    // The next chooser starts where this file lies, as after choosing it there.
    cmd.FileName = path;
    if (openRouteFor(path) == OpenRoute::Wav)
        OpenWavSource(path);
    else
        OpenDecodedSource(path);
}
