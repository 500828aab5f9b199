#include "platform/wav/wav.h"

#include "support/riffbuilder.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace trevisto::wav;

namespace {

using namespace trevisto::test;

Bytes pattern(size_t n, unsigned seed = 1)
{
    Bytes b(n);
    uint32_t x = seed * 2654435761u + 1;
    for (auto &c : b) {
        x = x * 1103515245u + 12345u;
        c = uint8_t(x >> 16);
    }
    return b;
}

class WavTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    std::string path(const std::string &name) const { return dir_.path().toStdString() + "/" + name; }
    std::string put(const std::string &name, const Bytes &bytes) const
    {
        std::ofstream(path(name), std::ios::binary).write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
        return path(name);
    }
    static Bytes contents(const std::string &p)
    {
        std::ifstream in(p, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    ReadError read(const Bytes &bytes, Info &info) const { return readInfo(put("x.wav", bytes), info); }
    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (const auto &e : fs::directory_iterator(dir_.path().toStdString()))
            out.push_back(e.path().filename().string());
        return out;
    }

    QTemporaryDir dir_;
};

TEST_F(WavTest, HeaderHasThePlainLayout)
{
    const Format f{kTagPcm, 2, 44100, 16};
    const Bytes expected = {'R', 'I', 'F', 'F', 44, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0,
                            1, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x10, 0xB1, 2, 0, 4, 0, 16, 0, 'd', 'a', 't', 'a', 8, 0, 0, 0};
    const auto h = header(f, 8);
    EXPECT_EQ(Bytes(h.begin(), h.end()), expected);

    // The largest data that fits still has a RIFF size within 32 bits.
    const auto big = header(f, kMaxDataBytes);
    EXPECT_EQ(Bytes(big.begin() + 4, big.begin() + 8), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST_F(WavTest, EveryWritableFormatReadsBackAsWritten)
{
    const std::vector<Format> formats = {
        {kTagPcm, 1, 8000, 8},    {kTagPcm, 2, 44100, 16},  {kTagPcm, 3, 11025, 16},
        {kTagPcm, 2, 48000, 24},  {kTagPcm, 1, 22050, 32},  {kTagFloat, 6, 96000, 32},
        {kTagPcm, 1, 7, 8}, // odd data size, odd rate
    };
    for (const Format &f : formats) {
        SCOPED_TRACE(testing::Message() << "tag " << f.tag << " ch " << f.channels << " bits " << f.bitsPerSample);
        const size_t frames = 101;
        const Bytes data = pattern(frames * f.blockAlign(), f.bitsPerSample);
        ASSERT_EQ(writeFile(path("out.wav"), f, data.data(), data.size()), WriteError::None);

        const Bytes file = contents(path("out.wav"));
        ASSERT_EQ(file.size(), kHeaderSize + data.size());
        EXPECT_TRUE(std::equal(data.begin(), data.end(), file.begin() + kHeaderSize));

        Info info;
        ASSERT_EQ(readInfo(path("out.wav"), info), ReadError::None);
        EXPECT_EQ(info.format, f);
        EXPECT_EQ(info.dataOffset, 44);
        EXPECT_EQ(info.frames, int64_t(frames));
        EXPECT_FALSE(info.dataClamped);

        auto opened = File::open(path("out.wav"));
        ASSERT_TRUE(opened);
        Bytes tail(3 * f.blockAlign());
        EXPECT_EQ(opened->readFrames(int64_t(frames) - 2, 3, tail.data()), 2) << "reads stop at the last frame";
        EXPECT_TRUE(std::equal(tail.begin(), tail.begin() + 2 * f.blockAlign(), data.end() - 2 * f.blockAlign()));
    }
}

TEST_F(WavTest, ExtensibleFilesResolveToTheirPlainFormat)
{
    Info info;
    ASSERT_EQ(read(riffFile([] {
                  Bytes c;
                  c += riffChunk("fmt ", extensibleBody(kTagFloat, 2, 48000, 32, 32));
                  c += riffChunk("data", Bytes(16));
                  return c;
              }()),
                   info),
              ReadError::None);
    EXPECT_EQ(info.storedTag, kTagExtensible);
    EXPECT_EQ(info.format, (Format{kTagFloat, 2, 48000, 32}));

    // 24 valid bits in 32-bit containers: the container is what is stored and copied.
    ASSERT_EQ(read(riffFile([] {
                  Bytes c;
                  c += riffChunk("fmt ", extensibleBody(kTagPcm, 2, 44100, 32, 24));
                  c += riffChunk("data", Bytes(16));
                  return c;
              }()),
                   info),
              ReadError::None);
    EXPECT_EQ(info.format, (Format{kTagPcm, 2, 44100, 32}));
    EXPECT_EQ(info.frames, 2);

    for (const auto &[sub, standard] : {std::pair{2u, true}, std::pair{1u, false}}) {
        Bytes c;
        c += riffChunk("fmt ", extensibleBody(sub, 2, 44100, 16, 16, 3, standard));
        c += riffChunk("data", Bytes(16));
        EXPECT_EQ(read(riffFile(c), info), ReadError::UnsupportedFormat) << "sub-format " << sub;
    }
}

TEST_F(WavTest, OtherChunksAreSkippedAroundTheSound)
{
    const Bytes data = pattern(40);
    Bytes c;
    c += riffChunk("LIST", pattern(27)); // odd size, padded
    c += riffChunk("fmt ", fmtBody(kTagPcm, 2, 44100, 16));
    c += riffChunk("fact", Bytes(4));
    c += riffChunk("bext", pattern(13)); // odd size, padded
    c += riffChunk("data", data);
    c += riffChunk("LIST", pattern(30));
    Info info;
    ASSERT_EQ(read(riffFile(c), info), ReadError::None);
    EXPECT_EQ(info.dataOffset, 12 + (8 + 28) + (8 + 16) + (8 + 4) + (8 + 14) + 8);
    EXPECT_EQ(info.dataSize, 40);
    EXPECT_EQ(info.frames, 10);
    EXPECT_FALSE(info.dataClamped);

    // Some writers leave out the pad byte after an odd chunk.
    Bytes unpadded;
    unpadded += riffChunk("fmt ", fmtBody(kTagPcm, 1, 8000, 8));
    unpadded += riffChunk("junk", pattern(5), {}, false);
    unpadded += riffChunk("data", data);
    ASSERT_EQ(read(riffFile(unpadded), info), ReadError::None);
    EXPECT_EQ(info.dataOffset, 12 + 24 + 13 + 8);
    EXPECT_EQ(info.dataSize, 40);
}

TEST_F(WavTest, DataPromisedBeyondTheFileIsCutToWholeFramesPresent)
{
    Bytes c;
    c += riffChunk("fmt ", fmtBody(kTagPcm, 2, 44100, 16));
    putText(c, "data");
    put32(c, 1000);
    const Bytes present = pattern(11); // two frames and a bit
    c.insert(c.end(), present.begin(), present.end());
    Info info;
    ASSERT_EQ(read(riffFile(c), info), ReadError::None);
    EXPECT_TRUE(info.dataClamped);
    EXPECT_TRUE(info.dataCutShort);
    EXPECT_EQ(info.dataSize, 8);
    EXPECT_EQ(info.frames, 2);

    // A size that is not whole frames, all of it present, is clamped but not cut short.
    Bytes odd;
    odd += riffChunk("fmt ", fmtBody(kTagPcm, 2, 44100, 16));
    odd += riffChunk("data", present);
    ASSERT_EQ(read(riffFile(odd), info), ReadError::None);
    EXPECT_TRUE(info.dataClamped);
    EXPECT_FALSE(info.dataCutShort);
    EXPECT_EQ(info.frames, 2);
}

TEST_F(WavTest, CompressedAndUnusualSoundIsRefusedAsUnsupported)
{
    struct Case {
        uint16_t tag, bits, blockAlign;
    };
    for (const Case k : {Case{2, 4, 2048}, Case{6, 8, 0}, Case{7, 8, 0}, Case{0x55, 0, 1}, Case{0x11, 4, 1024},
                         Case{kTagPcm, 12, 4}, Case{kTagFloat, 64, 0}, Case{kTagFloat, 16, 0}}) {
        Bytes c;
        const std::optional<uint16_t> align = k.blockAlign ? std::optional<uint16_t>(k.blockAlign) : std::nullopt;
        c += riffChunk("fmt ", fmtBody(k.tag, 2, 44100, k.bits, align));
        c += riffChunk("data", Bytes(64));
        Info info;
        EXPECT_EQ(read(riffFile(c), info), ReadError::UnsupportedFormat) << "tag " << k.tag << " bits " << k.bits;
    }
}

TEST_F(WavTest, DamagedOrForeignFilesAreToldApart)
{
    Info info;
    EXPECT_EQ(readInfo(path("missing.wav"), info), ReadError::NotFound);
    EXPECT_EQ(readInfo(path("missing/x.wav"), info), ReadError::NotFound);
    EXPECT_EQ(readInfo(dir_.path().toStdString(), info), ReadError::Unreadable);
    EXPECT_EQ(read(Bytes{}, info), ReadError::NotWav);
    EXPECT_EQ(read(Bytes{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!', '!'}, info), ReadError::NotWav);
    EXPECT_EQ(read(riffFile({}, "AVI "), info), ReadError::NotWav);
    EXPECT_EQ(read(Bytes{'R', 'I', 'F', 'F', 0, 0}, info), ReadError::BadHeader);

    Bytes rifx = riffFile([] {
        Bytes c;
        c += riffChunk("fmt ", fmtBody(kTagPcm, 2, 44100, 16));
        return c;
    }());
    std::copy_n("RIFX", 4, rifx.begin());
    EXPECT_EQ(read(rifx, info), ReadError::UnsupportedFormat);

    auto withFmt = [](const Bytes &fmt, bool data) {
        Bytes c;
        c += riffChunk("fmt ", fmt);
        if (data)
            c += riffChunk("data", Bytes(8));
        return riffFile(c);
    };
    Bytes cut = withFmt(fmtBody(kTagPcm, 2, 44100, 16), false);
    cut.resize(cut.size() - 6);
    EXPECT_EQ(read(cut, info), ReadError::BadHeader) << "fmt cut short";
    EXPECT_EQ(read(withFmt(fmtBody(kTagPcm, 2, 44100, 16), false), info), ReadError::BadHeader) << "no data";
    EXPECT_EQ(read(withFmt(fmtBody(kTagPcm, 0, 44100, 16), true), info), ReadError::BadHeader) << "no channels";
    EXPECT_EQ(read(withFmt(fmtBody(kTagPcm, 2, 0, 16), true), info), ReadError::BadHeader) << "no rate";
    EXPECT_EQ(read(withFmt(fmtBody(kTagPcm, 2, 44100, 16, 3), true), info), ReadError::BadHeader) << "block align";
}

TEST_F(WavTest, SizesBeyondFourGibibytesAreKept)
{
    // An RF64 file whose data size lives in the ds64 chunk; the file is sparse.
    const uint64_t dataBytes = 5ull << 30;
    Bytes c;
    Bytes ds;
    put32(ds, 0), put32(ds, 0);
    put32(ds, uint32_t(dataBytes)), put32(ds, uint32_t(dataBytes >> 32));
    put32(ds, 0), put32(ds, 0), put32(ds, 0);
    c += riffChunk("ds64", ds);
    c += riffChunk("fmt ", fmtBody(kTagPcm, 2, 44100, 16));
    putText(c, "data");
    put32(c, 0xFFFFFFFF);
    Bytes file = riffFile(c);
    std::copy_n("RF64", 4, file.begin());
    const std::string p = put("big.wav", file);
    ASSERT_EQ(::truncate(p.c_str(), off_t(file.size() + dataBytes)), 0);

    Info info;
    ASSERT_EQ(readInfo(p, info), ReadError::None);
    EXPECT_EQ(info.dataSize, int64_t(dataBytes));
    EXPECT_EQ(info.frames, int64_t(dataBytes / 4));
}

TEST_F(WavTest, AFailedOrAbandonedWriteLeavesNoTrace)
{
    const Format f{kTagPcm, 1, 8000, 16};
    const Bytes data = pattern(100);
    WriteError error;
    int systemError = -1;
    EXPECT_FALSE(Writer::create(path("no/such/folder/x.wav"), f, &error, &systemError));
    EXPECT_EQ(error, WriteError::CannotCreate);
    EXPECT_EQ(systemError, ENOENT) << "the reason of the refused open";
    fs::create_directory(path("folder"));
    EXPECT_EQ(writeFile(path("folder"), f, data.data(), data.size()), WriteError::CannotCreate);
    EXPECT_FALSE(Writer::create(path("folder"), f, &error, &systemError));
    EXPECT_EQ(systemError, 0) << "a folder under the name is the writer's own refusal";
    EXPECT_TRUE(fs::is_directory(path("folder")));

    const std::string target = put("keep.wav", Bytes{'o', 'l', 'd'});
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    {
        auto w = Writer::create(target, f);
        ASSERT_TRUE(w);
        ASSERT_TRUE(w->write(data.data(), data.size()));
        EXPECT_TRUE(fs::exists(w->temporaryPath()));
        // Gone before commit: the earlier file stays as it was.
    }
    EXPECT_EQ(contents(target), (Bytes{'o', 'l', 'd'}));

    {
        auto w = Writer::create(target, f);
        ASSERT_TRUE(w);
        EXPECT_FALSE(w->copyFrom(0, 0, int64_t(kMaxFileDataBytes) + 1));
        EXPECT_EQ(w->error(), WriteError::TooLarge);
        EXPECT_EQ(w->commit(), WriteError::TooLarge);
    }
    EXPECT_EQ(contents(target), (Bytes{'o', 'l', 'd'}));

    {
        // The copy source ends before the requested bytes.
        const std::string src = put("short.bin", pattern(10));
        const int fd = ::open(src.c_str(), O_RDONLY);
        auto w = Writer::create(target, f);
        ASSERT_TRUE(w);
        EXPECT_FALSE(w->copyFrom(fd, 0, 100));
        EXPECT_EQ(w->error(), WriteError::ReadFailed);
        EXPECT_EQ(w->systemError(), 0) << "an early end is no refusal of the system";
        ::close(fd);
    }
    EXPECT_EQ(contents(target), (Bytes{'o', 'l', 'd'}));
    std::vector<std::string> left = names();
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"folder", "keep.wav", "short.bin"})) << "no temporary files remain";

    ASSERT_EQ(writeFile(target, f, data.data(), data.size()), WriteError::None);
    EXPECT_EQ(contents(target).size(), kHeaderSize + data.size());
    struct stat st;
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << "a replaced file keeps its permissions";
    left = names();
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"folder", "keep.wav", "short.bin"})) << "the replaced file is gone";
}

