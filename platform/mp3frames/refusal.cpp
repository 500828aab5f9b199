#include "platform/mp3frames/refusal.h"

#include <QCoreApplication>

namespace trevisto::mp3frames {

namespace {

// The texts this file shows, under one translation context.
struct Mp3Frames {
    Q_DECLARE_TR_FUNCTIONS(Mp3Frames)
};

} // namespace

QString describe(Refusal refusal)
{
    switch (refusal) {
    case Refusal::None: return {};
    case Refusal::CannotRead: return Mp3Frames::tr("the source MP3 file cannot be read");
    case Refusal::NotMp3: return Mp3Frames::tr("the source holds no MPEG Layer III frames");
    case Refusal::FreeFormat: return Mp3Frames::tr("the source is a free-format MP3");
    case Refusal::RangeOutside: return Mp3Frames::tr("the cut does not lie within the source MP3");
    case Refusal::RangeTooShort: return Mp3Frames::tr("the cut is shorter than one MP3 frame");
    case Refusal::DamagedFrame: return Mp3Frames::tr("the source MP3 has a damaged frame inside the cut");
    case Refusal::SourceChanged: return Mp3Frames::tr("the source MP3 file has changed since it was opened");
    case Refusal::LayoutsDiffer: return Mp3Frames::tr("the sources differ in MPEG version, sample rate or channels");
    case Refusal::CannotWrite: return Mp3Frames::tr("the MP3 file cannot be written");
    case Refusal::NoFrameNearStart:
        return Mp3Frames::tr("no MPEG Layer III frame starts within the first megabyte of the source");
    case Refusal::ReservoirBeforeFile:
        return Mp3Frames::tr("the cut lies in the first frames of the source MP3, which take bit-reservoir bytes from "
                             "before the start of the file");
    case Refusal::AcrossJoinedStreams:
        return Mp3Frames::tr("the cut crosses the point where two MP3 streams were put end to end in the source");
    case Refusal::InfoFrameContradicts:
        return Mp3Frames::tr("the info frame of the source MP3 contradicts its frames");
    }
    return {};
}

} // namespace trevisto::mp3frames
