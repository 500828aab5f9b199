#include "platform/mp3enc/mp3encoder.h"
#include "platform/mp3enc/split.h"
#include "platform/mp3enc/threadnames.h"
#include "platform/bass/bass_test_util.h"
#include "platform/drive/drive.h"
#include "platform/wav/wav.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <thread>

#include <sys/stat.h>

namespace fs = std::filesystem;
using trevisto::mp3enc::Mp3Encoder;
using trevisto::mp3enc::kJobThreadName;
using trevisto::mp3enc::kStretchThreadName;
using namespace trevisto::test;

namespace {

using Bytes = std::vector<uint8_t>;

// Runs the event loop until the encoder completes or the limit passes.
bool waitForCompletion(Mp3Encoder &encoder, int limitMs = 60000)
{
    QEventLoop loop;
    bool completed = false;
    QObject::connect(&encoder, &Mp3Encoder::completed, &loop, [&] {
        completed = true;
        loop.quit();
    });
    QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
    loop.exec();
    return completed;
}

void spinEvents(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

std::set<std::string> filesIn(const fs::path &folder)
{
    std::set<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// The threads of this process that bear the name; other threads (the sanitizer's, Qt's) come
// and go as they please and are not counted.
size_t threadsNamed(const char *name)
{
    size_t count = 0;
    for (const auto &task : fs::directory_iterator("/proc/self/task")) {
        std::ifstream comm(task.path() / "comm");
        std::string line;
        if (std::getline(comm, line) && line == name)
            ++count;
    }
    return count;
}

// A tone that starts at full swing, so leading silence in the result cannot hide.
Pcm startingTone(int rate, int channels, double seconds, double hz = 440)
{
    return makeTone(rate, channels, seconds, hz, 0.5, M_PI / 2);
}

// The tone's 16-bit samples written as a WAV of another sample format.
void writeAs(const std::string &path, const Pcm &pcm, int bits, bool isFloat)
{
    using trevisto::wav::Format;
    Bytes data;
    for (int16_t s : pcm.samples) {
        if (isFloat) {
            const float f = s / 32768.0f;
            const auto *p = reinterpret_cast<const uint8_t *>(&f);
            data.insert(data.end(), p, p + 4);
        } else if (bits == 8) {
            data.push_back(uint8_t((s >> 8) + 128));
        } else {
            const uint32_t v = uint32_t(int32_t(s)) << (bits - 16);
            for (int i = 0; i < bits / 8; ++i)
                data.push_back(uint8_t(v >> (8 * i)));
        }
    }
    if (!isFloat) {
        writeWav(path, pcm.rate, pcm.channels, bits, data);
        return;
    }
    const Format f{trevisto::wav::kTagFloat, uint16_t(pcm.channels), uint32_t(pcm.rate), 32};
    ASSERT_EQ(trevisto::wav::writeFile(path, f, data.data(), data.size()), trevisto::wav::WriteError::None);
}

struct FrameHeader {
    int kbps = 0;
    int rate = 0;
    size_t bytes = 0;
};

// Layer III frame header at `at`, read straight from the bytes.
std::optional<FrameHeader> frameAt(const Bytes &mp3, size_t at)
{
    static const int mpeg1[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    static const int mpeg2[] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
    static const int rates[3][3] = {{44100, 48000, 32000}, {22050, 24000, 16000}, {11025, 12000, 8000}};
    if (at + 4 > mp3.size() || mp3[at] != 0xFF || (mp3[at + 1] & 0xE0) != 0xE0 || (mp3[at + 1] & 0x06) != 0x02)
        return std::nullopt;
    const int version = (mp3[at + 1] >> 3) & 3; // 3: MPEG-1, 2: MPEG-2, 0: MPEG-2.5
    const int bitrateIndex = mp3[at + 2] >> 4, rateIndex = (mp3[at + 2] >> 2) & 3;
    if (version == 1 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3)
        return std::nullopt;
    FrameHeader h;
    h.kbps = version == 3 ? mpeg1[bitrateIndex] : mpeg2[bitrateIndex];
    h.rate = rates[version == 3 ? 0 : version == 2 ? 1 : 2][rateIndex];
    h.bytes = size_t((version == 3 ? 144000 : 72000) * h.kbps / h.rate + ((mp3[at + 2] >> 1) & 1));
    return h;
}

uint32_t bigEndian32(const Bytes &b, size_t at)
{
    return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
}

// CRC-16 as the info frame's tag uses it (polynomial 0x8005, reflected, from 0).
unsigned crc16(const uint8_t *p, size_t n)
{
    unsigned crc = 0;
    for (size_t i = 0; i < n; ++i) {
        crc ^= p[i];
        for (int b = 0; b < 8; ++b)
            crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
    }
    return crc;
}

// Tones under bursts of noise every tenth of a second: frames that fill the bit reservoir
// and frames that drain it, so splices meet it in every state.
Pcm burstySound(int rate, int channels, double seconds)
{
    Pcm pcm;
    pcm.rate = rate;
    pcm.channels = channels;
    uint32_t seed = 4242;
    for (size_t i = 0; i < size_t(seconds * rate); ++i) {
        const double t = double(i) / rate, inBurst = std::fmod(t, 0.1);
        for (int c = 0; c < channels; ++c) {
            seed = seed * 1664525u + 1013904223u;
            const double noise = inBurst < 0.015 ? (double(seed >> 16) / 65536.0 - 0.5) * 0.6 : 0;
            const double v = 0.3 * std::sin(2 * M_PI * (300 + 40 * c) * t) + 0.1 * std::sin(2 * M_PI * 2100 * t) + noise;
            pcm.samples.push_back(int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 30000)));
        }
    }
    return pcm;
}

// Signal to noise of `decoded` against `source` over frames [from, to), in dB.
double snrDb(const std::vector<int16_t> &source, const std::vector<int16_t> &decoded, int channels, int64_t from,
             int64_t to)
{
    double signal = 0, noise = 0;
    for (int64_t i = std::max<int64_t>(from, 0) * channels; i < to * channels && size_t(i) < source.size(); ++i) {
        signal += double(source[size_t(i)]) * source[size_t(i)];
        const double e = double(decoded[size_t(i)]) - source[size_t(i)];
        noise += e * e;
    }
    return 10 * std::log10(signal / std::max(noise, 1.0));
}

class Mp3EncoderTest : public BassTest {
protected:
    // Encodes to completion; the MP3's bytes, or empty after a test failure.
    Bytes encode(Mp3Encoder &encoder, const std::string &wav, const std::string &mp3)
    {
        EXPECT_EQ(encoder.encode(QString::fromStdString(wav), QString::fromStdString(mp3)), Mp3Encoder::Started)
            << encoder.reason().toStdString();
        EXPECT_TRUE(waitForCompletion(encoder));
        EXPECT_TRUE(encoder.succeeded()) << encoder.reason().toStdString();
        return fs::exists(mp3) ? readBytes(mp3) : Bytes{};
    }

    Decoded decode(const std::string &mp3)
    {
        const HSTREAM h = openStream(mp3);
        EXPECT_NE(h, 0u) << BASS_ErrorGetCode();
        return h ? drain(h) : Decoded{};
    }
};

} // namespace

TEST_F(Mp3EncoderTest, EveryInputFormatDecodesToItsOwnLengthAndPitch)
{
    struct Case {
        int rate, channels, bits;
        bool isFloat;
    };
    const Case cases[] = {
        {44100, 2, 16, false}, {22050, 1, 16, false}, {44100, 1, 8, false}, {48000, 2, 24, false},
        {32000, 2, 32, false}, {24000, 1, 32, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.rate) + " Hz, " + std::to_string(c.channels) + " ch, " +
                     std::to_string(c.bits) + (c.isFloat ? "-bit float" : "-bit"));
        const Pcm tone = startingTone(c.rate, c.channels, 10.0);
        const std::string wav = dir.file("in.wav"), mp3 = dir.file("out.mp3");
        writeAs(wav, tone, c.bits, c.isFloat);

        Mp3Encoder encoder;
        std::vector<int> progress;
        QObject::connect(&encoder, &Mp3Encoder::progress, [&](int p) { progress.push_back(p); });
        encode(encoder, wav, mp3);
        EXPECT_EQ(encoder.status(), Mp3Encoder::Done);
        EXPECT_TRUE(encoder.reason().isEmpty()) << encoder.reason().toStdString();
        ASSERT_FALSE(progress.empty());
        EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
        EXPECT_EQ(progress.back(), 100);

        const Decoded d = decode(mp3);
        EXPECT_EQ(int(d.info.freq), c.rate);
        EXPECT_EQ(int(d.info.chans), c.channels);
        EXPECT_EQ(d.frames(), tone.frames());
        const auto samples = d.samples();
        EXPECT_GT(peak(samples, c.channels, 0, size_t(c.rate / 500)), 0.3 * 32767) << "silence at the start";
        const double crossings = double(zeroCrossings(tone.samples, c.channels));
        EXPECT_NEAR(double(zeroCrossings(samples, c.channels)), crossings, crossings * 0.002);
    }
}

