#include "platform/bass/mp3_decoder.h"

#include "platform/bass/failure.h"
#include "platform/bass/mpeg_walk.h"

#include <mpg123.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
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
    int64_t base = 0; // where the decoder's view of the file starts
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
                const int64_t n = r->file->readAt(r->base + r->position, dst + done, count - done);
                if (n < 0)
                    return -1;
                done += static_cast<size_t>(n);
                r->position += n;
                break;
            }
            const int64_t n = r->file->readAt(r->base + r->position, r->buffer.data(), r->buffer.size());
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
        int64_t from = 0;
        if (whence == SEEK_CUR)
            from = r->position;
        else if (whence == SEEK_END)
            from = r->file->size() - r->base;
        else if (whence != SEEK_SET)
            return -1;
        const int64_t target = from + offset;
        if (target < 0)
            return -1;
        r->position = target;
        return static_cast<off_t>(target);
    }
};

struct HandleDeleter {
    void operator()(mpg123_handle *h) const
    {
        mpg123_close(h);
        mpg123_delete(h);
    }
};
using Handle = std::unique_ptr<mpg123_handle, HandleDeleter>;

// A handle on `reader` that puts out 16-bit samples at the stream's own rate and channel
// count, never anything else.
Handle newHandle(Reader &reader, long addFlags, long removeFlags)
{
    static std::once_flag once;
    std::call_once(once, [] { mpg123_init(); });
    int err = MPG123_OK;
    Handle handle(mpg123_new(nullptr, &err));
    if (!handle)
        throw Failure(err == MPG123_OUT_OF_MEM ? BASS_ERROR_MEM : BASS_ERROR_UNKNOWN);
    mpg123_handle *h = handle.get();
    // Quiet: a library must not write to the program's terminal.
    mpg123_param(h, MPG123_ADD_FLAGS, addFlags | MPG123_QUIET, 0);
    mpg123_param(h, MPG123_REMOVE_FLAGS, removeFlags | MPG123_AUTO_RESAMPLE, 0);
    mpg123_param(h, MPG123_RESYNC_LIMIT, kResyncLimit, 0);
    mpg123_format_none(h);
    const long *rates = nullptr;
    size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (size_t i = 0; i < rateCount; ++i)
        mpg123_format(h, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    reader.position = 0;
    reader.bufferBytes = 0;
    if (mpg123_replace_reader_handle(h, &Reader::read, &Reader::seek, nullptr) != MPG123_OK ||
        mpg123_open_handle(h, &reader) != MPG123_OK)
        throw Failure(BASS_ERROR_FILEFORM);
    return handle;
}

// Reads `bytes` of decoded output; fewer only at the end of the stream or past damage the
// decoder cannot get over.
size_t readDecoded(mpg123_handle *h, unsigned char *out, size_t bytes)
{
    size_t have = 0;
    while (have < bytes) {
        size_t done = 0;
        const int rc = mpg123_read(h, out + have, bytes - have, &done);
        have += done;
        if (rc != MPG123_OK && rc != MPG123_NEW_FORMAT)
            break;
    }
    return have;
}

// Where a stream decoded from its start stands, for the stretches to start from the same
// footing: the frames and what the gapless decode drops ahead of its first sample.
struct StreamPlan {
    Layer3Map map;
    uint64_t skipped = 0; // samples the gapless decode drops at the start
    long forceFlag = 0;   // the channel count the opening pinned
};

// Enough bytes ahead of a stretch's first frame for the bit reservoir, which reaches at
// most 511 bytes back, with room to spare.
constexpr int64_t kReservoirLead = 640;

// Decodes a long stream in stretches on several threads at once. Each stretch after the
// first is decoded by a decoder of its own from a frame some way before it, so that the bit
// reservoir, the transform's overlap and the synthesis filter's ring are filled as a decode
// from the start fills them; that frame lies a whole step of frames after the first frame
// the decode from the start decoded, since where the filters stand changes how their sums
// round. What it decodes before the stretch is dropped. The first stretch is decoded by the
// reader on the opening decoder itself, which is the decode from the start. The reader
// takes the stretches in order; workers run at most a few stretches ahead of it, so memory
// stays flat however long the stream is.
class StretchPipeline {
public:
    StretchPipeline(std::shared_ptr<SourceFile> file, const PcmFormat &format, uint64_t total, StreamPlan plan,
                    unsigned workers, uint64_t stretchFrames)
        : file_(std::move(file)), format_(format), total_(total), plan_(std::move(plan)),
          stretchFrames_(stretchFrames), stretches_((total + stretchFrames - 1) / stretchFrames),
          window_(workers + 1)
    {
        // The first stretch is the reader's own: it decodes it on the decoder the opening
        // made, while the workers take the next ones.
        next_ = current_ = 1;
        for (unsigned i = 0; i < workers; ++i)
            threads_.emplace_back([this] { work(); });
    }
    ~StretchPipeline()
    {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        changed_.notify_all();
        for (auto &t : threads_)
            t.join();
    }
    StretchPipeline(const StretchPipeline &) = delete;
    StretchPipeline &operator=(const StretchPipeline &) = delete;

    // Copies up to `frames` frames at the reader's position; 0 at the end. Returns -1
    // when a stretch could not be decoded whole: the caller decodes on by itself from
    // position().
    int64_t read(int16_t *out, size_t frames)
    {
        std::unique_lock lock(mutex_);
        if (current_ >= stretches_)
            return 0;
        changed_.wait(lock, [&] { return done_.count(current_) != 0; });
        Stretch &s = done_[current_];
        if (s.failed)
            return -1;
        const size_t n = std::min<size_t>(frames, s.frames - used_);
        std::memcpy(out, s.samples.data() + used_ * format_.channels, n * format_.frameBytes());
        used_ += n;
        if (used_ == s.frames) {
            // Its memory serves the next stretch: fresh memory costs a fault a page.
            spare_.push_back(std::move(s.samples));
            done_.erase(current_);
            used_ = 0;
            ++current_;
            lock.unlock();
            changed_.notify_all();
        }
        return int64_t(n);
    }

    uint64_t position() const { return current_ * stretchFrames_ + used_; }

private:
    struct Stretch {
        std::vector<int16_t> samples;
        size_t frames = 0;
        bool failed = false;
    };

    void work()
    {
        for (;;) {
            uint64_t index = 0;
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [&] { return stop_ || next_ >= stretches_ || next_ < current_ + window_; });
                if (stop_ || next_ >= stretches_)
                    return;
                index = next_++;
            }
            Stretch s;
            try {
                s = decode(index);
            } catch (...) {
                s.failed = true;
            }
            {
                std::lock_guard lock(mutex_);
                done_[index] = std::move(s);
            }
            changed_.notify_all();
        }
    }

    bool stopping()
    {
        std::lock_guard lock(mutex_);
        return stop_;
    }

    Stretch decode(uint64_t index)
    {
        Stretch s;
        {
            std::lock_guard lock(mutex_);
            if (!spare_.empty()) {
                s.samples = std::move(spare_.back());
                spare_.pop_back();
            }
        }
        const Layer3Map &map = plan_.map;
        const uint64_t first = index * stretchFrames_;
        const uint64_t want = std::min(stretchFrames_, total_ - first);
        // The stretch's first sample as the frames count it, before the gapless trim.
        const uint64_t raw = first + plan_.skipped;
        const uint64_t frame = raw / map.samplesPerFrame;
        // Start a whole step of frames early at least, and further back until the frames
        // between hold the reservoir's reach; never before the frame the decode from the
        // start began with.
        const uint64_t last = (frame - map.phase) / Layer3Map::kStep;
        uint64_t step = last > 0 ? last - 1 : 0;
        const auto payload = [&](uint64_t from) {
            return map.offsets[last] - map.offsets[from] -
                   int64_t((last - from) * Layer3Map::kStep * map.overheadBytes);
        };
        while (step > 0 && payload(step) < kReservoirLead)
            --step;
        const uint64_t start = map.phase + step * Layer3Map::kStep;

        Reader reader;
        reader.file = file_;
        reader.base = map.offsets[step];
        reader.buffer.resize(kReadAhead);
        // Raw frames: no info frame here to take the gapless trim from, and none to mistake
        // for one.
        Handle handle = newHandle(reader, plan_.forceFlag | MPG123_IGNORE_INFOFRAME, MPG123_GAPLESS);
        const size_t frameBytes = format_.frameBytes();
        std::vector<unsigned char> scratch(64 * 1024 / frameBytes * frameBytes);
        for (uint64_t drop = raw - start * map.samplesPerFrame; drop > 0;) {
            const size_t bytes = size_t(std::min<uint64_t>(drop * frameBytes, scratch.size()));
            const size_t got = readDecoded(handle.get(), scratch.data(), bytes);
            if (got != bytes)
                throw Failure(BASS_ERROR_FILEFORM);
            drop -= got / frameBytes;
        }
        s.samples.resize(want * format_.channels);
        auto *dst = reinterpret_cast<unsigned char *>(s.samples.data());
        // In pieces, so that a stop is not held up by a whole stretch.
        const size_t piece = 256 * 1024 / frameBytes * frameBytes;
        size_t have = 0;
        while (have < want * frameBytes) {
            if (stopping())
                throw Failure(BASS_ERROR_UNKNOWN);
            const size_t bytes = std::min(piece, want * frameBytes - have);
            const size_t got = readDecoded(handle.get(), dst + have, bytes);
            have += got;
            if (got < bytes)
                break;
        }
        if (reader.file->failed() || have != want * frameBytes)
            throw Failure(BASS_ERROR_FILEFORM);
        s.frames = want;
        return s;
    }

    std::shared_ptr<SourceFile> file_;
    const PcmFormat format_;
    const uint64_t total_;
    const StreamPlan plan_;
    const uint64_t stretchFrames_;
    const uint64_t stretches_;
    const uint64_t window_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::map<uint64_t, Stretch> done_;
    std::vector<std::vector<int16_t>> spare_; // the memory of stretches read
    uint64_t next_ = 1;    // the next stretch a worker takes
    uint64_t current_ = 1; // the stretch the reader is in
    size_t used_ = 0;      // frames of it already read
    bool stop_ = false;
    std::vector<std::thread> threads_;
};

