#include "platform/mp3frames/framewriter.h"

namespace trevisto::mp3frames {

FrameWriter::FrameWriter(const std::string &destination, const io::AtomicFile::Options &options)
    : file_(io::AtomicFile::create(destination, options))
{
}

bool FrameWriter::writePrefix(const unsigned char *data, size_t bytes)
{
    if (!file_.writeAll(data, bytes))
        return false;
    tagAt_ += bytes;
    return true;
}

bool FrameWriter::begin(const TagFrameFacts &shape)
{
    tagBytes_ = tagFrameHeader(shape).frameBytes();
    if (tagBytes_ == 0) {
        malformed_ = true;
        return false;
    }
    const std::vector<unsigned char> room(tagBytes_, 0);
    return file_.writeAll(room.data(), room.size());
}

bool FrameWriter::appendFrames(const unsigned char *data, size_t bytes)
{
    for (size_t at = 0; at < bytes;) {
        const auto h = bytes - at >= 4 ? FrameHeader::parse(data + at) : std::nullopt;
        if (!h || h->frameBytes() == 0 || h->frameBytes() > bytes - at) {
            malformed_ = true;
            return false;
        }
        if (firstRateIndex_ < 0)
            firstRateIndex_ = h->bitRateIndex;
        mixedRates_ = mixedRates_ || h->bitRateIndex != firstRateIndex_;
        offsets_.push_back(audioBytes_ + at);
        at += h->frameBytes();
    }
    crc_ = crc16Arc(data, bytes, crc_);
    audioBytes_ += bytes;
    return file_.writeAll(data, bytes);
}

bool FrameWriter::finish(TagFrameFacts facts)
{
    facts.frames = frames();
    facts.audioBytes = audioBytes_;
    facts.frameOffsets = &offsets_;
    facts.musicCrc = crc_;
    facts.variableBitRate = mixedRates_;
    const std::vector<unsigned char> tag = buildTagFrame(facts);
    if (tag.size() != tagBytes_) {
        malformed_ = true;
        file_.discard();
        return false;
    }
    if (!file_.writeAt(int64_t(tagAt_), tag.data(), tag.size()))
        return false;
    return file_.commit();
}

} // namespace trevisto::mp3frames
