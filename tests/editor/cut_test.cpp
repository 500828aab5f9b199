#include "editor/cut.h"

#include "platform/mci/device.h"
#include "platform/mci/error.h"
#include "platform/wav/wav.h"
#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <filesystem>

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

} // namespace
