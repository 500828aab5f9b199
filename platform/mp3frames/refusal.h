#pragma once
// Why frames cannot be copied. The frame layer answers with one of these; describe()
// words it for the user.

#include <QString>

namespace trevisto::mp3frames {

enum class Refusal {
    None = 0,
    CannotRead,     // the file cannot be opened or read (systemError says why)
    NotMp3,         // no run of Layer III frames
    FreeFormat,     // free-format frames have no size a new frame could share
    RangeOutside,   // the range does not lie within the source's samples
    RangeTooShort,  // shorter than one frame: decoders trim such a cut wrongly
    DamagedFrame,   // a frame inside the range is broken, or junk lies between them
    SourceChanged,  // the file is not the one indexed
    LayoutsDiffer,  // pieces to join differ in MPEG version, sample rate or channels
    CannotWrite,    // the destination cannot be written (systemError says why)
    NoFrameNearStart,     // no frame within the bytes searched after the tags at the start
    ReservoirBeforeFile,  // the range's frames take bit-reservoir bytes from before the file
    AcrossJoinedStreams,  // the range crosses where two streams were put end to end
    InfoFrameContradicts, // the info frame's counts contradict the frames
};

QString describe(Refusal refusal);

} // namespace trevisto::mp3frames
