#include "platform/bass/mp3_decoder.h"

#include "platform/bass/failure.h"

#include <mpg123.h>

#include <algorithm>
#include <memory>
#include <cstring>
#include <mutex>
#include <vector>

namespace trevisto::bass {
namespace {

// Bytes of junk libmpg123 may skip to find the next frame, at the start or after
// damage in the middle. Wider windows only let it mistake more noise for frames.
constexpr long kResyncLimit = 16 * 1024;
// Read-ahead for libmpg123, which otherwise asks for a few hundred bytes at a time.
constexpr size_t kReadAhead = 64 * 1024;

// libmpg123 reads through these callbacks, so that read errors are told apart from
// the end of the file, and reads are batched.
struct Reader {
    std::shared_ptr<SourceFile> file;
    int64_t position = 0;
    std::vector<unsigned char> buffer;
    int64_t bufferStart = 0;
    size_t bufferBytes = 0;

    static mpg123_ssize_t read(void *handle, void *out, size_t count)
    {
        auto *r = static_cast<Reader *>(handle);
        auto *dst = static_cast<unsigned char *>(out);
        size_t done = 0;
        while (done < count) {
            const int64_t inBuffer = r->position - r->bufferStart;
            if (inBuffer >= 0 && inBuffer < static_cast<int64_t>(r->bufferBytes)) {
                const size_t n = std::min(count - done, r->bufferBytes - static_cast<size_t>(inBuffer));
                std::memcpy(dst + done, r->buffer.data() + inBuffer, n);
                done += n;
                r->position += static_cast<int64_t>(n);
                continue;
            }
            if (count - done >= r->buffer.size()) { // large request: skip the copy
                const int64_t n = r->file->readAt(r->position, dst + done, count - done);
                if (n < 0)
                    return -1;
                done += static_cast<size_t>(n);
                r->position += n;
                break;
            }
            const int64_t n = r->file->readAt(r->position, r->buffer.data(), r->buffer.size());
            if (n < 0)
                return -1;
            r->bufferStart = r->position;
            r->bufferBytes = static_cast<size_t>(n);
            if (n == 0)
                break;
        }
        return static_cast<mpg123_ssize_t>(done);
    }

    static off_t seek(void *handle, off_t offset, int whence)
    {
        auto *r = static_cast<Reader *>(handle);
        int64_t base = 0;
        if (whence == SEEK_CUR)
            base = r->position;
        else if (whence == SEEK_END)
            base = r->file->size();
        else if (whence != SEEK_SET)
            return -1;
        const int64_t target = base + offset;
        if (target < 0)
            return -1;
        r->position = target;
        return static_cast<off_t>(target);
    }
};

class MpegDecoder final : public Decoder {
public:
    explicit MpegDecoder(std::shared_ptr<SourceFile> file)
    {
        reader_.file = std::move(file);
        reader_.buffer.resize(kReadAhead);
    }
    void open()
    {
        static std::once_flag once;
        std::call_once(once, [] { mpg123_init(); });
        handle_ = openHandle(&format_.rate, &format_.channels, &total_);
        format_.ctype = BASS_CTYPE_STREAM_MP3;
    }

    const PcmFormat &format() const override { return format_; }
    uint64_t totalFrames() const override { return total_; }

    size_t read(int16_t *out, size_t frames) override
    {
        auto *dst = reinterpret_cast<unsigned char *>(out);
        const size_t frameBytes = format_.frameBytes();
        const size_t want = frames * frameBytes;
        size_t have = std::min(carryBytes_, want);
        std::memcpy(dst, carry_, have);
        std::memmove(carry_, carry_ + have, carryBytes_ - have);
        carryBytes_ -= have;

        while (have < want && !ended_) {
            size_t done = 0;
            const int rc = mpg123_read(handle_.get(), dst + have, want - have, &done);
            have += done;
            if (rc == MPG123_OK)
                continue;
            // Expected once at the start, with no data. Later it means a frame with
            // another rate, mostly a damaged header: its samples are taken as they
            // are (the channel count is pinned), so one bad frame costs a blip
            // rather than the rest of the stream.
            if (rc == MPG123_NEW_FORMAT)
                continue;
            if (reader_.file->failed())
                throw Failure(BASS_ERROR_FILEOPEN);
            ended_ = true; // MPG123_DONE, or damage the decoder cannot get past
        }

        // Decoded output comes in whole frames; keep any odd tail for the next read.
        const size_t whole = have - have % frameBytes;
        carryBytes_ = have - whole;
        std::memcpy(carry_, dst + whole, carryBytes_);
        return whole / frameBytes;
    }

    void seek(uint64_t frame) override
    {
        // On damaged streams libmpg123's output after a seek depends on what it decoded
        // before: a header that changes the MPEG version (576 against 1152 samples per
        // frame) leaves its sample-to-frame factor and its bit reservoir behind. A seek
        // can then land elsewhere while reporting where it landed, and even a rewind that
        // lands right can play another sound than the first pass did. So a rewind starts
        // over on a new handle, exactly as the opening did, and replays the same start. A
        // seek elsewhere that misses starts over too and seeks from the opening's state,
        // or decodes up to the target should even that miss.
        if (frame != 0 && seekTo(static_cast<off_t>(frame)))
            return;
        restart();
        if (frame == 0 || seekTo(static_cast<off_t>(frame)))
            return;
        restart();
        skip(frame);
    }

private:
    struct HandleDeleter {
        void operator()(mpg123_handle *h) const
        {
            mpg123_close(h);
            mpg123_delete(h);
        }
    };
    using Handle = std::unique_ptr<mpg123_handle, HandleDeleter>;