// Files at the 2 GiB and 4 GiB edges, their sound a hole with a few real bytes at its end,
// so they cost no disk: up to a full plain header the file keeps the 44-byte layout, past it
// it is RF64, and both read back with every byte where it was written.
TEST_F(WavTest, LongSoundsKeepThePlainLayoutUpToItsLimitAndAreRf64Past)
{
    const Format f{kTagPcm, 2, 44100, 16};
    const Bytes tail = {1, 2, 3, 4, 5, 6, 7, 8};
    const uint64_t most = kMaxDataBytes / 4 * 4; // in whole frames
    const struct {
        const char *name;
        uint64_t hole;      // bytes of silence before the tail
        uint64_t expected;  // told to the writer before the first byte; 0: nothing told
        size_t headerBytes; // where the sound must start
    } cases[] = {
        {"past 2 GiB", (2ull << 30) + 8, 0, kHeaderSize},
        {"the most a plain header holds", most - 8, 0, kHeaderSize},
        {"the most, announced as such", most - 8, most, kHeaderSize},
        {"one frame past it, announced", most - 4, most + 4, kRf64HeaderSize},
        {"five GiB, announced", 5ull << 30, (5ull << 30) + 8, kRf64HeaderSize},
        {"announced long, stopped short", 1000, 6ull << 30, kHeaderSize},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string p = path("long.wav");
        auto w = Writer::create(p, f);
        ASSERT_TRUE(w);
        if (c.expected) {
            ASSERT_TRUE(w->expect(c.expected));
        }
        ASSERT_TRUE(w->appendHole(c.hole));
        ASSERT_TRUE(w->write(tail.data(), tail.size()));
        ASSERT_EQ(w->commit(), WriteError::None);

        const uint64_t dataBytes = c.hole + tail.size();
        struct stat st;
        ASSERT_EQ(::stat(p.c_str(), &st), 0);
        EXPECT_EQ(uint64_t(st.st_size), c.headerBytes + dataBytes);
        EXPECT_LT(uint64_t(st.st_blocks) * 512, 1u << 20) << "the silence stays a hole";

        Bytes head(c.headerBytes);
        std::ifstream in(p, std::ios::binary);
        in.read(reinterpret_cast<char *>(head.data()), std::streamsize(head.size()));
        if (c.headerBytes == kHeaderSize) {
            const auto h = header(f, dataBytes);
            EXPECT_EQ(head, Bytes(h.begin(), h.end()));
        } else {
            const auto h = rf64Header(f, dataBytes);
            EXPECT_EQ(head, Bytes(h.begin(), h.end()));
        }

        Info info;
        ASSERT_EQ(readInfo(p, info), ReadError::None);
        EXPECT_EQ(info.dataOffset, int64_t(c.headerBytes));
        EXPECT_EQ(info.dataSize, int64_t(dataBytes));
        EXPECT_FALSE(info.dataClamped);
        auto file = File::open(p);
        ASSERT_TRUE(file);
        Bytes last(tail.size());
        ASSERT_EQ(file->readFrames(info.frames - 2, 2, last.data()), 2);
        EXPECT_EQ(last, tail);
        Bytes first(4, 0xAA);
        ASSERT_EQ(file->readFrames(0, 1, first.data()), 1);
        EXPECT_EQ(first, Bytes(4, 0));
        fs::remove(p);
    }
}

