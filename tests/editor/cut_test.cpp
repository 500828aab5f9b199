#include "editor/cut.h"

#include "platform/io/atomicfile.h"
#include "platform/mci/device.h"
#include "platform/mci/error.h"
#include "platform/mci/timebase.h"
#include "platform/wav/wav.h"
#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

using namespace trevisto;
using namespace trevisto::test;

TEST(CutCommands, HeadFirstThenTheTailCountedFromTheNewStart)
{
    const struct {
        int32_t in, out;
        int64_t length;
        const char *head, *tail;
    } cases[] = {
        {0, 1000, 3000, "delete voice1 from 0 to 0", "delete voice1 from 1000 to 3000"},
        {500, 2500, 3000, "delete voice1 from 0 to 500", "delete voice1 from 2000 to 2500"},
        {2999, 3000, 3000, "delete voice1 from 0 to 2999", "delete voice1 from 1 to 1"},
        // Far apart marks must not overflow 32 bits.
        {0, 2147483647, 2147483647, "delete voice1 from 0 to 0", "delete voice1 from 2147483647 to 2147483647"},
    };
    for (const auto &c : cases) {
        const QStringList commands = CutCommands("C:\\temp.wav", "c:\\temp2.wav", c.in, c.out, c.length);
        ASSERT_EQ(commands.size(), 4);
        EXPECT_EQ(commands[0], "open C:\\temp.wav type waveaudio alias voice1");
        EXPECT_EQ(commands[1], c.head);
        EXPECT_EQ(commands[2], c.tail);
        EXPECT_EQ(commands[3], "save  voice1 c:\\temp2.wav");
    }
}

class CutSourceTest : public ::testing::Test {
protected:
    // 3 s of 8 kHz mono counting samples: every frame differs from its neighbours.
    void SetUp() override
    {
        std::vector<uint8_t> data(3 * 8000 * 2);
        for (size_t i = 0; i < data.size(); ++i)
            data[i] = uint8_t(i * 7 + i / 256);
        writeWav(source_, 8000, 1, 16, data);
        data_ = data;
    }
    std::vector<uint8_t> resultData() const
    {
        const std::vector<uint8_t> bytes = readBytes(result_);
        return {bytes.begin() + 44, bytes.end()};
    }

    TempDir dir_;
    std::string source_ = dir_.file("source.wav"), result_ = dir_.file("result.wav");
    std::vector<uint8_t> data_;
};

TEST_F(CutSourceTest, KeepsExactlyTheMarkedFrames)
{
    const struct {
        int32_t in, out;
    } ranges[] = {{0, 3000}, {1000, 2000}, {0, 1}, {2999, 3000}, {125, 2875}};
    for (const auto &r : ranges) {
        SCOPED_TRACE(std::to_string(r.in) + "-" + std::to_string(r.out));
        const CommandOutcome outcome =
            CutSource(QString::fromStdString(source_), QString::fromStdString(result_), r.in, r.out, 3000);
        ASSERT_TRUE(outcome.ok()) << outcome.failedCommand.toStdString() << ": " << outcome.reason().toStdString();
        // 8 frames a millisecond, 2 bytes a frame.
        const std::vector<uint8_t> expected(data_.begin() + r.in * 16, data_.begin() + r.out * 16);
        EXPECT_EQ(resultData(), expected);
    }
}

