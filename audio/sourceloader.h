#pragma once
// Opening a new source into the working file: a decoding channel converted, or a WAV file's
// sound copied, into a side file beside the loaded sound, its envelope reduced on the way,
// and the side file renamed into place once it is complete. Whoever asks hears how it goes
// through a LoadObserver; the loader knows nothing of widgets, and runs on the caller's
// thread, reporting after every block so that the caller can let its events run.

#include "audio/basslib.h"
#include "audio/conversion.h"
#include "core/outcome.h"
#include "core/peaktable.h"
#include "core/workingfiles.h"

#include <QString>

#include <cstdint>

namespace trevisto {

// How a load that did not open anything ended.
struct LoadFailure {
    QString message;         // what to tell the user; empty when the load was stopped
    bool sourceLost = false; // the new sound could not take the loaded one's place, and the
                             // loaded one is gone as well
};

// What the one who asked for a load hears of it. Every call comes from inside
// SourceLoader::convert or copyWav, while the load is still under way; exactly one of
// loadDone and loadFailed ends each load.
class LoadObserver {
public:
    virtual ~LoadObserver() = default;
    // After each block written: the bytes of sound so far, and the whole to write (0 when
    // it is not known).
    virtual void loadProgress(int64_t written, int64_t total) = 0;
    // The new sound is the working file. `notice`, when not empty, is something about it
    // the user should know (it was cut short at the size bound).
    virtual void loadDone(const QString &notice) = 0;
    virtual void loadFailed(const LoadFailure &failure) = 0;
};

class SourceLoader {
public:
    enum class Job { None, Converting, Copying };

    // The paths are program paths (drive C: or native), resolved at each load.
    explicit SourceLoader(QString workingFile = WorkingFiles::Source,
                          QString sideFile = WorkingFiles::SourceInProgress);
    SourceLoader(const SourceLoader &) = delete;
    SourceLoader &operator=(const SourceLoader &) = delete;

    // Decodes `chan`, opened from `source`, into the working file. False, with nothing done
    // and nothing reported, while another load is under way.
    bool convert(const BassLibrary &bass, DWORD chan, const QString &source, LoadObserver &observer);
    // Copies the sound of the WAV file `source` into the working file as a plain WAV file:
    // the data chunk only, so chunks around it are neither kept nor drawn.
    bool copyWav(const QString &source, LoadObserver &observer);

    // The load under way stops after its current block and opens nothing.
    void cancel() { stopRequested_ = true; }

    Job job() const { return job_; }
    // The file being loaded, or last loaded.
    const QString &source() const { return source_; }
    // The envelope of the sound last written, handed over once.
    PeakTable takePeaks();
    // The conversion itself; tests lower its size bound.
    WaveConversion &conversion() { return conversion_; }

private:
    // The sound of source_ into `side`, complete under that name; a failure with no reason
    // when the copy was stopped. Nothing is left under `side` when it fails.
    ::Outcome writeCopy(const QString &side, LoadObserver &observer);
    // Renames the complete side file into place and reports the end.
    void replace(LoadObserver &observer, const QString &notice);
    void fail(LoadObserver &observer, const QString &message);

    QString workingFile_, sideFile_;
    WaveConversion conversion_;
    PeakTable peaks_;
    Job job_ = Job::None;
    QString source_;
    bool stopRequested_ = false;
};

} // namespace trevisto
