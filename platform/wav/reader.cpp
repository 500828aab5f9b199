#include "platform/wav/wav.h"
#include "platform/io/textmark.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trevisto::wav {

namespace {

uint16_t le16(const unsigned char *p) { return uint16_t(p[0] | (p[1] << 8)); }
uint32_t le32(const unsigned char *p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
uint64_t le64(const unsigned char *p) { return uint64_t(le32(p)) | uint64_t(le32(p + 4)) << 32; }

bool isId(const unsigned char *p, const char *id) { return std::memcmp(p, id, 4) == 0; }

// Reads exactly `count` bytes at `offset`; false at the end of the file or on an error,
// whose errno goes to `ioError`.
bool readExact(int fd, int64_t offset, void *buffer, size_t count, int *ioError = nullptr)
{
    auto *out = static_cast<unsigned char *>(buffer);
    while (count > 0) {
        const ssize_t n = ::pread(fd, out, count, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n < 0 && ioError)
                *ioError = errno;
            return false;
        }
        out += n;
        offset += n;
        count -= size_t(n);
    }
    return true;
}

// Chunk ids are four printable ASCII characters.
bool looksLikeId(const unsigned char *id)
{
    return std::all_of(id, id + 4, [](unsigned char c) { return c >= 0x20 && c <= 0x7E; });
}

bool isKnownId(const unsigned char *id)
{
    static const char *const known[] = {"fmt ", "data", "LIST", "fact", "bext", "cue ", "smpl", "inst", "id3 ",
                                        "ID3 ", "PEAK", "JUNK", "junk", "iXML", "acid", "cart", "PAD ", "FLLR"};
    return std::any_of(std::begin(known), std::end(known), [id](const char *k) { return isId(id, k); });
}

// Chunks are padded to even sizes, but some writers leave the pad byte out. `end` is
// where an odd-sized chunk's body ends; the next chunk starts there or one byte later.
int64_t nextChunk(int fd, int64_t end)
{
    unsigned char b[5];
    if (!readExact(fd, end, b, 5) || b[0] == 0)
        return end + 1;
    const bool padded = isKnownId(b + 1) || (looksLikeId(b + 1) && !looksLikeId(b));
    return padded || !(isKnownId(b) || looksLikeId(b)) ? end + 1 : end;
}

// The tail shared by the sub-format GUIDs of plain PCM and float.
constexpr unsigned char kGuidTail[12] = {0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

ReadError parseFmt(const unsigned char *p, uint32_t size, Info &info)
{
    if (size < 16)
        return ReadError::BadHeader;
    Format f;
    info.storedTag = le16(p);
    f.tag = info.storedTag;
    f.channels = le16(p + 2);
    f.sampleRate = le32(p + 4);
    const uint16_t blockAlign = le16(p + 12);
    f.bitsPerSample = le16(p + 14);

    if (f.tag == kTagExtensible) {
        if (size < 40 || le16(p + 16) < 22)
            return ReadError::BadHeader;
        const uint16_t validBits = le16(p + 18);
        const uint32_t sub = le32(p + 24);
        if (std::memcmp(p + 28, kGuidTail, sizeof kGuidTail) != 0 || (sub != kTagPcm && sub != kTagFloat))
            return ReadError::UnsupportedFormat;
        if (validBits > f.bitsPerSample)
            return ReadError::BadHeader;
        f.tag = uint16_t(sub);
    } else if (f.tag != kTagPcm && f.tag != kTagFloat) {
        return ReadError::UnsupportedFormat;
    }
    if (f.channels == 0 || f.sampleRate == 0)
        return ReadError::BadHeader;
    if (!f.supported())
        return ReadError::UnsupportedFormat;
    if (blockAlign != f.blockAlign())
        return ReadError::BadHeader;
    info.format = f;
    return ReadError::None;
}

} // namespace

bool Format::supported() const
{
    if (channels == 0 || sampleRate == 0 || blockAlign() == 0 || blockAlign() > 0xFFFF)
        return false;
    if (tag == kTagPcm)
        return bitsPerSample == 8 || bitsPerSample == 16 || bitsPerSample == 24 || bitsPerSample == 32;
    if (tag == kTagFloat)
        return bitsPerSample == 32;
    return false;
}

const char *describe(ReadError error)
{
    switch (error) {
    case ReadError::None: return "no error";
    case ReadError::NotFound: return QT_TRANSLATE_NOOP("WavFile", "the file does not exist");
    case ReadError::Unreadable: return QT_TRANSLATE_NOOP("WavFile", "the file cannot be read");
    case ReadError::NotWav: return QT_TRANSLATE_NOOP("WavFile", "the file is not a WAVE file");
    case ReadError::UnsupportedFormat: return QT_TRANSLATE_NOOP("WavFile", "the file holds compressed or unsupported sound");
    case ReadError::BadHeader: return QT_TRANSLATE_NOOP("WavFile", "the file's header is damaged or truncated");
    }
    return "unknown error";
}

namespace {

ReadError parseHeader(int fd, Info &info, int &ioError)
{
    info = Info{};
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        ioError = errno;
        return ReadError::Unreadable;
    }
    if (!S_ISREG(st.st_mode))
        return ReadError::Unreadable;
    const int64_t fileSize = st.st_size;
    info.fileSize = fileSize;

