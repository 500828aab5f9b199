#include "platform/bass/source_file.h"

#include "platform/bass/failure.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace trevisto::bass {

std::shared_ptr<SourceFile> SourceFile::open(const char *path)
{
    if (path == nullptr || *path == '\0')
        throw Failure(BASS_ERROR_FILEOPEN);

    // Look before opening: open() on a FIFO waits for a writer, and opening some
    // device nodes has side effects.
    struct stat st {};
    if (::stat(path, &st) != 0 || !S_ISREG(st.st_mode))
        throw Failure(BASS_ERROR_FILEOPEN);

    // O_NONBLOCK keeps us from hanging if the path was swapped for a FIFO meanwhile;
    // the fstat below then refuses it.
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        throw Failure(BASS_ERROR_FILEOPEN);
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw Failure(BASS_ERROR_FILEOPEN);
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags != -1)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);

    try {
        return std::shared_ptr<SourceFile>(new SourceFile(fd, st.st_size));
    } catch (...) {
        ::close(fd);
        throw;
    }
}

SourceFile::~SourceFile()
{
    ::close(fd_);
}

int64_t SourceFile::readAt(int64_t offset, void *buffer, size_t count) const
{
    auto *out = static_cast<unsigned char *>(buffer);
    size_t done = 0;
    while (done < count) {
        const ssize_t n = ::pread(fd_, out + done, count - done, offset + static_cast<int64_t>(done));
        if (n == 0) {
            // The end came before the size the file had when it was opened: it was
            // cut short meanwhile, and what is missing cannot be decoded.
            if (offset + static_cast<int64_t>(done) < size_) {
                failed_ = true;
                return -1;
            }
            break;
        }
        if (n < 0) {
            if (errno == EINTR)
                continue;
            failed_ = true;
            return -1;
        }
        done += static_cast<size_t>(n);
    }
    return static_cast<int64_t>(done);
}

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::optional<std::string> pathFromFileUrl(const char *url)
{
    if (url == nullptr || ::strncasecmp(url, "file:", 5) != 0)
        return std::nullopt;
    std::string_view rest(url + 5);
    if (rest.substr(0, 2) == "//") {
        rest.remove_prefix(2);
        const size_t slash = rest.find('/');
        if (slash == std::string_view::npos)
            return std::nullopt;
        const std::string host(rest.substr(0, slash));
        if (!host.empty() && ::strcasecmp(host.c_str(), "localhost") != 0)
            return std::nullopt; // another machine: that would need the network
        rest.remove_prefix(slash);
    }
    if (rest.empty() || rest.front() != '/')
        return std::nullopt;

    std::string path;
    path.reserve(rest.size());
    for (size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] != '%') {
            path.push_back(rest[i]);
            continue;
        }
        if (i + 2 >= rest.size())
            return std::nullopt;
        const int hi = hexValue(rest[i + 1]);
        const int lo = hexValue(rest[i + 2]);
        if (hi < 0 || lo < 0 || (hi == 0 && lo == 0))
            return std::nullopt;
        path.push_back(static_cast<char>(hi * 16 + lo));
        i += 2;
    }
    return path;
}

namespace {

// One MPEG audio frame header, as far as recognition needs it.
struct MpegHeader {
    int version = 0; // raw 2-bit field: 0 = 2.5, 2 = 2, 3 = 1
    int layer = 0;   // 1..3
    int rateIndex = 0;
    int frameBytes = 0;
};

bool parseMpegHeader(const unsigned char *p, MpegHeader &h)
{
    if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0)
        return false;
    const int version = (p[1] >> 3) & 3;
    const int layerBits = (p[1] >> 1) & 3;
    const int bitrateIndex = p[2] >> 4;
    const int rateIndex = (p[2] >> 2) & 3;
    const int padding = (p[2] >> 1) & 1;
    // Free-format streams (bitrate index 0) have no computable frame size and are
    // not recognised.
    if (version == 1 || layerBits == 0 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3 ||
        (p[3] & 3) == 2)
        return false;
    const int layer = 4 - layerBits;

    static constexpr int kBitrates[5][14] = {
        {32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448}, // MPEG-1 layer I
        {32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},    // MPEG-1 layer II
        {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},     // MPEG-1 layer III
        {32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},    // MPEG-2/2.5 layer I
        {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},         // MPEG-2/2.5 layer II, III
    };
    static constexpr int kRates[3] = {44100, 48000, 32000};

