#pragma once
// A file that appears under its name whole or not at all. It is written under a hidden,
// exclusively created name in the target's folder and renamed over the target only once
// it was written and closed without error; until then any earlier file of that name stays
// as it was, and a file given up (or never committed) is removed.
//
// Every failure keeps the errno of the system call that refused, read right after that
// call; the first one sticks, and every later step refuses without asking the system.

#include "platform/io/regularfile.h"
#include "platform/io/writejournal.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace trevisto::io {

class AtomicFile {
public:
    struct Options {
        // The permission bits of a file that replaces none; -1 leaves them as a new file
        // gets them (0666 less the umask). A replaced file's bits are always kept.
        int newFileMode = -1;
        // Synced to the disk before it is closed, and its folder after the rename, so that
        // a power cut soon after a save leaves the old file or the new one, never neither.
        bool durable = true;
    };

    // Opens a temporary file beside `target`, noted in the WriteJournal before it exists. A
    // `target` that is a symbolic link is written through to the file it names (target()
    // is that file), so the link stays. Refused with EISDIR when `target` is a folder, and
    // with kNotAPlainFile when it is a device, a pipe or a socket, so nothing is written
    // for a rename that must not happen.
    static AtomicFile create(const std::string &target, const Options &options);
    static AtomicFile create(const std::string &target) { return create(target, Options{}); }

    // True for a file name that create() gives its temporary files: ".<name>.trevisto-<8
    // letters or digits>.tmp", hidden and beside the target for the rename. What an
    // interrupted writer left can be found by it, also among a user's own files.
    static bool isTemporaryName(std::string_view fileName);
    // True for the names earlier versions gave: ".<name>.<8 letters or digits>.tmp". Only
    // in the program's own folders is such a file surely one of ours.
    static bool isEarlierTemporaryName(std::string_view fileName);

    AtomicFile() = default; // open nowhere
    AtomicFile(AtomicFile &&other) noexcept;
    AtomicFile &operator=(AtomicFile &&other) noexcept;
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;
    ~AtomicFile(); // discard() unless committed

    bool isOpen() const { return fd_ >= 0; }
    bool committed() const { return committed_; }
    // For calls this type does not wrap (an in-kernel copy); -1 once closed.
    int fd() const { return fd_; }
    const std::string &target() const { return target_; }
    // Empty once committed or discarded.
    const std::string &temporaryPath() const { return tempPath_; }

    // Appends at the file position, through short writes and interruptions.
    bool writeAll(const void *data, size_t bytes);
    // Writes at `offset`, leaving the file position alone.
    bool writeAt(int64_t offset, const void *data, size_t bytes);
    // Syncs (when durable) and closes; the file stays under its temporary name.
    bool close();
    // Closes when still open, then renames the file over the target. On failure the
    // temporary file is removed and the target left as it was.
    bool commit();
    // Closes and removes the temporary file; the target is left as it was.
    void discard();

    // The errno of the call that failed first; 0 while every call succeeded.
    int error() const { return error_; }

    // How many syncs to the disk (files and folders) durable files made in this process:
    // for tests and the benchmark driver to see which writes are synced.
    static uint64_t syncsMade();

private:
    bool fail(int error);

    int fd_ = -1;
    std::string target_, tempPath_;
    WriteJournal::Note note_; // of tempPath_, while it may exist
    Options options_;
    int error_ = 0;
    bool committed_ = false;
};

} // namespace trevisto::io