TEST_F(Mp3EncoderTest, FramesCarryTheBitRateAndTheStreamStartsWithAnInfoFrame)
{
    struct Case {
        int rate, channels, kbps;
        int mp3Rate, mp3Kbps;
        const char *note; // expected in reason(), if any
    };
    const Case cases[] = {
        {44100, 2, 56, 44100, 56, nullptr},
        {44100, 2, 96, 44100, 96, nullptr},
        {44100, 1, 128, 44100, 128, nullptr},
        {44100, 2, 256, 44100, 256, nullptr},
        {22050, 1, 256, 22050, 160, "256 kbit/s is not possible at 22050 Hz; encoded at 160 kbit/s"},
        {8000, 1, 96, 8000, 64, "96 kbit/s is not possible at 8000 Hz; encoded at 64 kbit/s"},
        {96000, 2, 128, 48000, 128, "96000 Hz is not possible in MP3; encoded at 48000 Hz"},
        {6000, 1, 56, 8000, 56, "6000 Hz is not possible in MP3; encoded at 8000 Hz"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.rate) + " Hz at " + std::to_string(c.kbps) + " kbit/s");
        const Pcm tone = startingTone(c.rate, c.channels, 1.5, 330);
        const std::string wav = dir.file("in.wav"), mp3 = dir.file("out.mp3");
        writeWav(wav, tone);

        Mp3Encoder encoder;
        encoder.setBitRate(c.kbps);
        const Bytes bytes = encode(encoder, wav, mp3);
        EXPECT_EQ(encoder.effectiveBitRate(), c.mp3Kbps);
        if (c.note)
            EXPECT_NE(encoder.reason().indexOf(QString::fromLatin1(c.note)), -1) << encoder.reason().toStdString();
        else
            EXPECT_TRUE(encoder.reason().isEmpty()) << encoder.reason().toStdString();

        const auto info = frameAt(bytes, 0);
        ASSERT_TRUE(info) << "no frame at the start";
        const auto audio = frameAt(bytes, info->bytes);
        ASSERT_TRUE(audio) << "no frame after the first";
        EXPECT_EQ(audio->kbps, c.mp3Kbps);
        EXPECT_EQ(audio->rate, c.mp3Rate);
        // Every audio frame at the one bit rate, and an info frame that counts them.
        size_t frames = 0, at = info->bytes;
        for (auto f = audio; f && at < bytes.size(); f = frameAt(bytes, at += f->bytes), ++frames)
            ASSERT_EQ(f->kbps, c.mp3Kbps) << "frame " << frames;
        EXPECT_EQ(at, bytes.size());
        const size_t tag = 4 + (c.mp3Rate >= 32000 ? (c.channels == 1 ? 17 : 32) : (c.channels == 1 ? 9 : 17));
        ASSERT_LT(tag + 156, info->bytes);
        EXPECT_EQ(std::string(bytes.begin() + tag, bytes.begin() + tag + 4), "Info");
        EXPECT_EQ(bigEndian32(bytes, tag + 8), frames);
        EXPECT_EQ(bigEndian32(bytes, tag + 12), bytes.size());
        const size_t lame = tag + 120;
        EXPECT_EQ(std::string(bytes.begin() + lame, bytes.begin() + lame + 4), "LAME");
        const uint32_t delayAndPadding = bigEndian32(bytes, lame + 21) >> 8;
        EXPECT_GT(delayAndPadding >> 12, 0u) << "encoder delay";
        EXPECT_EQ(crc16(bytes.data(), lame + 34), bytes[lame + 34] << 8 | bytes[lame + 35]) << "tag CRC";
        EXPECT_EQ(crc16(bytes.data() + info->bytes, bytes.size() - info->bytes), bytes[lame + 32] << 8 | bytes[lame + 33])
            << "music CRC";

        const Decoded d = decode(mp3);
        EXPECT_EQ(int(d.info.freq), c.mp3Rate);
        EXPECT_EQ(d.frames(), size_t(std::llround(double(tone.frames()) * c.mp3Rate / c.rate)));
    }
}