    const bool mpeg1 = version == 3;
    const int table = mpeg1 ? layer - 1 : (layer == 1 ? 3 : 4);
    const int bitrate = kBitrates[table][bitrateIndex - 1] * 1000;
    const int rate = kRates[rateIndex] >> (mpeg1 ? 0 : (version == 2 ? 1 : 2));

    if (layer == 1)
        h.frameBytes = (12 * bitrate / rate + padding) * 4;
    else if (layer == 3 && !mpeg1)
        h.frameBytes = 72 * bitrate / rate + padding;
    else
        h.frameBytes = 144 * bitrate / rate + padding;
    h.version = version;
    h.layer = layer;
    h.rateIndex = rateIndex;
    return true;
}

// Frames that must follow each other, in one format, before data counts as MPEG
// audio. Random data hits a single plausible header every few thousand bytes, but
// practically never a chain of them.
constexpr int kMpegChain = 4;
// Junk tolerated between the tags and the first frame.
constexpr size_t kMpegSearch = 16 * 1024;
// Enough for the search window plus a chain of the largest frames.
constexpr size_t kMpegWindow = kMpegSearch + kMpegChain * 2900;

// `wholeFile`: `data` runs to the end of the file, so a short stream whose chain of at
// least two frames ends exactly there counts too (a cut of a frame or two).
bool chainAt(const std::vector<unsigned char> &data, size_t start, bool wholeFile)
{
    MpegHeader first;
    if (!parseMpegHeader(&data[start], first))
        return false;
    size_t pos = start + static_cast<size_t>(first.frameBytes);
    for (int n = 1; n < kMpegChain; ++n) {
        if (wholeFile && n >= 2 && pos == data.size())
            return true;
        MpegHeader next;
        if (pos + 4 > data.size() || !parseMpegHeader(&data[pos], next) || next.version != first.version ||
            next.layer != first.layer || next.rateIndex != first.rateIndex)
            return false;
        pos += static_cast<size_t>(next.frameBytes);
    }
    return true;
}

// Offset of the audio after any ID3v2 tags at the start of the file.
int64_t skipId3v2(const SourceFile &file)
{
    int64_t offset = 0;
    for (int tags = 0; tags < 16; ++tags) {
        unsigned char h[10];
        if (file.readAt(offset, h, sizeof h) != sizeof h || std::memcmp(h, "ID3", 3) != 0 || h[3] == 0xFF ||
            h[4] == 0xFF || ((h[6] | h[7] | h[8] | h[9]) & 0x80))
            break;
        const int64_t size = (int64_t(h[6]) << 21) | (int64_t(h[7]) << 14) | (int64_t(h[8]) << 7) | h[9];
        offset += 10 + size + ((h[5] & 0x10) ? 10 : 0);
    }
    return offset;
}

bool hasSndfileMagic(const unsigned char *p, size_t n)
{
    auto at = [&](size_t offset, const char *magic) {
        const size_t len = std::strlen(magic);
        return offset + len <= n && std::memcmp(p + offset, magic, len) == 0;
    };
    if ((at(0, "RIFF") || at(0, "RIFX") || at(0, "RF64") || at(0, "BW64")) && at(8, "WAVE"))
        return true;
    if (at(0, "FORM") && (at(8, "AIFF") || at(8, "AIFC")))
        return true;
    return at(0, "OggS") || at(0, "fLaC");
}

} // namespace

StreamKind sniffStream(const SourceFile &file)
{
    std::array<unsigned char, 12> head{};
    const int64_t headBytes = file.readAt(0, head.data(), head.size());
    if (headBytes <= 0)
        return StreamKind::Unknown;
    if (hasSndfileMagic(head.data(), static_cast<size_t>(headBytes)))
        return StreamKind::Sndfile;

    const int64_t audio = skipId3v2(file);
    if (audio != 0) {
        // FLAC files sometimes carry an ID3v2 tag too; the sndfile reader skips it.
        const int64_t n = file.readAt(audio, head.data(), 4);
        if (n == 4 && std::memcmp(head.data(), "fLaC", 4) == 0)
            return StreamKind::Sndfile;
    }

    std::vector<unsigned char> window(kMpegWindow);
    const int64_t got = file.readAt(audio, window.data(), window.size());
    if (got < 4)
        return StreamKind::Unknown;
    const bool wholeFile = got < static_cast<int64_t>(window.size());
    window.resize(static_cast<size_t>(got));
    const size_t last = std::min(kMpegSearch, window.size() - 3);
    for (size_t i = 0; i < last; ++i) {
        if (window[i] == 0xFF && chainAt(window, i, wholeFile))
            return StreamKind::Mpeg;
    }
    return StreamKind::Unknown;
}

} // namespace trevisto::bass
