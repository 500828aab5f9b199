// The conversion into a working file on a disk that fills up part way, without the window:
// the failure names the file and the system's reason, and nothing is left under its name.

#include "private_mounts.h"

#include "audio/conversion.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <cstring>

namespace {

// A decoding channel of more sound than the disk holds.
constexpr DWORD Total = 2 << 20;
DWORD delivered = 0;

void fillChannel(BassLibrary &lib)
{
    lib.ChannelGetInfo = [](DWORD, BASS_CHANNELINFO *info) -> BOOL {
        *info = {44100, 2, 0, BASS_CTYPE_STREAM_WAV};
        return 1;
    };
    lib.ChannelGetAttributes = [](DWORD, DWORD *freq, DWORD *, int *) -> BOOL {
        *freq = 44100;
        return 1;
    };
    lib.ChannelGetLength = [](DWORD) -> DWORD { return Total; };
    lib.ChannelIsActive = [](DWORD) -> DWORD { return delivered < Total ? 1 : 0; };
    lib.ChannelGetData = [](DWORD, void *buffer, DWORD length) -> DWORD {
        const DWORD n = std::min(length, Total - delivered);
        std::memset(buffer, 0x5a, n);
        delivered += n;
        return n;
    };
}

TEST(FullDisk, AConversionSaysWhichFileAndWhyAndLeavesNothing)
{
    if (const QString refused = PrivateMounts::unavailable(); !refused.isEmpty())
        GTEST_SKIP() << "skipped: cannot mount a private tmpfs here: " << refused.toStdString();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    if (const QString why = PrivateMounts::mountTmpfs(dir.path(), 1 << 20); !why.isEmpty())
        GTEST_SKIP() << "skipped: cannot mount a private tmpfs here: " << why.toStdString();
    BassLibrary lib;
    fillChannel(lib);
    delivered = 0;
    const QString path = dir.path() + "/temp.wav";
    {
        WaveConversion conversion;
        const auto result = conversion.run(lib, 1, path, nullptr);
        EXPECT_EQ(result.outcome, WaveConversion::Outcome::Failed);
        EXPECT_TRUE(result.message.contains(path)) << result.message.toStdString();
        EXPECT_TRUE(result.message.contains("the disk is full")) << result.message.toStdString();
        EXPECT_FALSE(conversion.isOpen());
        EXPECT_LT(delivered, Total) << "the conversion stopped at the failed write";
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              QStringList());
    EXPECT_EQ(PrivateMounts::unmount(dir.path()), QString());
}

} // namespace
