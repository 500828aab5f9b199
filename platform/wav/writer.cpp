#include "platform/wav/wav.h"
#include "platform/io/textmark.h"

#include "platform/io/writeall.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trevisto::wav {

namespace {

constexpr size_t kCopyBlock = 1 << 20;
// At most this much per in-kernel copy call, so an interrupted call loses little.
constexpr int64_t kKernelCopy = 64 << 20;

void put16(unsigned char *p, uint32_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
void put32(unsigned char *p, uint32_t v)
{
    put16(p, v);
    put16(p + 2, v >> 16);
}

std::string folderOf(const std::string &path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string randomSuffix()
{
    static thread_local std::mt19937_64 rng{std::random_device{}() ^ uint64_t(::getpid()) << 32};
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string s(8, 'x');
    for (char &c : s)
        c = alphabet[rng() % (sizeof alphabet - 1)];
    return s;
}

} // namespace

WaveHeader header(const Format &format, uint64_t dataBytes)
{
    WaveHeader h{};
    const uint32_t data = uint32_t(std::min(dataBytes, kMaxDataBytes));
    std::memcpy(&h[0], "RIFF", 4);
    put32(&h[4], data + 36);
    std::memcpy(&h[8], "WAVE", 4);
    std::memcpy(&h[12], "fmt ", 4);
    put32(&h[16], 16);
    put16(&h[20], format.tag);
    put16(&h[22], format.channels);
    put32(&h[24], format.sampleRate);
    put32(&h[28], uint32_t(format.byteRate()));
    put16(&h[32], format.blockAlign());
    put16(&h[34], format.bitsPerSample);
    std::memcpy(&h[36], "data", 4);
    put32(&h[40], data);
    return h;
}

const char *describe(WriteError error)
{
    switch (error) {
    case WriteError::None: return "no error";
    case WriteError::CannotCreate: return QT_TRANSLATE_NOOP("WavFile", "the file cannot be created there");
    case WriteError::WriteFailed: return QT_TRANSLATE_NOOP("WavFile", "writing the file failed");
    case WriteError::TooLarge: return QT_TRANSLATE_NOOP("WavFile", "the sound is too long for a WAVE file (4 GiB)");
    case WriteError::ReadFailed: return QT_TRANSLATE_NOOP("WavFile", "the sound to save could not be read");
    }
    return "unknown error";
}

Writer::Writer(int fd, std::string path, std::string tempPath, const Format &format)
    : fd_(fd), path_(std::move(path)), tempPath_(std::move(tempPath)), format_(format)
{
}

std::unique_ptr<Writer> Writer::create(const std::string &path, const Format &format, WriteError *error)
{
    auto fail = [&](WriteError e) {
        if (error)
            *error = e;
        return nullptr;
    };
    if (path.empty() || path.back() == '/' || !format.supported())
        return fail(WriteError::CannotCreate);
    struct stat target;
    const bool exists = ::stat(path.c_str(), &target) == 0;
    if (exists && S_ISDIR(target.st_mode))
        return fail(WriteError::CannotCreate);

    const std::string folder = folderOf(path);
    std::string base = path.substr(path.find_last_of('/') + 1);
    if (base.size() > 128)
        base.resize(128);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string temp = folder + "/." + base + "." + randomSuffix() + ".tmp";
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return fail(WriteError::CannotCreate);
        }
        std::unique_ptr<Writer> w(new Writer(fd, path, std::move(temp), format));
        if (exists && S_ISREG(target.st_mode))
            ::fchmod(fd, target.st_mode & 07777);
        // The header is written last, once the data size is known.
        if (::lseek(fd, off_t(kHeaderSize), SEEK_SET) != off_t(kHeaderSize))
            return fail(WriteError::WriteFailed);
        if (error)
            *error = WriteError::None;
        return w;
    }
    return fail(WriteError::CannotCreate);
}

Writer::~Writer()
{
    if (!committed_)
        discard();
}

