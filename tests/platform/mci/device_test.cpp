#include "platform/drive/drive.h"
#include "platform/mci/device.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;
using namespace trevisto;
using namespace trevisto::mci;

namespace {

using Bytes = std::vector<unsigned char>;

// Sound whose every byte depends on its position, so any misplaced frame shows.
Bytes pattern(size_t n, uint32_t seed)
{
    Bytes b(n);
    uint32_t x = seed;
    for (auto &c : b) {
        x = x * 1664525u + 1013904223u;
        c = uint8_t(x >> 24);
    }
    return b;
}

Bytes contents(const std::string &p)
{
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void put(const std::string &p, const Bytes &b)
{
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char *>(b.data()), std::streamsize(b.size()));
}

void add32(Bytes &b, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(uint8_t(v >> (8 * i)));
}

class DeviceTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    std::string path(const std::string &name) const { return dir_.path().toStdString() + "/" + name; }

    // A plain WAVE file of `frames` frames; returns its sound bytes.
    Bytes makeWav(const std::string &p, const wav::Format &f, int64_t frames)
    {
        Bytes data = pattern(size_t(frames) * f.blockAlign(), uint32_t(frames) ^ f.bitsPerSample);
        EXPECT_EQ(wav::writeFile(p, f, data.data(), data.size()), wav::WriteError::None);
        return data;
    }

    // What a save of `data` must produce: the plain header, then exactly these bytes.
    static Bytes expectedFile(const wav::Format &f, const Bytes &data)
    {
        const auto h = wav::header(f, data.size());
        Bytes out(h.begin(), h.end());
        out.insert(out.end(), data.begin(), data.end());
        return out;
    }

    static Bytes frames(const Bytes &data, const wav::Format &f, int64_t first, int64_t last)
    {
        return Bytes(data.begin() + first * f.blockAlign(), data.begin() + last * f.blockAlign());
    }

    std::string status(const std::string &alias)
    {
        std::string ret = "stale";
        EXPECT_EQ(dev_.send("status " + alias + " length", &ret), Ok);
        return ret;
    }

    QTemporaryDir dir_;
    CommandDevice dev_;
};

TEST_F(DeviceTest, TheProgramsCutKeepsTheMarkedFrames)
{
    // The program's own strings, on drive C:. Marks 2000 and 5000 in a 10 s sound.
    const wav::Format f{wav::kTagPcm, 2, 44100, 16};
    const Bytes source = makeWav(drive::toNative("C:\\temp.wav"), f, 441000);

    ASSERT_EQ(mciSendString("open C:\\temp.wav type waveaudio alias voice1"), Ok);
    std::string length;
    ASSERT_EQ(mciSendString("status voice1 length", &length), Ok);
    EXPECT_EQ(length, "10000");
    ASSERT_EQ(mciSendString("delete voice1 from 0 to 2000"), Ok);
    ASSERT_EQ(mciSendString("delete voice1 from 3000 to 8000"), Ok);
    ASSERT_EQ(mciSendString("status voice1 length", &length), Ok);
    EXPECT_EQ(length, "3000");
    ASSERT_EQ(mciSendString("save  voice1 c:\\temp2.wav"), Ok);
    ASSERT_EQ(mciSendString("close voice1"), Ok);

    EXPECT_EQ(contents(drive::toNative("C:\\temp2.wav")), expectedFile(f, frames(source, f, 88200, 220500)));
    EXPECT_EQ(contents(drive::toNative("C:\\temp.wav")), expectedFile(f, source)) << "the source is untouched";
    EXPECT_EQ(mciSendString("close voice1"), UnknownAlias);
}

