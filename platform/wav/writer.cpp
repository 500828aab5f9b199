#include "platform/wav/wav.h"
#include "platform/io/textmark.h"
#include "platform/io/writeall.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

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
void put64(unsigned char *p, uint64_t v)
{
    put32(p, uint32_t(v));
    put32(p + 4, uint32_t(v >> 32));
}

void putFmt(unsigned char *p, const Format &format)
{
    std::memcpy(p, "fmt ", 4);
    put32(p + 4, 16);
    put16(p + 8, format.tag);
    put16(p + 10, format.channels);
    put32(p + 12, format.sampleRate);
    put32(p + 16, uint32_t(format.byteRate()));
    put16(p + 20, format.blockAlign());
    put16(p + 22, format.bitsPerSample);
}

} // namespace

WaveHeader header(const Format &format, uint64_t dataBytes)
{
    WaveHeader h{};
    const uint32_t data = uint32_t(std::min(dataBytes, kMaxDataBytes));
    std::memcpy(&h[0], "RIFF", 4);
    put32(&h[4], data + 36);
    std::memcpy(&h[8], "WAVE", 4);
    putFmt(&h[12], format);
    std::memcpy(&h[36], "data", 4);
    put32(&h[40], data);
    return h;
}

Rf64Header rf64Header(const Format &format, uint64_t dataBytes)
{
    Rf64Header h{};
    std::memcpy(&h[0], "RF64", 4);
    put32(&h[4], 0xFFFFFFFFu);
    std::memcpy(&h[8], "WAVE", 4);
    std::memcpy(&h[12], "ds64", 4);
    put32(&h[16], 28);
    put64(&h[20], dataBytes + kRf64HeaderSize - 8);
    put64(&h[28], dataBytes);
    put64(&h[36], format.blockAlign() ? dataBytes / format.blockAlign() : 0);
    put32(&h[44], 0); // no table of other chunks' sizes
    putFmt(&h[48], format);
    std::memcpy(&h[72], "data", 4);
    put32(&h[76], 0xFFFFFFFFu);
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

Writer::Writer(io::AtomicFile file, const Format &format) : file_(std::move(file)), format_(format) {}

std::unique_ptr<Writer> Writer::create(const std::string &path, const Format &format, WriteError *error,
                                       int *systemError, const io::AtomicFile::Options &options)
{
    auto fail = [&](WriteError e, int system) {
        if (error)
            *error = e;
        if (systemError)
            *systemError = system;
        return nullptr;
    };
    if (path.empty() || path.back() == '/' || !format.supported())
        return fail(WriteError::CannotCreate, 0);
    io::AtomicFile file = io::AtomicFile::create(path, options);
    // A folder under the name is refused before the system is asked.
    if (!file.isOpen())
        return fail(WriteError::CannotCreate, file.error() == EISDIR ? 0 : file.error());
    // The header is written last, once the data size is known.
    const WaveHeader placeholder{};
    if (!file.writeAll(placeholder.data(), placeholder.size()))
        return fail(WriteError::WriteFailed, file.error());
    if (error)
        *error = WriteError::None;
    if (systemError)
        *systemError = 0;
    return std::unique_ptr<Writer>(new Writer(std::move(file), format));
}

Writer::~Writer() = default;

bool Writer::fail(WriteError error, int systemError)
{
    error_ = error;
    systemError_ = systemError;
    return false;
}

bool Writer::reserve(uint64_t bytes)
{
    if (error_ != WriteError::None)
        return false;
    if (bytes > kMaxFileDataBytes - dataBytes_)
        return fail(WriteError::TooLarge, 0);
    return true;
}

bool Writer::expect(uint64_t dataBytes)
{
    if (error_ != WriteError::None)
        return false;
    const size_t wanted = headerSizeFor(dataBytes);
    if (dataBytes_ != 0 || wanted == headerBytes_)
        return true;
    const Rf64Header placeholder{};
    if (!file_.writeAll(placeholder.data(), wanted - headerBytes_))
        return fail(WriteError::WriteFailed, file_.error());
    headerBytes_ = wanted;
    return true;
}

bool Writer::appendHole(uint64_t bytes)
{
    if (!reserve(bytes))
        return false;
    const off_t end = off_t(headerBytes_ + dataBytes_ + bytes);
    if (::ftruncate(file_.fd(), end) != 0)
        return fail(WriteError::WriteFailed, errno);
    if (::lseek(file_.fd(), end, SEEK_SET) < 0)
        return fail(WriteError::WriteFailed, errno);
    dataBytes_ += bytes;
    return true;
}

// The sound was written after a header of the other size: it moves, from its end when it
// moves up so no byte is overwritten before it is read, and the file is cut to its new end.
bool Writer::moveSound(int64_t from, int64_t to)
{
    // The file is open for writing only.
    const int in = ::open(file_.temporaryPath().c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return fail(WriteError::WriteFailed, errno);
    const bool moved = moveSound(in, from, to);
    ::close(in);
    return moved;
}

bool Writer::moveSound(int in, int64_t from, int64_t to)
{
    const int fd = file_.fd();
    const int64_t total = int64_t(dataBytes_);
    if (!buffer_)
        buffer_.reset(new char[kCopyBlock]);
    const auto moveBlock = [&](int64_t at, int64_t n) {
        int64_t done = 0;
        while (done < n) {
            const ssize_t got = ::pread(in, buffer_.get() + done, size_t(n - done), from + at + done);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                return fail(WriteError::WriteFailed, got < 0 ? errno : EIO);
            done += got;
        }
        return file_.writeAt(to + at, buffer_.get(), size_t(n)) || fail(WriteError::WriteFailed, file_.error());
    };
    if (to > from) {
        for (int64_t end = total; end > 0;) {
            const int64_t n = std::min<int64_t>(end, kCopyBlock);
            end -= n;
            if (!moveBlock(end, n))
                return false;
        }
    } else {
        for (int64_t at = 0; at < total;) {
            const int64_t n = std::min<int64_t>(total - at, kCopyBlock);
            if (!moveBlock(at, n))
                return false;
            at += n;
        }
        if (::ftruncate(fd, off_t(to + total)) != 0)
            return fail(WriteError::WriteFailed, errno);
    }
    return true;
}

bool Writer::write(const void *data, size_t bytes)
{
    if (!reserve(bytes))
        return false;
    if (!file_.writeAll(data, bytes))
        return fail(WriteError::WriteFailed, file_.error());
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
    // Holes in the source (silence a file system keeps without disk) stay holes, so a
    // sparse source costs neither the disk nor the time of its size. A source without holes
    // is one stretch of data.
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        while (bytes > 0 && offset < st.st_size) {
            const off_t data = ::lseek(fd, offset, SEEK_DATA);
            if (data < 0 && errno != ENXIO)
                break; // no hole support: copy all of it
            const int64_t holeEnd = data < 0 ? int64_t(st.st_size) : int64_t(data);
            const int64_t hole = std::min(bytes, holeEnd - offset);
            if (hole > 0) {
                if (!appendHole(uint64_t(hole)))
                    return false;
                offset += hole;
                bytes -= hole;
                continue;
            }
            const off_t dataEnd = ::lseek(fd, offset, SEEK_HOLE);
            const int64_t run = dataEnd < 0 ? bytes : std::min(bytes, int64_t(dataEnd) - offset);
            if (run <= 0 || !copyData(fd, offset, run))
                break;
            offset += run;
            bytes -= run;
        }
    }
    return error_ == WriteError::None && (bytes == 0 || copyData(fd, offset, bytes));
}

bool Writer::copyData(int fd, int64_t offset, int64_t bytes)
{
    while (bytes > 0) {
        loff_t from = offset;
        const ssize_t n =
            ::copy_file_range(fd, &from, file_.fd(), nullptr, size_t(std::min<int64_t>(bytes, kKernelCopy)), 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            return fail(WriteError::ReadFailed, 0); // the source ended early
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
        if (n < 0)
            return fail(WriteError::ReadFailed, errno);
        if (n == 0)
            return fail(WriteError::ReadFailed, 0); // the source ended early
        if (!file_.writeAll(buffer_.get(), size_t(n)))
            return fail(WriteError::WriteFailed, file_.error());
        offset += n;
        bytes -= n;
        dataBytes_ += uint64_t(n);
    }
    return true;
}

WriteError Writer::commit()
{
    if (file_.committed())
        return WriteError::None;
    if (error_ == WriteError::None) {
        const size_t wanted = headerSizeFor(dataBytes_);
        if (wanted != headerBytes_ && moveSound(int64_t(headerBytes_), int64_t(wanted)))
            headerBytes_ = wanted;
    }
    if (error_ == WriteError::None) {
        const bool written = headerBytes_ == kHeaderSize
                                 ? file_.writeAt(0, header(format_, dataBytes_).data(), kHeaderSize)
                                 : file_.writeAt(0, rf64Header(format_, dataBytes_).data(), kRf64HeaderSize);
        if (!written || !file_.commit()) {
            // A name that turned into a folder meanwhile refuses the rename.
            const int system = file_.error();
            fail(system == EISDIR || system == ENOTDIR ? WriteError::CannotCreate : WriteError::WriteFailed, system);
        }
    }
    if (error_ != WriteError::None)
        file_.discard();
    return error_;
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

namespace trevisto::wav {

WriteError appendChunk(const std::string &path, const std::vector<unsigned char> &chunk, int *systemError)
{
    auto refused = [systemError](WriteError error, int code) {
        if (systemError)
            *systemError = code;
        return error;
    };
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return refused(WriteError::CannotCreate, errno);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    unsigned char head[12];
    struct stat st {};
    if (::pread(fd, head, sizeof head, 0) != ssize_t(sizeof head) || ::fstat(fd, &st) != 0)
        return refused(WriteError::ReadFailed, errno);
    if (std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "WAVE", 4) != 0)
        return refused(WriteError::TooLarge, 0); // RF64 keeps its sizes elsewhere: left as it is
    // Chunks start on even bytes: an odd data chunk gets its pad byte first.
    const uint64_t at = uint64_t(st.st_size) + uint64_t(st.st_size % 2);
    const uint64_t riffSize = at + chunk.size() - 8;
    if (riffSize > 0xFFFFFFFFull)
        return refused(WriteError::TooLarge, 0);
    std::vector<unsigned char> tail(size_t(at - uint64_t(st.st_size)), 0);
    tail.insert(tail.end(), chunk.begin(), chunk.end());
    int code = io::writeFully(fd, tail.data(), tail.size(), int64_t(st.st_size));
    if (code == 0 && ::fdatasync(fd) != 0)
        code = errno;
    if (code != 0) {
        // The sound stays as it was: the RIFF size never counted these bytes.
        // Should this fail too, what stays lies past the RIFF size: no part of the file
        // to its readers.
        [[maybe_unused]] const int cut = ::ftruncate(fd, st.st_size);
        return refused(WriteError::WriteFailed, code);
    }
    unsigned char size[4];
    put32(size, uint32_t(riffSize));
    code = io::writeFully(fd, size, sizeof size, int64_t(kRiffSizeOffset));
    if (code == 0 && ::fdatasync(fd) != 0)
        code = errno;
    if (code != 0)
        return refused(WriteError::WriteFailed, code);
    return WriteError::None;
}

} // namespace trevisto::wav
