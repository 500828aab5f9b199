#include "clips/joiner.h"

#include "clips/loudness.h"

#include "core/freespace.h"
#include "core/protectedfiles.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/io/systemreason.h"
#include "platform/resample/converter.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <memory>
#include <vector>

namespace wav = trevisto::wav;
namespace resample = trevisto::resample;

namespace {

// Sound copied between two progress reports; also what a cancel waits for at most.
constexpr int64_t kCopyStep = 16 << 20;
// Frames read per step from a clip that needs converting.
constexpr int64_t kConvertFrames = 1 << 15;

// The texts this file shows, under one translation context.
struct JoinClips {
    Q_DECLARE_TR_FUNCTIONS(JoinClips)
};

// What errno says, phrased to follow "cannot be read: " or "cannot be written: ". A
// missing file here is the output's folder: the clips are checked before.
QString systemReason(int error)
{
    return error == ENOENT ? JoinClips::tr("the folder does not exist") : trevisto::io::systemReason(error);
}

// The WAVE layer's own reasons, in the user's language.
template <typename Error>
QString wavReason(Error error)
{
    return QCoreApplication::translate("WavFile", wav::describe(error));
}

QString readReason(wav::ReadError error, int systemError)
{
    switch (error) {
    case wav::ReadError::NotFound: return JoinClips::tr("no such file");
    case wav::ReadError::Unreadable:
        // No errno means the file opened but is no plain file (a folder, a device).
        return systemError ? systemReason(systemError) : JoinClips::tr("it is not an ordinary file");
    default: return wavReason(error);
    }
}

Outcome cannotRead(const QString &clip, const QString &reason)
{
    return Outcome::failure(JoinClips::tr("\"%1\" cannot be read: %2").arg(clip, reason));
}

Outcome cannotWrite(const QString &output, const QString &reason)
{
    return Outcome::failure(JoinClips::tr("\"%1\" cannot be written: %2").arg(output, reason));
}

// A zero system error means the writer refused without asking the system.
Outcome writerFailed(const QString &output, wav::WriteError error, int systemError)
{
    return cannotWrite(output, systemError ? systemReason(systemError) : wavReason(error));
}

struct Clip {
    QString path;
    std::unique_ptr<wav::File> file;
    std::unique_ptr<resample::Converter> converter; // none when the sound is copied as it is
    uint64_t outputBytes = 0;
};

// The join on its way to the encoder is a working file, gone when the program ends, so a
// power cut loses it with the run: only a joined file the user named is synced to the disk.
bool outlivesTheRun(const QString &output)
{
    const std::vector<trevisto::ProtectedFile> working{{NativePath(WorkingFiles::Concat), QString(), true}};
    return trevisto::FindProtected(output, working) == nullptr;
}

// A clip's sound as float frames in the joined sound's channels and rate, read forward
// only: a crossfade reads the end of one clip beside the start of the next, each in order.
class FloatClip {
public:
    FloatClip(const Clip &clip, const wav::Format &target) : clip_(clip)
    {
        const wav::Format &own = clip.file->format();
        converts_ = own.channels != target.channels || own.sampleRate != target.sampleRate;
        if (converts_) {
            const wav::Format floats{wav::kTagFloat, target.channels, target.sampleRate, 32};
            converter_ = resample::Converter::create(own, floats);
        }
        channels_ = target.channels;
    }

    bool usable() const { return !converts_ || converter_; }

