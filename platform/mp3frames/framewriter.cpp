#include "platform/mp3frames/framewriter.h"

#include <algorithm>

#include <unistd.h>

namespace trevisto::mp3frames {

FrameWriter::FrameWriter(const std::string &destination, const io::AtomicFile::Options &options, SeekTable seek)
    : own_(io::AtomicFile::create(destination, options)), file_(&own_), seek_(seek)
{
}

FrameWriter::FrameWriter(io::AtomicFile &file, SeekTable seek) : file_(&file), seek_(seek)
{
    // Where the caller's file stands now is where the writer's bytes begin.
    if (file.isOpen()) {
        const off_t at = ::lseek(file.fd(), 0, SEEK_CUR);
        tagAt_ = at > 0 ? uint64_t(at) : 0;
    }
}

bool FrameWriter::refuse()
{
    malformed_ = true;
    if (file_ == &own_)
        file_->discard();
    return false;
}

bool FrameWriter::writePrefix(const unsigned char *data, size_t bytes)
{
    if (!file_->writeAll(data, bytes))
        return false;
    tagAt_ += bytes;
    return true;
}

bool FrameWriter::begin(const TagFrameFacts &shape)
{
    const size_t bytes = tagFrameHeader(shape).frameBytes();
    if (bytes == 0) {
        malformed_ = true;
        return false;
    }
    return begin(bytes);
}

bool FrameWriter::begin(size_t bytes)
{
    tagBytes_ = bytes;
    const std::vector<unsigned char> room(tagBytes_, 0);
    return file_->writeAll(room.data(), room.size());
}

// Follows the frame boundaries through the bytes: each header says where the next one is.
bool FrameWriter::scan(const unsigned char *data, size_t bytes)
{
    const uint64_t end = audioBytes_ + bytes;
    for (uint64_t at = audioBytes_; at < end;) {
        if (at < framesEnd_) {
            at = std::min(end, framesEnd_);
            continue;
        }
        head_[headBytes_++] = data[at - audioBytes_];
        ++at;
        if (headBytes_ < 4)
            continue;
        headBytes_ = 0;
        const auto h = FrameHeader::parse(head_);
        if (!h || h->frameBytes() == 0)
            return false;
        if (firstRateIndex_ < 0)
            firstRateIndex_ = h->bitRateIndex;
        mixedRates_ = mixedRates_ || h->bitRateIndex != firstRateIndex_;
        if (seek_ == SeekTable::ByFrame)
            offsets_.push_back(framesEnd_);
        ++frames_;
        framesEnd_ += h->frameBytes();
    }
    return true;
}

bool FrameWriter::appendFrames(const unsigned char *data, size_t bytes)
{
    if (!scan(data, bytes)) {
        malformed_ = true;
        return false;
    }
    crc_ = crc16Arc(data, bytes, crc_);
    audioBytes_ += bytes;
    return file_->writeAll(data, bytes);
}

bool FrameWriter::writeTagFrame(TagFrameFacts facts)
{
    if (malformed_ || framesEnd_ != audioBytes_ || headBytes_ != 0)
        return refuse(); // no frames, or the last one cut short
    facts.frames = frames();
    facts.audioBytes = audioBytes_;
    facts.frameOffsets = seek_ == SeekTable::ByFrame ? &offsets_ : nullptr;
    facts.musicCrc = crc_;
    facts.variableBitRate = mixedRates_;
    const std::vector<unsigned char> tag = buildTagFrame(facts);
    return writeTagFrame(tag.data(), tag.size());
}

bool FrameWriter::writeTagFrame(const unsigned char *frame, size_t bytes)
{
    if (malformed_ || bytes == 0 || bytes != tagBytes_)
        return refuse();
    return file_->writeAt(int64_t(tagAt_), frame, bytes);
}

} // namespace trevisto::mp3frames