TEST_F(DeviceTest, PositionsAtAndPastTheEnds)
{
    // 20 001 frames at 2 kHz: 10 000.5 ms, reported as 10 001.
    const wav::Format f{wav::kTagPcm, 1, 2000, 16};
    const Bytes source = makeWav(path("a.wav"), f, 20001);
    ASSERT_EQ(dev_.send("OPEN  " + path("a.wav") + "   TYPE WaveAudio \t ALIAS Voice1"), Ok);
    EXPECT_EQ(status("voice1"), "10001");

    // What the program does right after opening keeps every frame.
    ASSERT_EQ(dev_.send("delete voice1 from 0 to 0"), Ok);
    ASSERT_EQ(dev_.send("delete voice1 from 10001 to 10001"), Ok);
    EXPECT_EQ(dev_.sound("VOICE1")->frames(), 20001);
    ASSERT_EQ(dev_.send("save voice1 " + path("same.wav")), Ok);
    EXPECT_EQ(contents(path("same.wav")), expectedFile(f, source));

    // A "to" past the end means the end; a "from" past the end deletes nothing.
    ASSERT_EQ(dev_.send("Delete VOICE1 From 9000 To 99999999999999999999999"), Ok);
    EXPECT_EQ(status("voice1"), "9000");
    ASSERT_EQ(dev_.send("delete voice1 from 12000 to 13000"), Ok);
    EXPECT_EQ(status("voice1"), "9000");
    // Only one end given: from the start, or to the end.
    ASSERT_EQ(dev_.send("delete voice1 to 1000"), Ok);
    ASSERT_EQ(dev_.send("delete voice1 from 7000"), Ok);
    EXPECT_EQ(status("voice1"), "7000");
    EXPECT_EQ(dev_.sound("voice1")->kept(), (std::vector<FrameRange>{{2000, 16000}}));

    // Half a millisecond at 2 kHz is one frame: 0.5 ms rounds up to frame 1.
    ASSERT_EQ(dev_.send("delete voice1 from 1 to 2"), Ok);
    EXPECT_EQ(dev_.sound("voice1")->kept(), (std::vector<FrameRange>{{2000, 2002}, {2004, 16000}}));

    ASSERT_EQ(dev_.send("delete voice1 from 0 to 7000"), Ok);
    EXPECT_EQ(status("voice1"), "0");
    ASSERT_EQ(dev_.send("save voice1 " + path("empty.wav")), Ok);
    EXPECT_EQ(contents(path("empty.wav")), expectedFile(f, {}));
}

TEST_F(DeviceTest, EveryFormatSavesItsSoundUnchanged)
{
    // Each with the frames nearest to 5 ms and 9 ms (halves round up).
    struct Case {
        wav::Format f;
        int64_t a, b;
    };
    const Case cases[] = {
        {{wav::kTagPcm, 1, 8000, 8}, 40, 72},     {{wav::kTagPcm, 2, 44100, 16}, 221, 397},
        {{wav::kTagPcm, 2, 48000, 24}, 240, 432}, {{wav::kTagPcm, 4, 22050, 32}, 110, 198},
        {{wav::kTagFloat, 2, 96000, 32}, 480, 864}, {{wav::kTagPcm, 1, 11025, 8}, 55, 99},
    };
    for (const auto &[f, a, b] : cases) {
        SCOPED_TRACE(testing::Message() << "tag " << f.tag << " bits " << f.bitsPerSample << " ch " << f.channels);
        const Bytes source = makeWav(path("src.wav"), f, 1001); // odd frame count: odd 8-bit data size
        ASSERT_EQ(dev_.send("open " + path("src.wav") + " type waveaudio alias v"), Ok);
        ASSERT_EQ(dev_.send("save v " + path("out.wav")), Ok);
        EXPECT_EQ(contents(path("out.wav")), expectedFile(f, source));
        // Cut a piece out of the middle, on frame boundaries.
        ASSERT_EQ(dev_.send("delete v from 5 to 9"), Ok);
        ASSERT_EQ(dev_.send("save v " + path("cut.wav")), Ok);
        Bytes expected = frames(source, f, 0, a);
        const Bytes rest = frames(source, f, b, 1001);
        expected.insert(expected.end(), rest.begin(), rest.end());
        EXPECT_EQ(contents(path("cut.wav")), expectedFile(f, expected));
        ASSERT_EQ(dev_.send("close v"), Ok);
    }
}

TEST_F(DeviceTest, OnlyTheSoundOfAnUnusualFileIsSaved)
{
    // Extensible header, chunks before and after the data (one odd-sized with its pad
    // byte), and a data size that promises more than the file holds.
    const Bytes sound = pattern(6 * 50 + 4, 9); // 50 frames of 24-bit stereo and a partial frame
    Bytes c;
    const Bytes list = pattern(17, 3);
    c.insert(c.end(), {'L', 'I', 'S', 'T'});
    add32(c, 17);
    c.insert(c.end(), list.begin(), list.end());
    c.push_back(0);
    c.insert(c.end(), {'f', 'm', 't', ' '});
    add32(c, 40);
    for (uint32_t v : {0x0002FFFEu, 48000u, 288000u, 0x00180006u, 0x00180016u, 3u, 1u, 0x00100000u, 0xAA000080u,
                       0x719B3800u})
        add32(c, v);
    c.insert(c.end(), {'f', 'a', 'c', 't'});
    add32(c, 4);
    add32(c, 50);
    c.insert(c.end(), {'d', 'a', 't', 'a'});
    add32(c, 100000);
    c.insert(c.end(), sound.begin(), sound.end());
    Bytes file = {'R', 'I', 'F', 'F'};
    add32(file, uint32_t(c.size() + 4));
    file.insert(file.end(), {'W', 'A', 'V', 'E'});
    file.insert(file.end(), c.begin(), c.end());
    put(path("odd.wav"), file);

    ASSERT_EQ(dev_.send("open " + path("odd.wav") + " type waveaudio alias x"), Ok);
    ASSERT_EQ(dev_.send("save x " + path("plain.wav")), Ok);
    const wav::Format plain{wav::kTagPcm, 2, 48000, 24};
    EXPECT_EQ(contents(path("plain.wav")), expectedFile(plain, Bytes(sound.begin(), sound.begin() + 300)));

    // Trailing chunks after the data are not sound either.
    const wav::Format f{wav::kTagPcm, 1, 8000, 16};
    const Bytes data = pattern(20, 4);
    auto h = wav::header(f, data.size());
    Bytes tail(h.begin(), h.end());
    tail.insert(tail.end(), data.begin(), data.end());
    tail.insert(tail.end(), {'L', 'I', 'S', 'T', 6, 0, 0, 0, 'I', 'N', 'F', 'O', 1, 2});
    put(path("tail.wav"), tail);
    ASSERT_EQ(dev_.send("open " + path("tail.wav") + " type waveaudio alias y"), Ok);
    ASSERT_EQ(dev_.send("save y " + path("tail-out.wav")), Ok);
    EXPECT_EQ(contents(path("tail-out.wav")), expectedFile(f, data));
}