TEST_F(Mp3EncoderTest, SourcesItCannotTakeAreRefusedBeforeAnythingIsWritten)
{
    const std::string sixChannels = dir.file("six.wav"), text = dir.file("notes.wav");
    writeWav(sixChannels, 44100, 6, 16, Bytes(44100 * 12, 0));
    writeBytes(text, Bytes{'h', 'e', 'l', 'l', 'o'});
    struct Case {
        std::string source, destination;
        qint16 code;
        std::string named; // the file the reason must name
    };
    const Case cases[] = {
        {sixChannels, dir.file("six.mp3"), Mp3Encoder::SourceUnsupported, sixChannels},
        {dir.file("missing.wav"), dir.file("missing.mp3"), Mp3Encoder::SourceUnreadable, dir.file("missing.wav")},
        {text, dir.file("notes.mp3"), Mp3Encoder::SourceUnreadable, text},
        {sixChannels, "", Mp3Encoder::NoDestination, ""},
    };
    const auto before = filesIn(dir.path());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.source + " -> " + c.destination);
        Mp3Encoder encoder;
        int completions = 0;
        QObject::connect(&encoder, &Mp3Encoder::completed, [&] { ++completions; });
        EXPECT_EQ(encoder.encode(QString::fromStdString(c.source), QString::fromStdString(c.destination)), c.code);
        EXPECT_EQ(encoder.status(), Mp3Encoder::Failed);
        EXPECT_FALSE(encoder.isBusy());
        EXPECT_NE(encoder.reason().toStdString().find(c.named), std::string::npos) << encoder.reason().toStdString();
        spinEvents(50);
        EXPECT_EQ(completions, 0);
        EXPECT_EQ(filesIn(dir.path()), before);
    }
}