    // Frames [from, from + count) of the clip into `out`; `from` never goes back.
    bool read(int64_t from, int64_t count, float *out)
    {
        const wav::Format &own = clip_.file->format();
        if (!converter_) {
            raw_.resize(size_t(count) * own.blockAlign());
            if (clip_.file->readFrames(from, count, raw_.data()) != count)
                return false;
            wav::toFloat(own, raw_.data(), count, 0, channels_, out);
            return true;
        }
        const int64_t info = clip_.file->info().frames;
        while (producedTo_ < from + count) {
            if (finished_)
                return false;
            const int64_t want = std::min(kConvertFrames, info - readTo_);
            converted_.clear();
            if (want > 0) {
                raw_.resize(size_t(want) * own.blockAlign());
                if (clip_.file->readFrames(readTo_, want, raw_.data()) != want ||
                    !converter_->process(raw_.data(), size_t(want), converted_))
                    return false;
                readTo_ += want;
            }
            if (readTo_ >= info) {
                if (!converter_->finish(converted_))
                    return false;
                finished_ = true;
            }
            const size_t samples = converted_.size() / sizeof(float);
            const size_t at = held_.size();
            held_.resize(at + samples);
            std::memcpy(held_.data() + at, converted_.data(), samples * sizeof(float));
            producedTo_ += int64_t(samples) / channels_;
        }
        // What comes before `from` is never asked for again.
        const int64_t heldFrom = producedTo_ - int64_t(held_.size()) / channels_;
        held_.erase(held_.begin(), held_.begin() + (from - heldFrom) * channels_);
        std::copy_n(held_.begin(), count * channels_, out);
        return true;
    }

private:
    const Clip &clip_;
    std::unique_ptr<resample::Converter> converter_;
    int channels_ = 0;
    bool converts_ = false;
    std::vector<unsigned char> raw_, converted_;
    std::vector<float> held_;
    int64_t readTo_ = 0, producedTo_ = 0;
    bool finished_ = false;
};

trevisto::Loudness measureConverted(const Clip &clip, const wav::Format &target)
{
    FloatClip reader(clip, target);
    trevisto::LoudnessMeter meter(target.channels, int(target.sampleRate));
    const int64_t frames = int64_t(clip.outputBytes / target.blockAlign());
    std::vector<float> block;
    for (int64_t at = 0; at < frames;) {
        const int64_t n = std::min(kConvertFrames, frames - at);
        block.resize(size_t(n) * target.channels);
        if (!reader.usable() || !reader.read(at, n, block.data()) || !meter.add(block.data(), n))
            return {};
        at += n;
    }
    return meter.result();
}

// Output frames written per step of a shaped join.
constexpr int64_t kShapeFrames = 1 << 14;

} // namespace

