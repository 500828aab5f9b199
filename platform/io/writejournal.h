#pragma once
// Where every file in progress is noted, so that what a killed run left in a user's folder
// is found at the next start: a folder in the prefix with one small note per writer,
// holding the path of its temporary file. A writer makes its own note, synced to the disk,
// before its temporary file exists, and removes it once the file is renamed or removed;
// writers at the same time, in one program or several, never touch each other's notes.
// A note is also remembered for an ending at once (ExitCleanup), with its file.

#include "platform/io/exitcleanup.h"

#include <string>
#include <vector>

namespace trevisto::io {

class WriteJournal {
public:
    // The folder notes go to, made when missing; empty (the start) notes nothing. Set
    // before writers run.
    static void setFolder(const std::string &folder);
    static std::string folder();

    // One writer's note while it lives.
    class Note {
    public:
        Note() = default;
        Note(Note &&other) noexcept;
        Note &operator=(Note &&other) noexcept;
        Note(const Note &) = delete;
        Note &operator=(const Note &) = delete;
        ~Note() { remove(); }

        // Removes the note; call it once the file it names is gone or renamed.
        void remove();

    private:
        friend class WriteJournal;
        std::string path_;
        ExitCleanup::Remembered remembered_;
    };

    // Notes that `temporaryPath` (absolute) is about to be written. Without a folder, or
    // when the note cannot be written, the file is written all the same, only remembered
    // for an ending at once.
    static Note note(const std::string &temporaryPath);

    struct Entry {
        std::string note;          // the note's own path
        std::string temporaryPath; // what it names; empty for a note cut short
    };
    // The notes in `folder` and what they name.
    static std::vector<Entry> read(const std::string &folder);
};

} // namespace trevisto::io
