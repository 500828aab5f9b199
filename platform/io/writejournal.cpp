#include "platform/io/writejournal.h"

#include "platform/io/regularfile.h"
#include "platform/io/writeall.h"

#include <cerrno>
#include <mutex>
#include <random>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trevisto::io {

namespace {

// A note is one path and a line break; anything longer is no note of ours.
constexpr size_t kMaxNoteBytes = 4096 + 1;

std::mutex folderMutex;
std::string journalFolder;

// Unique among the program's runs as well: the process id, then random letters, and
// O_EXCL for the rare clash.
std::string noteName()
{
    static thread_local std::mt19937_64 rng{std::random_device{}() ^ uint64_t(::getpid()) << 32};
    static constexpr char alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = std::to_string(::getpid()) + "-";
    for (int i = 0; i < 12; ++i)
        name += alphabet[rng() % (sizeof alphabet - 1)];
    return name + ".note";
}

bool syncFolder(const std::string &folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// The note's path once it is on the disk, else empty (and nothing left behind).
std::string writeNote(const std::string &folder, const std::string &temporaryPath)
{
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return {};
    const std::string text = temporaryPath + "\n";
    for (int attempt = 0; attempt < 10; ++attempt) {
        const std::string path = folder + "/" + noteName();
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return {};
        const bool written = writeFully(fd, text.data(), text.size()) == 0 && ::fsync(fd) == 0;
        if (::close(fd) != 0 || !written || !syncFolder(folder)) {
            ::unlink(path.c_str());
            return {};
        }
        return path;
    }
    return {};
}

} // namespace

void WriteJournal::setFolder(const std::string &folder)
{
    const std::lock_guard lock(folderMutex);
    journalFolder = folder;
}

std::string WriteJournal::folder()
{
    const std::lock_guard lock(folderMutex);
    return journalFolder;
}

WriteJournal::Note WriteJournal::note(const std::string &temporaryPath)
{
    Note n;
    if (const std::string where = folder(); !where.empty())
        n.path_ = writeNote(where, temporaryPath);
    n.remembered_ = ExitCleanup::remember(temporaryPath, n.path_);
    return n;
}

std::vector<WriteJournal::Entry> WriteJournal::read(const std::string &folder)
{
    std::vector<Entry> entries;
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return entries;
    while (const dirent *e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..")
            continue;
        Entry entry{folder + "/" + name, {}};
        std::string text;
        // Only a whole note counts: one absolute path ended by its line break.
        if (readRegularFile(entry.note, kMaxNoteBytes, text) == 0 && text.size() >= 3 && text.front() == '/' &&
            text.back() == '\n' && text.find('\n') == text.size() - 1 && text.find('\0') == std::string::npos)
            entry.temporaryPath = text.substr(0, text.size() - 1);
        entries.push_back(std::move(entry));
    }
    ::closedir(dir);
    return entries;
}

WriteJournal::Note::Note(Note &&other) noexcept
    : path_(std::exchange(other.path_, {})), remembered_(std::move(other.remembered_))
{
}

WriteJournal::Note &WriteJournal::Note::operator=(Note &&other) noexcept
{
    if (this != &other) {
        remove();
        path_ = std::exchange(other.path_, {});
        remembered_ = std::move(other.remembered_);
    }
    return *this;
}

void WriteJournal::Note::remove()
{
    // The file is renamed or gone by now; a note a kill leaves right here names nothing,
    // and the next sweep drops it.
    remembered_.forget();
    if (!path_.empty())
        ::unlink(std::exchange(path_, {}).c_str());
}

} // namespace trevisto::io
