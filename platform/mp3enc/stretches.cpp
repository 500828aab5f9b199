#include "platform/mp3enc/stretches.h"

#include "platform/io/systemreason.h"
#include "platform/io/writeall.h"
#include "platform/mp3enc/lamesetup.h"
#include "platform/mp3enc/threadnames.h"
#include "platform/mp3frames/framecutter.h"
#include "platform/mp3frames/frameheader.h"
#include "platform/mp3frames/framewriter.h"
#include "platform/mp3frames/reservoir.h"
#include "platform/resample/converter.h"
#include "platform/wav/wav.h"

#include <QCoreApplication>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace trevisto::mp3enc {

namespace {

using mp3frames::Frame;
using mp3frames::FrameHeader;

constexpr int64_t kBlockFrames = 1 << 16;
constexpr size_t kSpillBlock = 1 << 20;
constexpr auto kProgressPeriod = std::chrono::milliseconds(33);

struct Encoder {
    Q_DECLARE_TR_FUNCTIONS(Encoder)
};

// A file without a name beside the destination: nothing is left of it when it is closed,
// however the program ends.
class SpillFile {
public:
    SpillFile() = default;
    SpillFile(const SpillFile &) = delete;
    SpillFile &operator=(const SpillFile &) = delete;
    ~SpillFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }

    // 0, or the errno of the refused open.
    int open(const std::string &folder)
    {
        fd_ = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
        if (fd_ >= 0)
            return 0;
        // Not every file system has nameless files; a named one is unlinked at once.
        std::string name = folder + "/.trevisto-stretch-XXXXXX";
        fd_ = ::mkostemp(name.data(), O_CLOEXEC);
        if (fd_ < 0)
            return errno;
        ::unlink(name.c_str());
        return 0;
    }

    // Buffered appends; 0 or the errno of the refused write.
    int append(const unsigned char *data, size_t bytes)
    {
        buffer_.insert(buffer_.end(), data, data + bytes);
        size_ += bytes;
        return buffer_.size() >= kSpillBlock ? flush() : 0;
    }
    int flush()
    {
        const int e = buffer_.empty() ? 0 : io::writeFully(fd_, buffer_.data(), buffer_.size());
        buffer_.clear();
        return e;
    }
    uint64_t size() const { return size_; }
    // [offset, offset + bytes) of what was appended and flushed; 0 or an errno.
    int read(uint64_t offset, size_t bytes, unsigned char *out) const
    {
        while (bytes > 0) {
            const ssize_t n = ::pread(fd_, out, bytes, off_t(offset));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return n < 0 ? errno : EIO;
            out += n;
            offset += uint64_t(n);
            bytes -= size_t(n);
        }
        return 0;
    }

private:
    int fd_ = -1;
    std::vector<unsigned char> buffer_;
    uint64_t size_ = 0;
};

// What one stretch's thread leaves for the splicing.
struct StretchResult {
    SpillFile body;            // its kept frames but the last kSpliceFrames
    std::vector<Frame> tail;   // those last frames, repacked at the splice
    std::vector<unsigned char> carry; // the bytes its first kept frame reaches back for
    mp3frames::TagFrameFacts facts;   // the first stretch's, for the info frame
    bool cancelled = false;
    QString failure;
};

// Cuts LAME's output into frames and sends each where the plan wants it.
class StretchWorker {
public:
    StretchWorker(const StretchedEncoding &job, const Stretch &stretch, bool last, StretchResult &result,
                  std::atomic<int64_t> &fed, const std::atomic<bool> &stop)
        : job_(job), stretch_(stretch), last_(last), result_(result), fed_(fed), stop_(stop)
    {
    }

    void run();

private:
    bool encode(const void *samples, size_t frames);
    bool take(const unsigned char *data, size_t bytes);
    bool route(const unsigned char *frame, const FrameHeader &header);
    bool fail(const QString &why)
    {
        result_.failure = why;
        return false;
    }
    bool cannotSpill(int code)
    {
        return fail(Encoder::tr("Cannot write \"%1\": %2").arg(job_.destinationName, io::systemReason(code)));
    }

    const StretchedEncoding &job_;
    const Stretch &stretch_;
    const bool last_;
    StretchResult &result_;
    std::atomic<int64_t> &fed_;
    const std::atomic<bool> &stop_;