TEST_F(CutSourceTest, AFailureNamesTheCommandLeavesNoResultAndFreesTheAlias)
{
    writeBytes(result_, {1, 2, 3}); // an older result
    const QString missing = QString::fromStdString(dir_.file("gone.wav"));
    const CommandOutcome outcome = CutSource(missing, QString::fromStdString(result_), 0, 1000, 3000);
    EXPECT_EQ(outcome.code, mci::FileNotFound);
    EXPECT_EQ(outcome.failedCommand, "open " + missing + " type waveaudio alias voice1");
    EXPECT_FALSE(outcome.reason().isEmpty());
    EXPECT_FALSE(std::filesystem::exists(result_)) << "no older result stays behind";

    // A failure after the open still closes the alias, so the next cut can open it.
    const CommandOutcome late =
        CutSource(QString::fromStdString(source_), QString::fromStdString(dir_.file("no/such/folder.wav")), 0, 1000,
                  3000);
    EXPECT_EQ(late.code, mci::CannotWriteFile);
    EXPECT_TRUE(late.failedCommand.startsWith("save  voice1 "));
    EXPECT_TRUE(CutSource(QString::fromStdString(source_), QString::fromStdString(result_), 0, 1000, 3000).ok());
    EXPECT_EQ(mci::mciSendString("close voice1"), mci::UnknownAlias) << "the alias was closed";
}

// The cut result is a working file, so neither the cut nor a later save over it is synced to
// the disk; a clip saved from it through the same device is, as any file that outlives the
// run.
TEST_F(CutSourceTest, OnlyTheCutResultGoesUnsynced)
{
    const QString source = QString::fromStdString(source_), result = QString::fromStdString(result_);
    const std::string clip = dir_.file("clip.wav");
    const struct {
        const char *what;
        std::function<bool()> write;
        bool synced;
    } steps[] = {
        {"the cut", [&] { return CutSource(source, result, 500, 2500, 3000).ok(); }, false},
        {"a clip saved from the result", [&] { return SendCommands({"open " + result + " type waveaudio alias voice1",
                                                                    "save  voice1 " + QString::fromStdString(clip)},
                                                                   "close voice1").ok(); },
         true},
        {"the result saved again", [&] { return SendCommands({"open " + source + " type waveaudio alias voice1",
                                                              "save  voice1 " + result},
                                                             "close voice1").ok(); },
         false},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.what);
        const uint64_t before = io::AtomicFile::syncsMade();
        ASSERT_TRUE(step.write());
        EXPECT_EQ(io::AtomicFile::syncsMade() > before, step.synced);
    }
    EXPECT_EQ(readBytes(clip).size(), 44 + 2000 * 16u);
}

} // namespace

// At 44.1 kHz a millisecond is no whole number of frames: the range the cut reports is the
// one the device kept, and the one the same rounding gives without a device.
TEST(CutRange, IsTheDevicesRoundingOfTheMarks)
{
    TempDir dir;
    const std::string source = dir.file("source.wav"), result = dir.file("result.wav");
    const int64_t frames = 132301; // 3 s and one frame
    std::vector<uint8_t> data(size_t(frames) * 2);
    for (size_t i = 0; i < data.size(); i += 2) {
        data[i] = uint8_t(i / 2);
        data[i + 1] = uint8_t(i / 512);
    }
    writeWav(source, 44100, 1, 16, data);
    const int64_t length = trevisto::mci::lengthMs(frames, 44100);
    const struct {
        int32_t in, out;
    } marks[] = {{0, int32_t(length)}, {1, 2}, {11, 2999}, {1234, 2345}, {2999, int32_t(length)}};
    for (const auto &m : marks) {
        SCOPED_TRACE(std::to_string(m.in) + "-" + std::to_string(m.out));
        CutRange range;
        ASSERT_TRUE(CutSource(QString::fromStdString(source), QString::fromStdString(result), m.in, m.out, length,
                              &range)
                        .ok());
        const auto kept = trevisto::mci::cutKeptFrames(frames, 44100, m.in, m.out, length);
        ASSERT_EQ(kept.size(), 1u);
        EXPECT_EQ(range, (CutRange{kept[0].first, kept[0].last}));
        EXPECT_EQ(range.first, (int64_t(m.in) * 44100 + 500) / 1000);
        const std::vector<uint8_t> bytes = readBytes(result);
        EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 44, bytes.end()),
                  std::vector<uint8_t>(data.begin() + range.first * 2, data.begin() + range.last * 2));
    }
}