Outcome JoinClips(const QStringList &clips, const QString &output, const JoinProgress &progress,
                  uint64_t maxDataBytes, const JoinShaping *shaping, trevisto::JoinLevels *planned)
{
    if (clips.isEmpty())
        return Outcome::failure(JoinClips::tr("There are no clips to join."));

    // Every clip stays open from here on, so what was measured is what gets copied, even
    // when `output` names one of the clips.
    std::vector<Clip> parts;
    parts.reserve(size_t(clips.size()));
    uint64_t total = 0;
    for (const QString &path : clips) {
        Clip clip{path, nullptr, nullptr, 0};
        wav::ReadError error;
        int systemError;
        clip.file = wav::File::open(QFile::encodeName(path).toStdString(), &error, &systemError);
        if (!clip.file)
            return cannotRead(path, readReason(error, systemError));
        const wav::Info &info = clip.file->info();
        // Joined, a clip cut off behind the program's back would go into the file short.
        if (info.dataCutShort)
            return Outcome::failure(
                JoinClips::tr("\"%1\" holds less sound than its header says: the file was cut short.").arg(path));
        if (parts.empty() || info.format == parts.front().file->format()) {
            clip.outputBytes = uint64_t(info.dataSize);
        } else {
            // Appending another format's bytes under the first clip's header would play
            // as noise or at the wrong speed, so such clips are converted.
            const wav::Format &target = parts.front().file->format();
            std::string why;
            clip.converter = resample::Converter::create(info.format, target, &why);
            if (!clip.converter)
                return cannotRead(path, QCoreApplication::translate("Converter", why.c_str()));
            clip.outputBytes = resample::convertedFrames(uint64_t(info.frames), info.format.sampleRate,
                                                         target.sampleRate) *
                               target.blockAlign();
        }
        total += clip.outputBytes;
        if (total > maxDataBytes)
            return cannotWrite(output, JoinClips::tr("the joined sound would be longer than a WAVE file can hold "
                                          "(more than %1 bytes of sound)")
                                           .arg(maxDataBytes));
        parts.push_back(std::move(clip));
    }

    const wav::Format format = parts.front().file->format();
    const bool shaped = shaping && (shaping->options.shapes() || shaping->window || shaping->joint);
    std::vector<trevisto::JoinClipFacts> facts;
    trevisto::JoinLevels levels;
    int64_t windowFrom = 0, windowTo = 0;
    if (shaped) {
        for (const Clip &part : parts)
            facts.push_back({int64_t(part.outputBytes / format.blockAlign()), {}});
        // Where each clip lies follows from the lengths alone: the window is known before
        // any clip is measured.
        const bool given = shaping->levels && shaping->levels->gainDb.size() == parts.size();
        levels = given ? *shaping->levels : trevisto::planJoinLevels(facts, shaping->options, int(format.sampleRate));
        windowTo = levels.outputFrames;
        if (shaping->joint && *shaping->joint + 1 < parts.size()) {
            const size_t j = *shaping->joint;
            const int64_t middle = levels.startOf(j + 1, facts) + levels.overlap[j] / 2;
            windowFrom = std::max<int64_t>(0, middle - format.sampleRate);
            windowTo = std::min<int64_t>(levels.outputFrames, middle + format.sampleRate);
        } else if (shaping->window) {
            windowFrom = std::clamp<int64_t>(shaping->window->first, 0, levels.outputFrames);
            windowTo = std::clamp<int64_t>(shaping->window->second, windowFrom, levels.outputFrames);
        }
        for (size_t i = 0; i < parts.size(); ++i) {
            trevisto::JoinClipFacts &fact = facts[i];
            const int64_t start = levels.startOf(i, facts);
            if (given || !shaping->options.targetLufs || start >= windowTo || start + fact.frames <= windowFrom)
                continue; // not heard, heard at its own level, or at a level planned already
            if (i < shaping->loudness.size())
                fact.loudness = shaping->loudness[i];
            // The window's events run between the clips measured here, and a cancel ends it.
            if (!fact.loudness.measured && progress && !progress(0, 1))
                return Outcome::failure(JoinClips::tr("The join was cancelled."));
            // A clip of other channels sounds otherwise once converted (a mono clip is
            // heard from both sides): it is measured as it will be heard.
            if (parts[i].file->format().channels != format.channels) {
                fact.loudness = measureConverted(parts[i], format);
                if (!fact.loudness.measured)
                    return cannotRead(parts[i].path, JoinClips::tr("its sound could not be converted"));
            } else if (!fact.loudness.measured) {
                fact.loudness = trevisto::measureLoudness(QFile::encodeName(parts[i].path).toStdString());
            }
        }
        if (!given)
            levels = trevisto::planJoinLevels(facts, shaping->options, int(format.sampleRate));
        total = uint64_t(windowTo - windowFrom) * format.blockAlign();
        if (planned)
            *planned = levels;
    }

    // The joined file is written beside any earlier one, which goes only once it is complete.
    if (const auto refusal = trevisto::checkSpace(output, trevisto::wavFileBytes(total)))
        return Outcome::failure(*refusal);

    wav::WriteError createError;
    int createSystemError;
    auto writer = wav::Writer::create(QFile::encodeName(output).toStdString(), format, &createError,
                                      &createSystemError, {.durable = outlivesTheRun(output)});
    if (!writer)
        return writerFailed(output, createError, createSystemError);
    writer->expect(total);

    uint64_t done = 0;
    auto report = [&]() { return !progress || progress(done, total); };
    const Outcome cancelled = Outcome::failure(JoinClips::tr("The join was cancelled."));
    auto copyFailed = [&](const Clip &clip) {
        // A copy that ran out of source bytes has no system error of its own.
        if (writer->error() == wav::WriteError::ReadFailed)
            return cannotRead(clip.path, writer->systemError() == EIO ? systemReason(EIO)
                                                                      : JoinClips::tr("the file ended early"));
        return writerFailed(output, writer->error(), writer->systemError());
    };

    if (shaped) {
        // Each output block sums what every clip has there, weighed by its gain, the
        // crossfades it is part of and the fades, then goes to the file's own format.
        const int channels = format.channels;
        const wav::Format floats{wav::kTagFloat, format.channels, format.sampleRate, 32};
        auto toOutput = resample::Converter::create(floats, format);
        std::vector<std::unique_ptr<FloatClip>> readers;
        std::vector<int64_t> starts;
        for (size_t i = 0; i < parts.size(); ++i) {
            readers.push_back(std::make_unique<FloatClip>(parts[i], format));
            if (!readers.back()->usable())
                return cannotRead(parts[i].path, JoinClips::tr("its sound could not be converted"));
            starts.push_back(levels.startOf(i, facts));
        }
        if (!toOutput)
            return cannotRead(parts.front().path, JoinClips::tr("its sound could not be converted"));
        std::vector<float> mixed, part;
        std::vector<unsigned char> bytes;
        const int64_t outputFrames = levels.outputFrames;
        for (int64_t at = windowFrom; at < windowTo;) {
            const int64_t n = std::min(kShapeFrames, windowTo - at);
            mixed.assign(size_t(n * channels), 0.f);
            for (size_t i = 0; i < parts.size(); ++i) {
                const int64_t start = starts[i], frames = facts[i].frames;
                const int64_t lo = std::max(at, start), hi = std::min(at + n, start + frames);
                if (lo >= hi)
                    continue;
                part.resize(size_t((hi - lo) * channels));
                if (!readers[i]->read(lo - start, hi - lo, part.data()))
                    return cannotRead(parts[i].path, JoinClips::tr("the file ended early"));
                const double gain = levels.gain(i);
                const int64_t head = i > 0 ? levels.overlap[i - 1] : 0;
                const int64_t tail = i + 1 < parts.size() ? levels.overlap[i] : 0;
                for (int64_t f = lo; f < hi; ++f) {
                    const int64_t k = f - start;
                    double w = gain;
                    if (k < head)
                        w *= trevisto::crossfadeAt(k, head).in;
                    if (k >= frames - tail)
                        w *= trevisto::crossfadeAt(k - (frames - tail), tail).out;
                    const float *src = part.data() + (f - lo) * channels;
                    float *dst = mixed.data() + (f - at) * channels;
                    for (int c = 0; c < channels; ++c)
                        dst[c] += float(src[c] * w);
                }
            }
            for (int64_t f = at; f < at + n; ++f) {
                double w = 1;
                if (f < levels.fadeIn)
                    w *= trevisto::fadeInAt(f, levels.fadeIn);
                if (f >= outputFrames - levels.fadeOut)
                    w *= trevisto::fadeInAt(outputFrames - 1 - f, levels.fadeOut);
                if (w != 1)
                    for (int c = 0; c < channels; ++c)
                        mixed[size_t((f - at) * channels + c)] *= float(w);
            }
            bytes.clear();
            if (!toOutput->process(mixed.data(), size_t(n), bytes))
                return cannotRead(parts.front().path, JoinClips::tr("its sound could not be converted"));
            if (!writer->write(bytes.data(), bytes.size()))
                return writerFailed(output, writer->error(), writer->systemError());
            at += n;
            done += bytes.size();
            if (!report())
                return cancelled;
        }
        bytes.clear();
        if (!toOutput->finish(bytes) || (!bytes.empty() && !writer->write(bytes.data(), bytes.size())))
            return writerFailed(output, writer->error(), writer->systemError());
        parts.clear(); // nothing is copied below
    }

    std::vector<unsigned char> in, out;
    for (const Clip &clip : parts) {
        const wav::Info &info = clip.file->info();
        if (!clip.converter) {
            for (int64_t at = 0; at < info.dataSize;) {
                const int64_t n = std::min(kCopyStep, info.dataSize - at);
                if (!writer->copyFrom(clip.file->fd(), info.dataOffset + at, n))
                    return copyFailed(clip);
                at += n;
                done += uint64_t(n);
                if (!report())
                    return cancelled;
            }
            continue;
        }
        in.resize(size_t(kConvertFrames) * info.format.blockAlign());
        for (int64_t first = 0;; first += kConvertFrames) {
            const bool last = first + kConvertFrames >= info.frames;
            const int64_t want = std::min(kConvertFrames, info.frames - first);
            out.clear();
            if (want > 0) {
                int readError;
                const int64_t got = clip.file->readFrames(first, want, in.data(), &readError);
                if (got != want)
                    return cannotRead(clip.path, got < 0 && readError ? systemReason(readError)
                                                                      : JoinClips::tr("the file ended early"));
                if (!clip.converter->process(in.data(), size_t(want), out))
                    return cannotRead(clip.path, JoinClips::tr("its sound could not be converted"));
            }
            if (last && !clip.converter->finish(out))
                return cannotRead(clip.path, JoinClips::tr("its sound could not be converted"));
            if (!out.empty() && !writer->write(out.data(), out.size()))
                return writerFailed(output, writer->error(), writer->systemError());
            done += out.size();
            if (!report())
                return cancelled;
            if (last)
                break;
        }
    }

    if (writer->dataBytes() != total)
        return cannotWrite(output, JoinClips::tr("the joined sound came out at another length than planned"));
    if (const wav::WriteError error = writer->commit(); error != wav::WriteError::None)
        return writerFailed(output, error, writer->systemError());
    return Outcome::success();
}
