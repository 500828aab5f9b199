#pragma once
// The sound-editing device, driven by command strings:
//
//   open <file> [type waveaudio] alias <name>
//   delete <name> [from <ms>] [to <ms>]       (at least one of from/to)
//   save <name> <file>
//   status <name> length                     (answer in *ret, milliseconds)
//   close <name> | close all
//
// Words are separated by runs of blanks (spaces, tabs) and keywords and aliases match
// regardless of letter case. A file name is taken verbatim: in "open" it is everything
// between the command word and the trailing "type ..."/"alias ..." words, in "save" it
// is the rest of the line after the alias; blanks around it are dropped, so a name
// cannot begin or end with a blank. Drive paths ("C:\...") are mapped to their native
// folder; native paths are used as they are.
//
// An opened sound is never loaded: the device keeps the file open and a list of the
// frame ranges that are still part of the sound. "delete" edits the list (cuts fall on
// frame boundaries, see timebase.h; "to" at or past the end means the end, "from" past
// the end deletes nothing, "from" after "to" is refused); "save" streams the kept ranges
// into a new plain WAVE file of the same format, replacing any file of that name only
// once it is complete. The opened file itself is never changed, even when it is the
// target of a save: the device goes on reading the original through its descriptor.

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/mci/error.h"
#include "platform/wav/wav.h"

namespace trevisto::mci {

struct FrameRange {
    int64_t first = 0; // source frames [first, last)
    int64_t last = 0;
    bool operator==(const FrameRange &) const = default;
};

// Removes the frames at positions [from, to) of the sound that `kept` lists and closes
// the gap.
void eraseFrames(std::vector<FrameRange> &kept, int64_t from, int64_t to);
// "delete ... [from fromMs] [to toMs]" on the sound that `kept` lists at `rate`: the
// positions go to frames as the device takes them. BadRange when from lies after to.
int eraseMs(std::vector<FrameRange> &kept, uint32_t rate, const int64_t *fromMs, const int64_t *toMs);
// The source frames that the cut's two deletions leave of a sound of `frames` frames at
// `rate` whose length reads `lengthMs`: "from 0 to markIn", then "from markOut - markIn
// to lengthMs - markIn".
std::vector<FrameRange> cutKeptFrames(int64_t frames, uint32_t rate, int64_t markIn, int64_t markOut,
                                      int64_t lengthMs);

// One opened file and its edits.
class Sound {
public:
    explicit Sound(std::unique_ptr<wav::File> file);

    const wav::File &file() const { return *file_; }
    const std::vector<FrameRange> &kept() const { return kept_; }
    int64_t frames() const;
    int64_t lengthMs() const;
    int64_t frameAt(int64_t ms) const;

    // Removes the current frames [from, to) and closes the gap.
    void erase(int64_t from, int64_t to);
    // The same with positions in milliseconds, as "delete" takes them (see eraseMs).
    int eraseMs(const int64_t *fromMs, const int64_t *toMs)
    {
        return mci::eraseMs(kept_, file_->format().sampleRate, fromMs, toMs);
    }
    // Writes the current sound as a plain WAVE file; an error code. When writing failed
    // on a system call, `systemError` receives its errno (else 0). `durable`: synced to
    // the disk before it takes its name.
    int save(const std::string &nativePath, int *systemError = nullptr, bool durable = true) const;

private:
    std::unique_ptr<wav::File> file_;
    std::vector<FrameRange> kept_;
};

class CommandDevice {
public:
    // 0 on success, else an Error code. `ret`, when given, is cleared and receives the
    // answer of a "status" command.
    int send(const std::string &command, std::string *ret = nullptr);

    // The sound open under `alias`, or null (for inspection).
    const Sound *sound(const std::string &alias) const;
    // A copy of that sound's kept frames, taken under the device's lock.
    std::vector<FrameRange> keptFrames(const std::string &alias) const;

    // The errno behind the last command's failure to write a file; 0 when the last
    // command succeeded or failed for another reason.
    int lastSystemError() const;

    // "save" to `nativePath` from now on skips the sync to the disk: a working file, gone
    // when the program ends, needs no guard against a power cut. Any other file is synced.
    void markWorkingFile(const std::string &nativePath);

private:
    int open(const std::string &line, size_t argsAt);
    int erase(const std::vector<std::string> &words);
    int save(const std::string &line, const std::vector<std::string> &words);
    int status(const std::vector<std::string> &words, std::string *ret);
    int close(const std::vector<std::string> &words);

    mutable std::mutex mutex_;
    std::map<std::string, std::unique_ptr<Sound>> sounds_; // by lower-case alias
    std::set<std::string> workingFiles_;                   // native paths
    int lastSystemError_ = 0;
};

// The program's one device.
int mciSendString(const std::string &command, std::string *ret = nullptr);
std::string mciGetErrorString(int code);
// The device's lastSystemError(): why the last command could not write, as an errno.
int mciGetLastSystemError();
// The source frames the sound open under `alias` still holds; empty when none is open.
std::vector<FrameRange> mciKeptFrames(const std::string &alias);
// The device's markWorkingFile().
void mciMarkWorkingFile(const std::string &nativePath);

} // namespace trevisto::mci
