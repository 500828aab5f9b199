#pragma once
// RIFF/WAVE files of uncompressed sound. Reading finds a file's layout (format and
// where its samples lie) without touching the samples; writing produces the plain form
// with the 44-byte header, or RF64 once the sound outgrows its 32-bit sizes, through a
// temporary file that replaces the target only once it is complete.

#include "platform/io/atomicfile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace trevisto::wav {

constexpr uint16_t kTagPcm = 1;
constexpr uint16_t kTagFloat = 3;
constexpr uint16_t kTagExtensible = 0xFFFE;

// The sample layout the rest of the program works with. For an extensible file `tag`
// is its sub-format (1 or 3), so a Format always describes a valid 16-byte fmt chunk.
struct Format {
    uint16_t tag = kTagPcm;     // 1: integer PCM, 3: IEEE float
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint16_t bitsPerSample = 0; // container size: 8, 16, 24 or 32 (float: 32)

    uint32_t blockAlign() const { return uint32_t(channels) * bitsPerSample / 8; }
    uint64_t byteRate() const { return uint64_t(blockAlign()) * sampleRate; }
    // The combinations this program reads, plays and writes.
    bool supported() const;
    bool operator==(const Format &) const = default;
};

struct Info {
    Format format;
    uint16_t storedTag = 0; // as found in the file (0xFFFE for an extensible one)
    int64_t fileSize = 0;
    int64_t dataOffset = 0; // first byte of the first frame
    int64_t dataSize = 0;   // whole frames only, never past the end of the file
    int64_t frames = 0;
    bool dataClamped = false; // the header promised more sound than the file holds
    bool dataCutShort = false; // of that, whole bytes: the file ends before its sound does
};

enum class ReadError {
    None,
    NotFound,          // no such file or folder
    Unreadable,        // exists but cannot be opened or read (rights, a folder, a device)
    NotWav,            // not a RIFF/WAVE file at all
    UnsupportedFormat, // a WAVE file of compressed or otherwise unhandled sound
    BadHeader,         // truncated or contradictory header
};
const char *describe(ReadError error);

// Parses the header of the file open on `fd`, which stays open and is not moved.
// `systemError`, when given, receives the errno of a refused read (else 0); Unreadable
// with 0 means the file is no plain file.
ReadError parse(int fd, Info &info, int *systemError = nullptr);

// Parses the header of the file at `path`.
ReadError readInfo(const std::string &path, Info &info);

// An opened WAVE file: its header, parsed once, and the descriptor to read samples from.
class File {
public:
    // `systemError` as for parse(), or the errno of a refused open.
    static std::unique_ptr<File> open(const std::string &path, ReadError *error = nullptr,
                                      int *systemError = nullptr);
    ~File();
    File(const File &) = delete;
    File &operator=(const File &) = delete;

    int fd() const { return fd_; }
    const Info &info() const { return info_; }
    const Format &format() const { return info_.format; }

    // Reads up to `count` frames starting at frame `first` into `buffer`, which holds
    // count × blockAlign bytes. Returns the frames read (fewer only at the end of the
    // sound or when the file shrank underneath), or -1 when the system refuses the read;
    // `systemError`, when given, then receives its errno (else 0).
    int64_t readFrames(int64_t first, int64_t count, void *buffer, int *systemError = nullptr) const;

private:
    File(int fd, const Info &info) : fd_(fd), info_(info) {}
    int fd_;
    Info info_;
};

// The samples of `frames` frames of `format` at `in`, channels firstChannel to
// firstChannel + channels - 1 of each, as floats, frame after frame. Integer samples
// land in [-1, 1) by their power of two; float samples come as stored.
void toFloat(const Format &format, const unsigned char *in, int64_t frames, int firstChannel, int channels,
             float *out);

// ---- writing

constexpr size_t kHeaderSize = 44;
// The most sound a plain header can describe: its RIFF size field (data + 36) must fit in
// 32 bits. More is written as RF64.
constexpr uint64_t kMaxDataBytes = 0xFFFFFFFFull - 36;
// RF64 (RIFF with a ds64 chunk after WAVE that holds the 64-bit sizes, the 32-bit fields
// 0xFFFFFFFF) with the same 16-byte fmt chunk.
constexpr size_t kRf64HeaderSize = 80;
// The most sound any file the program writes may hold: far beyond any disk, yet the
// file's size stays within a signed 64-bit offset.
constexpr uint64_t kMaxFileDataBytes = 1ull << 60;

// The 44-byte header of every WAV file the program writes: RIFF size at byte 4, data size
// at byte 40, both little-endian.
using WaveHeader = std::array<unsigned char, kHeaderSize>;
constexpr size_t kRiffSizeOffset = 4;
constexpr size_t kDataSizeOffset = 40;