    Lame lame_{nullptr, lame_close};
    int channels_ = 0;
    bool direct_ = false;
    std::vector<unsigned char> mp3_;
    mp3frames::FrameCutter cutter_;
    int64_t nextFrame_ = 0;             // output index of the next frame LAME gives
    std::vector<unsigned char> recent_; // the warm-up frames' areas, their last bytes
};

bool StretchWorker::encode(const void *samples, size_t frames)
{
    const size_t need = frames * 5 / 4 + 7200; // LAME's own worst case
    if (mp3_.size() < need)
        mp3_.resize(need);
    const int room = int(std::min<size_t>(mp3_.size(), INT_MAX));
    lame_t gf = lame_.get();
    int n;
    // As the whole-input encoder calls it, so the stretches see the same samples.
    if (direct_) {
        auto *s = static_cast<short *>(const_cast<void *>(samples));
        n = channels_ == 2 ? lame_encode_buffer_interleaved(gf, s, int(frames), mp3_.data(), room)
                           : lame_encode_buffer(gf, s, s, int(frames), mp3_.data(), room);
    } else {
        const auto *f = static_cast<const float *>(samples);
        n = channels_ == 2 ? lame_encode_buffer_interleaved_ieee_float(gf, f, int(frames), mp3_.data(), room)
                           : lame_encode_buffer_ieee_float(gf, f, f, int(frames), mp3_.data(), room);
    }
    if (n < 0)
        return fail(Encoder::tr("The MP3 encoder failed on \"%1\" (error %2)").arg(job_.sourceName).arg(n));
    return take(mp3_.data(), size_t(n));
}

bool StretchWorker::take(const unsigned char *data, size_t bytes)
{
    bool routed = true;
    const bool cut = cutter_.feed(data, bytes, [this, &routed](const unsigned char *frame, const FrameHeader &h) {
        return routed = route(frame, h);
    });
    if (!cut && routed)
        return fail(Encoder::tr("The MP3 encoder failed on \"%1\" (error %2)").arg(job_.sourceName).arg(-1));
    return cut;
}

bool StretchWorker::route(const unsigned char *frame, const FrameHeader &h)
{
    const int64_t index = nextFrame_++;
    const size_t bytes = h.frameBytes();
    if (index < stretch_.firstFrame) {
        recent_.insert(recent_.end(), frame + h.mainDataOffset(), frame + bytes);
        const size_t keep = size_t(h.maxMainDataBegin());
        if (recent_.size() > 2 * keep)
            recent_.erase(recent_.begin(), recent_.end() - long(keep));
        return true;
    }
    if (index == stretch_.firstFrame) {
        if (stretch_.firstFrame == 0) {
            result_.facts.header = h;
        } else {
            const size_t reach = size_t(mp3frames::mainDataBegin(h, frame + 4 + (h.protectedByCrc ? 2 : 0)));
            if (reach > recent_.size())
                return fail(Encoder::tr("The MP3 encoder failed on \"%1\" (error %2)").arg(job_.sourceName).arg(-2));
            result_.carry.assign(recent_.end() - long(reach), recent_.end());
        }
    }
    if (!last_ && index >= stretch_.endFrame)
        return true; // made only so that the kept ones had real samples after them
    if (!last_ && index >= stretch_.endFrame - kSpliceFrames) {
        result_.tail.emplace_back(frame, frame + bytes);
        return true;
    }
    const int e = result_.body.append(frame, bytes);
    return e == 0 || cannotSpill(e);
}