TEST_F(Mp3EncoderTest, AnUnwritableDestinationCompletesWithAFailure)
{
    const std::string wav = dir.file("in.wav");
    writeWav(wav, startingTone(44100, 2, 1.0));
    fs::create_directory(dir.file("folder"));
    for (const std::string &mp3 : {dir.file("no such folder/out.mp3"), dir.file("folder")}) {
        SCOPED_TRACE(mp3);
        const auto before = filesIn(dir.path());
        Mp3Encoder encoder;
        ASSERT_EQ(encoder.encode(QString::fromStdString(wav), QString::fromStdString(mp3)), Mp3Encoder::Started);
        EXPECT_EQ(encoder.status(), Mp3Encoder::Running);
        ASSERT_TRUE(waitForCompletion(encoder));
        EXPECT_FALSE(encoder.succeeded());
        EXPECT_EQ(encoder.status(), Mp3Encoder::Failed);
        EXPECT_NE(encoder.reason().toStdString().find(mp3), std::string::npos) << encoder.reason().toStdString();
        EXPECT_EQ(filesIn(dir.path()), before);
        EXPECT_TRUE(fs::is_empty(dir.file("folder")));
    }
}

TEST_F(Mp3EncoderTest, AnExistingFileIsReplacedOnlyByACompleteEncoding)
{
    const std::string wav = dir.file("long.wav"), mp3 = dir.file("out.mp3");
    writeWav(wav, startingTone(44100, 2, 60.0));
    const Bytes old{'o', 'l', 'd'};
    writeBytes(mp3, old);
    ASSERT_EQ(::chmod(mp3.c_str(), 0640), 0);

    Mp3Encoder encoder;
    int completions = 0;
    QObject::connect(&encoder, &Mp3Encoder::completed, [&] { ++completions; });
    ASSERT_EQ(encoder.encode(QString::fromStdString(wav), QString::fromStdString(mp3)), Mp3Encoder::Started);
    EXPECT_EQ(encoder.encode(QString::fromStdString(wav), QString::fromStdString(dir.file("second.mp3"))),
              Mp3Encoder::Busy);
    EXPECT_EQ(encoder.status(), Mp3Encoder::Running);
    EXPECT_FALSE(encoder.reason().isEmpty());

    encoder.cancel();
    EXPECT_EQ(encoder.status(), Mp3Encoder::Idle);
    EXPECT_FALSE(encoder.succeeded());
    spinEvents(100);
    EXPECT_EQ(completions, 0);
    EXPECT_EQ(filesIn(dir.path()), (std::set<std::string>{"long.wav", "out.mp3"}));
    EXPECT_EQ(readBytes(mp3), old);

    // The same encoder goes on working after a cancel, and a finished encoding replaces
    // the file, keeping its permissions. Progress comes at most about 30 times a second.
    int updates = 0;
    QObject::connect(&encoder, &Mp3Encoder::progress, [&] { ++updates; });
    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(encoder.encode(QString::fromStdString(wav), QString::fromStdString(mp3)), Mp3Encoder::Started);
    EXPECT_EQ(encoder.encode(QString::fromStdString(wav), QString::fromStdString(mp3)), Mp3Encoder::Busy);
    ASSERT_TRUE(waitForCompletion(encoder));
    EXPECT_LE(updates, clock.elapsed() / 33 + 2);
    EXPECT_TRUE(encoder.succeeded());
    EXPECT_TRUE(encoder.reason().isEmpty()) << "the refusal's reason outlived the encoding: "
                                            << encoder.reason().toStdString();
    EXPECT_EQ(completions, 1);
    EXPECT_TRUE(frameAt(readBytes(mp3), 0));
    struct stat st;
    ASSERT_EQ(::stat(mp3.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(filesIn(dir.path()), (std::set<std::string>{"long.wav", "out.mp3"}));
}

TEST_F(Mp3EncoderTest, DestroyingTheEncoderMidRunLeavesNoFileAndNoThread)
{
    const std::string wav = dir.file("long.wav"), mp3 = dir.file("out.mp3");
    writeWav(wav, startingTone(44100, 2, 60.0));
    {
        Mp3Encoder encoder;
        bool started = false;
        QEventLoop loop;
        QObject::connect(&encoder, &Mp3Encoder::progress, &loop, [&] {
            started = true;
            loop.quit();
        });
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        ASSERT_EQ(encoder.encode(QString::fromStdString(wav), QString::fromStdString(mp3)), Mp3Encoder::Started);
        EXPECT_EQ(threadsNamed(kJobThreadName), 1u);
        loop.exec();
        ASSERT_TRUE(started);
        ASSERT_TRUE(encoder.isBusy());
    }
    EXPECT_EQ(threadsNamed(kJobThreadName), 0u);
    EXPECT_EQ(filesIn(dir.path()), std::set<std::string>{"long.wav"});
}

TEST_F(Mp3EncoderTest, DrivePathsLeadToTheDataFolder)
{
    const std::string folder = drive::toNative("C:\\Temp");
    fs::create_directories(folder);
    writeWav(folder + "/Clip.wav", startingTone(22050, 1, 0.5));
    Mp3Encoder encoder;
    encode(encoder, "c:\\TEMP\\clip.wav", "C:\\temp\\joined.mp3");
    EXPECT_TRUE(fs::is_regular_file(folder + "/joined.mp3"));
    fs::remove(folder + "/joined.mp3");
    fs::remove(folder + "/Clip.wav");
}

TEST_F(Mp3EncoderTest, InputsSplitOverThreadsDecodeAsAWholeEncodingDoes)
{
    struct Case {
        int rate, channels, bits;
        bool isFloat;
        int kbps;
        double seconds;
        unsigned threads;
    };
    const Case cases[] = {
        {44100, 2, 16, false, 128, 8, 3}, {44100, 1, 16, false, 64, 6, 2}, {48000, 2, 24, false, 320, 5, 4},
        {22050, 1, 16, false, 32, 8, 2},  {8000, 1, 16, false, 8, 12, 3},  {32000, 2, 32, true, 96, 6, 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.rate) + " Hz, " + std::to_string(c.channels) + " ch, " +
                     std::to_string(c.bits) + " bits, " + std::to_string(c.kbps) + " kbit/s on " +
                     std::to_string(c.threads) + " threads");
        const Pcm sound = burstySound(c.rate, c.channels, c.seconds);
        const std::string wav = dir.file("in.wav"), split = dir.file("split.mp3"), whole = dir.file("whole.mp3");
        writeAs(wav, sound, c.bits, c.isFloat);

        Mp3Encoder encoder;
        encoder.setBitRate(c.kbps);
        encoder.setSplitRules({c.threads, 1.0});
        std::vector<int> progress;
        QObject::connect(&encoder, &Mp3Encoder::progress, [&](int p) { progress.push_back(p); });
        const Bytes bytes = encode(encoder, wav, split);
        EXPECT_EQ(encoder.threadsUsed(), int(c.threads));
        ASSERT_FALSE(progress.empty());
        EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
        EXPECT_EQ(progress.back(), 100);
        encoder.setSplitRules({1, 1.0});
        encode(encoder, wav, whole);
        EXPECT_EQ(encoder.threadsUsed(), 1);

        // One info frame, counting every audio frame after it. They are all at the bit
        // rate but for a few before a splice, which may need more room for the reservoir;
        // then the info frame says the rate varies.
        const int spf = c.rate >= 32000 ? 1152 : 576;
        const int64_t n = int64_t(sound.frames());
        const auto plan = trevisto::mp3enc::planStretches(n, c.rate, spf, {c.threads, 1.0});
        ASSERT_EQ(plan.size(), size_t(c.threads));
        std::set<int64_t> mayGrow;
        for (size_t k = 1; k < plan.size(); ++k)
            for (int64_t f = plan[k].firstFrame - trevisto::mp3enc::kSpliceFrames; f < plan[k].firstFrame; ++f)
                mayGrow.insert(f);
        const auto info = frameAt(bytes, 0);
        ASSERT_TRUE(info);
        const size_t side = c.rate >= 32000 ? (c.channels == 1 ? 17 : 32) : (c.channels == 1 ? 9 : 17);
        const size_t tag = 4 + side;
        size_t frames = 0, at = info->bytes;
        bool grown = false;
        for (auto f = frameAt(bytes, at); f && at < bytes.size(); f = frameAt(bytes, at += f->bytes), ++frames) {
            if (f->kbps != c.kbps) {
                ASSERT_TRUE(mayGrow.count(int64_t(frames)) && f->kbps > c.kbps) << "frame " << frames << " at "
                                                                                  << f->kbps << " kbit/s";
                grown = true;
            }
            const std::string word(bytes.begin() + long(at + tag), bytes.begin() + long(at + tag + 4));
            ASSERT_TRUE(word != "Info" && word != "Xing") << "a second info frame at frame " << frames;
        }
        EXPECT_EQ(at, bytes.size());
        EXPECT_EQ(std::string(bytes.begin() + tag, bytes.begin() + tag + 4), grown ? "Xing" : "Info");
        EXPECT_EQ(bigEndian32(bytes, tag + 8), frames);
        EXPECT_EQ(bigEndian32(bytes, tag + 12), bytes.size());
        const size_t lame = tag + 120;
        EXPECT_EQ(std::string(bytes.begin() + lame, bytes.begin() + lame + 4), "LAME");
        const uint32_t delayAndPadding = bigEndian32(bytes, lame + 21) >> 8;
        EXPECT_EQ(delayAndPadding >> 12, 576u);
        EXPECT_EQ(int64_t(frames) * spf - 576 - int64_t(delayAndPadding & 0xFFF), int64_t(sound.frames()));
        EXPECT_EQ(crc16(bytes.data() + info->bytes, bytes.size() - info->bytes), bytes[lame + 32] << 8 | bytes[lame + 33])
            << "music CRC";

        const Decoded d = decode(split), w = decode(whole);
        ASSERT_EQ(d.frames(), sound.frames());
        ASSERT_EQ(w.frames(), sound.frames());
        const auto ds = d.samples(), ws = w.samples();
        EXPECT_GT(snrDb(sound.samples, ds, c.channels, 0, n), snrDb(sound.samples, ws, c.channels, 0, n) - 0.5);
        for (size_t k = 1; k < plan.size(); ++k) {
            SCOPED_TRACE("splice " + std::to_string(k));
            // Output frame f starts at input sample f * spf - 1105; two frames each side.
            const int64_t seam = plan[k].firstFrame * spf - 1105;
            const double got = snrDb(sound.samples, ds, c.channels, seam - 2 * spf, seam + 2 * spf);
            const double reference = snrDb(sound.samples, ws, c.channels, seam - 2 * spf, seam + 2 * spf);
            EXPECT_GT(got, reference - 0.5);
        }
    }
}

TEST_F(Mp3EncoderTest, AShortInputOrOneThreadEncodesWhole)
{
    const std::string wav = dir.file("in.wav");
    writeWav(wav, burstySound(44100, 2, 10.0));
    Mp3Encoder encoder;
    encoder.setSplitRules({1, 30});
    const Bytes one = encode(encoder, wav, dir.file("one.mp3"));
    EXPECT_EQ(encoder.threadsUsed(), 1);
    // Ten seconds is under two 30-second stretches: the threads do not matter.
    encoder.setSplitRules({8, 30});
    EXPECT_EQ(encode(encoder, wav, dir.file("short.mp3")), one);
    EXPECT_EQ(encoder.threadsUsed(), 1);
    encoder.setSplitRules({8, 2.0});
    const Bytes split = encode(encoder, wav, dir.file("split.mp3"));
    EXPECT_EQ(encoder.threadsUsed(), 4);
    EXPECT_NE(split, one);
    // A splice that cannot be made: the input is encoded whole over the part written.
    encoder.setSplitRules({.threads = 8, .minStretchSeconds = 2.0, .refuseSplices = true});
    EXPECT_EQ(encode(encoder, wav, dir.file("refused.mp3")), one);
    EXPECT_TRUE(encoder.succeeded());
    EXPECT_EQ(encoder.threadsUsed(), 1);
}

TEST_F(Mp3EncoderTest, CancellingASplitEncodingLeavesNoFileAndNoThread)
{
    const std::string wav = dir.file("long.wav"), mp3 = dir.file("out.mp3");
    writeWav(wav, burstySound(44100, 2, 40.0));
    Mp3Encoder encoder;
    encoder.setSplitRules({3, 1.0});
    int completions = 0, firstPercent = -1;
    QObject::connect(&encoder, &Mp3Encoder::completed, [&] { ++completions; });
    QEventLoop loop;
    QObject::connect(&encoder, &Mp3Encoder::progress, &loop, [&](int p) {
        firstPercent = p;
        loop.quit();
    });
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    ASSERT_EQ(encoder.encode(QString::fromStdString(wav), QString::fromStdString(mp3)), Mp3Encoder::Started);
    loop.exec();
    ASSERT_GE(firstPercent, 0);
    ASSERT_LT(firstPercent, 100) << "finished before it could be cancelled";
    EXPECT_EQ(threadsNamed(kJobThreadName), 1u);
    EXPECT_EQ(threadsNamed(kStretchThreadName), 3u) << "one thread for each stretch";
    encoder.cancel();
    EXPECT_EQ(encoder.status(), Mp3Encoder::Idle);
    EXPECT_EQ(threadsNamed(kJobThreadName) + threadsNamed(kStretchThreadName), 0u);
    spinEvents(100);
    EXPECT_EQ(completions, 0);
    EXPECT_EQ(filesIn(dir.path()), std::set<std::string>{"long.wav"});
}