    // A handle on the reader at the start of the file, scanned, with its output format
    // set. The scan walks every frame header; with the encoder's info tag that gives the
    // exact sample count of the gapless stream, and it leaves the decoder at the first
    // sample.
    Handle openHandle(uint32_t *rateOut, uint32_t *channelsOut, uint64_t *totalOut)
    {
        int err = MPG123_OK;
        Handle handle(mpg123_new(nullptr, &err));
        if (!handle)
            throw Failure(err == MPG123_OUT_OF_MEM ? BASS_ERROR_MEM : BASS_ERROR_UNKNOWN);
        mpg123_handle *h = handle.get();
        // Quiet: a library must not write to the program's terminal.
        mpg123_param(h, MPG123_ADD_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0);
        mpg123_param(h, MPG123_REMOVE_FLAGS, MPG123_AUTO_RESAMPLE, 0);
        mpg123_param(h, MPG123_RESYNC_LIMIT, kResyncLimit, 0);

        // 16-bit output at the stream's own rate and channel count, never anything else.
        mpg123_format_none(h);
        const long *rates = nullptr;
        size_t rateCount = 0;
        mpg123_rates(&rates, &rateCount);
        for (size_t i = 0; i < rateCount; ++i)
            mpg123_format(h, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);

        reader_.position = 0;
        if (mpg123_replace_reader_handle(h, &Reader::read, &Reader::seek, nullptr) != MPG123_OK ||
            mpg123_open_handle(h, &reader_) != MPG123_OK)
            throw Failure(BASS_ERROR_FILEFORM);
        if (mpg123_scan(h) != MPG123_OK)
            throw Failure(reader_.file->failed() ? BASS_ERROR_FILEOPEN : BASS_ERROR_FILEFORM);

        long rate = 0;
        int channels = 0;
        int encoding = 0;
        if (mpg123_getformat(h, &rate, &channels, &encoding) != MPG123_OK || rate <= 0 ||
            (channels != 1 && channels != 2) || encoding != MPG123_ENC_SIGNED_16)
            throw Failure(BASS_ERROR_FILEFORM);

        // Keep the first frame's channel count should the stream change it later
        // (mixed down or doubled). Every rate stays allowed, so no frame ever lacks
        // an output format (libmpg123 reports that on stderr, quiet flag or not).
        mpg123_param(h, MPG123_ADD_FLAGS, channels == 1 ? MPG123_FORCE_MONO : MPG123_FORCE_STEREO, 0);

        const off_t samples = mpg123_length(h);
        if (samples <= 0)
            throw Failure(BASS_ERROR_FILEFORM);
        *rateOut = static_cast<uint32_t>(rate);
        *channelsOut = static_cast<uint32_t>(channels);
        *totalOut = static_cast<uint64_t>(samples);
        return handle;
    }

    // Starts over on a new handle; the file must still hold the stream the channel was
    // made for.
    void restart()
    {
        handle_.reset();
        reader_.bufferBytes = 0; // read the file afresh
        PcmFormat format;
        uint64_t total = 0;
        handle_ = openHandle(&format.rate, &format.channels, &total);
        if (format.rate != format_.rate || format.channels != format_.channels)
            throw Failure(BASS_ERROR_FILEFORM);
        carryBytes_ = 0;
        ended_ = false;
    }

    // True when libmpg123 reports the decoder at `target`; false when it landed
    // elsewhere.
    bool seekTo(off_t target)
    {
        const off_t landed = mpg123_seek(handle_.get(), target, SEEK_SET);
        if (landed < 0)
            throw Failure(reader_.file->failed() ? BASS_ERROR_FILEOPEN : BASS_ERROR_ILLPARAM);
        carryBytes_ = 0;
        ended_ = false;
        return landed == target;
    }

    void skip(uint64_t frames)
    {
        std::vector<int16_t> scratch(4096 * format_.channels);
        while (frames > 0) {
            const size_t got = read(scratch.data(), static_cast<size_t>(std::min<uint64_t>(frames, 4096)));
            if (got == 0)
                return; // the data ends before the target; reads deliver nothing more
            frames -= got;
        }
    }

    Handle handle_;
    Reader reader_;
    PcmFormat format_;
    uint64_t total_ = 0;
    bool ended_ = false;
    unsigned char carry_[2 * kMaxChannels] = {};
    size_t carryBytes_ = 0;
};

} // namespace

std::unique_ptr<Decoder> openMpegDecoder(std::shared_ptr<SourceFile> file)
{
    auto decoder = std::make_unique<MpegDecoder>(std::move(file));
    decoder->open();
    return decoder;
}

} // namespace trevisto::bass