void StretchWorker::run()
{
    wav::ReadError openError = wav::ReadError::None;
    int systemError = 0;
    const auto source = wav::File::open(job_.sourcePath, &openError, &systemError);
    if (!source) {
        fail(Encoder::tr("Cannot read \"%1\": %2")
                 .arg(job_.sourceName, QCoreApplication::translate("WavFile", wav::describe(openError))));
        return;
    }
    const wav::Format in = source->format();
    channels_ = in.channels;
    lame_ = newLame();
    if (!lame_) {
        fail(Encoder::tr("The MP3 encoder could not start (out of memory)"));
        return;
    }
    if (!setUpLame(lame_.get(), {channels_, job_.sampleRate, job_.bitRate})) {
        fail(Encoder::tr("The MP3 encoder refused %1 kbit/s at %2 Hz").arg(job_.bitRate).arg(job_.sampleRate));
        return;
    }
    nextFrame_ = stretch_.firstFrame - stretch_.warmUpFrames;
    direct_ = in.tag == wav::kTagPcm && in.bitsPerSample == 16 && std::endian::native == std::endian::little;
    std::unique_ptr<resample::Converter> converter;
    if (!direct_) {
        const wav::Format to{wav::kTagFloat, in.channels, in.sampleRate, 32};
        converter = resample::Converter::create(in, to);
        if (!converter) {
            fail(Encoder::tr("Cannot convert \"%1\"").arg(job_.sourceName));
            return;
        }
    }
    if (const int e = result_.body.open(job_.spillFolder)) {
        cannotSpill(e);
        return;
    }

    const size_t floatFrameBytes = size_t(in.channels) * sizeof(float);
    std::vector<unsigned char> raw(size_t(kBlockFrames) * in.blockAlign()), converted;
    for (int64_t done = stretch_.feedFrom; done < stretch_.feedTo;) {
        if (stop_.load(std::memory_order_relaxed)) {
            result_.cancelled = true;
            return;
        }
        int readError = 0;
        const int64_t got =
            source->readFrames(done, std::min(kBlockFrames, stretch_.feedTo - done), raw.data(), &readError);
        if (got <= 0) {
            fail(Encoder::tr("Cannot read \"%1\": %2")
                     .arg(job_.sourceName,
                          got < 0 ? io::systemReason(readError) : Encoder::tr("the file ended early")));
            return;
        }
        done += got;
        if (direct_) {
            if (!encode(raw.data(), size_t(got)))
                return;
        } else {
            converted.clear();
            if (!converter->process(raw.data(), size_t(got), converted)) {
                fail(Encoder::tr("Cannot convert \"%1\"").arg(job_.sourceName));
                return;
            }
            if (!encode(converted.data(), converted.size() / floatFrameBytes))
                return;
        }
        fed_.fetch_add(got, std::memory_order_relaxed);
    }
    if (mp3_.size() < 7200)
        mp3_.resize(7200);
    const int tail = lame_encode_flush(lame_.get(), mp3_.data(), int(mp3_.size()));
    if (tail < 0) {
        fail(Encoder::tr("The MP3 encoder failed at the end of \"%1\"").arg(job_.sourceName));
        return;
    }
    if (!take(mp3_.data(), size_t(tail)))
        return;
    if (cutter_.pending() > 0 || nextFrame_ <= stretch_.firstFrame || (!last_ && nextFrame_ < stretch_.endFrame)) {
        fail(Encoder::tr("The MP3 encoder failed at the end of \"%1\"").arg(job_.sourceName));
        return;
    }
    if (const int e = result_.body.flush()) {
        cannotSpill(e);
        return;
    }
    if (stretch_.firstFrame == 0) {
        lame_t gf = lame_.get();
        mp3frames::TagFrameFacts &f = result_.facts;
        f.encoder = encoderSettings(gf, job_.bitRate, job_.sampleRate);
        f.quality = encoderQuality(gf);
        f.delay = lame_get_encoder_delay(gf);
    }
}

} // namespace

