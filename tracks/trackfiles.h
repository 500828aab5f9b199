#pragma once
// The tracks of a sound written as WAV files of their own, each whole or not at all: the
// clips "Add as clips" makes, straight from the working file's bytes.

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace trevisto::tracks {

struct TrackFile {
    std::string path;           // native
    int64_t first = 0, end = 0; // frames of the source
};

struct TrackFilesWritten {
    size_t count = 0; // written, in order, before a failure
    QString why;      // of the failure: the file and the reason; empty when all were written
};

// Writes each of `files` from the WAV file `source`. A failure stops there: the files
// written before it stay (the caller decides), the failed one leaves nothing.
TrackFilesWritten WriteTrackFiles(const std::string &source, const std::vector<TrackFile> &files);

} // namespace trevisto::tracks
