#pragma once
// Writing a sound out: the cut result or the clips of the list, to one file, as WAV or as
// MP3, by copying the source's frames or by encoding. The job decides between copying and
// encoding, falls back to encoding where the frames cannot be copied and says why, and owns
// the join work file that an encoded join goes through. Whoever asks hears how it goes
// through an OutputObserver; the job knows nothing of widgets, and the texts shown to the
// user stay with the one who shows them.
//
// A WAV join and every copy run on the caller's thread and end before start() returns; an
// encoding ends later, when the encoder's completed() signal reaches encoderCompleted().

#include "clips/clipmodel.h"
#include "clips/joinoptions.h"
#include "core/mp3origin.h"
#include "core/outcome.h"
#include "core/workingfiles.h"
#include "platform/tags/tags.h"

#include <QMetaObject>
#include <QString>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace trevisto::mp3enc {
class Mp3Encoder;
}

namespace trevisto {

// One sound file and the MP3 samples it holds, when it was cut from an MP3.
struct OutputPiece {
    QString file; // program path (drive C: or native)
    std::optional<Mp3Origin> origin = std::nullopt;
    QString name = {}; // the clip's, for the chapters of a join
    Loudness loudness = {}; // unmeasured: measured by a join that matches loudness
};

struct OutputRequest {
    enum class Format { Wav, Mp3 };
    // The pieces, joined in this order when there are several or when `join` is set; one
    // piece without `join` is the cut result, saved on its own.
    std::vector<OutputPiece> pieces;
    bool join = false;
    QString output; // native path
    Format format = Format::Mp3;
    bool copy = false; // copy the sources' MP3 frames where that can be done
    int kbps = 128;    // the encoding's bit rate where nothing is copied
    std::vector<ClipId> clips = {}; // the clips the pieces are, for the one who asked
    // With `copy`: frames that cannot be copied fail the output (Stage::NotCopyable)
    // instead of being encoded, for a measure of the copy alone.
    bool copyOnly = false;
    // A copied MP3 is flushed to the disk before it takes the target's name; false leaves
    // that to the system, for a comparison with tools that do not flush.
    bool durable = true;
    // Instead of WAV, FLAC; instead of MP3, Ogg Vorbis or Opus (at a quality that follows
    // `kbps`). The messages, questions and deletions stay those of `format`.
    enum class Encoding { Own, Flac, Vorbis, Opus };
    Encoding encoding = Encoding::Own;
    // The tags the output carries: those of `tagSource` (native; when empty, the first
    // piece's MP3 source), with `tagEdits` in place of its fields when given. An MP3 gets
    // an ID3v2.4 tag (every frame of the source's but its length when the frames are
    // copied); a WAV a LIST/INFO chunk; FLAC, Vorbis and Opus their comments.
    QString tagSource = {};
    std::optional<tags::Fields> tagEdits = std::nullopt;
    // A joined MP3 carries an ID3v2 chapter for each piece, named after it.
    bool chapters = false;
    // How a join shapes the sound: loudness, crossfades, fades.
    JoinOptions joinOptions = {};
};

// Where the output of `request` takes its tags from: a native path, or empty for none.
QString TagSourceOf(const OutputRequest &request);
// The fields the output of `request` carries: those typed, else its tag source's.
tags::Fields TagFieldsOf(const OutputRequest &request);


// The encoding an output's name asks for among those `format`'s choosers offer: ".flac"
// for WAV; ".ogg", ".oga" or ".opus" for MP3; Own for every other name.
OutputRequest::Encoding EncodingOfName(OutputRequest::Format format, const QString &output);
// Of any chooser's: the encoding ".flac", ".ogg", ".oga" or ".opus" asks for, else Own.
OutputRequest::Encoding EncodingOfAnyName(const QString &output);

// The pieces of the list's clips, in list order, each with the loudness measured in the
// background when it has one, so that a join does not measure those clips again.
std::vector<OutputPiece> ClipPieces(const ClipList &clips);

// The levels a copied MP3 join of `pieces` makes with `options`: each clip's gain its whole
// global-gain steps, each joint's overlap the crossfade widened to whole frames, and the
// length that follows; nothing when the options shape nothing or the clips cannot be
// joined by copying. With `joint`, for hearing the joint after that clip: only the two
// clips that meet there are measured where the list has not, the others keep their level.
std::optional<JoinLevels> CopiedJoinLevels(const std::vector<OutputPiece> &pieces, const JoinOptions &options,
                                           std::optional<size_t> joint = std::nullopt);

// How a finished output came about, for the note under "The file is saved".
struct OutputDone {
    OutputRequest::Format format = OutputRequest::Format::Mp3;
    OutputRequest::Encoding encoding = OutputRequest::Encoding::Own;
    bool join = false;
    QString output;
    std::vector<ClipId> clips; // of the request
    bool copied = false;     // the sources' frames were copied
    int encodedJoints = 0;   // of a copied join: joints whose frames were encoded again
    // Of a copied join, for each of those joints: the output's audio frames that hold it,
    // [first, end), counted from the first frame after the info frame.
    std::vector<std::pair<uint32_t, uint32_t>> jointFrames;
    int fallbackKbps = 0;    // the frames could not be copied: encoded at this rate instead
    QString fallbackWhy;     // why they could not be copied
    QString encoderNote;     // a rate or bit rate the encoder had to change
    // Of a join that shaped the sound: each clip's gain, the overlaps and the length.
    std::optional<JoinLevels> levels;
    // Of a copied join: the samples written and those the clips hold, at `sampleRate`, and
    // each joint's overlap as written.
    int64_t copiedSamples = 0, clipSamples = 0;
    std::vector<int64_t> copiedOverlaps;
    int sampleRate = 0;
};

struct OutputFailure {
    enum class Stage {
        Stopped,      // cancelled; nothing to tell
        Join,         // the clips could not be joined into a WAV file
        Copy,         // the copied MP3 could not be written
        NotCopyable,  // a copy only: the frames cannot be copied, and nothing was written
        EncodeStart,  // the encoder refused the work before writing anything
        Encode,       // the encoding failed on its way
    };
    Stage stage = Stage::Stopped;
    QString file; // the file that could not be written: the output, or the join's target
    QString why;
    OutputRequest::Format format = OutputRequest::Format::Mp3;
    bool join = false;
};

// What the one who asked for an output hears of it. Exactly one of outputDone and
// outputFailed ends each output that start() accepted.
class OutputObserver {
public:
    virtual ~OutputObserver() = default;
    // Bytes of the join written so far and the whole, after each block, while the join
    // holds the caller's thread: the caller may let its events run here.
    virtual void outputProgress(uint64_t done, uint64_t total) = 0;
    // Percent of the encoding, from the caller's event loop.
    virtual void outputEncodingProgress(int percent) { (void)percent; }
    // An encoding is about to start; its end comes through encoderCompleted().
    virtual void outputEncoding() = 0;
    virtual void outputDone(const OutputDone &done) = 0;
    virtual void outputFailed(const OutputFailure &failure) = 0;
};

class OutputJob {
public:
    // The join work file is `workFile`, a program path; the encoder is the owner's, whose
    // completed() signal the owner passes on to encoderCompleted(), so that the owner's
    // handler of that signal stays the one place it arrives.
    explicit OutputJob(mp3enc::Mp3Encoder &encoder, QString workFile = WorkingFiles::Concat);
    ~OutputJob();
    OutputJob(const OutputJob &) = delete;
    OutputJob &operator=(const OutputJob &) = delete;

