#include "app/commandline.h"

#include "app/frmWriteWave.h"

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The texts this file shows, under one translation context.
struct Dropping {
    Q_DECLARE_TR_FUNCTIONS(Dropping)
};

// The first 12 bytes of an ordinary file; fewer when it is shorter or cannot be read.
QByteArray fileHead(const QString &path)
{
    // A FIFO would block the open until a writer came, and the program with it.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {};
    QByteArray head(12, '\0');
    struct stat st {};
    ssize_t got = -1;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
        got = ::pread(fd, head.data(), size_t(head.size()), 0);
    ::close(fd);
    head.truncate(got < 0 ? 0 : qsizetype(got));
    return head;
}

} // namespace

OpenRoute openRouteFor(const QString &path)
{
    if (const QByteArray head = fileHead(path); head.size() == 12) {
        const bool riff = head.startsWith("RIFF") || head.startsWith("RF64");
        return riff && head.mid(8, 4) == "WAVE" ? OpenRoute::Wav : OpenRoute::Decoded;
    }
    return path.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive) ? OpenRoute::Wav : OpenRoute::Decoded;
}

bool IsCueSheet(const QString &path)
{
    return path.endsWith(QLatin1String(".cue"), Qt::CaseInsensitive);
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
    chooser_.given(path);
    if (IsCueSheet(path) && !source_.cue)
        OpenCueSheet(path);
    else if (openRouteFor(path) == OpenRoute::Wav)
        OpenWavSource(path);
    else
        OpenDecodedSource(path);
}

std::optional<QString> droppedFile(const QList<QUrl> &urls, QString *why)
{
    if (urls.size() != 1) {
        *why = Dropping::tr("Drop one sound file at a time.");
        return std::nullopt;
    }
    if (!urls.front().isLocalFile()) {
        *why = Dropping::tr("\"%1\" is not a file on this computer.").arg(urls.front().toDisplayString());
        return std::nullopt;
    }
    const QString path = urls.front().toLocalFile();
    if (QFileInfo(path).isDir()) {
        *why = Dropping::tr("\"%1\" is a folder. Drop a sound file.").arg(path);
        return std::nullopt;
    }
    return path;
}

void frmWriteWave::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void frmWriteWave::dropEvent(QDropEvent *event)
{
    QString why;
    const std::optional<QString> file = droppedFile(event->mimeData()->urls(), &why);
    event->acceptProposedAction();
    if (!file) {
        dialogs_.msgBox(why, vbOKOnly, MsgIcon::Information, ProgramTitle);
        return;
    }
    OpenGivenFile(*file);
}
