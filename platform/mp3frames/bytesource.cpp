#include "platform/mp3frames/bytesource.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trevisto::mp3frames {

ByteSource::ByteSource(const std::string &nativePath)
{
    // O_NONBLOCK: a FIFO put in the file's place must not hang the open.
    fd_ = ::open(nativePath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) {
        error_ = errno;
        return;
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        error_ = S_ISREG(st.st_mode) ? errno : EINVAL;
        ::close(fd_);
        fd_ = -1;
        return;
    }
    size_ = uint64_t(st.st_size);
    modifiedNs_ = int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

ByteSource::~ByteSource()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool ByteSource::unchangedSinceOpen() const
{
    if (memory_)
        return true;
    struct stat st {};
    return fd_ >= 0 && ::fstat(fd_, &st) == 0 && uint64_t(st.st_size) == size_ &&
           int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec == modifiedNs_;
}

const unsigned char *ByteSource::at(uint64_t offset, size_t bytes)
{
    if (bytes > kBlock || offset > size_ || bytes > size_ - offset)
        return nullptr;
    if (memory_)
        return memory_ + offset;
    if (fd_ < 0)
        return nullptr;
    if (offset >= bufferAt_ && offset + bytes <= bufferAt_ + buffer_.size())
        return buffer_.data() + (offset - bufferAt_);
    // Twice the block, so that a request never straddles the window's end twice in a row.
    const size_t want = size_t(std::min<uint64_t>(2 * kBlock, size_ - offset));
    buffer_.resize(want);
    size_t got = 0;
    while (got < want) {
        const ssize_t n = ::pread(fd_, buffer_.data() + got, want - got, off_t(offset + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error_ = n < 0 ? errno : EIO;
            buffer_.clear();
            return nullptr;
        }
        got += size_t(n);
    }
    bufferAt_ = offset;
    return buffer_.data();
}

bool ByteSource::read(uint64_t offset, size_t bytes, unsigned char *out)
{
    while (bytes > 0) {
        const size_t piece = std::min(bytes, kBlock);
        const unsigned char *p = at(offset, piece);
        if (!p)
            return false;
        std::memcpy(out, p, piece);
        out += piece;
        offset += piece;
        bytes -= piece;
    }
    return true;
}

} // namespace trevisto::mp3frames
