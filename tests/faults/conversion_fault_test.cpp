// The conversion into a working file on a disk without room for it, without the window:
// the refusal names the file and the sizes, and nothing is written.

#include "private_mounts.h"

#include "audio/conversion.h"
#include "audio/standin_channel.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace {

// More sound than the disk holds.
constexpr uint32_t Total = 2 << 20;

TEST(FullDisk, AConversionSaysWhichFileAndWhyAndLeavesNothing)
{
    if (const QString refused = PrivateMounts::unavailable(); !refused.isEmpty())
        GTEST_SKIP() << "skipped: cannot mount a private tmpfs here: " << refused.toStdString();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    if (const QString why = PrivateMounts::mountTmpfs(dir.path(), 1 << 20); !why.isEmpty())
        GTEST_SKIP() << "skipped: cannot mount a private tmpfs here: " << why.toStdString();
    BassLibrary lib;
    fillStandIn(lib);
    channel = StandIn{};
    channel.total = Total;
    const QString path = dir.path() + "/temp.wav";
    {
        WaveConversion conversion;
        const auto result = conversion.run(lib, 1, path, nullptr);
        EXPECT_EQ(result.outcome, WaveConversion::Outcome::Failed);
        EXPECT_TRUE(result.message.contains(path)) << result.message.toStdString();
        EXPECT_TRUE(result.message.contains("it needs 2.1 MB, and 1.0 MB is free")) << result.message.toStdString();
        EXPECT_FALSE(conversion.isOpen());
        EXPECT_EQ(channel.delivered, 0u) << "refused before the first block";
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              QStringList());
    EXPECT_EQ(PrivateMounts::unmount(dir.path()), QString());
}

} // namespace
