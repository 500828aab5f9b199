// The working file of an MP3 decoded on several threads, through the real decoding library:
// the same bytes as one thread's, with the same 20000-byte steps, and a stop that keeps
// exactly what was written.
#include "audio/conversion.h"
#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <QFile>

#include <vector>

namespace {

using namespace trevisto::test;

class StretchedConversion : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(lib_.load(REAL_BASS_PATH), BassLibrary::LoadResult::Loaded) << lib_.lastError().toStdString();
        ASSERT_TRUE(lib_.resolveAll());
        ASSERT_TRUE(lib_.Init(0, 44100, 0, nullptr, nullptr));
        mp3_ = dir_.file("long.mp3");
        writeMp3(mp3_, makeBusySound(44100, 2, 5.0, 9), Mp3Options{});
    }
    void TearDown() override
    {
        lib_.SetConfig(BASS_CONFIG_DECODE_THREADS, 0);
        lib_.SetConfig(BASS_CONFIG_DECODE_STRETCH, 1 << 20);
        lib_.Free();
    }

    struct Run {
        WaveConversion::Outcome outcome = WaveConversion::Outcome::Failed;
        std::vector<int64_t> steps; // bytes written at each block's event
        QByteArray file;
    };
    // Converts with `threads` threads, stopping after `blocks` events (0: never).
    Run convert(DWORD threads, size_t blocks, const std::string &name)
    {
        Run run;
        EXPECT_TRUE(lib_.SetConfig(BASS_CONFIG_DECODE_THREADS, threads));
        EXPECT_TRUE(lib_.SetConfig(BASS_CONFIG_DECODE_STRETCH, 4999));
        const DWORD chan = lib_.StreamCreateFile(0, mp3_.c_str(), 0, 0, BASS_STREAM_DECODE);
        EXPECT_NE(chan, 0u);
        const QString out = QString::fromStdString(dir_.file(name));
        WaveConversion conversion;
        run.outcome = conversion.run(lib_, chan, out, [&](int64_t written, int64_t) {
                                    run.steps.push_back(written);
                                    return blocks == 0 || run.steps.size() < blocks;
                                }).outcome;
        EXPECT_TRUE(conversion.FinishWaveFile().ok);
        lib_.ChannelFree(chan);
        QFile f(out);
        if (f.open(QIODevice::ReadOnly))
            run.file = f.readAll();
        return run;
    }

    TempDir dir_;
    std::string mp3_;
    BassLibrary lib_;
};

TEST_F(StretchedConversion, TheWorkingFileEventsAndStopAreOneThreadsOwn)
{
    const Run one = convert(1, 0, "one.wav");
    const Run many = convert(3, 0, "many.wav");
    ASSERT_EQ(one.outcome, WaveConversion::Outcome::Completed);
    ASSERT_EQ(many.outcome, WaveConversion::Outcome::Completed);
    ASSERT_GT(one.file.size(), 44 + 20000 * 40);
    EXPECT_TRUE(many.file == one.file) << "byte for byte";
    EXPECT_EQ(many.steps, one.steps);
    for (size_t i = 0; i + 1 < many.steps.size(); ++i)
        ASSERT_EQ(many.steps[i], int64_t(20000 * (i + 1)));

    // Stopped after the fifth block, mid-stretch: what was written is complete and the same.
    const Run stopped = convert(3, 5, "stopped.wav");
    EXPECT_EQ(stopped.outcome, WaveConversion::Outcome::Stopped);
    ASSERT_EQ(stopped.file.size(), 44 + 100000);
    EXPECT_TRUE(stopped.file.mid(44) == one.file.mid(44, 100000));
}

} // namespace