StretchedOutcome encodeInStretches(const StretchedEncoding &job, io::AtomicFile &out, const std::atomic<bool> &cancel,
                                   const std::function<void(int)> &report)
{
    const size_t count = job.plan.size();
    std::vector<StretchResult> results(count);
    std::atomic<int64_t> fed{0};
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::condition_variable finished;
    size_t running = count;
    int64_t toFeed = 0;
    for (const Stretch &s : job.plan)
        toFeed += s.feedTo - s.feedFrom;

    std::vector<std::thread> threads;
    threads.reserve(count);
    for (size_t k = 0; k < count; ++k) {
        StretchResult &result = results[k];
        const Stretch &stretch = job.plan[k];
        const bool last = k + 1 == count;
        threads.emplace_back([&job, &result, &stretch, last, &fed, &stop, &mutex, &finished, &running] {
            // Nothing escapes the thread: every outcome is a result the splicing reads.
            try {
                StretchWorker(job, stretch, last, result, fed, stop).run();
            } catch (const std::bad_alloc &) {
                result.failure = Encoder::tr("Out of memory while encoding \"%1\"").arg(job.sourceName);
            } catch (...) {
                result.failure = Encoder::tr("The encoding of \"%1\" failed").arg(job.sourceName);
            }
            if (!result.failure.isEmpty())
                stop.store(true, std::memory_order_relaxed); // the others need not go on
            const std::lock_guard lock(mutex);
            --running;
            finished.notify_all();
        });
        nameThread(threads.back(), kStretchThreadName);
    }
    int lastPercent = -1;
    {
        std::unique_lock lock(mutex);
        while (running > 0) {
            finished.wait_for(lock, kProgressPeriod);
            if (cancel.load(std::memory_order_relaxed))
                stop.store(true, std::memory_order_relaxed);
            // The splicing and copying at the end are quick; 100 waits for them.
            const int percent = int(std::min<int64_t>(99, fed.load(std::memory_order_relaxed) * 100 / toFeed));
            if (percent != lastPercent) {
                lock.unlock();
                report(percent);
                lock.lock();
                lastPercent = percent;
            }
        }
    }
    for (std::thread &t : threads)
        t.join();
    if (cancel.load(std::memory_order_relaxed))
        return {false, true, {}};
    for (const StretchResult &r : results)
        if (!r.failure.isEmpty())
            return {false, false, r.failure};

    auto cannotWrite = [&job, &out] {
        return StretchedOutcome{false, false,
                                Encoder::tr("Cannot write \"%1\": %2")
                                    .arg(job.destinationName, io::systemReason(out.error()))};
    };
    auto encoderFailed = [&job] {
        return StretchedOutcome{false, false,
                                Encoder::tr("The MP3 encoder failed on \"%1\" (error %2)").arg(job.sourceName).arg(-1)};
    };
    // The info frame at the audio frames' bit rate where it holds the tag, as LAME writes
    // its own, so that the stream reads as constant bit rate.
    mp3frames::TagFrameFacts facts = results.front().facts;
    if (!out.isOpen())
        out = io::AtomicFile::create(job.destinationPath);
    mp3frames::FrameWriter writer(out, mp3frames::FrameWriter::SeekTable::Straight);
    if (!job.tag.empty() && !writer.writePrefix(job.tag.data(), job.tag.size()))
        return cannotWrite();
    if (!writer.begin(facts)) {
        if (writer.malformed())
            return {false, false, Encoder::tr("No info frame fits at %1 Hz").arg(job.sampleRate)};
        return cannotWrite();
    }
    auto put = [&writer, &cannotWrite, &encoderFailed](const unsigned char *data, size_t bytes) {
        return writer.appendFrames(data, bytes) ? std::optional<StretchedOutcome>()
               : writer.malformed()             ? encoderFailed()
                                                : cannotWrite();
    };
    std::vector<unsigned char> block(kSpillBlock);
    for (size_t k = 0; k < count; ++k) {
        if (cancel.load(std::memory_order_relaxed))
            return {false, true, {}};
        StretchResult &r = results[k];
        for (uint64_t at = 0; at < r.body.size();) {
            const size_t n = size_t(std::min<uint64_t>(block.size(), r.body.size() - at));
            if (const int e = r.body.read(at, n, block.data()))
                return {false, false,
                        Encoder::tr("Cannot write \"%1\": %2").arg(job.destinationName, io::systemReason(e))};
            if (const auto failed = put(block.data(), n))
                return *failed;
            at += n;
        }
        if (k + 1 < count) {
            const std::vector<unsigned char> &carry = results[k + 1].carry;
            if (job.refuseSplices || !mp3frames::spliceReservoir(r.tail, carry.data(), carry.size()))
                return {false, false, {}, true};
            for (const Frame &f : r.tail)
                if (const auto failed = put(f.data(), f.size()))
                    return *failed;
        }
    }
    const int spf = mp3frames::samplesPerFrame(mp3frames::versionForRate(job.sampleRate));
    const int64_t samples = job.plan.back().feedTo;
    const int64_t padding = int64_t(writer.frames()) * spf - facts.delay - samples;
    if (padding < 0 || padding > 4095)
        return {false, false, Encoder::tr("The MP3 encoder failed at the end of \"%1\"").arg(job.sourceName)};
    facts.padding = int(padding);
    if (!writer.writeTagFrame(facts)) {
        if (writer.malformed())
            return {false, false, Encoder::tr("The MP3 encoder gave no info frame for \"%1\"").arg(job.destinationName)};
        return cannotWrite();
    }
    return {true, false, {}};
}

} // namespace trevisto::mp3enc
