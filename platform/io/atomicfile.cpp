#include "platform/io/atomicfile.h"

#include "platform/io/writeall.h"

#include <atomic>
#include <cerrno>
#include <random>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trevisto::io {

namespace {

// Long names are cut, so that the hidden name stays within the system's limit.
constexpr size_t kMaxBaseName = 128;
constexpr int kAttempts = 100;
constexpr size_t kSuffixLength = 8;
constexpr char kSuffixAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::string_view kTemporaryEnd = ".tmp";
// Tells the program's temporary files from anything else in a user's folder.
constexpr std::string_view kOwnMark = ".trevisto-";

std::string folderOf(const std::string &path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Two processes started at the same moment seed differently by their ids.
std::string randomSuffix()
{
    static thread_local std::mt19937_64 rng{std::random_device{}() ^ uint64_t(::getpid()) << 32};
    std::string s(kSuffixLength, 'x');
    for (char &c : s)
        c = kSuffixAlphabet[rng() % (sizeof kSuffixAlphabet - 1)];
    return s;
}

// The file a chain of symbolic links ends at, whether or not it exists yet; `path` itself
// when it is no link. Empty, with `error` set, for a loop or a link that cannot be read.
std::string throughLinks(std::string path, int &error)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::string link(size_t(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n < 0) {
            error = errno;
            return {};
        }
        link.resize(size_t(n));
        path = link.starts_with('/') ? link : folderOf(path) + "/" + link;
    }
    error = ELOOP;
    return {};
}

std::atomic<uint64_t> syncs{0};

int sync(int fd)
{
    syncs.fetch_add(1, std::memory_order_relaxed);
    return ::fsync(fd);
}

// The note outlives a change of the current folder.
std::string absolute(const std::string &path)
{
    if (path.starts_with('/'))
        return path;
    std::string here(4096, '\0');
    if (::getcwd(here.data(), here.size()) == nullptr)
        return path;
    here.resize(std::char_traits<char>::length(here.c_str()));
    return here + "/" + path;
}

// ".", at least one character of a name not longer than kMaxBaseName, then `middle`
// (ending in the separator), the random suffix and ".tmp".
bool hasTemporaryForm(std::string_view fileName, std::string_view middle)
{
    const size_t tail = middle.size() + kSuffixLength + kTemporaryEnd.size();
    if (fileName.size() < 2 + tail || fileName.front() != '.' || !fileName.ends_with(kTemporaryEnd))
        return false;
    if (fileName.size() - 1 - tail > kMaxBaseName)
        return false;
    const std::string_view end = fileName.substr(fileName.size() - tail);
    if (!end.starts_with(middle))
        return false;
    for (char c : end.substr(middle.size(), kSuffixLength))
        if (std::string_view(kSuffixAlphabet).find(c) == std::string_view::npos)
            return false;
    return true;
}

void syncFolder(const std::string &folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        sync(fd);
        ::close(fd);
    }
}

} // namespace

AtomicFile AtomicFile::create(const std::string &target, const Options &options)
{
    AtomicFile file;
    file.options_ = options;
    int linkError = 0;
    file.target_ = throughLinks(target, linkError);
    if (file.target_.empty()) {
        file.target_ = target;
        file.fail(linkError);
        return file;
    }
    struct stat st;
    const bool exists = ::stat(file.target_.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) {
        file.fail(EISDIR);
        return file;
    }
    if (exists && !S_ISREG(st.st_mode)) {
        file.fail(kNotAPlainFile);
        return file;
    }

    const std::string folder = folderOf(file.target_);
    std::string base = file.target_.substr(file.target_.find_last_of('/') + 1);
    if (base.size() > kMaxBaseName)
        base.resize(kMaxBaseName);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::string temp = folder + "/." + base + std::string(kOwnMark) + randomSuffix() + std::string(kTemporaryEnd);
        // Noted before it exists: a kill at any moment after this leaves a file the next
        // start can find.
        file.note_ = WriteJournal::note(absolute(temp));
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            const int error = errno;
            file.note_.remove();
            if (error == EEXIST)
                continue;
            file.fail(error);
            return file;
        }
        file.fd_ = fd;
        file.tempPath_ = std::move(temp);
        // Best effort: a file system without permission bits refuses, and the file is
        // written all the same.
        if (exists)
            ::fchmod(fd, st.st_mode & 07777);
        else if (options.newFileMode >= 0)
            ::fchmod(fd, mode_t(options.newFileMode));
        return file;
    }
    file.fail(EEXIST);
    return file;
}

