#include "platform/bass/sndfile_decoder.h"

#include "platform/bass/failure.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace trevisto::bass {
namespace {

// Highest sample rate taken; anything above is a damaged header.
constexpr int kMaxRate = 768000;
// Frames decoded from the end of the stream to confirm its length.
constexpr sf_count_t kTailFrames = 8192;

// One open libsndfile reader with its own file position, so that several can share
// a file.
class SndReader {
public:
    explicit SndReader(std::shared_ptr<SourceFile> file) : file_(std::move(file))
    {
        SF_VIRTUAL_IO io{};
        io.get_filelen = [](void *user) -> sf_count_t { return static_cast<SndReader *>(user)->file_->size(); };
        io.seek = [](sf_count_t offset, int whence, void *user) -> sf_count_t {
            auto *r = static_cast<SndReader *>(user);
            const sf_count_t base = whence == SEEK_CUR ? r->position_ : whence == SEEK_END ? r->file_->size() : 0;
            if (base + offset < 0)
                return -1;
            r->position_ = base + offset;
            return r->position_;
        };
        io.read = [](void *out, sf_count_t count, void *user) -> sf_count_t {
            auto *r = static_cast<SndReader *>(user);
            const int64_t n = r->file_->readAt(r->position_, out, static_cast<size_t>(count));
            if (n < 0)
                return 0;
            r->position_ += n;
            return n;
        };
        io.write = [](const void *, sf_count_t, void *) -> sf_count_t { return 0; };
        io.tell = [](void *user) -> sf_count_t { return static_cast<SndReader *>(user)->position_; };

        sndfile_ = sf_open_virtual(&io, SFM_READ, &info_, this);
        if (!sndfile_)
            throw Failure(file_->failed() ? BASS_ERROR_FILEOPEN : BASS_ERROR_FILEFORM);
        // Floating-point sources may exceed full scale; clip instead of wrapping.
        sf_command(sndfile_, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    }
    ~SndReader()
    {
        if (sndfile_)
            sf_close(sndfile_);
    }
    SndReader(const SndReader &) = delete;
    SndReader &operator=(const SndReader &) = delete;

    const SF_INFO &info() const { return info_; }

    size_t read(int16_t *out, size_t frames)
    {
        const sf_count_t n = sf_readf_short(sndfile_, out, static_cast<sf_count_t>(frames));
        if (n <= 0 && file_->failed())
            throw Failure(BASS_ERROR_FILEOPEN);
        return n > 0 ? static_cast<size_t>(n) : 0;
    }

    // The frame the reader is at afterwards, or -1.
    sf_count_t seekTo(sf_count_t frame) { return sf_seek(sndfile_, frame, SEEK_SET); }

private:
    std::shared_ptr<SourceFile> file_;
    sf_count_t position_ = 0;
    SF_INFO info_{};
    SNDFILE *sndfile_ = nullptr;
};

uint32_t ctypeOf(const SF_INFO &info)
{
    const int subtype = info.format & SF_FORMAT_SUBMASK;
    switch (info.format & SF_FORMAT_TYPEMASK) {
    case SF_FORMAT_WAV:
    case SF_FORMAT_WAVEX:
    case SF_FORMAT_RF64:
        return BASS_CTYPE_STREAM_WAV;
    case SF_FORMAT_AIFF:
        return BASS_CTYPE_STREAM_AIFF;
    case SF_FORMAT_FLAC:
        return BASS_CTYPE_STREAM_FLAC;
    case SF_FORMAT_OGG:
        return subtype == SF_FORMAT_VORBIS ? BASS_CTYPE_STREAM_OGG : 0;
    default:
        return 0;
    }
}

class SndfileDecoder final : public Decoder {
public:
    explicit SndfileDecoder(std::shared_ptr<SourceFile> file)
        : file_(file), reader_(std::make_unique<SndReader>(std::move(file)))
    {
        const SF_INFO &info = reader_->info();
        format_.ctype = ctypeOf(info);
        if (format_.ctype == 0)
            throw Failure(BASS_ERROR_FILEFORM);
        if (info.channels < 1 || info.channels > static_cast<int>(kMaxChannels) || info.samplerate < 1 ||
            info.samplerate > kMaxRate)
            throw Failure(BASS_ERROR_FORMAT);
        format_.rate = static_cast<uint32_t>(info.samplerate);
        format_.channels = static_cast<uint32_t>(info.channels);
        total_ = measure(info.frames);
        if (total_ == 0)
            throw Failure(BASS_ERROR_FILEFORM);
    }

