#include "platform/mp3frames/frameheader.h"
#include "platform/mp3frames/index.h"
#include "platform/mp3frames/tagframe.h"
#include "platform/bass/bass_test_util.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

using namespace trevisto::mp3frames;
using namespace trevisto::test;

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

// Every header the four bytes can say: only Layer III of a known version, bit rate and
// sample rate is taken, and what it is taken for comes back as the same bytes.
TEST(FrameHeader, EveryVersionLayerAndRateOfTheHeader)
{
    struct Version {
        int bits; // the header's two version bits
        MpegVersion version;
        std::set<int> rates, kbps; // as the format lists them
        int spf;
    };
    const Version versions[] = {
        {3, MpegVersion::Mpeg1, {32000, 44100, 48000}, {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}, 1152},
        {2, MpegVersion::Mpeg2, {16000, 22050, 24000}, {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}, 576},
        {0, MpegVersion::Mpeg25, {8000, 11025, 12000}, {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}, 576},
    };
    int taken = 0;
    for (int versionBits = 0; versionBits < 4; ++versionBits)
        for (int layerBits = 0; layerBits < 4; ++layerBits)
            for (int rateIndex = 0; rateIndex < 16; ++rateIndex)
                for (int srIndex = 0; srIndex < 4; ++srIndex) {
                    const unsigned char b[4] = {0xFF, uint8_t(0xE0 | versionBits << 3 | layerBits << 1 | 1),
                                                uint8_t(rateIndex << 4 | srIndex << 2), 0x44};
                    const auto h = FrameHeader::parse(b);
                    const Version *v = nullptr;
                    for (const Version &candidate : versions)
                        if (candidate.bits == versionBits)
                            v = &candidate;
                    const bool valid = v && layerBits == 1 && rateIndex != 15 && srIndex != 3;
                    SCOPED_TRACE(testing::Message() << "version " << versionBits << " layer " << layerBits << " rate "
                                                    << rateIndex << " sample rate " << srIndex);
                    ASSERT_EQ(bool(h), valid);
                    if (!h)
                        continue;
                    ++taken;
                    EXPECT_EQ(h->version, v->version);
                    EXPECT_TRUE(v->rates.count(h->sampleRate()));
                    EXPECT_EQ(versionForRate(h->sampleRate()), v->version);
                    EXPECT_EQ(h->samplesPerFrame(), v->spf);
                    if (rateIndex == 0) {
                        EXPECT_EQ(h->frameBytes(), 0u) << "free format";
                    } else {
                        EXPECT_TRUE(v->kbps.count(h->bitRate()));
                        // A frame's bytes carry its samples at its bit rate.
                        const double seconds = double(v->spf) / h->sampleRate();
                        EXPECT_NEAR(double(h->frameBytes()), h->bitRate() * 1000.0 * seconds / 8, 1.0);
                    }
                    const auto back = h->bytes();
                    EXPECT_EQ(std::memcmp(back.data(), b, 4), 0);
                }
    EXPECT_EQ(taken, 3 * 15 * 3);
    // Each rate's bit rates rise with their index.
    for (const Version &v : versions)
        for (int i = 2; i <= 14; ++i)
            EXPECT_GT(bitRateAt(v.version, i), bitRateAt(v.version, i - 1));
    EXPECT_EQ(bitRateAt(MpegVersion::Mpeg1, 15), 0);
    EXPECT_EQ(sampleRateAt(MpegVersion::Mpeg2, 3), 0);
}