bool AtomicFile::isTemporaryName(std::string_view fileName)
{
    return hasTemporaryForm(fileName, kOwnMark);
}

bool AtomicFile::isEarlierTemporaryName(std::string_view fileName)
{
    return hasTemporaryForm(fileName, ".");
}

uint64_t AtomicFile::syncsMade() { return syncs.load(std::memory_order_relaxed); }

AtomicFile::AtomicFile(AtomicFile &&other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      target_(std::move(other.target_)),
      tempPath_(std::exchange(other.tempPath_, {})),
      note_(std::move(other.note_)),
      options_(other.options_),
      error_(other.error_),
      committed_(other.committed_)
{
}

AtomicFile &AtomicFile::operator=(AtomicFile &&other) noexcept
{
    if (this != &other) {
        discard();
        fd_ = std::exchange(other.fd_, -1);
        target_ = std::move(other.target_);
        tempPath_ = std::exchange(other.tempPath_, {});
        note_ = std::move(other.note_);
        options_ = other.options_;
        error_ = other.error_;
        committed_ = other.committed_;
    }
    return *this;
}

AtomicFile::~AtomicFile()
{
    discard();
}

bool AtomicFile::fail(int error)
{
    if (error_ == 0)
        error_ = error;
    return false;
}

bool AtomicFile::writeAll(const void *data, size_t bytes)
{
    if (error_ || fd_ < 0)
        return fail(EBADF);
    const int error = writeFully(fd_, data, bytes);
    return error == 0 || fail(error);
}

bool AtomicFile::writeAt(int64_t offset, const void *data, size_t bytes)
{
    if (error_ || fd_ < 0)
        return fail(EBADF);
    if (offset < 0)
        return fail(EINVAL);
    const int error = writeFully(fd_, data, bytes, offset);
    return error == 0 || fail(error);
}

bool AtomicFile::close()
{
    if (fd_ < 0)
        return error_ == 0 && !tempPath_.empty();
    const int fd = std::exchange(fd_, -1);
    if (error_) {
        ::close(fd);
        return false;
    }
    if (options_.durable && sync(fd) != 0) {
        fail(errno);
        ::close(fd);
        return false;
    }
    // Some file systems report a failed delayed write only here.
    return ::close(fd) == 0 || fail(errno);
}

bool AtomicFile::commit()
{
    if (committed_)
        return true;
    if (!close()) {
        fail(EBADF);
        discard();
        return false;
    }
    // An earlier file is swapped out atomically and then removed. A plain rename over it
    // does the same, but some file systems then write the new file out at once, which
    // doubles the time of a large save.
    struct stat st;
    const bool replacing = ::lstat(target_.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
    if (replacing && ::renameat2(AT_FDCWD, tempPath_.c_str(), AT_FDCWD, target_.c_str(), RENAME_EXCHANGE) == 0) {
        ::unlink(tempPath_.c_str()); // now the earlier file
    } else if (::rename(tempPath_.c_str(), target_.c_str()) != 0) {
        fail(errno);
        discard();
        return false;
    }
    tempPath_.clear();
    note_.remove();
    committed_ = true;
    if (options_.durable)
        syncFolder(folderOf(target_));
    return true;
}

void AtomicFile::discard()
{
    if (fd_ >= 0)
        ::close(std::exchange(fd_, -1));
    if (!tempPath_.empty()) {
        ::unlink(tempPath_.c_str());
        tempPath_.clear();
    }
    note_.remove();
}

} // namespace trevisto::io
