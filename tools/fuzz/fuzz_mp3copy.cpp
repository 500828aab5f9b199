// Copying a sample range of an MP3 without decoding: index the input, plan the range its
// first four bytes name, copy it, and index the copy again. What the frame layer promises is
// checked on the way: frames in order and of one layout, a plan whose frames hold exactly
// the range, a copy that holds exactly the range's samples in frames of the source's layout
// with the source's frames byte for byte, and reasons that say what is wrong (a file in
// memory never fails to read). A plan that encodes its first frames goes through the cut's
// copy as the program makes it, with a sound of the cut's length.
//
// Input: two big-endian 16-bit numbers that choose the range (mp3fuzz::rangeOf), then the
// MP3 file.

#include "clips/mp3copy.h"
#include "mp3_fuzz.h"
#include "platform/mp3frames/rangecopy.h"
#include "scratch_file.h"

#include <QFile>
#include <QString>

#include <cstring>

using namespace trevisto::mp3frames;
using mp3fuzz::fail;

namespace {

// The plan's promises: the frames it copies hold the range, and the info frame's delay and
// padding trim them to exactly the range.
void checkPlan(const Mp3Index &index, const RangePlan &p)
{
    const int64_t spf = index.samplesPerFrame();
    if (p.firstFrame >= p.endFrame || p.endFrame > index.frames.size())
        fail("the plan copies frames [%zu, %zu) of %zu", p.firstFrame, p.endFrame, index.frames.size());
    if (p.delay < 0 || p.delay > 4095 || p.padding < 529 || p.padding > 4095)
        fail("delay %d or padding %d does not fit the info frame", p.delay, p.padding);
    if (int64_t(p.outputFrames()) * spf != p.delay + (p.last - p.first) + p.padding)
        fail("the plan's frames do not hold the range");
    if (p.silentFrames > 0 && p.encodedFrames > 0)
        fail("silent and encoded frames in one plan");
    if (p.reservoirBytes < 0 || p.reservoirBytes > index.layout.maxMainDataBegin())
        fail("a reservoir of %d bytes", p.reservoirBytes);
    if (const std::optional<size_t> reach = reservoirReach(index, p.firstFrame); !reach || int(*reach) != p.reservoirBytes)
        fail("the first copied frame reaches for bytes the plan does not carry");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    static ScratchFile scratch;
    static mp3fuzz::WorkFolder folder;
    const uint16_t a = mp3fuzz::be16(data), b = mp3fuzz::be16(data + 2);
    const uint8_t *mp3 = data + 4;
    const size_t bytes = size - 4;
    const std::string &path = scratch.hold(mp3, bytes);

    const IndexResult indexed = indexMp3(path);
    if (!indexed.index) {
        if (indexed.refusal == Refusal::CannotRead)
            fail("a file in memory was reported unreadable (error %d)", indexed.systemError);
        return 0;
    }
    const Mp3Index &index = *indexed.index;
    mp3fuzz::checkIndex(index, bytes);
    // The same bytes from memory index the same.
    const IndexResult again = indexMp3Bytes(mp3, bytes);
    if (!again.index || again.index->frames.size() != index.frames.size() ||
        again.index->identity.framesHash != index.identity.framesHash || again.index->audioEnd != index.audioEnd)
        fail("the file and its bytes in memory index differently");

    const auto [first, last] = mp3fuzz::rangeOf(a, b, index.samples());
    const PlanResult planned = planRange(index, first, last);
    mp3fuzz::note("%zu frames, %lld samples; range %lld..%lld: refusal %d, %d encoded frames", index.frames.size(),
                  (long long)index.samples(), (long long)first, (long long)last, int(planned.refusal),
                  planned.plan ? planned.plan->encodedFrames : 0);
    if (!planned.plan)
        return 0;
    const RangePlan &plan = *planned.plan;
    checkPlan(index, plan);

    const std::string out = folder.file("copy.mp3");
    std::remove(out.c_str());
    if (plan.encodedFrames > 0) {
        const std::string sound = folder.file("cut.wav");
        mp3fuzz::writeSound(sound, index.layout.sampleRate(), index.layout.channels(), last - first, a ^ b);
        const Mp3Origin origin{Mp3Source{QString::fromStdString(path), index.identity}, first, last};
        const trevisto::Mp3CopyOutcome copied =
            trevisto::CopyMp3Cut(origin, QString::fromStdString(sound), QString::fromStdString(out));
        if (copied.kind == trevisto::Mp3CopyOutcome::Failed)
            fail("the copy could not be written: %s", copied.why.toUtf8().constData());
        if (copied.kind == trevisto::Mp3CopyOutcome::NotCopyable) {
            if (copied.why.startsWith(describe(Refusal::CannotRead)))
                fail("a source in memory was reported unreadable: %s", copied.why.toUtf8().constData());
            return 0;
        }
        mp3fuzz::checkWritten(out, index.layout, last - first, 0);
        return 0;
    }

    const CopyResult copied = writeRange(path, index, plan, out);
    if (!copied.ok()) {
        // The plan was checked against the index: only a frame the writer finds malformed
        // may stop it.
        if (copied.refusal != Refusal::DamagedFrame)
            fail("a planned copy was refused (refusal %d, error %d)", int(copied.refusal), copied.systemError);
        return 0;
    }
    const Mp3Index written = mp3fuzz::checkWritten(out, index.layout, last - first, copied.bytes);
    if (written.frames.size() != plan.outputFrames() || written.id3v2Bytes != index.id3v2Bytes)
        fail("the copy has %zu frames, the plan %u", written.frames.size(), plan.outputFrames());
    // The copied frames are the source's, byte for byte, after the silent ones.
    const std::vector<uint8_t> file = mp3fuzz::readAll(out);
    for (size_t k = plan.firstFrame; k < plan.endFrame; ++k) {
        const FrameEntry &from = index.frames[k], &to = written.frames[size_t(plan.silentFrames) + k - plan.firstFrame];
        if (from.bytes != to.bytes || std::memcmp(mp3 + from.offset, file.data() + to.offset, from.bytes) != 0)
            fail("copied frame %zu differs from the source's", k);
    }
    for (int i = 0; i < plan.silentFrames; ++i)
        if (written.frames[size_t(i)].mainDataBegin != 0)
            fail("a silent frame reaches back for main data");
    return 0;
}