    unsigned char head[12];
    const size_t headBytes = size_t(std::min<int64_t>(fileSize, 12));
    if (!readExact(fd, 0, head, headBytes, &ioError))
        return ioError ? ReadError::Unreadable : ReadError::NotWav;
    // A file cut off inside the first 12 bytes is a damaged WAVE file if what is there fits.
    const bool riffLike = headBytes >= 4 && (isId(head, "RIFF") || isId(head, "RF64"));
    if (headBytes < 12) {
        const bool prefix = headBytes > 0 && (std::memcmp(head, "RIFF", std::min<size_t>(4, headBytes)) == 0 ||
                                              std::memcmp(head, "RF64", std::min<size_t>(4, headBytes)) == 0);
        return prefix && (headBytes <= 8 || std::memcmp(head + 8, "WAVE", headBytes - 8) == 0)
                   ? ReadError::BadHeader
                   : ReadError::NotWav;
    }
    if (isId(head, "RIFX") && isId(head + 8, "WAVE"))
        return ReadError::UnsupportedFormat; // big-endian samples
    if (!riffLike || !isId(head + 8, "WAVE"))
        return ReadError::NotWav;
    const bool rf64 = isId(head, "RF64");

    // Walk the chunks up to the end of the file; the RIFF size is often wrong in files
    // written by streaming tools, so it is not trusted.
    bool haveFmt = false, haveData = false;
    uint64_t ds64DataSize = 0;
    bool haveDs64 = false;
    int64_t pos = 12;
    while (pos <= fileSize - 8 && !(haveFmt && haveData)) {
        unsigned char ch[8];
        if (!readExact(fd, pos, ch, 8, &ioError))
            return ioError ? ReadError::Unreadable : ReadError::BadHeader;
        const uint32_t size = le32(ch + 4);
        const int64_t body = pos + 8;
        uint64_t length = size;

        if (isId(ch, "fmt ") && !haveFmt) {
            unsigned char fmt[40] = {};
            const size_t want = std::min<size_t>(size, sizeof fmt);
            if (body + int64_t(want) > fileSize)
                return ReadError::BadHeader;
            if (!readExact(fd, body, fmt, want, &ioError))
                return ioError ? ReadError::Unreadable : ReadError::BadHeader;
            if (const ReadError e = parseFmt(fmt, size, info); e != ReadError::None)
                return e;
            haveFmt = true;
        } else if (isId(ch, "ds64") && rf64 && size >= 24) {
            unsigned char ds[24];
            if (!readExact(fd, body, ds, sizeof ds, &ioError))
                return ioError ? ReadError::Unreadable : ReadError::BadHeader;
            ds64DataSize = le64(ds + 8);
            haveDs64 = true;
        } else if (isId(ch, "data") && !haveData) {
            if (rf64 && size == 0xFFFFFFFFu) {
                if (!haveDs64)
                    return ReadError::BadHeader;
                length = ds64DataSize;
            }
            info.dataOffset = body;
            const uint64_t present = uint64_t(fileSize - body);
            info.dataClamped = info.dataCutShort = length > present;
            info.dataSize = int64_t(std::min(length, present));
            length = uint64_t(info.dataSize);
            haveData = true;
        }

        const int64_t end = body + int64_t(std::min<uint64_t>(length, uint64_t(fileSize - body)));
        pos = (length & 1) && end < fileSize ? nextChunk(fd, end) : end;
    }

