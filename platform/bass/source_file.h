#pragma once
// Access to the file behind a channel, and recognition of what it holds.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace trevisto::bass {

// A regular file opened for reading. Anything else (missing path, directory, FIFO,
// device) is refused with BASS_ERROR_FILEOPEN without blocking.
class SourceFile {
public:
    static std::shared_ptr<SourceFile> open(const char *path);
    ~SourceFile();
    SourceFile(const SourceFile &) = delete;
    SourceFile &operator=(const SourceFile &) = delete;

    int64_t size() const { return size_; }

    // Reads up to `count` bytes at `offset`; fewer only at the end of the file.
    // Returns -1 (and remembers it, see failed()) when the system refuses the read
    // or the file has shrunk since it was opened.
    int64_t readAt(int64_t offset, void *buffer, size_t count) const;

    // True once a read failed (a vanished network share, a file cut short by
    // another program): data is missing, as opposed to having ended.
    bool failed() const { return failed_; }

private:
    SourceFile(int fd, int64_t size) : fd_(fd), size_(size) {}
    int fd_;
    int64_t size_;
    mutable std::atomic<bool> failed_ = false; // set by readers on any thread
};

// Local path named by a file:// URL ("file:///x", "file://localhost/x", "file:/x"),
// percent-decoded. Nothing for any other text.
std::optional<std::string> pathFromFileUrl(const char *url);

enum class StreamKind { Unknown, Sndfile, Mpeg };

// What the stream decoders would take, judged by content alone.
StreamKind sniffStream(const SourceFile &file);

} // namespace trevisto::bass