TEST_F(WavTest, Rf64HeaderCarriesTheSizesInItsDs64Chunk)
{
    const Format f{kTagPcm, 2, 44100, 16};
    const uint64_t dataBytes = 15ull * 1000 * 1000 * 1000 + 4; // a 24-hour working file
    const auto h = rf64Header(f, dataBytes);
    const Bytes b(h.begin(), h.end());
    const auto le32 = [&](size_t at) { return uint32_t(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24); };
    const auto le64 = [&](size_t at) { return uint64_t(le32(at)) | uint64_t(le32(at + 4)) << 32; };
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RF64");
    EXPECT_EQ(le32(4), 0xFFFFFFFFu);
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEds64");
    EXPECT_EQ(le32(16), 28u);
    EXPECT_EQ(le64(20), dataBytes + 72) << "the file's size less 8";
    EXPECT_EQ(le64(28), dataBytes);
    EXPECT_EQ(le64(36), dataBytes / 4) << "sample frames";
    EXPECT_EQ(le32(44), 0u);
    const auto plain = header(f, 0);
    EXPECT_EQ(Bytes(b.begin() + 48, b.begin() + 72), Bytes(plain.begin() + 12, plain.begin() + 36)) << "the same fmt chunk";
    EXPECT_EQ(std::string(b.begin() + 72, b.begin() + 76), "data");
    EXPECT_EQ(le32(76), 0xFFFFFFFFu);
}

