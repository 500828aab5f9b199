#include "platform/mp3enc/mp3encoder.h"

#include "platform/drive/drive.h"
#include "platform/io/atomicfile.h"
#include "platform/io/systemreason.h"
#include "platform/mp3enc/lamesetup.h"
#include "platform/mp3enc/stretches.h"
#include "platform/mp3enc/threadnames.h"
#include "platform/mp3frames/framewriter.h"
#include "platform/resample/converter.h"
#include "platform/wav/wav.h"

#include <lame/lame.h>

#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

namespace trevisto::mp3enc {

namespace {

// Large blocks keep the per-call overhead of reading and encoding out of the picture;
// 64 Ki frames of 16-bit stereo is 256 KiB.
constexpr int64_t kBlockFrames = 1 << 16;
constexpr auto kProgressPeriod = std::chrono::milliseconds(33);

// The texts this file shows, under one translation context.
struct Encoder {
    Q_DECLARE_TR_FUNCTIONS(Encoder)
};

QString systemError(int code)
{
    return io::systemReason(code);
}

} // namespace

struct Mp3Encoder::Outcome {
    bool ok = false;
    QString reason; // when not ok
};

// One encoding. Everything here except `cancel` belongs to the worker while it runs and
// to the object's thread before and after.
struct Mp3Encoder::Job {
    std::unique_ptr<wav::File> source;
    QString sourceName, destinationName; // as given, for messages
    io::AtomicFile file; // beside the destination
    int sampleRate = 0;
    int bitRate = 0;
    QString note; // reason() after a success
    std::atomic<bool> cancel{false};
    StretchedEncoding stretched; // when its plan is not empty, the input is encoded in stretches
    std::vector<unsigned char> tag; // the ID3v2 tag in front of the frames, when any

    Outcome run(const std::function<void(int)> &report);

private:
    bool startLame();
    bool encodeBlock(void *samples, size_t frames);
    bool finishStream();
    bool put(const unsigned char *data, size_t bytes);
    bool decideTag();
    bool writeTag();
    bool cannotWrite(int code);
    bool cannotWrite();

    Lame lame_{nullptr, lame_close};
    bool direct_ = false; // 16-bit samples go to LAME as they lie in the file
    std::vector<unsigned char> mp3_;
    QString failure_;

