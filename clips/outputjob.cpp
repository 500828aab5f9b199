#include "clips/outputjob.h"

#include "clips/clipmodel.h"
#include "clips/joiner.h"
#include "clips/jointimeline.h"
#include "clips/mp3copy.h"
#include "clips/mp3join.h"
#include "core/freespace.h"
#include "core/routines.h"
#include "platform/encode/soundencoder.h"
#include "platform/mp3enc/mp3encoder.h"
#include "platform/wav/wav.h"

#include <QCoreApplication>
#include <QFile>
#include <QObject>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <utility>

namespace trevisto {

namespace {

// The texts this file gives to the one who shows them, under one translation context.
struct OutputJobText {
    Q_DECLARE_TR_FUNCTIONS(OutputJobText)
};

// Sources that are no MP3 are encoded at the program's usual rate.
constexpr int DefaultCopyFallbackKbps = 128;

OutputDone copiedOutput(int encodedJoints = 0, std::vector<std::pair<uint32_t, uint32_t>> jointFrames = {})
{
    OutputDone done;
    done.copied = true;
    done.encodedJoints = encodedJoints;
    done.jointFrames = std::move(jointFrames);
    return done;
}

io::AtomicFile::Options copyOptions(const OutputRequest &request)
{
    io::AtomicFile::Options options;
    options.durable = request.durable;
    return options;
}

OutputDone encodedInstead(int kbps, const QString &why)
{
    OutputDone done;
    done.fallbackKbps = kbps;
    done.fallbackWhy = why;
    return done;
}

} // namespace

OutputRequest::Encoding EncodingOfName(OutputRequest::Format format, const QString &output)
{
    using Encoding = OutputRequest::Encoding;
    const std::optional<encode::Kind> kind = encode::kindOfName(output.toStdString());
    if (!kind)
        return Encoding::Own;
    if (format == OutputRequest::Format::Wav)
        return *kind == encode::Kind::Flac ? Encoding::Flac : Encoding::Own;
    switch (*kind) {
    case encode::Kind::Vorbis:
        return Encoding::Vorbis;
    case encode::Kind::Opus:
        return Encoding::Opus;
    case encode::Kind::Flac:
        break;
    }
    return Encoding::Own;
}

OutputRequest::Encoding EncodingOfAnyName(const QString &output)
{
    const OutputRequest::Encoding asMp3 = EncodingOfName(OutputRequest::Format::Mp3, output);
    return asMp3 != OutputRequest::Encoding::Own ? asMp3 : EncodingOfName(OutputRequest::Format::Wav, output);
}

std::vector<OutputPiece> ClipPieces(const ClipList &clips)
{
    std::vector<OutputPiece> pieces;
    for (const Clip &clip : clips.items())
        pieces.push_back({clips.fileOf(clip.name), clip.origin, clip.name, clip.loudness});
    return pieces;
}

tags::Fields TagFieldsOf(const OutputRequest &request)
{
    if (request.tagEdits)
        return *request.tagEdits;
    const QString source = TagSourceOf(request);
    return source.isEmpty() ? tags::Fields{} : tags::readTags(QFile::encodeName(source).toStdString()).fields;
}

QString TagSourceOf(const OutputRequest &request)
{
    if (!request.tagSource.isEmpty())
        return request.tagSource;
    if (!request.pieces.empty() && request.pieces.front().origin)
        return request.pieces.front().origin->source.path;
    return {};
}

OutputJob::WorkFile::WorkFile(QString nativePath) : path_(std::move(nativePath)) {}

OutputJob::WorkFile::~WorkFile() { QFile::remove(path_); }

OutputJob::OutputJob(mp3enc::Mp3Encoder &encoder, QString workFile)
    : encoder_(encoder), workFile_(std::move(workFile))
{
    progressConnection_ = QObject::connect(&encoder_, &mp3enc::Mp3Encoder::progress, &encoder_, [this](int percent) {
        if (encodingObserver_)
            encodingObserver_->outputEncodingProgress(percent);
    });
}

OutputJob::~OutputJob()
{
    QObject::disconnect(progressConnection_);
    cancel();
}

bool OutputJob::busy() const { return encodingObserver_ != nullptr && encoder_.isBusy(); }

bool OutputJob::start(const OutputRequest &request, OutputObserver &observer)
{
    const bool wav = request.format == OutputRequest::Format::Wav;
    const bool own = request.encoding == OutputRequest::Encoding::Own;
    // Only an MP3 needs the encoder; the other encodings run beside it.
    const bool mp3 = !wav && own;
    if (request.pieces.empty() || observer_ || (mp3 && encoder_.isBusy()))
        return false;
    observer_ = &observer;
    request_ = request;
    target_ = request.output;
    stopRequested_ = false;
    levels_.reset();
    if (mp3)
        pending_ = {}; // no encoding runs: what one would report starts afresh
    // Every output but a plain WAV join (which checks its own room) is refused here when it
    // cannot fit.
    if (!(wav && own) && !roomForEncoded(request)) {
        observer_ = nullptr;
        return true;
    }
    if (!own)
        writeEncoded(request);
    else if (wav)
        joinWav(request);
    else if (request.join || request.pieces.size() > 1)
        joinMp3(request);
    else
        saveResult(request);
    observer_ = nullptr;
    return true;
}

// An encoded output is refused before anything is written when it cannot fit. An MP3:
// encoded at the chosen rate, or copied at the most an MP3 frame carries, and never more
// than its source. FLAC: no more than the WAV it holds. Vorbis and Opus vary their rate
// with the sound: twice the chosen one.
bool OutputJob::roomForEncoded(const OutputRequest &request)
{
    uint64_t bytes = 0;
    for (const OutputPiece &piece : request.pieces) {
        wav::Info info;
        if (wav::readInfo(QFile::encodeName(NativePath(piece.file)).toStdString(), info) != wav::ReadError::None)
            continue; // the output itself says what is wrong with it
        const double seconds = double(info.frames) / info.format.sampleRate;
        if (request.encoding == OutputRequest::Encoding::Flac) {
            bytes += wavFileBytes(uint64_t(info.dataSize));
            continue;
        }
        if (request.encoding != OutputRequest::Encoding::Own) {
            bytes += mp3FileBytes(seconds, 2 * std::max(request.kbps, 32));
            continue;
        }
        uint64_t piecebytes = mp3FileBytes(seconds, request.copy ? std::max(request.kbps, 320) : request.kbps);
        if (request.copy && piece.origin && piece.origin->source.identity.size > 0)
            piecebytes = std::min(piecebytes, mp3FileBytes(0, 0) + piece.origin->source.identity.size);
        bytes += piecebytes;
    }
    const auto refusal = checkSpace(request.output, bytes);
    if (refusal)
        fail({OutputFailure::Stage::EncodeStart, request.output, *refusal});
    return !refusal;
}

// The ID3v2 tag of the MP3 being written: with every frame of the source's tag when its
// frames are copied, else only what describes the sound itself.
std::vector<unsigned char> OutputJob::mp3Tag(bool copied, const std::optional<JoinLevels> *timeline) const
{
    tags::TagRequest tag;
    tag.source = QFile::encodeName(TagSourceOf(request_)).toStdString();
    tag.keep = copied ? tags::Keep::AllFrames : tags::Keep::Essentials;
    tag.edits = request_.tagEdits ? &*request_.tagEdits : nullptr;
    if (request_.chapters && (request_.join || request_.pieces.size() > 1))
        tag.chapters = JoinChapters(request_.pieces, timeline ? *timeline : levels_);
    return tags::renderId3(tag);
}

void OutputJob::saveResult(const OutputRequest &request)
{
    const OutputPiece &result = request.pieces.front();
    if (!request.copy) {
        encode(result.file, request.output, request.kbps);
        return;
    }
    const std::vector<unsigned char> tag = mp3Tag(true);
    const Mp3CopyOutcome copied =
        CopyMp3Cut(result.origin, NativePath(result.file), request.output, copyOptions(request), &tag);
    if (copied.kind == Mp3CopyOutcome::Copied) {
        finish(copiedOutput());
        return;
    }
    if (copied.kind == Mp3CopyOutcome::Failed || request.copyOnly) {
        fail({copied.kind == Mp3CopyOutcome::Failed ? OutputFailure::Stage::Copy : OutputFailure::Stage::NotCopyable,
              request.output, copied.why});
        return;
    }
    // The nearest constant bit rate the encoder makes at the source's rate.
    const int kbps = copied.sourceKbps > 0 ? mp3enc::Mp3Encoder::carriedBitRate(
                                                 mp3enc::Mp3Encoder::carriedSampleRate(copied.sourceRate), copied.sourceKbps)
                                           : DefaultCopyFallbackKbps;
    pending_ = encodedInstead(kbps, copied.why);
    encode(result.file, request.output, kbps);
}

namespace {

// The levels of a copy join that shapes the sound: each clip's whole steps, from the
// loudness the clip list measured or, where it has none and loudness is matched, measured
// now (with `joint`, only for the two clips that meet there); the crossfades and the fades. Nothing when a clip's sound cannot be read: the join
// itself then says what is wrong.
std::optional<JoinLevels> CopyJoinLevels(const std::vector<OutputPiece> &pieces, const JoinOptions &options,
                                         std::optional<size_t> joint = std::nullopt)
{
    std::vector<JoinClipFacts> facts;
    int rate = 0;
    for (const OutputPiece &piece : pieces) {
        const std::string path = QFile::encodeName(NativePath(piece.file)).toStdString();
        wav::Info info;
        if (wav::readInfo(path, info) != wav::ReadError::None)
            return std::nullopt;
        rate = rate ? rate : int(info.format.sampleRate);
        // For a joint's preview only the two clips heard there need a level.
        const size_t i = facts.size();
        const bool heard = !joint || i == *joint || i == *joint + 1;
        const bool measure = options.targetLufs && !piece.loudness.measured && heard;
        facts.push_back({info.frames, measure ? measureLoudness(path) : piece.loudness});
    }
    return planJoinLevels(facts, options, rate);
}

// A copied join of `pieces`: each clip at its whole steps, with the planned crossfades and
// fades; no levels when the options shape nothing, or a clip's sound cannot be read.
struct CopyJoinPlan {
    std::optional<JoinLevels> levels;
    std::vector<Mp3JoinClip> clips;
    mp3enc::CopyJoinShape shape;
};

CopyJoinPlan PlanCopyJoin(const std::vector<OutputPiece> &pieces, const JoinOptions &options,
                          std::optional<size_t> joint = std::nullopt)
{
    CopyJoinPlan plan;
    if (options.shapes())
        plan.levels = CopyJoinLevels(pieces, options, joint);
    if (plan.levels) {
        plan.shape.crossfade = plan.levels->overlap;
        plan.shape.fadeIn = plan.levels->fadeIn;
        plan.shape.fadeOut = plan.levels->fadeOut;
    }
    for (size_t i = 0; i < pieces.size(); ++i)
        plan.clips.push_back({pieces[i].origin, NativePath(pieces[i].file),
                              plan.levels && i < plan.levels->steps.size() ? plan.levels->steps[i] : 0});
    return plan;
}

} // namespace

std::optional<JoinLevels> CopiedJoinLevels(const std::vector<OutputPiece> &pieces, const JoinOptions &options,
                                           std::optional<size_t> joint)
{
    CopyJoinPlan plan = PlanCopyJoin(pieces, options, joint);
    if (!plan.levels)
        return std::nullopt;
    const std::optional<std::vector<int64_t>> overlaps = CopyJoinOverlaps(plan.clips, plan.shape);
    JoinLevels &levels = *plan.levels;
    if (!overlaps || overlaps->size() != levels.overlap.size())
        return std::nullopt;
    for (size_t j = 0; j < overlaps->size(); ++j)
        levels.outputFrames -= (*overlaps)[j] - levels.overlap[j];
    levels.overlap = *overlaps;
    for (size_t i = 0; i < levels.steps.size(); ++i)
        levels.gainDb[i] = levels.steps[i] * kGainStepDb;
    return levels;
}

void OutputJob::joinMp3(const OutputRequest &request)
{
    if (!request.copy) {
        joinAndEncode(request, request.kbps);
        return;
    }
    // Copied frames change level in whole steps of their global gain; the frames that a
    // crossfade or a fade touches are encoded again, and only those.
    const CopyJoinPlan plan = PlanCopyJoin(request.pieces, request.joinOptions);
    levels_ = plan.levels;
    // The chapters start where the copy puts each clip, once its overlaps are known.
    const auto tagOf = [this](const std::vector<int64_t> &overlaps, int sampleRate) {
        const std::optional<JoinLevels> timeline = CopiedTimeline(levels_, overlaps, sampleRate);
        return mp3Tag(true, &timeline);
    };
    const Mp3JoinOutcome joined =
        JoinMp3ByCopy(plan.clips, request.output, copyOptions(request), nullptr, plan.shape, tagOf);
    if (joined.kind == Mp3JoinOutcome::Copied) {
        OutputDone done = copiedOutput(joined.encodedJoints, joined.encodedFrames);
        done.copiedSamples = joined.samples;
        done.clipSamples = joined.clipSamples;
        done.sampleRate = joined.sampleRate;
        done.copiedOverlaps = joined.overlaps;
        // The overlaps whole frames widened, and the length that follows, as written.
        if (levels_ && joined.overlaps.size() == levels_->overlap.size()) {
            levels_->overlap = joined.overlaps;
            levels_->outputFrames = joined.samples;
            done.levels = levels_;
        }
        finish(done);
        return;
    }
    if (joined.kind == Mp3JoinOutcome::Failed || request.copyOnly) {
        fail({joined.kind == Mp3JoinOutcome::Failed ? OutputFailure::Stage::Copy : OutputFailure::Stage::NotCopyable,
              request.output, joined.why});
        return;
    }
    // As without copying: the joined clips, encoded at the chosen rate.
    levels_.reset();
    pending_ = encodedInstead(request.kbps, joined.why);
    joinAndEncode(request, request.kbps);
}

void OutputJob::writeEncoded(const OutputRequest &request)
{
    const bool join = request.join || request.pieces.size() > 1;
    std::optional<WorkFile> joined;
    QString source = NativePath(request.pieces.front().file);
    if (join) {
        // A work file of its own: an MP3 encoding may still be reading the shared one.
        joined.emplace(NativePath(workFile_) + QStringLiteral(".encoded.wav"));
        if (!joinInto(request.pieces, joined->path()))
            return;
        source = joined->path();
    }
    encode::Kind kind = encode::Kind::Flac;
    if (request.encoding == OutputRequest::Encoding::Vorbis)
        kind = encode::Kind::Vorbis;
    else if (request.encoding == OutputRequest::Encoding::Opus)
        kind = encode::Kind::Opus;
    io::AtomicFile::Options options;
    options.durable = request.durable;
    const tags::Fields fields = TagFieldsOf(request_);
    const encode::Texts texts{fields.title, fields.artist, fields.album, fields.date, fields.genre, fields.comment};
    const encode::Result written = encode::encodeWav(
        source.toStdString(), request.output.toStdString(), kind, request.kbps,
        [this](uint64_t done, uint64_t total) {
            if (observer_)
                observer_->outputProgress(done, total);
            return !stopRequested_;
        },
        options, texts);
    if (written.stopped) {
        fail({OutputFailure::Stage::Stopped, request.output, {}});
        return;
    }
    if (!written.ok) {
        fail({OutputFailure::Stage::Encode, request.output, QString::fromStdString(written.why)});
        return;
    }
    finish({});
}

void OutputJob::joinWav(const OutputRequest &request)
{
    if (!joinInto(request.pieces, request.output))
        return;
    // The sound is in place whatever becomes of its tags: a WAV too long for the plain
    // header, or a disk that fails now, keeps it without them.
    const std::vector<unsigned char> info = tags::wavInfoChunk(TagFieldsOf(request_));
    if (!info.empty())
        wav::appendChunk(NativePath(request.output).toStdString(), info);
    finish({});
}

bool OutputJob::joinInto(const std::vector<OutputPiece> &pieces, const QString &output)
{
    QStringList files;
    JoinShaping shaping;
    shaping.options = request_.joinOptions;
    for (const OutputPiece &piece : pieces) {
        files << NativePath(piece.file);
        shaping.loudness.push_back(piece.loudness);
    }
    const bool shaped = shaping.options.shapes();
    JoinLevels levels;
    const Outcome joined = JoinClips(
        files, output,
        [this](uint64_t done, uint64_t total) {
            if (observer_)
                observer_->outputProgress(done, total);
            return !stopRequested_;
        },
        wav::kMaxFileDataBytes, shaped ? &shaping : nullptr, shaped ? &levels : nullptr);
    if (joined) {
        if (shaped)
            levels_ = levels;
        return true;
    }
    fail({stopRequested_ ? OutputFailure::Stage::Stopped : OutputFailure::Stage::Join, output, joined.why});
    return false;
}

void OutputJob::joinAndEncode(const OutputRequest &request, int kbps)
{
    // The join replaces a work file left from before, and whatever ends the encoding takes
    // the file with it.
    const QString work = NativePath(workFile_);
    joined_.emplace(work);
    if (!joinInto(request.pieces, work)) {
        pending_ = {};
        joined_.reset();
        return;
    }
    encode(workFile_, request.output, kbps);
}

void OutputJob::encode(const QString &source, const QString &output, int kbps)
{
    target_ = output;
    observer_->outputEncoding();
    encoder_.setBitRate(kbps);
    encoder_.setTag(mp3Tag(false));
    if (encoder_.encode(source, output) != mp3enc::Mp3Encoder::Started) {
        pending_ = {};
        joined_.reset();
        fail({OutputFailure::Stage::EncodeStart, output, encoder_.reason()});
        return;
    }
    pending_.format = request_.format;
    pending_.join = request_.join || request_.pieces.size() > 1;
    pending_.output = output;
    pending_.clips = request_.clips;
    pending_.levels = levels_;
    encodingObserver_ = observer_;
}

void OutputJob::encoderCompleted()
{
    OutputObserver *observer = std::exchange(encodingObserver_, nullptr);
    const OutputDone done = std::exchange(pending_, {});
    endEncoding();
    if (!observer)
        return;
    if (!encoder_.succeeded()) {
        observer->outputFailed({OutputFailure::Stage::Encode, target_, encoder_.reason(), done.format, done.join});
        return;
    }
    OutputDone saved = done;
    saved.encoderNote = encoder_.reason();
    observer->outputDone(saved);
}

void OutputJob::cancel()
{
    stopRequested_ = true;
    if (encodingObserver_ && encoder_.isBusy())
        encoder_.cancel();
    encodingObserver_ = nullptr;
    pending_ = {};
    endEncoding();
}

void OutputJob::endEncoding()
{
    // The one place the work file goes: with the job's hold on it.
    joined_.reset();
}

void OutputJob::finish(OutputDone done)
{
    done.format = request_.format;
    done.encoding = request_.encoding;
    done.join = request_.join || request_.pieces.size() > 1;
    done.output = request_.output;
    done.clips = request_.clips;
    if (!done.levels)
        done.levels = levels_;
    observer_->outputDone(done);
}

void OutputJob::fail(OutputFailure failure)
{
    failure.format = request_.format;
    failure.join = request_.join || request_.pieces.size() > 1;
    observer_->outputFailed(failure);
}

} // namespace trevisto