TEST_F(WavTest, CopiedHolesStayHolesAndDataAroundThemIsCopied)
{
    // A source with data, a 3 GiB hole, and data again: the copy keeps all three in place
    // without filling the hole.
    const Bytes a = pattern(5000, 3), b = pattern(7000, 4);
    const std::string src = put("sparse.bin", a);
    const int64_t secondAt = int64_t(a.size()) + (3ll << 30);
    {
        const int fd = ::open(src.c_str(), O_WRONLY);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::pwrite(fd, b.data(), b.size(), secondAt), ssize_t(b.size()));
        ::close(fd);
    }
    const int fd = ::open(src.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    const Format f{kTagPcm, 1, 8000, 8};
    auto w = Writer::create(path("copy.wav"), f);
    ASSERT_TRUE(w);
    ASSERT_TRUE(w->copyFrom(fd, 1000, secondAt + 2000 - 1000));
    ASSERT_EQ(w->commit(), WriteError::None);
    ::close(fd);

    auto file = File::open(path("copy.wav"));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->info().dataSize, secondAt + 1000);
    Bytes got(4000);
    ASSERT_EQ(file->readFrames(0, 4000, got.data()), 4000);
    EXPECT_EQ(got, Bytes(a.begin() + 1000, a.end()));
    ASSERT_EQ(file->readFrames(secondAt - 1000 - 10, 2010, got.data()), 2010);
    EXPECT_EQ(Bytes(got.begin(), got.begin() + 10), Bytes(10, 0));
    EXPECT_EQ(Bytes(got.begin() + 10, got.begin() + 2010), Bytes(b.begin(), b.begin() + 2000));
    struct stat st;
    ASSERT_EQ(::stat(path("copy.wav").c_str(), &st), 0);
    EXPECT_LT(uint64_t(st.st_blocks) * 512, 1u << 20);
}

