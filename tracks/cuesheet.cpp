#include "tracks/cuesheet.h"

#include "platform/io/atomicfile.h"
#include "platform/io/systemreason.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace trevisto::tracks {

namespace {

// The texts this file shows, under one translation context.
struct CueSheetTexts {
    Q_DECLARE_TR_FUNCTIONS(CueSheet)
};

Outcome lineFault(int line, const QString &why)
{
    return Outcome::failure(CueSheetTexts::tr("Line %1 of the cue sheet: %2").arg(line).arg(why));
}

QString decode(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringConverter::Utf16LE)(bytes.mid(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringConverter::Utf16BE)(bytes.mid(2));
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8(bytes);
    // Sheets written on older systems are in a single-byte code page; Latin-1 keeps every
    // byte as a character instead of replacing the unreadable ones.
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

// A line's words: bare words split at blanks, quoted ones kept whole without the quotes.
// False when a quote is left open.
bool words(const QString &line, QStringList &out)
{
    out.clear();
    int i = 0;
    const int n = int(line.size());
    while (i < n) {
        while (i < n && line[i].isSpace())
            ++i;
        if (i >= n)
            break;
        if (line[i] == u'"') {
            const int close = int(line.indexOf(u'"', i + 1));
            if (close < 0)
                return false;
            out << line.mid(i + 1, close - i - 1);
            i = close + 1;
        } else {
            const int start = i;
            while (i < n && !line[i].isSpace())
                ++i;
            out << line.mid(start, i - start);
        }
    }
    return true;
}

// mm:ss:ff into cue frames; -1 when malformed.
int64_t parseTime(const QString &text)
{
    const QStringList parts = text.split(u':');
    if (parts.size() != 3)
        return -1;
    int64_t values[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        values[i] = parts[i].toLongLong(&ok);
        if (!ok || values[i] < 0 || parts[i].isEmpty() || parts[i].size() > 6 ||
            !std::all_of(parts[i].begin(), parts[i].end(), [](QChar c) { return c.isDigit(); }))
            return -1;
    }
    if (values[1] >= 60 || values[2] >= kCueFramesPerSecond)
        return -1;
    return (values[0] * 60 + values[1]) * kCueFramesPerSecond + values[2];
}

} // namespace

CueRead ParseCueSheet(const QByteArray &bytes)
{
    CueRead read;
    CueSheet &sheet = read.sheet;
    const auto fail = [&](int line, const QString &why) {
        read.outcome = lineFault(line, why);
        return read;
    };
    if (bytes.contains('\0') && !bytes.startsWith("\xFF\xFE") && !bytes.startsWith("\xFE\xFF"))
        return read.outcome = Outcome::failure(CueSheetTexts::tr("This is not a cue sheet: it holds binary data.")), read;

    const QStringList lines = decode(bytes).split(u'\n');
    CueTrack *track = nullptr;
    int trackLine = 0;
    QStringList w;
    for (int i = 0; i < lines.size(); ++i) {
        const int number = i + 1;
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!words(line, w))
            return fail(number, CueSheetTexts::tr("a quotation mark is not closed."));
        if (w.isEmpty())
            continue;
        const QString command = w[0].toUpper();
        if (command == u"FILE") {
            if (w.size() < 2 || w[1].isEmpty())
                return fail(number, CueSheetTexts::tr("FILE names no file."));
            if (!sheet.file.isEmpty())
                return fail(number, CueSheetTexts::tr("a second FILE; only sheets of one sound file can be opened."));
            sheet.file = w[1];
            sheet.fileLine = number;
        } else if (command == u"TRACK") {
            if (sheet.file.isEmpty())
                return fail(number, CueSheetTexts::tr("TRACK before any FILE."));
            if (track && track->line == 0)
                return fail(trackLine, CueSheetTexts::tr("this track has no INDEX 01."));
            bool ok = false;
            const int n = w.size() >= 2 ? w[1].toInt(&ok) : 0;
            if (!ok || n < 1 || n > 99)
                return fail(number, CueSheetTexts::tr("a track number must be 1 to 99."));
            if (w.size() >= 3 && w[2].toUpper() != u"AUDIO")
                return fail(number, CueSheetTexts::tr("only AUDIO tracks can be opened."));
            sheet.tracks.push_back({});
            track = &sheet.tracks.back();
            track->number = n;
            trackLine = number;
        } else if (command == u"INDEX") {
            if (!track)
                return fail(number, CueSheetTexts::tr("INDEX outside a TRACK."));
            bool ok = false;
            const int n = w.size() >= 3 ? w[1].toInt(&ok) : -1;
            const int64_t at = w.size() >= 3 ? parseTime(w[2]) : -1;
            if (!ok || n < 0 || n > 99 || at < 0)
                return fail(number, CueSheetTexts::tr("an INDEX is written as INDEX nn mm:ss:ff."));
            if (n != 1)
                continue; // pregaps (00) and subindexes do not split tracks
            if (track->line != 0)
                return fail(number, CueSheetTexts::tr("a second INDEX 01 in one track."));
            if (sheet.tracks.size() >= 2 && at <= sheet.tracks[sheet.tracks.size() - 2].start)
                return fail(number, CueSheetTexts::tr("this track starts no later than the one before it."));
            track->start = at;
            track->line = number;
        } else if (command == u"TITLE" || command == u"PERFORMER") {
            const QString value = w.size() >= 2 ? w.mid(1).join(u' ') : QString();
            QString &field = command == u"TITLE" ? (track ? track->title : sheet.title)
                                                 : (track ? track->performer : sheet.performer);
            field = value;
        }
        // REM, CATALOG, FLAGS, ISRC, PREGAP, POSTGAP, SONGWRITER and their kind say nothing
        // about where tracks start.
    }
    if (sheet.file.isEmpty())
        return read.outcome = Outcome::failure(CueSheetTexts::tr("The cue sheet names no sound file (it has no FILE line).")), read;
    if (sheet.tracks.empty())
        return read.outcome = Outcome::failure(CueSheetTexts::tr("The cue sheet has no TRACK.")), read;
    if (track && track->line == 0)
        return fail(trackLine, CueSheetTexts::tr("this track has no INDEX 01."));
    return read;
}