// The header for `dataBytes` bytes of sound in `format` (at most kMaxDataBytes). An odd
// data size gets no pad byte: the RIFF size is always data + 36.
WaveHeader header(const Format &format, uint64_t dataBytes);

using Rf64Header = std::array<unsigned char, kRf64HeaderSize>;
// The RF64 header for `dataBytes` bytes: riff size (file size - 8), data size and frame
// count in the ds64 chunk, 0xFFFFFFFF in the RIFF and data size fields.
Rf64Header rf64Header(const Format &format, uint64_t dataBytes);
// Where the sound of a written file of `dataBytes` bytes starts: 44, or 80 for RF64.
constexpr size_t headerSizeFor(uint64_t dataBytes)
{
    return dataBytes > kMaxDataBytes ? kRf64HeaderSize : kHeaderSize;
}

enum class WriteError {
    None,
    CannotCreate, // the folder is missing or refuses a new file, or the name is a folder
    WriteFailed,  // writing, closing or renaming failed (disk full, I/O error)
    TooLarge,     // more than kMaxFileDataBytes of sound
    ReadFailed,   // the sound to copy could not be read
};
const char *describe(WriteError error);

// Writes a WAVE file under `path`, through an io::AtomicFile: a failed or interrupted save
// leaves no partial file under `path` and keeps any earlier file of that name. A replaced
// file's permission bits are kept. It is synced to the disk before it takes its name
// unless `options` says it need not be (a working file, gone when the program ends).
//
// Each failure keeps the system's reason, an errno read at the call that failed (see
// systemError()).
class Writer {
public:
    // `systemError`, when given, receives the errno behind a refusal; 0 when the writer
    // refused on its own (a format it cannot write, a name that is a folder).
    static std::unique_ptr<Writer> create(const std::string &path, const Format &format,
                                          WriteError *error = nullptr, int *systemError = nullptr,
                                          const io::AtomicFile::Options &options = {});
    ~Writer(); // discards the temporary file unless commit() succeeded
    Writer(const Writer &) = delete;
    Writer &operator=(const Writer &) = delete;

    // Says how much sound is to come, before the first write: when that is more than a
    // plain header can describe, room for the RF64 header is kept from the start, so the
    // sound need not be moved when the file is completed. A wrong guess costs only that
    // move; the file is always written in the form its real size needs.
    bool expect(uint64_t dataBytes);
    // Appends sound bytes.
    bool write(const void *data, size_t bytes);
    // Appends `bytes` zero bytes as a hole in the file, which costs no disk where the file
    // system keeps holes: silence for a long 16-bit file at the size limits.
    bool appendHole(uint64_t bytes);
    // Appends `bytes` bytes of the file open on `fd`, starting at `offset`, copied in
    // large blocks.
    bool copyFrom(int fd, int64_t offset, int64_t bytes);
    // Writes the header, closes the file and renames it into place.
    WriteError commit();

    WriteError error() const { return error_; }
    // The errno of the call behind error(): a refused write, close or rename, or for
    // ReadFailed a refused read of the source. 0 when the writer refused on its own (too
    // much sound, a source that ended early).
    int systemError() const { return systemError_; }
    uint64_t dataBytes() const { return dataBytes_; }
    const std::string &temporaryPath() const { return file_.temporaryPath(); }

private:
    Writer(io::AtomicFile file, const Format &format);
    bool reserve(uint64_t bytes);
    bool fail(WriteError error, int systemError);
    bool moveSound(int64_t from, int64_t to);
    bool moveSound(int in, int64_t from, int64_t to);
    bool copyData(int fd, int64_t offset, int64_t bytes);

    io::AtomicFile file_;
    Format format_;
    uint64_t dataBytes_ = 0;
    size_t headerBytes_ = kHeaderSize; // where the sound starts in the file as written
    WriteError error_ = WriteError::None;
    int systemError_ = 0;
    std::unique_ptr<char[]> buffer_;
};

// Appends the whole chunk `chunk` (its id and size included) to the finished plain WAVE file
// at `path`, after a pad byte when the file ends on an odd byte, and counts it in the RIFF
// size. The chunk reaches the disk before the size that takes it in, so the file is a
// whole WAVE file at every moment. An RF64 file, or one the chunk would take past what a
// plain header counts, is left as it is (TooLarge).
WriteError appendChunk(const std::string &path, const std::vector<unsigned char> &chunk, int *systemError = nullptr);

// A whole file from memory, for small sounds.
WriteError writeFile(const std::string &path, const Format &format, const void *data, size_t bytes);

} // namespace trevisto::wav