void Writer::discard()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!tempPath_.empty()) {
        ::unlink(tempPath_.c_str());
        tempPath_.clear();
    }
}

bool Writer::reserve(uint64_t bytes)
{
    if (error_ != WriteError::None)
        return false;
    if (bytes > kMaxDataBytes - dataBytes_) {
        error_ = WriteError::TooLarge;
        return false;
    }
    return true;
}

bool Writer::write(const void *data, size_t bytes)
{
    if (!reserve(bytes))
        return false;
    if (!io::writeAll(fd_, data, bytes)) {
        error_ = WriteError::WriteFailed;
        return false;
    }
    dataBytes_ += bytes;
    return true;
}

// The kernel moves the bytes from file to file without a trip through this process, which
// keeps memory flat and is as fast as the file systems allow. Where it refuses (another
// file system type, an older kernel, a source that is not a plain file), large plain reads
// and writes take over from where it stopped; they also tell a failed read from a failed
// write, so any refusal is handed to them rather than judged here.
bool Writer::copyFrom(int fd, int64_t offset, int64_t bytes)
{
    if (offset < 0 || bytes < 0 || !reserve(uint64_t(bytes)))
        return false;
    while (bytes > 0) {
        loff_t from = offset;
        const ssize_t n = ::copy_file_range(fd, &from, fd_, nullptr, size_t(std::min<int64_t>(bytes, kKernelCopy)), 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0) {
            error_ = WriteError::ReadFailed; // the source ended early
            return false;
        }
        if (n < 0)
            break;
        offset += n;
        bytes -= n;
        dataBytes_ += uint64_t(n);
    }
    if (bytes > 0 && !buffer_)
        buffer_.reset(new char[kCopyBlock]);
    while (bytes > 0) {
        const ssize_t n = ::pread(fd, buffer_.get(), size_t(std::min<int64_t>(bytes, kCopyBlock)), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error_ = WriteError::ReadFailed; // unreadable, or the source ended early
            return false;
        }
        if (!io::writeAll(fd_, buffer_.get(), size_t(n))) {
            error_ = WriteError::WriteFailed;
            return false;
        }
        offset += n;
        bytes -= n;
        dataBytes_ += uint64_t(n);
    }
    return true;
}

WriteError Writer::commit()
{
    if (committed_)
        return WriteError::None;
    if (error_ == WriteError::None) {
        const auto h = header(format_, dataBytes_);
        if (::pwrite(fd_, h.data(), h.size(), 0) != ssize_t(h.size()))
            error_ = WriteError::WriteFailed;
    }
    if (error_ == WriteError::None) {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            error_ = WriteError::WriteFailed;
    }
    if (error_ == WriteError::None) {
        // An earlier file is swapped out atomically and then removed. A plain rename over
        // it does the same, but some file systems then write the new file out at once,
        // which doubles the time of a large save.
        struct stat st;
        const bool replacing = ::lstat(path_.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
        if (replacing && ::renameat2(AT_FDCWD, tempPath_.c_str(), AT_FDCWD, path_.c_str(), RENAME_EXCHANGE) == 0) {
            ::unlink(tempPath_.c_str()); // now the earlier file
            tempPath_.clear();
        } else if (::rename(tempPath_.c_str(), path_.c_str()) == 0) {
            tempPath_.clear();
        } else {
            error_ = (errno == EISDIR || errno == ENOTDIR) ? WriteError::CannotCreate : WriteError::WriteFailed;
        }
    }
    if (error_ != WriteError::None) {
        discard();
        return error_;
    }
    committed_ = true;
    return WriteError::None;
}

WriteError writeFile(const std::string &path, const Format &format, const void *data, size_t bytes)
{
    WriteError error;
    auto w = Writer::create(path, format, &error);
    if (!w)
        return error;
    if (!w->write(data, bytes))
        return w->error();
    return w->commit();
}

} // namespace trevisto::wav