CueRead ReadCueSheet(const QString &path)
{
    CueRead read;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.outcome = Outcome::failure(CueSheetTexts::tr("The cue sheet cannot be read: %1").arg(file.errorString()));
        return read;
    }
    if (file.size() > kMaxCueSheetBytes) {
        read.outcome = Outcome::failure(CueSheetTexts::tr("The file is %1 MB; a cue sheet is at most %2 MB.")
                                            .arg(double(file.size()) / (1 << 20), 0, 'f', 1)
                                            .arg(kMaxCueSheetBytes >> 20));
        return read;
    }
    const QByteArray bytes = file.read(kMaxCueSheetBytes + 1);
    read = ParseCueSheet(bytes);
    if (!read.outcome)
        return read;
    // Sheets written on Windows use backslashes.
    QString named = read.sheet.file;
    named.replace(u'\\', u'/');
    const QString sound = QFileInfo(named).isAbsolute() ? named : QFileInfo(path).dir().filePath(named);
    if (!QFileInfo(sound).isFile()) {
        read.outcome = lineFault(read.sheet.fileLine, CueSheetTexts::tr("the sound file %1 is not there.").arg(sound));
        return read;
    }
    read.sheet.file = QFileInfo(sound).absoluteFilePath();
    return read;
}

int64_t CueToSoundFrame(int64_t cueFrames, uint32_t rate)
{
    return (cueFrames * int64_t(rate) + kCueFramesPerSecond / 2) / kCueFramesPerSecond;
}

int64_t SoundToCueFrame(int64_t soundFrame, uint32_t rate)
{
    return rate ? (soundFrame * kCueFramesPerSecond + int64_t(rate) / 2) / int64_t(rate) : 0;
}

Outcome CheckCueAgainstSound(const CueSheet &sheet, int64_t frames, uint32_t rate)
{
    for (const CueTrack &track : sheet.tracks)
        if (CueToSoundFrame(track.start, rate) >= frames)
            return lineFault(track.line, CueSheetTexts::tr("track %1 starts at %2, past the end of the sound.")
                                             .arg(track.number)
                                             .arg(CueTime(track.start)));
    return Outcome::success();
}

QString CueTrackName(const CueSheet &sheet, const CueTrack &track)
{
    if (!track.performer.isEmpty() && track.performer != sheet.performer && !track.title.isEmpty())
        return track.performer + QStringLiteral(" - ") + track.title;
    return track.title;
}

QString CueTime(int64_t cueFrames)
{
    const int64_t ff = cueFrames % kCueFramesPerSecond;
    const int64_t seconds = cueFrames / kCueFramesPerSecond;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        .arg(ff, 2, 10, QLatin1Char('0'));
}

QByteArray WriteCueSheet(const QString &fileName, bool mp3, uint32_t rate, const std::vector<CueOutTrack> &tracks)
{
    // A quotation mark cannot be escaped in a sheet.
    const auto quoted = [](QString text) { return u'"' + text.replace(u'"', u'\'') + u'"'; };
    QString text;
    text += QStringLiteral("FILE %1 %2\r\n").arg(quoted(fileName), mp3 ? QStringLiteral("MP3") : QStringLiteral("WAVE"));
    int number = 0;
    for (const CueOutTrack &track : tracks) {
        text += QStringLiteral("  TRACK %1 AUDIO\r\n").arg(++number, 2, 10, QLatin1Char('0'));
        text += QStringLiteral("    TITLE %1\r\n").arg(quoted(track.title));
        text += QStringLiteral("    INDEX 01 %1\r\n").arg(CueTime(SoundToCueFrame(track.start, rate)));
    }
    return text.toUtf8();
}

std::vector<CueOutTrack> JoinedTracks(const std::vector<QString> &names, const std::vector<int64_t> &frames,
                                      const std::vector<uint32_t> &rates, uint32_t rate)
{
    std::vector<CueOutTrack> tracks;
    // The time before each clip, summed exactly as a fraction of a second per clip rate, so
    // rounding never adds up over many clips.
    double seconds = 0;
    for (size_t i = 0; i < names.size() && i < frames.size() && i < rates.size(); ++i) {
        tracks.push_back({names[i], int64_t(seconds * rate + 0.5)});
        if (rates[i])
            seconds += double(frames[i]) / rates[i];
    }
    return tracks;
}

QString CueSheetBeside(const QString &output)
{
    const QFileInfo info(output);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".cue"));
}

Outcome WriteCueSheetFile(const QString &path, const QByteArray &bytes)
{
    io::AtomicFile file = io::AtomicFile::create(QFile::encodeName(path).toStdString());
    if (file.isOpen() && file.writeAll(bytes.constData(), size_t(bytes.size())) && file.commit())
        return Outcome::success();
    return Outcome::failure(io::systemReason(file.error()));
}

} // namespace trevisto::tracks