TEST_F(DeviceTest, FaultyCommandsAreRefusedAndChangeNothing)
{
    const wav::Format f{wav::kTagPcm, 2, 8000, 16};
    makeWav(path("a.wav"), f, 80000);
    const std::string open = "open " + path("a.wav") + " type waveaudio alias voice1";
    ASSERT_EQ(dev_.send(open), Ok);

    Bytes compressed = contents(path("a.wav"));
    compressed[20] = 2; // ADPCM
    put(path("adpcm.wav"), compressed);
    put(path("text.wav"), Bytes{'n', 'o', 't', ' ', 'a', ' ', 's', 'o', 'u', 'n', 'd', ' ', 'f', 'i', 'l', 'e'});

    const std::pair<std::string, int> cases[] = {
        {"", UnrecognizedCommand},
        {"   ", UnrecognizedCommand},
        {"play voice1", UnrecognizedCommand},
        {"open " + path("a.wav") + " type waveaudio alias VOICE1", AliasInUse},
        {"open " + path("a.wav") + " type waveaudio", MissingParameter},
        {"open type waveaudio alias v2", MissingParameter},
        {"open " + path("a.wav") + " type cdaudio alias v2", UnsupportedDevice},
        {"open " + path("missing.wav") + " type waveaudio alias v2", FileNotFound},
        {"open " + path("adpcm.wav") + " type waveaudio alias v2", UnsupportedFormat},
        {"open " + path("text.wav") + " type waveaudio alias v2", NotWaveFile},
        {"open " + dir_.path().toStdString() + " type waveaudio alias v2", CannotReadFile},
        {"delete voice2 from 0 to 10", UnknownAlias},
        {"delete voice1 from -5 to 10", BadNumber},
        {"delete voice1 from 1x to 10", BadNumber},
        {"delete voice1 from 1.5 to 10", BadNumber},
        {"delete voice1 from 500 to 100", BadRange},
        {"delete voice1 from 1 until 2", BadParameter},
        {"delete voice1 to 5 from 1", BadParameter},
        {"delete voice1 from", MissingParameter},
        {"delete voice1", MissingParameter},
        {"save  voice1", MissingParameter},
        {"save  voice1    ", MissingParameter},
        {"save  voice2 " + path("x.wav"), UnknownAlias},
        {"status voice1 position", BadParameter},
        {"status voice2 length", UnknownAlias},
        {"close voice2", UnknownAlias},
        {"close voice1 now", BadParameter},
    };
    for (const auto &[command, code] : cases)
        EXPECT_EQ(dev_.send(command), code) << command;
    EXPECT_EQ(status("voice1"), "10000");
    EXPECT_FALSE(fs::exists(path("x.wav")));

    // Each code has its own text for the user.
    std::set<std::string> texts;
    for (int code = Ok; code <= NoAudioOutput; ++code)
        texts.insert(mciGetErrorString(code));
    EXPECT_EQ(texts.size(), size_t(NoAudioOutput + 1));
    EXPECT_NE(mciGetErrorString(999).find("999"), std::string::npos);
}

TEST_F(DeviceTest, SavingOverTheOpenedFileKeepsReadingTheOriginal)
{
    const wav::Format f{wav::kTagPcm, 1, 1000, 16};
    const Bytes source = makeWav(path("a.wav"), f, 10000);
    ASSERT_EQ(dev_.send("open " + path("a.wav") + " type waveaudio alias v"), Ok);
    ASSERT_EQ(dev_.send("delete v from 0 to 2000"), Ok);
    ASSERT_EQ(dev_.send("save v " + path("a.wav")), Ok);
    EXPECT_EQ(contents(path("a.wav")), expectedFile(f, frames(source, f, 2000, 10000)));

    // Later edits still refer to the sound as opened.
    ASSERT_EQ(dev_.send("delete v from 1000 to 8000"), Ok);
    ASSERT_EQ(dev_.send("save v " + path("b.wav")), Ok);
    EXPECT_EQ(contents(path("b.wav")), expectedFile(f, frames(source, f, 2000, 3000)));
}

