// The cue sheet reader: no input may crash it, a sheet it takes has a sound file and tracks
// in order, and the sheet written from those tracks reads back with the same starts.

#include "tracks/cuesheet.h"

#include <cstdio>
#include <cstdlib>

namespace {

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace trevisto::tracks;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const CueRead read = ParseCueSheet(bytes);
    if (!read.outcome) {
        check(!read.outcome.why.isEmpty(), "a refusal without a reason");
        return 0;
    }
    const CueSheet &sheet = read.sheet;
    check(!sheet.file.isEmpty() && !sheet.tracks.empty(), "a sheet taken without its file or tracks");
    for (size_t i = 1; i < sheet.tracks.size(); ++i)
        check(sheet.tracks[i].start > sheet.tracks[i - 1].start, "tracks out of order");
    // At 44100 Hz a cue frame is 588 sound frames exactly: written and read back, every start
    // comes back as it was.
    std::vector<CueOutTrack> out;
    for (const CueTrack &track : sheet.tracks)
        out.push_back({track.title, CueToSoundFrame(track.start, 44100)});
    const CueRead again = ParseCueSheet(WriteCueSheet(sheet.file, false, 44100, out));
    check(bool(again.outcome), "a written sheet is refused");
    check(again.sheet.tracks.size() == sheet.tracks.size(), "a written sheet lost tracks");
    for (size_t i = 0; i < sheet.tracks.size(); ++i)
        check(again.sheet.tracks[i].start == sheet.tracks[i].start, "a start moved on the way back");
    return 0;
}
