#include "core/mp3origin.h"

#include <QFile>

std::optional<Mp3Source> IdentifyMp3Source(const QString &nativePath, int64_t decodedFrames)
{
    const trevisto::mp3frames::IndexResult r = trevisto::mp3frames::indexMp3(QFile::encodeName(nativePath).toStdString());
    // A decoder that saw another length saw other frames: copying them would not give
    // back the samples the user cut.
    if (!r.index || r.index->freeFormat || r.index->frames.empty() || r.index->samples() != decodedFrames)
        return std::nullopt;
    return Mp3Source{nativePath, r.index->identity};
}
