#pragma once
// What the bench's jobs share: the clock, the decoding library loaded as the program loads
// it, and the program's own opening and decoding of a source. Each job takes the arguments
// after its name and returns the exit status, or -1 for wrong arguments.

#include "audio/basslib.h"
#include "audio/conversion.h"
#include "clips/outputjob.h"
#include "core/peaktable.h"

#include <chrono>
#include <optional>

namespace trevisto::bench {

constexpr DWORD kBlockBytes = 20000; // the program's read size

using Clock = std::chrono::steady_clock;

// Seconds since `start`.
double since(Clock::time_point start);

// libbass.so from the bench's own folder, as the program loads it from its own.
bool loadLibrary(BassLibrary &bass);

// The program's own opening of a source, with the reason when it fails.
DWORD openSource(BassLibrary &bass, const char *path);

// The window's decoding of a source into a working file: the conversion, with the envelope
// reduced on the way into `table` when there is one.
struct Decoding {
    bool opened = false;
    WaveConversion::Result result;
    ::Outcome finished;
    bool completed() const { return opened && result.outcome == WaveConversion::Outcome::Completed && finished; }
    QString why() const { return result.message.isEmpty() ? finished.why : result.message; }
};

// What a job run through the window's output job heard of it. Its end also ends the event
// loop, when one runs.
struct OutputSeen : OutputObserver {
    uint64_t bytes = 0; // of a join, written so far
    int blocks = 0;     // progress reports of a join
    bool ended = false;
    bool failed = false;
    QString why; // of a failure: its reason, or "stopped"
    std::optional<OutputDone> done;       // what an ended output reported
    std::optional<OutputFailure> failure; // what a failed one reported
    void outputProgress(uint64_t done, uint64_t total) override;
    void outputEncoding() override {}
    void outputDone(const OutputDone &done) override;
    void outputFailed(const OutputFailure &failure) override;
};

// What a join job is asked to write besides its sound: ID3v2 chapters in a joined MP3
// (--chapters), a cue sheet beside the output (--cue).
struct JoinExtras {
    bool chapters = false;
    bool cue = false;
    // Takes `arg` when it is one of the two options.
    bool take(const char *arg);
    // After the join of `request`: writes the cue sheet and prints what was written; false,
    // with the reason on stderr, when the cue sheet could not be written.
    bool finish(const OutputRequest &request, const std::optional<OutputDone> &done) const;
};

// Reads the join options --match LUFS, --crossfade MS, --fade-in MS and --fade-out MS from
// the front of the arguments, stepping over them, and --cue and --chapters where `extras`
// takes them; false for a flag without a number.
bool takeJoinOptions(int &argc, char **&argv, JoinOptions &options, JoinExtras *extras = nullptr);
// Prints each clip's gain and the output's length of a join that shaped the sound.
void printLevels(const OutputDone &done);

Decoding decodeToWav(BassLibrary &bass, const char *source, const char *wavPath, PeakTable *table, int64_t *reported);

int decodeJob(int argc, char **argv);
int convertJob(int argc, char **argv);
int cutJob(int argc, char **argv);
int joinJob(int argc, char **argv);
int encodeJob(int argc, char **argv);
int seamsJob(int argc, char **argv);
int copycutJob(int argc, char **argv);
int copyjoinJob(int argc, char **argv);
int drawviewJob(int argc, char **argv);
int pausesJob(int argc, char **argv);
int cueJob(int argc, char **argv);
int tracksJob(int argc, char **argv);
int loudnessJob(int argc, char **argv);

} // namespace trevisto::bench