TEST_F(DeviceTest, AFailedSaveKeepsTheEarlierFileAndLeavesNoHalfFile)
{
    const wav::Format f{wav::kTagPcm, 2, 44100, 16};
    makeWav(path("a.wav"), f, 44100);
    put(path("out.wav"), Bytes{'e', 'a', 'r', 'l', 'i', 'e', 'r'});
    ASSERT_EQ(dev_.send("open " + path("a.wav") + " type waveaudio alias v"), Ok);

    EXPECT_EQ(dev_.send("save v " + path("missing/out.wav")), CannotWriteFile);
    EXPECT_FALSE(fs::exists(path("missing")));
    fs::create_directory(path("folder"));
    EXPECT_EQ(dev_.send("save v " + path("folder")), CannotWriteFile);

    // The opened file loses its second half behind the device's back.
    ASSERT_EQ(::truncate(path("a.wav").c_str(), 44 + 44100 * 2), 0);
    EXPECT_EQ(dev_.send("save v " + path("out.wav")), CannotReadFile);
    EXPECT_EQ(contents(path("out.wav")), (Bytes{'e', 'a', 'r', 'l', 'i', 'e', 'r'}));

    std::set<std::string> names;
    for (const auto &e : fs::directory_iterator(dir_.path().toStdString()))
        names.insert(e.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"a.wav", "folder", "out.wav"}));
}

TEST_F(DeviceTest, FileNamesMayHoldBlanks)
{
    const wav::Format f{wav::kTagPcm, 1, 8000, 8};
    fs::create_directory(path("my sounds"));
    const std::string src = path("my sounds/take  one type b.wav");
    const Bytes source = makeWav(src, f, 800);
    ASSERT_EQ(dev_.send("open " + src + " type waveaudio alias v"), Ok);
    // The rest of the line is the name; blanks around it are dropped.
    ASSERT_EQ(dev_.send("save  v   " + path("my sounds/cut  result.wav") + "  "), Ok);
    EXPECT_EQ(contents(path("my sounds/cut  result.wav")), expectedFile(f, source));
}

TEST_F(DeviceTest, ResultsPastTheWaveLimitAreSavedAsRf64)
{
    // A sparse file of just under 4 GiB of sound, real bytes only at its end: more than a
    // plain header can describe once saved, and a cut past 2 GiB counted in 64 bits.
    const wav::Format f{wav::kTagPcm, 2, 44100, 16};
    const uint64_t dataBytes = 0xFFFFFFF0;
    const auto h = wav::header(f, 0);
    Bytes head(h.begin(), h.begin() + 40);
    add32(head, uint32_t(dataBytes));
    put(path("huge.wav"), head);
    ASSERT_EQ(::truncate(path("huge.wav").c_str(), off_t(wav::kHeaderSize + dataBytes - 8)), 0);
    {
        std::ofstream out(path("huge.wav"), std::ios::binary | std::ios::app);
        out.write("\1\2\3\4\5\6\7\10", 8);
    }

    ASSERT_EQ(dev_.send("open " + path("huge.wav") + " type waveaudio alias v"), Ok);
    EXPECT_EQ(dev_.sound("v")->frames(), int64_t(dataBytes / 4));
    ASSERT_EQ(dev_.send("save v " + path("out.wav")), Ok);
    wav::Info info;
    ASSERT_EQ(wav::readInfo(path("out.wav"), info), wav::ReadError::None);
    EXPECT_EQ(info.dataOffset, int64_t(wav::kRf64HeaderSize));
    EXPECT_EQ(info.dataSize, int64_t(dataBytes));
    Bytes last(8);
    std::ifstream saved(path("out.wav"), std::ios::binary);
    saved.seekg(-8, std::ios::end);
    saved.read(reinterpret_cast<char *>(last.data()), 8);
    EXPECT_EQ(last, (Bytes{1, 2, 3, 4, 5, 6, 7, 8}));

    // Cut past the 2 GiB line: 6 h 45 min of CD sound from 3 h 30 min on.
    ASSERT_EQ(dev_.send("delete v from 0 to 12600000"), Ok);
    ASSERT_EQ(dev_.send("save v " + path("tail.wav")), Ok);
    ASSERT_EQ(wav::readInfo(path("tail.wav"), info), wav::ReadError::None);
    EXPECT_EQ(info.dataOffset, int64_t(wav::kHeaderSize));
    EXPECT_EQ(info.frames, int64_t(dataBytes / 4) - 12600 * 44100);
}

} // namespace
