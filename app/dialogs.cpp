#include "app/dialogs.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <QStringList>

FileRequest offeringPrevious(FileRequest request, const QString &previous)
{
    if (previous.isEmpty() || MatchesFilter(previous, request.filter))
        request.fileName = previous;
    else if (request.initDir.isEmpty())
        request.initDir = QFileInfo(previous).absolutePath();
    return request;
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

namespace {

// What the decoding library opens: MPEG audio, Ogg Vorbis, WAV, AIFF, FLAC, the tracker
// module formats, and through FFmpeg's libraries the other sound formats and the sound of
// videos.
constexpr const char *AllSoundFiles =
    "All sound files (*.mp3 *.mp2 *.mp1 *.ogg *.oga *.wav *.aif *.aiff *.aifc *.flac "
    "*.mod *.s3m *.xm *.it *.mptm *.stm *.669 *.mtm *.med *.okt *.far *.ult *.umx "
    "*.opus *.m4a *.m4b *.mp4 *.aac *.wma *.asf *.ac3 *.eac3 *.amr *.3gp *.wv *.ape *.tta *.caf "
    "*.mka *.mkv *.webm *.mov *.avi *.flv *.ts)";
constexpr const char *AllFiles = "All files (*)";

// Whether every pattern of a "desc|pattern|..." filter names WAV files.
bool listsOnlyWav(const QString &filter)
{
    const QStringList parts = filter.split('|');
    bool any = false;
    for (int i = 1; i < parts.size(); i += 2) {
        for (const QString &pattern : parts[i].split(';', Qt::SkipEmptyParts)) {
            if (pattern.trimmed().compare(QLatin1String("*.wav"), Qt::CaseInsensitive) != 0)
                return false;
            any = true;
        }
    }
    return any;
}

} // namespace

QString qtChooserFilter(const FileRequest &request)
{
    const QString own = qtFilterFromPairs(request.filter);
    if (request.save || own == QLatin1String(AllFiles))
        return own;
    QStringList choices{own};
    if (!listsOnlyWav(request.filter))
        choices << AllSoundFiles;
    choices << AllFiles;
    return choices.join(";;");
}

QString withDefaultSuffix(const QString &path, const QString &suffix)
{
    if (suffix.isEmpty() || path.isEmpty() || path.endsWith('/'))
        return path;
    const QString name = path.mid(path.lastIndexOf('/') + 1);
    return name.contains('.') ? path : path + '.' + suffix;
}

bool MatchesFilter(const QString &path, const QString &filter)
{
    const QString name = QFileInfo(path).fileName();
    const QStringList parts = filter.split('|');
    for (int i = 1; i < parts.size(); i += 2) {
        for (const QString &pattern : parts[i].split(';', Qt::SkipEmptyParts)) {
            const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern.trimmed()),
                                        QRegularExpression::CaseInsensitiveOption);
            if (re.match(name).hasMatch())
                return true;
        }
    }
    return false;
}
