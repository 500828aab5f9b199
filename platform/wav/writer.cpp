#include "platform/wav/wav.h"
#include "platform/io/textmark.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
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
    if (bytes > kMaxDataBytes - dataBytes_)
        return fail(WriteError::TooLarge, 0);
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
        const auto h = header(format_, dataBytes_);
        if (!file_.writeAt(0, h.data(), h.size()) || !file_.commit()) {
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