    // Starts writing `request`. False, with nothing done and nothing reported, while
    // another output holds the caller's thread (a join lets the caller's events run), and
    // for an MP3 file while an encoding is still under way; a WAV join needs no encoder and
    // runs beside it.
    bool start(const OutputRequest &request, OutputObserver &observer);
    // The encoding under way has ended, well or not; reports it and ends the job.
    void encoderCompleted();
    // Stops a join at its next block and an encoding at once; a stopped encoding is not
    // reported, as none of its completion follows. The work file goes.
    void cancel();

    // An MP3 file is being encoded.
    bool busy() const;
    // The file being written, or the last one.
    const QString &target() const { return target_; }

private:
    // The join work file on disk, gone with the object that holds it.
    class WorkFile {
    public:
        explicit WorkFile(QString nativePath);
        ~WorkFile();
        WorkFile(const WorkFile &) = delete;
        WorkFile &operator=(const WorkFile &) = delete;
        const QString &path() const { return path_; }

    private:
        QString path_;
    };

    bool roomForEncoded(const OutputRequest &request);
    // `timeline`, when given, places the chapters instead of the job's levels.
    std::vector<unsigned char> mp3Tag(bool copied, const std::optional<JoinLevels> *timeline = nullptr) const;
    void saveResult(const OutputRequest &request);
    void joinMp3(const OutputRequest &request);
    void joinWav(const OutputRequest &request);
    // Joins the pieces into `output`; false, after reporting it, when that failed.
    bool joinInto(const std::vector<OutputPiece> &pieces, const QString &output);
    // Joins the pieces into the work file and encodes that.
    void joinAndEncode(const OutputRequest &request, int kbps);
    void encode(const QString &source, const QString &output, int kbps);
    // FLAC, Vorbis or Opus, written on the caller's thread like a WAV join.
    void writeEncoded(const OutputRequest &request);
    // The ends of the output that start() runs, and of the encoding that follows it.
    void finish(OutputDone done);
    void fail(OutputFailure failure);
    void endEncoding();

    mp3enc::Mp3Encoder &encoder_;
    QString workFile_;
    QMetaObject::Connection progressConnection_;
    OutputRequest request_;                       // the one start() is running
    OutputObserver *observer_ = nullptr;          // of the one start() is running
    // The encoding under way: its work file, who hears its end, and what that will say.
    std::optional<WorkFile> joined_;
    OutputObserver *encodingObserver_ = nullptr;
    OutputDone pending_;
    QString target_;
    bool stopRequested_ = false;
    std::optional<JoinLevels> levels_; // of the last shaped join into a WAV file, or copied in steps
};

} // namespace trevisto
