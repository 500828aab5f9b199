// Frames handed over in pieces of any length, as an encoder hands them: the cutter and the
// writer find the same frames wherever the pieces break, and refuse what is no frames.
#include "platform/mp3frames/framecutter.h"
#include "platform/mp3frames/framewriter.h"
#include "platform/mp3frames/index.h"
#include "platform/bass/bass_test_util.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace trevisto::mp3frames;
using namespace trevisto::test;

namespace {

using Bytes = std::vector<unsigned char>;

// Three frames of two bit rates, one padded, with their own bytes: 417, 418 and 104 bytes.
Bytes threeFrames()
{
    Bytes out;
    for (const auto &head : {std::array<unsigned char, 4>{0xFF, 0xFB, 0x90, 0x64},
                             std::array<unsigned char, 4>{0xFF, 0xFB, 0x92, 0x64},
                             std::array<unsigned char, 4>{0xFF, 0xFB, 0x10, 0x64}}) {
        const FrameHeader h = *FrameHeader::parse(head.data());
        Bytes f(h.frameBytes());
        for (size_t i = 0; i < f.size(); ++i)
            f[i] = uint8_t(i * 13 + out.size());
        std::copy(head.begin(), head.end(), f.begin());
        out.insert(out.end(), f.begin(), f.end());
    }
    return out;
}

// The stream in two pieces broken at `at`, then the rest.
std::vector<Bytes> brokenAt(const Bytes &stream, size_t at)
{
    return {Bytes(stream.begin(), stream.begin() + long(at)), Bytes(stream.begin() + long(at), stream.end())};
}

TEST(FrameCutter, FindsTheSameFramesWhereverThePiecesBreak)
{
    const Bytes stream = threeFrames();
    for (size_t at = 0; at <= stream.size(); ++at) {
        SCOPED_TRACE(at);
        FrameCutter cutter;
        std::vector<size_t> sizes;
        Bytes joined;
        for (const Bytes &piece : brokenAt(stream, at))
            ASSERT_TRUE(cutter.feed(piece.data(), piece.size(), [&](const unsigned char *f, const FrameHeader &h) {
                sizes.push_back(h.frameBytes());
                joined.insert(joined.end(), f, f + h.frameBytes());
                return true;
            }));
        EXPECT_EQ(sizes, (std::vector<size_t>{417, 418, 104}));
        EXPECT_EQ(joined, stream);
        EXPECT_EQ(cutter.pending(), 0u);
    }
    FrameCutter cutter;
    const Bytes cut(stream.begin(), stream.end() - 1);
    ASSERT_TRUE(cutter.feed(cut.data(), cut.size(), [](const unsigned char *, const FrameHeader &) { return true; }));
    EXPECT_EQ(cutter.pending(), 103u) << "the last frame waits for its last byte";
    const Bytes junk = {0x00, 0x11, 0x22, 0x33, 0x44};
    FrameCutter refusing;
    EXPECT_FALSE(refusing.feed(junk.data(), junk.size(), [](const unsigned char *, const FrameHeader &) { return true; }));
}

TEST(FrameWriter, WritesTheSameFileWhereverThePiecesBreak)
{
    TempDir dir;
    const Bytes stream = threeFrames();
    TagFrameFacts shape;
    shape.header = *FrameHeader::parse(stream.data());
    auto write = [&](const std::vector<Bytes> &pieces, const std::string &path) {
        FrameWriter out(path, {});
        EXPECT_TRUE(out.isOpen());
        EXPECT_TRUE(out.begin(shape));
        for (const Bytes &piece : pieces)
            EXPECT_TRUE(out.appendFrames(piece.data(), piece.size()));
        EXPECT_EQ(out.frames(), 3u);
        EXPECT_TRUE(out.variableBitRate());
        EXPECT_TRUE(out.finish(shape));
        return readBytes(path);
    };
    const Bytes whole = write({stream}, dir.file("whole.mp3"));
    const IndexResult r = indexMp3Bytes(whole.data(), whole.size());
    ASSERT_TRUE(r.index);
    ASSERT_TRUE(r.index->info);
    EXPECT_TRUE(r.index->info->xing) << "two bit rates";
    EXPECT_EQ(r.index->info->frames, 3u);
    EXPECT_EQ(r.index->frames.size(), 3u);
    for (size_t at : {size_t(1), size_t(3), size_t(4), size_t(416), size_t(417), size_t(419), size_t(835)})
        EXPECT_EQ(write(brokenAt(stream, at), dir.file("pieces.mp3")), whole) << "broken at " << at;
}

// A stream that ends inside a frame, or bytes that are no frames, leave no file.
TEST(FrameWriter, RefusesWhatIsNoWholeFrames)
{
    TempDir dir;
    const Bytes stream = threeFrames();
    TagFrameFacts shape;
    shape.header = *FrameHeader::parse(stream.data());
    const Bytes junk(stream.begin() + 1, stream.end());
    const struct {
        const char *name;
        Bytes bytes;
        bool appends;
    } cases[] = {{"cut short", Bytes(stream.begin(), stream.end() - 1), true}, {"no frame", junk, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.file("out.mp3");
        {
            FrameWriter out(path, {});
            ASSERT_TRUE(out.begin(shape));
            EXPECT_EQ(out.appendFrames(c.bytes.data(), c.bytes.size()), c.appends);
            EXPECT_FALSE(out.finish(shape));
            EXPECT_TRUE(out.malformed());
        }
        EXPECT_FALSE(std::filesystem::exists(path));
    }
}

} // namespace
