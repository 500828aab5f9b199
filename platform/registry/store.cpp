#include "platform/registry/store.h"

#include "platform/io/atomicfile.h"
#include "platform/io/regularfile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

namespace trevisto::registry {

namespace {

LONG codeFor(int err, LONG fallback)
{
    switch (err) {
    case EACCES:
    case EPERM:
        return ERROR_ACCESS_DENIED;
    case EROFS:
        return ERROR_WRITE_PROTECT;
    case ENOSPC:
    case EDQUOT:
        return ERROR_DISK_FULL;
    default:
        return fallback;
    }
}

// Holds the store's lock while it lives. Without a lock file (a folder we may not write
// to) readers go on unlocked: nobody can be writing there either.
class Lock {
public:
    explicit Lock(const std::filesystem::path &file)
    {
        const std::string path = file.string() + ".lock";
        fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ < 0)
            return;
        while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    ~Lock()
    {
        if (fd_ >= 0)
            ::close(fd_); // closing releases the lock
    }
    Lock(const Lock &) = delete;
    Lock &operator=(const Lock &) = delete;

private:
    int fd_ = -1;
};

} // namespace

LONG Store::load(Key &root, bool &canReplace) const
{
    root = Key{};
    canReplace = true;
    // One byte past the limit is enough for the parser to refuse the file. A FIFO or a
    // device in its place is no settings file, and waiting on it would hold up the start.
    std::string text;
    const int err = io::readRegularFile(file_.string(), kMaxRegTextBytes + 1, text);
    if (err == ENOENT || err == ENOTDIR)
        return ERROR_SUCCESS;
    if (err != 0)
        return codeFor(err, ERROR_READ_FAULT);

    ParseResult parsed = parseRegText(text);
    if (parsed.ok()) {
        root = std::move(parsed.root);
        return ERROR_SUCCESS;
    }
    const std::string bad = file_.string() + ".bad";
    const std::string why =
        parsed.line > 0 ? "line " + std::to_string(parsed.line) + ": " + parsed.error : parsed.error;
    if (::rename(file_.c_str(), bad.c_str()) != 0) {
        const int err = errno;
        std::fprintf(stderr, "trevisto: %s is not a registry file (%s) and cannot be moved aside (%s); settings are not saved\n",
                     file_.c_str(), why.c_str(), std::strerror(err));
        // Reading goes on with an empty store, but nothing may replace the file.
        canReplace = false;
        return ERROR_SUCCESS;
    }
    std::fprintf(stderr, "trevisto: %s is not a registry file (%s); it was kept as %s and settings start empty\n",
                 file_.c_str(), why.c_str(), bad.c_str());
    return ERROR_SUCCESS;
}

LONG Store::read(Key &root) const
{
    Lock lock(file_);
    bool canReplace;
    return load(root, canReplace);
}

LONG Store::modify(const std::function<LONG(Key &, bool &)> &change) const
{
    std::error_code ec;
    std::filesystem::create_directories(file_.parent_path(), ec);
    Lock lock(file_);
    Key root;
    bool canReplace;
    LONG r = load(root, canReplace);
    if (r != ERROR_SUCCESS)
        return r;
    if (!canReplace)
        return ERROR_ACCESS_DENIED;
    bool changed = false;
    r = change(root, changed);
    if (r != ERROR_SUCCESS || !changed)
        return r;
    return save(root);
}

LONG Store::save(const Key &root) const
{
    const std::string text = formatRegText(root);
    // Never write a file that the next read would refuse and move aside.
    if (text.size() > kMaxRegTextBytes)
        return ERROR_INVALID_PARAMETER;
    // Keep the rights a user gave the file; a new one is readable by all, like other
    // settings files.
    io::AtomicFile file = io::AtomicFile::create(file_.string(), {.newFileMode = 0644, .durable = true});
    if (!file.writeAll(text.data(), text.size()) || !file.commit())
        return codeFor(file.error(), ERROR_WRITE_FAULT);
    return ERROR_SUCCESS;
}

} // namespace trevisto::registry
