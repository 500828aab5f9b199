#include "audio/conversion.h"
#include "audio/standin_channel.h"
#include "core/peaktable.h"
#include "platform/io/atomicfile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <vector>

#include <sys/stat.h>

namespace {

uint32_t le32(const QByteArray &b, int at)
{
    uint32_t v = 0;
    std::memcpy(&v, b.constData() + at, 4);
    return v;
}
uint16_t le16(const QByteArray &b, int at)
{
    uint16_t v = 0;
    std::memcpy(&v, b.constData() + at, 2);
    return v;
}

class Conversion : public ::testing::Test {
protected:
    void SetUp() override
    {
        channel = StandIn{};
        ASSERT_TRUE(dir_.isValid());
        path_ = dir_.path() + "/temp.wav";
        fillStandIn(lib_);
    }
    QByteArray file() const
    {
        QFile f(path_);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir_;
    QString path_;
    BassLibrary lib_;
};

TEST_F(Conversion, WritesTheHeaderAndEveryByteInBlocks)
{
    channel.total = 45000;
    WaveConversion conversion;
    std::vector<int64_t> seen;
    const auto result = conversion.run(lib_, 1, path_, [&](int64_t written, int64_t reported) {
        seen.push_back(written);
        EXPECT_EQ(reported, 45000);
        return true;
    });
    EXPECT_EQ(result.outcome, WaveConversion::Outcome::Completed);
    EXPECT_TRUE(conversion.isOpen()) << "the file stays open until it is finished";
    EXPECT_EQ(channel.answers, (std::vector<DWORD>{20000, 20000, 5000}));
    EXPECT_EQ(channel.requests, (std::vector<DWORD>{20000, 20000, 20000}));
    EXPECT_EQ(seen, (std::vector<int64_t>{20000, 40000, 45000}));
    ASSERT_TRUE(conversion.FinishWaveFile());
    EXPECT_FALSE(conversion.isOpen());
    EXPECT_TRUE(conversion.FinishWaveFile()) << "finishing twice is harmless";

    const QByteArray b = file();
    ASSERT_EQ(b.size(), 44 + 45000);
    EXPECT_EQ(b.left(4), "RIFF");
    EXPECT_EQ(le32(b, 4), 45000u + 36);
    EXPECT_EQ(b.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(le32(b, 16), 16u);
    EXPECT_EQ(le16(b, 20), 1);
    EXPECT_EQ(le16(b, 22), 2);
    EXPECT_EQ(le32(b, 24), 44100u);
    EXPECT_EQ(le32(b, 28), 176400u);
    EXPECT_EQ(le16(b, 32), 4);
    EXPECT_EQ(le16(b, 34), 16);
    EXPECT_EQ(b.mid(36, 4), "data");
    EXPECT_EQ(le32(b, 40), 45000u);
    for (int i : {0, 19999, 20000, 44999})
        EXPECT_EQ(static_cast<unsigned char>(b[44 + i]), static_cast<unsigned char>(i * 7)) << i;
}

// The working file goes when the program ends: syncing it would hold up every open of a
// long sound and guard nothing the run does not lose anyway.
TEST_F(Conversion, TheWorkingFileIsNotSyncedToTheDisk)
{
    channel.total = 45000;
    const uint64_t before = trevisto::io::AtomicFile::syncsMade();
    WaveConversion conversion;
    EXPECT_EQ(conversion.run(lib_, 1, path_, nullptr).outcome, WaveConversion::Outcome::Completed);
    ASSERT_TRUE(conversion.FinishWaveFile());
    EXPECT_EQ(file().size(), 44 + 45000);
    EXPECT_EQ(trevisto::io::AtomicFile::syncsMade(), before);
}

TEST_F(Conversion, EightBitMonoHeader)
{
    channel = StandIn{1000, 0, 1, 22050, BASS_SAMPLE_8BITS, {}, {}};
    WaveConversion conversion;
    conversion.run(lib_, 1, path_, nullptr);
    ASSERT_TRUE(conversion.FinishWaveFile());
    const QByteArray b = file();
    EXPECT_EQ(le16(b, 22), 1);
    EXPECT_EQ(le32(b, 24), 22050u);
    EXPECT_EQ(le32(b, 28), 22050u);
    EXPECT_EQ(le16(b, 32), 1);
    EXPECT_EQ(le16(b, 34), 8);
    EXPECT_EQ(b.size(), 1044);
}

TEST_F(Conversion, AStoppedConversionLeavesMatchingSizes)
{
    channel.total = 100000;
    // An earlier working file is replaced, never appended to.
    QFile old(path_);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(500000, 'x'));
    old.close();

    WaveConversion conversion;
    const auto result = conversion.run(lib_, 1, path_, [](int64_t written, int64_t) { return written < 40000; });
    EXPECT_EQ(result.outcome, WaveConversion::Outcome::Stopped);
    ASSERT_TRUE(conversion.FinishWaveFile());
    const QByteArray b = file();
    ASSERT_EQ(b.size(), 44 + 40000);
    EXPECT_EQ(le32(b, 4), 40036u);
    EXPECT_EQ(le32(b, 40), 40000u);
}

TEST_F(Conversion, StopsAtTheSizeBoundOnAWholeFrame)
{
    channel.total = 100000;
    WaveConversion conversion;
    conversion.maxDataLength = 30003; // not a whole number of 4-byte frames
    const auto result = conversion.run(lib_, 1, path_, nullptr);
    EXPECT_EQ(result.outcome, WaveConversion::Outcome::TooLong);
    EXPECT_TRUE(result.message.contains(path_));
    EXPECT_EQ(result.bytes, 30000);
    ASSERT_TRUE(conversion.FinishWaveFile());
    const QByteArray b = file();
    ASSERT_EQ(b.size(), 44 + 30000);
    EXPECT_EQ(le32(b, 40), 30000u);
    EXPECT_EQ(le32(b, 4), 30036u);
}

TEST_F(Conversion, FailuresNameTheFileAndTheReason)
{
    channel.total = 45000;
    {
        WaveConversion conversion;
        const QString missing = dir_.path() + "/no/such/folder/temp.wav";
        const auto result = conversion.run(lib_, 1, missing, nullptr);
        EXPECT_EQ(result.outcome, WaveConversion::Outcome::Failed);
        EXPECT_TRUE(result.message.contains(missing)) << result.message.toStdString();
        EXPECT_TRUE(result.message.contains("no such file or folder")) << result.message.toStdString();
        EXPECT_FALSE(conversion.isOpen());
    }
    {
        // Something other than a plain file under the name: refused, and left as it was; the
        // writer's rename would put a plain file in its place. A full disk is in the faults
        // tests, which can make one.
        channel.delivered = 0;
        const QString pipe = dir_.path() + "/pipe.wav";
        ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        WaveConversion conversion;
        const auto result = conversion.run(lib_, 1, pipe, nullptr);
        EXPECT_EQ(result.outcome, WaveConversion::Outcome::Failed);
        EXPECT_TRUE(result.message.contains(pipe));
        EXPECT_TRUE(result.message.contains("cannot be replaced")) << result.message.toStdString();
        EXPECT_FALSE(conversion.isOpen());
        struct stat st {};
        EXPECT_TRUE(::lstat(QFile::encodeName(pipe).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
        EXPECT_TRUE(channel.requests.empty()) << "nothing was decoded";
    }
}

} // namespace

namespace {

TEST_F(Conversion, ThePeakTableHoldsExactlyWhatWasWritten)
{
    // A whole run, and one cut short at the size limit: the envelope must not show sound
    // the file does not hold.
    for (const int64_t limit : {int64_t(WaveConversion::MaxDataLength), int64_t(30002)}) {
        SCOPED_TRACE(limit);
        channel = StandIn{};
        channel.total = 45000;
        WaveConversion conversion;
        conversion.maxDataLength = limit;
        PeakTable peaks;
        conversion.setPeakTable(&peaks);
        conversion.run(lib_, 1, path_, nullptr);
        ASSERT_TRUE(conversion.FinishWaveFile());
        const QByteArray data = file().mid(44);
        ASSERT_EQ(data.size(), std::min<int64_t>(45000, limit / 4 * 4));

        PeakTable expected;
        ASSERT_TRUE(expected.start(conversion.format(), PeakTable::DetailCapacity));
        expected.add(data.constData(), size_t(data.size()));
        EXPECT_EQ(peaks.frames(), data.size() / 4);
        ASSERT_EQ(peaks.size(), expected.size());
        for (int i = 0; i < peaks.size(); ++i)
            ASSERT_EQ(peaks.at(i), expected.at(i)) << i;
    }
}

} // namespace