class MpegDecoder final : public Decoder {
public:
    MpegDecoder(std::shared_ptr<SourceFile> file, const MpegOptions &options) : options_(options)
    {
        reader_.file = std::move(file);
        reader_.buffer.resize(kReadAhead);
    }
    void open()
    {
        handle_ = openHandle(&format_.rate, &format_.channels, &total_);
        format_.ctype = BASS_CTYPE_STREAM_MP3;
        fresh_ = true;
    }

    const PcmFormat &format() const override { return format_; }
    uint64_t totalFrames() const override { return total_; }

    size_t read(int16_t *out, size_t frames) override
    {
        if (fresh_) {
            fresh_ = false;
            startStretches();
        }
        if (pipeline_ && ownLeft_ > 0) {
            const size_t n = readHere(out, size_t(std::min<uint64_t>(frames, ownLeft_)));
            ownLeft_ -= n;
            if (n == 0) // ended before its measured length: as one thread would
                pipeline_.reset();
            return n;
        }
        if (pipeline_) {
            const int64_t n = pipeline_->read(out, frames);
            if (n >= 0)
                return size_t(n);
            // A stretch that did not decode whole: the rest is decoded here from the start,
            // exactly as if there had been no stretches.
            if (reader_.file->failed())
                throw Failure(BASS_ERROR_FILEOPEN);
            const uint64_t at = pipeline_->position();
            pipeline_.reset();
            restart();
            skip(at);
        }
        return readHere(out, frames);
    }