TEST_F(WavTest, CopiedRangesLandInOrderAfterTheHeader)
{
    const Bytes source = pattern(3000, 7);
    const std::string src = put("src.bin", source);
    const int fd = ::open(src.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    const Format f{kTagPcm, 2, 44100, 16};
    auto w = Writer::create(path("out.wav"), f);
    ASSERT_TRUE(w);
    ASSERT_TRUE(w->copyFrom(fd, 1000, 400));
    ASSERT_TRUE(w->write("\1\2\3\4", 4));
    ASSERT_TRUE(w->copyFrom(fd, 0, 100));
    ASSERT_EQ(w->commit(), WriteError::None);
    ::close(fd);

    const auto h = header(f, 504);
    Bytes expected(h.begin(), h.end());
    expected.insert(expected.end(), source.begin() + 1000, source.begin() + 1400);
    expected.insert(expected.end(), {1, 2, 3, 4});
    expected.insert(expected.end(), source.begin(), source.begin() + 100);
    EXPECT_EQ(contents(path("out.wav")), expected);
}

} // namespace

TEST(WavSamples, EachFormatReadsToFloatsWithTheChannelsAsked)
{
    // Two frames of three channels: the extremes, zero and one step of each format.
    const struct {
        const char *name;
        Format format;
        Bytes bytes;
        std::vector<float> frames; // all channels, frame after frame
    } cases[] = {
        {"8-bit", {kTagPcm, 3, 8000, 8}, {0x00, 0x80, 0xFF, 0x81, 0x7F, 0x80}, {-1, 0, 127 / 128.f, 1 / 128.f, -1 / 128.f, 0}},
        {"16-bit",
         {kTagPcm, 3, 8000, 16},
         {0x00, 0x80, 0x00, 0x00, 0xFF, 0x7F, 0x01, 0x00, 0xFF, 0xFF, 0x00, 0x40},
         {-1, 0, 32767 / 32768.f, 1 / 32768.f, -1 / 32768.f, 0.5f}},
        {"24-bit",
         {kTagPcm, 3, 8000, 24},
         {0x00, 0x00, 0x80, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x7F, 0x01, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xC0},
         {-1, 0, 8388607 / 8388608.f, 1 / 8388608.f, -1 / 8388608.f, -0.5f}},
        {"32-bit",
         {kTagPcm, 3, 8000, 32},
         {0, 0, 0, 0x80, 0, 0, 0, 0, 0, 0, 0, 0x40, 0, 1, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0},
         {-1, 0, 0.5f, 256 / 2147483648.f, -0.5f, 0}},
        {"float",
         {kTagFloat, 3, 8000, 32},
         {0, 0, 0x80, 0x3F, 0, 0, 0, 0, 0, 0, 0xC0, 0xBF, 0, 0, 0, 0x40, 0, 0, 0, 0xBF, 0, 0, 0, 0x3F},
         {1, 0, -1.5f, 2, -0.5f, 0.5f}}, // float sound as stored, past full scale too
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.bytes.size(), 2 * c.format.blockAlign());
        for (int first = 0; first < 3; ++first)
            for (int channels = 1; first + channels <= 3; ++channels) {
                std::vector<float> out(size_t(2 * channels), -9);
                toFloat(c.format, c.bytes.data(), 2, first, channels, out.data());
                std::vector<float> want;
                for (int frame = 0; frame < 2; ++frame)
                    for (int ch = first; ch < first + channels; ++ch)
                        want.push_back(c.frames[size_t(frame * 3 + ch)]);
                EXPECT_EQ(out, want) << "channels " << first << " to " << first + channels - 1;
            }
    }
}
