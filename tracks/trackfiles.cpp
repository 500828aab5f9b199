#include "tracks/trackfiles.h"

#include "platform/wav/wav.h"

#include <QFile>

#include <cstring>

namespace trevisto::tracks {

TrackFilesWritten WriteTrackFiles(const std::string &source, const std::vector<TrackFile> &files)
{
    TrackFilesWritten written;
    wav::ReadError readError = wav::ReadError::None;
    const auto in = wav::File::open(source, &readError);
    if (!in) {
        written.why = QStringLiteral("%1: %2").arg(QFile::decodeName(source.c_str()), QString::fromUtf8(wav::describe(readError)));
        return written;
    }
    const int64_t frameBytes = in->format().blockAlign();
    for (const TrackFile &file : files) {
        wav::WriteError error = wav::WriteError::None;
        int systemError = 0;
        // A track past the sound's end could not be read whole.
        const bool inside = file.first >= 0 && file.first <= file.end && file.end <= in->info().frames;
        auto writer = inside ? wav::Writer::create(file.path, in->format(), &error, &systemError) : nullptr;
        if (!inside)
            error = wav::WriteError::ReadFailed;
        if (writer) {
            writer->copyFrom(in->fd(), in->info().dataOffset + file.first * frameBytes, (file.end - file.first) * frameBytes);
            error = writer->commit();
            systemError = writer->systemError();
        }
        if (error != wav::WriteError::None) {
            written.why = QStringLiteral("%1: %2").arg(QFile::decodeName(file.path.c_str()), QString::fromUtf8(wav::describe(error)));
            if (systemError)
                written.why += QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(std::strerror(systemError)));
            return written;
        }
        ++written.count;
    }
    return written;
}

} // namespace trevisto::tracks