    void seek(uint64_t frame) override
    {
        pipeline_.reset();
        fresh_ = false;
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
        if (frame == 0) {
            fresh_ = true;
            return;
        }
        if (seekTo(static_cast<off_t>(frame)))
            return;
        restart();
        skip(frame);
    }

private:
    // Stretches pay off on a long, clean stream with more than one core to run them; any
    // other decodes from the start on one thread, as its sound depends on it.
    void startStretches()
    {
        const unsigned workers = options_.threads ? options_.threads : std::thread::hardware_concurrency();
        if (workers < 2 || options_.stretchFrames == 0 || total_ < 2 * options_.stretchFrames)
            return;
        if (!plan_) {
            plan_ = planStretches();
            // The walk read the file; the decoder reads on from where it was.
            reader_.bufferBytes = 0;
        }
        if (!plan_->has_value())
            return;
        pipeline_ = std::make_unique<StretchPipeline>(reader_.file, format_, total_, **plan_, workers,
                                                      options_.stretchFrames);
        ownLeft_ = options_.stretchFrames;
    }

    // The frames of the stream, when they are what the opening decoder takes them for: a
    // plain chain whose sample count, less the gapless trim, is the length it measured.
    std::optional<StreamPlan> planStretches()
    {
        const int spf = mpg123_spf(handle_.get());
        if (spf <= 0)
            return std::nullopt;
        StreamPlan plan;
        plan.forceFlag = format_.channels == 1 ? MPG123_FORCE_MONO : MPG123_FORCE_STEREO;
        long delay = -1, padding = -1;
        double unused = 0;
        mpg123_getstate(handle_.get(), MPG123_ENC_DELAY, &delay, &unused);
        mpg123_getstate(handle_.get(), MPG123_ENC_PADDING, &padding, &unused);
        const bool gapless = delay >= 0 && padding >= 0;
        // The decoder's own delay, which its gapless trim adds to the encoder's.
        constexpr uint64_t kDecoderDelay = 529;
        plan.skipped = gapless ? uint64_t(delay) + kDecoderDelay : 0;
        // A decode from the start begins with the frame that holds the first sample kept:
        // the frames before it are read for the reservoir but not decoded. Past one such
        // frame, what libmpg123 decodes ahead is not known here.
        const uint64_t firstDecoded = plan.skipped / uint64_t(spf);
        if (firstDecoded > 1)
            return std::nullopt;
        auto map = mapUnbrokenLayer3Stream(*reader_.file, firstDecoded);
        if (!map || map->samplesPerFrame != uint32_t(spf) || (gapless && !map->infoFrame))
            return std::nullopt;
        // Single-channel MPEG-2 and 2.5 keep some state across frames that a start at a
        // whole step of frames does not bring back where a decode from the start has it
        // (its sums round otherwise now and then); they decode on one thread.
        if (map->samplesPerFrame != 1152 && format_.channels == 1)
            return std::nullopt;
        const uint64_t raw = map->frames * map->samplesPerFrame;
        if (gapless) {
            const uint64_t end = std::min(raw, raw + kDecoderDelay - std::min<uint64_t>(uint64_t(padding), raw));
            if (end < plan.skipped || end - plan.skipped != total_)
                return std::nullopt;
        } else if (raw != total_) {
            return std::nullopt;
        }
        plan.map = std::move(*map);
        return plan;
    }