    // LAME reserves the first frame for its info tag only when the tag fits in a frame
    // of the chosen bit rate; otherwise we reserve a larger frame and write the tag
    // ourselves. Which case applies shows once LAME has encoded a frame, so the output
    // up to then is held back.
    std::optional<mp3frames::FrameWriter> writer_;
    mp3frames::TagFrameFacts shape_; // of our own info frame
    bool decided_ = false, ownTag_ = false;
    std::vector<unsigned char> pending_;
};

bool Mp3Encoder::Job::cannotWrite(int code)
{
    failure_ = Encoder::tr("Cannot write \"%1\": %2").arg(destinationName, systemError(code));
    return false;
}

// A write that failed, or output of the encoder that is no frames.
bool Mp3Encoder::Job::cannotWrite()
{
    if (writer_->malformed()) {
        failure_ = Encoder::tr("The MP3 encoder failed on \"%1\" (error %2)").arg(sourceName).arg(-1);
        return false;
    }
    return cannotWrite(file.error());
}

bool Mp3Encoder::Job::startLame()
{
    lame_ = newLame();
    if (!lame_) {
        failure_ = Encoder::tr("The MP3 encoder could not start (out of memory)");
        return false;
    }
    if (!setUpLame(lame_.get(), {int(source->format().channels), sampleRate, bitRate, true})) {
        failure_ = Encoder::tr("The MP3 encoder refused %1 kbit/s at %2 Hz").arg(bitRate).arg(sampleRate);
        return false;
    }
    writer_.emplace(file, mp3frames::FrameWriter::SeekTable::Straight);
    if (!tag.empty() && !writer_->writePrefix(tag.data(), tag.size()))
        return cannotWrite(file.error());
    return true;
}

// `samples`: 16-bit frames as in the file when direct_, else float frames.
bool Mp3Encoder::Job::encodeBlock(void *samples, size_t frames)
{
    const size_t need = frames * 5 / 4 + 7200; // LAME's own worst case
    if (mp3_.size() < need)
        mp3_.resize(need);
    const int room = int(std::min<size_t>(mp3_.size(), INT_MAX));
    lame_t gf = lame_.get();
    const bool stereo = source->format().channels == 2;
    int n;
    // The interleaved calls always read two channels, so mono goes through the
    // two-buffer calls with the same buffer twice (LAME uses only the first).
    if (direct_) {
        auto *s = static_cast<short *>(samples);
        n = stereo ? lame_encode_buffer_interleaved(gf, s, int(frames), mp3_.data(), room)
                   : lame_encode_buffer(gf, s, s, int(frames), mp3_.data(), room);
    } else {
        const auto *f = static_cast<const float *>(samples);
        n = stereo ? lame_encode_buffer_interleaved_ieee_float(gf, f, int(frames), mp3_.data(), room)
                   : lame_encode_buffer_ieee_float(gf, f, f, int(frames), mp3_.data(), room);
    }
    if (n < 0) {
        failure_ = Encoder::tr("The MP3 encoder failed on \"%1\" (error %2)").arg(sourceName).arg(n);
        return false;
    }
    if (!put(mp3_.data(), size_t(n)))
        return false;
    return decided_ || lame_get_frameNum(gf) == 0 || decideTag();
}

bool Mp3Encoder::Job::put(const unsigned char *data, size_t bytes)
{
    if (!decided_) {
        pending_.insert(pending_.end(), data, data + bytes);
        return true;
    }
    return writer_->appendFrames(data, bytes) || cannotWrite();
}

// The info frame's room goes first: LAME's own frame, which it made at the start of its
// output and fills in at the end, or a larger one of ours.
bool Mp3Encoder::Job::decideTag()
{
    decided_ = true;
    // Asked with no room, LAME answers with its tag's size, or 0 when it has none.
    const size_t lameTag = lame_get_lametag_frame(lame_.get(), nullptr, 0);
    ownTag_ = lameTag == 0;
    const auto first = pending_.size() >= 4 ? mp3frames::FrameHeader::parse(pending_.data()) : std::nullopt;
    size_t skip = 0;
    if (ownTag_) {
        if (first) {
            shape_.header = *first;
            shape_.header.bitRateIndex = 0; // the smallest frame that holds the tag
        }
        if (!first || !writer_->begin(shape_)) {
            if (!first || writer_->malformed()) {
                failure_ = Encoder::tr("No info frame fits at %1 Hz").arg(sampleRate);
                return false;
            }
            return cannotWrite(file.error());
        }
    } else {
        if (!first || first->frameBytes() != lameTag || pending_.size() < lameTag) {
            failure_ = Encoder::tr("The MP3 encoder gave no info frame for \"%1\"").arg(destinationName);
            return false;
        }
        if (!writer_->begin(lameTag))
            return cannotWrite(file.error());
        skip = lameTag;
    }
    const std::vector<unsigned char> held = std::move(pending_);
    pending_.clear();
    return put(held.data() + skip, held.size() - skip);
}

bool Mp3Encoder::Job::finishStream()
{
    if (mp3_.size() < 7200)
        mp3_.resize(7200);
    const int tail = lame_encode_flush(lame_.get(), mp3_.data(), int(mp3_.size()));
    if (tail < 0) {
        failure_ = Encoder::tr("The MP3 encoder failed at the end of \"%1\"").arg(sourceName);
        return false;
    }
    return put(mp3_.data(), size_t(tail)) && (decided_ || decideTag()) && writeTag();
}

// The delay, padding and frame count are known only at the end; the frame reserved at
// the start of the stream is overwritten with the finished tag.
bool Mp3Encoder::Job::writeTag()
{
    lame_t gf = lame_.get();
    if (ownTag_) {
        mp3frames::TagFrameFacts facts = shape_;
        facts.encoder = encoderSettings(gf, bitRate, sampleRate);
        facts.quality = encoderQuality(gf);
        facts.delay = lame_get_encoder_delay(gf);
        facts.padding = lame_get_encoder_padding(gf);
        if (writer_->writeTagFrame(facts))
            return true;
    } else {
        std::vector<unsigned char> tag(lame_get_lametag_frame(gf, nullptr, 0));
        if (!tag.empty() && lame_get_lametag_frame(gf, tag.data(), tag.size()) == tag.size()) {
            if (writer_->writeTagFrame(tag.data(), tag.size()))
                return true;
        }
    }
    if (!writer_->malformed())
        return cannotWrite(file.error());
    failure_ = Encoder::tr("The MP3 encoder gave no info frame for \"%1\"").arg(destinationName);
    return false;
}

Mp3Encoder::Outcome Mp3Encoder::Job::run(const std::function<void(int)> &report)
{
    auto failed = [this] { return Outcome{false, failure_}; };
    if (!stretched.plan.empty()) {
        const StretchedOutcome done = encodeInStretches(stretched, file, cancel, report);
        if (done.cancelled)
            return Outcome{false, QStringLiteral("cancelled")};
        if (done.ok) {
            if (!file.close()) {
                cannotWrite(file.error());
                return failed();
            }
            report(100);
            return Outcome{true, {}};
        }
        if (!done.spliceRefused)
            return Outcome{false, done.failure};
        if (!file.isOpen() && !(file = io::AtomicFile::create(stretched.destinationPath)).isOpen()) {
            cannotWrite(file.error());
            return failed();
        }
        // Rare: frames too full on both sides of a splice. The whole input then goes
        // through one encoder, as a short one does, over what was written so far.
        if (::ftruncate(file.fd(), 0) != 0 || ::lseek(file.fd(), 0, SEEK_SET) != 0) {
            cannotWrite(errno);
            return failed();
        }
        stretched.plan.clear();
    }
    if (!startLame())
        return failed();

    const wav::Format in = source->format();
    direct_ = in.tag == wav::kTagPcm && in.bitsPerSample == 16 && int(in.sampleRate) == sampleRate &&
              std::endian::native == std::endian::little;
    // Everything else is turned into float at the MP3's rate first.
    std::unique_ptr<resample::Converter> converter;
    if (!direct_) {
        const wav::Format to{wav::kTagFloat, in.channels, uint32_t(sampleRate), 32};
        std::string why;
        converter = resample::Converter::create(in, to, &why);
        if (!converter)
            return Outcome{false, Encoder::tr("Cannot convert \"%1\": %2")
                                      .arg(sourceName, QCoreApplication::translate("Converter", why.c_str()))};
    }
    const QString cannotConvert = Encoder::tr("Cannot convert \"%1\"").arg(sourceName);
    const size_t floatFrameBytes = size_t(in.channels) * sizeof(float);
    std::vector<unsigned char> raw(size_t(kBlockFrames) * in.blockAlign()), converted;

    const int64_t total = source->info().frames;
    int lastPercent = -1;
    auto lastReport = std::chrono::steady_clock::now() - kProgressPeriod;
    for (int64_t done = 0; done < total;) {
        if (cancel.load(std::memory_order_relaxed))
            return Outcome{false, QStringLiteral("cancelled")};
        int readError;
        const int64_t got = source->readFrames(done, std::min(kBlockFrames, total - done), raw.data(), &readError);
        if (got <= 0)
            return Outcome{false, Encoder::tr("Cannot read \"%1\": %2")
                                      .arg(sourceName, got < 0 ? systemError(readError)
                                                               : Encoder::tr("the file ended early"))};
        done += got;
        if (direct_) {
            if (!encodeBlock(raw.data(), size_t(got)))
                return failed();
        } else {
            converted.clear();
            if (!converter->process(raw.data(), size_t(got), converted))
                return Outcome{false, cannotConvert};
            if (!encodeBlock(converted.data(), converted.size() / floatFrameBytes))
                return failed();
        }
        const int percent = int(done * 100 / total);
        const auto now = std::chrono::steady_clock::now();
        if (percent != lastPercent && now - lastReport >= kProgressPeriod) {
            report(percent);
            lastPercent = percent;
            lastReport = now;
        }
    }
    if (converter) {
        converted.clear();
        if (!converter->finish(converted))
            return Outcome{false, cannotConvert};
        if (!converted.empty() && !encodeBlock(converted.data(), converted.size() / floatFrameBytes))
            return failed();
    }
    if (!finishStream())
        return failed();

    if (!file.close()) {
        cannotWrite(file.error());
        return failed();
    }
    if (lastPercent != 100)
        report(100);
    return Outcome{true, {}};
}

Mp3Encoder::Mp3Encoder(QObject *parent) : QObject(parent) {}

Mp3Encoder::~Mp3Encoder()
{
    cancel();
}

int Mp3Encoder::carriedSampleRate(int inputRate)
{
    // The lower of two rates as near wins.
    int best = 0;
    for (const auto &row : mp3frames::kSampleRates)
        for (int rate : row)
            if (best == 0 || std::abs(int64_t(rate) - inputRate) < std::abs(int64_t(best) - inputRate) ||
                (std::abs(int64_t(rate) - inputRate) == std::abs(int64_t(best) - inputRate) && rate < best))
                best = rate;
    return best;
}

int Mp3Encoder::carriedBitRate(int sampleRate, int kbps)
{
    const mp3frames::MpegVersion version = mp3frames::versionForRate(sampleRate);
    int best = mp3frames::bitRateAt(version, 1);
    for (int i = 1; i <= highestBitRateIndex(version); ++i) {
        const int rate = mp3frames::bitRateAt(version, i);
        if (std::abs(int64_t(rate) - kbps) < std::abs(int64_t(best) - kbps))
            best = rate;
    }
    return best;
}

qint16 Mp3Encoder::refuse(Start code, const QString &why)
{
    if (code != Busy)
        status_ = Failed;
    reason_ = why;
    return code;
}

qint16 Mp3Encoder::encode(const QString &sourceWav, const QString &destMp3)
{
    if (job_)
        return refuse(Busy, Encoder::tr("An encoding is already running; \"%1\" was not started").arg(destMp3));
    if (destMp3.isEmpty())
        return refuse(NoDestination, Encoder::tr("No file name was given for the MP3 file"));

    wav::ReadError error = wav::ReadError::None;
    auto source = wav::File::open(drive::toNative(sourceWav.toStdString()), &error);
    if (!source) {
        const QString why = Encoder::tr("Cannot read \"%1\": %2")
                                .arg(sourceWav, QCoreApplication::translate("WavFile", wav::describe(error)));
        return refuse(error == wav::ReadError::UnsupportedFormat ? SourceUnsupported : SourceUnreadable, why);
    }
    const wav::Format format = source->format();
    if (format.channels > 2)
        return refuse(SourceUnsupported, Encoder::tr("Cannot encode \"%1\": it has %2 channels and MP3 holds "
                                                      "at most two")
                                             .arg(sourceWav)
                                             .arg(format.channels));

    auto job = std::make_unique<Job>();
    job->source = std::move(source);
    job->sourceName = sourceWav;
    job->destinationName = destMp3;
    job->sampleRate = carriedSampleRate(int(format.sampleRate));
    job->bitRate = carriedBitRate(job->sampleRate, bitRate_);
    job->tag = tag_;

    QStringList notes;
    if (job->sampleRate != int(format.sampleRate))
        notes << Encoder::tr("%1 Hz is not possible in MP3; encoded at %2 Hz")
                     .arg(format.sampleRate)
                     .arg(job->sampleRate);
    if (job->bitRate != bitRate_)
        notes << Encoder::tr("%1 kbit/s is not possible at %2 Hz; encoded at %3 kbit/s")
                     .arg(bitRate_)
                     .arg(job->sampleRate)
                     .arg(job->bitRate);
    job->note = notes.join(QStringLiteral("; "));
    status_ = Running;
    reason_ = job->note;
    effectiveBitRate_ = job->bitRate;
    effectiveSampleRate_ = job->sampleRate;
    threadsUsed_ = 1;

    {
        const std::lock_guard lock(mailMutex_);
        mailedPercent_ = -1;
        mailedOutcome_.reset();
    }
    auto failNow = [&](const QString &why) {
        job_ = std::move(job);
        mail(-1, std::make_unique<Outcome>(Outcome{false, why}));
        return Started;
    };
    job->file = io::AtomicFile::create(drive::toNative(destMp3.toStdString()));
    if (!job->file.isOpen()) {
        const int code = job->file.error();
        return failNow(code == EISDIR ? Encoder::tr("Cannot write \"%1\": it is a folder").arg(destMp3)
                                      : Encoder::tr("Cannot write \"%1\": %2").arg(destMp3, systemError(code)));
    }

    if (int(format.sampleRate) == job->sampleRate) {
        const int spf = mp3frames::samplesPerFrame(mp3frames::versionForRate(job->sampleRate));
        StretchedEncoding &s = job->stretched;
        s.plan = planStretches(job->source->info().frames, job->sampleRate, spf, splitRules_);
        s.refuseSplices = splitRules_.refuseSplices;
        s.tag = tag_;
        s.sourcePath = drive::toNative(sourceWav.toStdString());
        s.sourceName = sourceWav;
        s.destinationName = destMp3;
        s.sampleRate = job->sampleRate;
        s.bitRate = job->bitRate;
        const std::filesystem::path folder = std::filesystem::path(job->file.temporaryPath()).parent_path();
        s.spillFolder = (folder.empty() ? std::filesystem::path(".") : folder).string();
        s.destinationPath = drive::toNative(destMp3.toStdString());
        // The file was made to find out now whether it can be; the stretches make it
        // again once they are done, so that no empty file waits beside the destination
        // while they run.
        if (s.plan.size() >= 2)
            job->file.discard();
    }
    threadsUsed_ = std::max<int>(1, int(job->stretched.plan.size()));

    job_ = std::move(job);
    Job *running = job_.get();
    worker_ = std::thread([this, running] {
        auto outcome = std::make_unique<Outcome>();
        try {
            *outcome = running->run([this](int percent) { mail(percent, nullptr); });
        } catch (const std::bad_alloc &) {
            *outcome = Outcome{false, Encoder::tr("Out of memory while encoding \"%1\"").arg(running->sourceName)};
        } catch (...) {
            *outcome = Outcome{false, Encoder::tr("The encoding of \"%1\" failed").arg(running->sourceName)};
        }
        mail(-1, std::move(outcome));
    });
    nameThread(worker_, kJobThreadName);
    return Started;
}

// Called from the worker (and from encode() for failures found before it starts).
void Mp3Encoder::mail(int percent, std::unique_ptr<Outcome> outcome)
{
    {
        const std::lock_guard lock(mailMutex_);
        if (percent >= 0)
            mailedPercent_ = percent;
        if (outcome)
            mailedOutcome_ = std::move(outcome);
    }
    QMetaObject::invokeMethod(this, "deliver", Qt::QueuedConnection);
}

// Wake-ups can outnumber the mail: one delivery may carry several reports, and a
// cancelled encoding's last wake-ups find the box empty.
void Mp3Encoder::deliver()
{
    int percent;
    std::unique_ptr<Outcome> outcome;
    {
        const std::lock_guard lock(mailMutex_);
        percent = std::exchange(mailedPercent_, -1);
        outcome = std::move(mailedOutcome_);
    }
    if (job_ && percent >= 0)
        emit progress(percent);
    if (job_ && outcome) // a slot of progress() may have cancelled
        finish(*outcome);
}

void Mp3Encoder::finish(const Outcome &outcome)
{
    if (worker_.joinable())
        worker_.join(); // it has nothing left to do but return
    const std::unique_ptr<Job> job = std::move(job_);
    Outcome result = outcome;
    if (result.ok && !job->file.commit())
        result = Outcome{false, Encoder::tr("Cannot save \"%1\": %2").arg(job->destinationName,
                                                                          systemError(job->file.error()))};
    // Gone before anyone hears of the outcome.
    if (!result.ok)
        job->file.discard();
    status_ = result.ok ? Done : Failed;
    reason_ = result.ok ? job->note : result.reason;
    threadsUsed_ = std::max<int>(1, int(job->stretched.plan.size())); // one after a refused splice
    emit completed();
}

void Mp3Encoder::cancel()
{
    if (!job_)
        return;
    job_->cancel.store(true, std::memory_order_relaxed);
    if (worker_.joinable())
        worker_.join();
    job_->file.discard();
    {
        const std::lock_guard lock(mailMutex_);
        mailedPercent_ = -1;
        mailedOutcome_.reset();
    }
    reason_ = Encoder::tr("The encoding of \"%1\" was cancelled").arg(job_->destinationName);
    job_.reset();
    status_ = Idle;
}

} // namespace trevisto::mp3enc