    const PcmFormat &format() const override { return format_; }
    uint64_t totalFrames() const override { return total_; }

    size_t read(int16_t *out, size_t frames) override
    {
        for (;;) {
            if (silence_ > 0) {
                const size_t n = static_cast<size_t>(std::min<uint64_t>(silence_, frames));
                std::memset(out, 0, n * format_.frameBytes());
                silence_ -= n;
                position_ += n;
                return n;
            }
            const size_t n = reader_->read(out, frames);
            position_ += n;
            if (n > 0 || position_ >= total_ || !skipDamage())
                return n;
        }
    }

    void seek(uint64_t frame) override
    {
        const auto target = static_cast<sf_count_t>(frame);
        if (reader_->seekTo(target) != target) {
            // The reader may be stuck on damage; a fresh one may still get there.
            auto fresh = std::make_unique<SndReader>(file_);
            if (fresh->seekTo(target) != target)
                throw Failure(file_->failed() ? BASS_ERROR_FILEOPEN : BASS_ERROR_ILLPARAM);
            reader_ = std::move(fresh);
        }
        position_ = frame;
        silence_ = 0;
    }

private:
    // libsndfile stops at damage in the middle of a FLAC or Ogg stream, while the
    // measured length counts the audio behind it. Resume decoding a little further
    // on and fill the skipped stretch with silence, so the damage costs a gap of the
    // same duration rather than the rest of the file.
    bool skipDamage()
    {
        // Resuming right at the stop only makes sense once per place.
        uint64_t skip = position_ == lastSkipAt_ ? kTailFrames : 0;
        lastSkipAt_ = position_;
        for (; position_ + skip < total_; skip = skip == 0 ? kTailFrames : skip * 2) {
            auto fresh = std::make_unique<SndReader>(file_);
            const auto target = static_cast<sf_count_t>(position_ + skip);
            if (fresh->seekTo(target) == target) {
                reader_ = std::move(fresh);
                silence_ = skip;
                return true;
            }
        }
        return false;
    }

private:
    // The header's frame count is a claim: a cut-off FLAC keeps the full count in its
    // stream info, and for a cut-off Ogg file libsndfile reports no count at all.
    // Decode the last stretch to see where the data really ends. When the claimed
    // end cannot be reached, a seek there either fails (step back further) or stops
    // at the real end (measure back from there).
    uint64_t measure(sf_count_t claimed)
    {
        std::vector<int16_t> scratch(static_cast<size_t>(kTailFrames) * format_.channels);
        sf_count_t back = kTailFrames;
        for (int attempt = 0; attempt < 64; ++attempt) {
            const sf_count_t start = claimed > back ? claimed - back : 0;
            // A fresh reader per attempt: a failed seek may leave a decoder unusable.
            SndReader probe(file_);
            if (start > 0) {
                const sf_count_t landed = probe.seekTo(start);
                if (landed >= 0 && landed < start) {
                    claimed = landed;
                    back = kTailFrames;
                    continue;
                }
                if (landed != start) {
                    back = back > claimed / 4 ? claimed : back * 4;
                    continue;
                }
            }
            return static_cast<uint64_t>(start) + countToEnd(probe, scratch);
        }
        SndReader probe(file_);
        return countToEnd(probe, scratch);
    }

    uint64_t countToEnd(SndReader &reader, std::vector<int16_t> &scratch)
    {
        uint64_t count = 0;
        while (size_t n = reader.read(scratch.data(), static_cast<size_t>(kTailFrames)))
            count += n;
        return count;
    }

    std::shared_ptr<SourceFile> file_;
    std::unique_ptr<SndReader> reader_;
    PcmFormat format_;
    uint64_t total_ = 0;
    uint64_t position_ = 0;   // frames delivered, silence included
    uint64_t silence_ = 0;    // frames of silence owed for skipped damage
    uint64_t lastSkipAt_ = UINT64_MAX;
};

} // namespace

std::unique_ptr<Decoder> openSndfileDecoder(std::shared_ptr<SourceFile> file)
{
    return std::make_unique<SndfileDecoder>(std::move(file));
}

} // namespace trevisto::bass