    size_t readHere(int16_t *out, size_t frames)
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

    // A handle on the reader at the start of the file, scanned, with its output format
    // set. The scan walks every frame header; with the encoder's info tag that gives the
    // exact sample count of the gapless stream, and it leaves the decoder at the first
    // sample.
    Handle openHandle(uint32_t *rateOut, uint32_t *channelsOut, uint64_t *totalOut)
    {
        Handle handle = newHandle(reader_, MPG123_GAPLESS, 0);
        mpg123_handle *h = handle.get();
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
            const size_t got = readHere(scratch.data(), static_cast<size_t>(std::min<uint64_t>(frames, 4096)));
            if (got == 0)
                return; // the data ends before the target; reads deliver nothing more
            frames -= got;
        }
    }

    const MpegOptions options_;
    Handle handle_;
    Reader reader_;
    PcmFormat format_;
    uint64_t total_ = 0;
    bool ended_ = false;
    unsigned char carry_[2 * kMaxChannels] = {};
    size_t carryBytes_ = 0;
    bool fresh_ = false; // at the start, nothing read since
    std::optional<std::optional<StreamPlan>> plan_; // walked once, on the first read that can use it
    std::unique_ptr<StretchPipeline> pipeline_;
    uint64_t ownLeft_ = 0; // frames of the first stretch still to decode here
};

} // namespace

std::unique_ptr<Decoder> openMpegDecoder(std::shared_ptr<SourceFile> file, const MpegOptions &options)
{
    auto decoder = std::make_unique<MpegDecoder>(std::move(file), options);
    decoder->open();
    return decoder;
}

} // namespace trevisto::bass