// The encoder's CRC-protected frames of each version and layout carry the CRC frameCrc()
// computes; a bit changed in the side information is caught.
TEST(FrameHeader, FrameCrcIsTheEncodersOnEveryVersion)
{
    struct Case {
        int rate, channels, kbps;
    };
    TempDir dir;
    for (const Case &c : {Case{44100, 2, 128}, Case{48000, 1, 64}, Case{22050, 2, 64}, Case{16000, 1, 64},
                          Case{11025, 2, 32}, Case{8000, 1, 32}}) {
        SCOPED_TRACE(c.rate);
        const std::string path = dir.file("crc.mp3");
        writeMp3(path, makeBusySound(c.rate, c.channels, 0.5, 3), Mp3Options{c.kbps, -1, true});
        std::vector<uint8_t> bytes = readBytes(path);
        const IndexResult r = indexMp3Bytes(bytes.data(), bytes.size());
        ASSERT_TRUE(r.index);
        ASSERT_GE(r.index->frames.size(), 5u);
        for (const FrameEntry &e : r.index->frames) {
            const FrameHeader h = e.parsedHeader();
            ASSERT_TRUE(h.protectedByCrc);
            unsigned char *f = bytes.data() + e.offset;
            EXPECT_EQ(frameCrc(h, f), f[4] << 8 | f[5]) << "frame at " << e.offset;
        }
        unsigned char *f = bytes.data() + r.index->frames[2].offset;
        const FrameHeader h = r.index->frames[2].parsedHeader();
        f[6 + h.sideInfoBytes() - 1] ^= 0x01;
        EXPECT_NE(frameCrc(h, f), f[4] << 8 | f[5]);
    }
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

// An info frame made from an encoder's settings, read back: the counts, delay and padding
// the index uses, and the extension's fields as a reader of the tag finds them.
TEST(TagFrame, AnEncodersExtensionReadsBack)
{
    struct Case {
        unsigned char head[4];
        int bitRate, sourceRate, stereoMode, lowpassHz;
        bool keepsRate; // the tag fits a frame at the audio frames' own rate
    };
    const Case cases[] = {
        {{0xFF, 0xFB, 0x90, 0x64}, 128, 44100, 3, 17000, true}, // MPEG-1 joint stereo
        {{0xFF, 0xFB, 0x44, 0xC4}, 56, 48000, 0, 11000, false}, // too small for the tag
        {{0xFF, 0xF3, 0x80, 0xC4}, 64, 22050, 0, 9950, true},   // MPEG-2 mono
        {{0xFF, 0xE3, 0x48, 0x04}, 32, 8000, 1, 3000, true},    // MPEG-2.5 stereo
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.bitRate);
        TagFrameFacts f;
        f.header = *FrameHeader::parse(c.head);
        EncoderSettings e;
        e.version = "3.100";
        e.bitRate = c.bitRate;
        e.sourceRate = c.sourceRate;
        e.stereoMode = c.stereoMode;
        e.lowpassHz = c.lowpassHz;
        e.athType = 4;
        f.encoder = e;
        f.quality = 57;
        f.frames = 3;
        f.delay = 576;
        f.padding = 1000;
        const std::vector<unsigned char> frame = buildTagFrame(f);
        ASSERT_FALSE(frame.empty());
        const FrameHeader h = *FrameHeader::parse(frame.data());
        EXPECT_EQ(h.bitRateIndex == f.header.bitRateIndex, c.keepsRate);
        EXPECT_TRUE(h.sameLayout(f.header));

        std::vector<unsigned char> file = frame;
        for (int i = 0; i < 3; ++i) {
            std::vector<unsigned char> a(f.header.frameBytes(), 0);
            std::memcpy(a.data(), c.head, 4);
            file.insert(file.end(), a.begin(), a.end());
        }
        const IndexResult r = indexMp3Bytes(file.data(), file.size());
        ASSERT_TRUE(r.index);
        ASSERT_TRUE(r.index->lameTagged());
        EXPECT_FALSE(r.index->info->xing);
        EXPECT_EQ(r.index->info->frames, 3u);
        EXPECT_EQ(r.index->info->delay, 576);
        EXPECT_EQ(r.index->info->padding, 1000);
        const auto &l = *r.index->info->lame;
        EXPECT_EQ(std::string(l.begin(), l.begin() + 9), "LAME3.100");
        EXPECT_EQ(l[9], 0x01) << "constant bit rate";
        EXPECT_EQ(l[10], (c.lowpassHz + 50) / 100);
        EXPECT_EQ(l[19] & 0x0F, 4) << "ATH type";
        EXPECT_EQ(l[20], c.bitRate);
        EXPECT_EQ((l[24] >> 2) & 7, c.stereoMode);
        EXPECT_EQ(l[24] >> 6, c.sourceRate <= 32000 ? 0 : c.sourceRate <= 44100 ? 1 : 2);
        const unsigned char *x = frame.data() + 4 + h.sideInfoBytes();
        EXPECT_EQ(x[119], 57) << "quality";
        EXPECT_EQ(l[34] << 8 | l[35], crc16Arc(frame.data(), 4 + h.sideInfoBytes() + kXingBytes + 34));
    }
}