    if (!haveFmt || !haveData)
        return ReadError::BadHeader;
    const int64_t block = info.format.blockAlign();
    info.frames = info.dataSize / block;
    if (info.dataSize % block)
        info.dataClamped = true;
    info.dataSize = info.frames * block;
    return ReadError::None;
}

int openForReading(const std::string &path, ReadError &error, int &systemError)
{
    systemError = 0;
    if (path.empty()) {
        error = ReadError::NotFound;
        return -1;
    }
    // O_NONBLOCK keeps a FIFO from blocking the open; such files are refused below.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        systemError = errno;
        error = (systemError == ENOENT || systemError == ENOTDIR) ? ReadError::NotFound : ReadError::Unreadable;
        return -1;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        error = ReadError::Unreadable;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    error = ReadError::None;
    return fd;
}

} // namespace

ReadError parse(int fd, Info &info, int *systemError)
{
    int ioError = 0;
    const ReadError error = parseHeader(fd, info, ioError);
    if (systemError)
        *systemError = error == ReadError::Unreadable ? ioError : 0;
    return error;
}

ReadError readInfo(const std::string &path, Info &info)
{
    ReadError error;
    int systemError;
    const int fd = openForReading(path, error, systemError);
    if (fd < 0)
        return error;
    error = parse(fd, info);
    ::close(fd);
    return error;
}

std::unique_ptr<File> File::open(const std::string &path, ReadError *error, int *systemError)
{
    ReadError e;
    int system;
    const int fd = openForReading(path, e, system);
    Info info;
    if (fd >= 0) {
        e = parse(fd, info, &system);
        if (e != ReadError::None)
            ::close(fd);
    }
    if (error)
        *error = e;
    if (systemError)
        *systemError = system;
    if (e != ReadError::None)
        return nullptr;
    return std::unique_ptr<File>(new File(fd, info));
}

File::~File() { ::close(fd_); }

int64_t File::readFrames(int64_t first, int64_t count, void *buffer, int *systemError) const
{
    if (systemError)
        *systemError = 0;
    if (first < 0 || count <= 0 || first >= info_.frames)
        return 0;
    count = std::min(count, info_.frames - first);
    const int64_t block = info_.format.blockAlign();
    auto *out = static_cast<unsigned char *>(buffer);
    const int64_t total = count * block;
    int64_t done = 0;
    while (done < total) {
        const ssize_t n = ::pread(fd_, out + done, size_t(total - done), info_.dataOffset + first * block + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            if (systemError)
                *systemError = errno;
            return -1;
        }
        if (n == 0)
            break;
        done += n;
    }
    return done / block;
}

void toFloat(const Format &format, const unsigned char *in, int64_t frames, int firstChannel, int channels,
             float *out)
{
    const int bytes = format.bitsPerSample / 8;
    const size_t stride = format.blockAlign();
    in += size_t(firstChannel) * size_t(bytes);
    const auto convert = [&](auto sample) {
        for (int64_t i = 0; i < frames; ++i, in += stride)
            for (int c = 0; c < channels; ++c)
                *out++ = sample(in + size_t(c) * size_t(bytes));
    };
    if (format.tag == kTagFloat) {
        convert([](const unsigned char *p) {
            float v;
            std::memcpy(&v, p, 4);
            return v;
        });
        return;
    }
    switch (format.bitsPerSample) {
    case 8: convert([](const unsigned char *p) { return (int(p[0]) - 128) / 128.0f; }); break;
    case 16: convert([](const unsigned char *p) { return float(int16_t(p[0] | p[1] << 8)) / 32768.0f; }); break;
    case 24:
        convert([](const unsigned char *p) {
            return float(int32_t(uint32_t(p[0]) << 8 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 24)) / 2147483648.0f;
        });
        break;
    default:
        convert([](const unsigned char *p) {
            return float(int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24)) /
                   2147483648.0f;
        });
        break;
    }
}

} // namespace trevisto::wav
