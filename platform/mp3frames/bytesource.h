#pragma once
// Reading a file, or bytes in memory, at any offset through one buffer: a window of the
// file that moves forward as the reader does, so that walking the frames reads the file
// once, in large blocks.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace trevisto::mp3frames {

class ByteSource {
public:
    static constexpr size_t kBlock = 1 << 20;

    ByteSource(const unsigned char *data, size_t bytes) : memory_(data), size_(bytes) {}
    // Opens `nativePath` for reading; ok() tells whether that worked.
    explicit ByteSource(const std::string &nativePath);
    ~ByteSource();
    ByteSource(const ByteSource &) = delete;
    ByteSource &operator=(const ByteSource &) = delete;

    bool ok() const { return fd_ >= 0 || memory_; }
    int error() const { return error_; }
    uint64_t size() const { return size_; }
    int64_t modifiedNs() const { return modifiedNs_; }
    // The file's size and time are still those it had when opened (bytes in memory
    // never change).
    bool unchangedSinceOpen() const;

    // `bytes` (at most kBlock) bytes at `offset`, valid until the next call; null when they
    // run past the end or cannot be read.
    const unsigned char *at(uint64_t offset, size_t bytes);
    // Copies [offset, offset + bytes) into `out`; false when that cannot be read whole.
    bool read(uint64_t offset, size_t bytes, unsigned char *out);

private:
    const unsigned char *memory_ = nullptr;
    int fd_ = -1;
    int error_ = 0;
    uint64_t size_ = 0;
    int64_t modifiedNs_ = 0;
    std::vector<unsigned char> buffer_;
    uint64_t bufferAt_ = 0;
};

} // namespace trevisto::mp3frames
