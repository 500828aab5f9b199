#include "platform/mp3frames/frameheader.h"
#include "platform/mp3frames/index.h"
#include "platform/mp3frames/tagframe.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace trevisto::mp3frames;

TEST(FrameHeader, SizesAndLayoutsOfEachVersion)
{
    struct Case {
        unsigned char bytes[4];
        MpegVersion version;
        int kbps, rate, channels, spf;
        size_t frameBytes, sideInfo;
        bool crc;
    };
    const Case cases[] = {
        {{0xFF, 0xFB, 0x90, 0x64}, MpegVersion::Mpeg1, 128, 44100, 2, 1152, 417, 32, false},
        {{0xFF, 0xFB, 0x92, 0x64}, MpegVersion::Mpeg1, 128, 44100, 2, 1152, 418, 32, false}, // padded
        {{0xFF, 0xFA, 0xE4, 0xC4}, MpegVersion::Mpeg1, 320, 48000, 1, 1152, 960, 17, true},
        {{0xFF, 0xF3, 0x80, 0xC4}, MpegVersion::Mpeg2, 64, 22050, 1, 576, 208, 9, false},
        {{0xFF, 0xE3, 0x18, 0x44}, MpegVersion::Mpeg25, 8, 8000, 2, 576, 72, 17, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.frameBytes);
        const auto h = FrameHeader::parse(c.bytes);
        ASSERT_TRUE(h);
        EXPECT_EQ(h->version, c.version);
        EXPECT_EQ(h->bitRate(), c.kbps);
        EXPECT_EQ(h->sampleRate(), c.rate);
        EXPECT_EQ(h->channels(), c.channels);
        EXPECT_EQ(h->samplesPerFrame(), c.spf);
        EXPECT_EQ(h->frameBytes(), c.frameBytes);
        EXPECT_EQ(h->sideInfoBytes(), c.sideInfo);
        EXPECT_EQ(h->protectedByCrc, c.crc);
        EXPECT_EQ(h->mainDataOffset(), 4 + c.sideInfo + (c.crc ? 2 : 0));
        const auto back = h->bytes();
        EXPECT_EQ(std::memcmp(back.data(), c.bytes, 4), 0);
    }
    const unsigned char refused[][4] = {
        {0xFF, 0xFD, 0x90, 0x64}, // layer II
        {0xFF, 0xEB, 0x90, 0x64}, // reserved version
        {0xFF, 0xFB, 0xF0, 0x64}, // bit-rate index 15
        {0xFF, 0xFB, 0x9C, 0x64}, // reserved sample rate
        {0xFF, 0xFB, 0x90, 0x66}, // reserved emphasis
        {0xFE, 0xFB, 0x90, 0x64}, // no sync
    };
    for (const auto &bytes : refused)
        EXPECT_FALSE(FrameHeader::parse(bytes)) << int(bytes[1]) << " " << int(bytes[2]);
}

TEST(FrameHeader, ChecksumsMatchTheirStandardCheckValues)
{
    // "123456789" gives 0xBB3D under CRC-16/ARC.
    const unsigned char digits[] = "123456789";
    EXPECT_EQ(crc16Arc(digits, 9), 0xBB3D);
    EXPECT_EQ(crc16Arc(digits + 4, 5, crc16Arc(digits, 4)), 0xBB3D);
    // A protected MPEG-2 mono frame: the CRC covers header bytes 2-3 and the side
    // information only, so the bytes after it do not change it and a side-information
    // byte does.
    std::vector<unsigned char> frame(208, 0);
    const unsigned char head[4] = {0xFF, 0xF2, 0x80, 0xC4};
    std::memcpy(frame.data(), head, 4);
    const FrameHeader h = *FrameHeader::parse(head);
    const uint16_t crc = frameCrc(h, frame.data());
    frame[100] = 0x55;
    EXPECT_EQ(frameCrc(h, frame.data()), crc);
    frame[6] = 0x01;
    EXPECT_NE(frameCrc(h, frame.data()), crc);
    // That it is the frames' own CRC shows on the encoder's protected frames, which the
    // index finds undamaged (rangecopy_test).
}

TEST(TagFrame, CarriesCountsDelayPaddingAndValidCrcs)
{
    const unsigned char head[4] = {0xFF, 0xFB, 0x50, 0x64}; // 64 kbit/s: too small for the tag
    TagFrameFacts f;
    f.header = *FrameHeader::parse(head);
    f.frames = 1000;
    f.audioBytes = 208000;
    f.delay = 1234;
    f.padding = 4095;
    f.musicCrc = 0xBEEF;
    const std::vector<uint64_t> offsets = [] {
        std::vector<uint64_t> o(1000);
        for (size_t i = 0; i < o.size(); ++i)
            o[i] = i < 500 ? i * 100 : 50000 + (i - 500) * 316; // dense first half, sparse second
        return o;
    }();
    f.frameOffsets = &offsets;
    f.variableBitRate = true;
    const std::vector<unsigned char> frame = buildTagFrame(f);
    ASSERT_FALSE(frame.empty());
    const auto h = FrameHeader::parse(frame.data());
    ASSERT_TRUE(h);
    EXPECT_GE(h->frameBytes(), 4 + 32 + kXingBytes + kLameBytes);
    EXPECT_EQ(frame.size(), h->frameBytes());
    EXPECT_FALSE(h->protectedByCrc);

    const unsigned char *x = frame.data() + 36;
    EXPECT_EQ(std::memcmp(x, "Xing", 4), 0);
    auto be32 = [](const unsigned char *p) { return uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; };
    EXPECT_EQ(be32(x + 8), 1000u);
    EXPECT_EQ(be32(x + 12), frame.size() + 208000);
    // The seek table follows the frames' real offsets: half the frames in a quarter of the bytes.
    EXPECT_NEAR(x[16 + 50], 256.0 * (frame.size() + 50000) / (frame.size() + 208000), 1.0);
    for (int i = 1; i < 100; ++i)
        EXPECT_LE(x[16 + i - 1], x[16 + i]);
    const unsigned char *l = x + kXingBytes;
    EXPECT_EQ(std::memcmp(l, "LAME", 4), 0);
    EXPECT_EQ(l[21] << 4 | l[22] >> 4, 1234);
    EXPECT_EQ((l[22] & 15) << 8 | l[23], 4095);
    EXPECT_EQ(l[32] << 8 | l[33], 0xBEEF);
    EXPECT_EQ(l[34] << 8 | l[35], crc16Arc(frame.data(), 4 + 32 + kXingBytes + 34));

    // What an index reads back from it.
    std::vector<unsigned char> file = frame;
    const unsigned char audio[4] = {0xFF, 0xFB, 0x90, 0x64};
    for (int i = 0; i < 3; ++i) {
        std::vector<unsigned char> a(417, 0);
        std::memcpy(a.data(), audio, 4);
        file.insert(file.end(), a.begin(), a.end());
    }
    const IndexResult r = indexMp3Bytes(file.data(), file.size());
    ASSERT_TRUE(r.index);
    ASSERT_TRUE(r.index->lameTagged());
    EXPECT_EQ(r.index->info->delay, 1234);
    EXPECT_EQ(r.index->info->padding, 4095);
    EXPECT_EQ(r.index->frames.size(), 3u);

    f.delay = 4096;
    EXPECT_TRUE(buildTagFrame(f).empty()) << "a delay the 12-bit field cannot hold";
}
