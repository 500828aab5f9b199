#pragma once
// A long input encoded in stretches on threads of their own, each by its own LAME at the
// same settings, and the stretches' frames spliced into one stream behind one info frame.
//
// At every splice the earlier stretch's last frames have their bit reservoir laid out
// again (mp3frames::spliceReservoir) so that their main-data stream ends with the bytes
// the later stretch's first kept frame reaches back for: those lay in the later
// stretch's dropped warm-up frames. Every frame then decodes as its encoder made it; only
// the overlap of the filterbank across the splice mixes the two encoders' frames, which
// coded the same samples.
//
// Each thread reads its own stretch of the WAV and writes its frames to a nameless file
// beside the destination, so memory stays a few blocks per thread whatever the length;
// the frames are copied into the destination's temporary file in order at the end. That
// file is made only then: a kill while the stretches are encoded leaves nothing behind.

#include "platform/io/atomicfile.h"
#include "platform/mp3enc/split.h"

#include <QString>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace trevisto::mp3enc {

struct StretchedEncoding {
    std::string sourcePath;               // native
    std::string destinationPath;          // native; its temporary file is made for the splicing
    QString sourceName, destinationName;  // as given, for messages
    int sampleRate = 0;                   // the WAV's, which MP3 carries as it is
    int bitRate = 0;
    std::vector<Stretch> plan;            // from planStretches(), two stretches or more
    std::string spillFolder;              // where the stretches' frames wait: the destination's
    bool refuseSplices = false;           // from SplitRules
    std::vector<unsigned char> tag;       // the ID3v2 tag in front of the frames, when any
};

struct StretchedOutcome {
    bool ok = false;
    bool cancelled = false;
    QString failure; // when neither ok nor cancelled
    // A splice could not be made (the frames before it had no room for the reservoir the
    // next stretch needs, even at higher bit rates): the input is to be encoded whole.
    bool spliceRefused = false;
};

// Writes the MP3 to `out` (info frame first), made beside job.destinationPath when it is
// not open yet, and leaves it open; after a refused splice `out` holds a part of it.
// `report` gets the
// percent done (below 100), from this thread, at most about 30 times a second.
StretchedOutcome encodeInStretches(const StretchedEncoding &job, io::AtomicFile &out, const std::atomic<bool> &cancel,
                                   const std::function<void(int)> &report);

} // namespace trevisto::mp3enc
