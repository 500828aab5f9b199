#include "audio/sourceloader.h"
#include "audio/standin_channel.h"
#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace {

using trevisto::LoadFailure;
using trevisto::SourceLoader;
using namespace trevisto::test;
using Bytes = std::vector<uint8_t>;

// Everything the loader reported, in order.
struct Recorder : trevisto::LoadObserver {
    std::vector<std::pair<int64_t, int64_t>> progress;
    std::vector<QString> done;
    std::vector<LoadFailure> failures;
    std::function<void()> onProgress;
    void loadProgress(int64_t written, int64_t total) override
    {
        progress.emplace_back(written, total);
        if (onProgress)
            onProgress();
    }
    void loadDone(const QString &notice) override { done.push_back(notice); }
    void loadFailed(const LoadFailure &failure) override { failures.push_back(failure); }
};

// A 16-bit stereo WAV file as `chunked` says: a LIST chunk before the sound and a loud
// chunk after it, or the plain 44-byte form.
Bytes wavFile(const Bytes &sound, bool chunked)
{
    Bytes header = wavHeader(22050, 2, 16, uint32_t(sound.size()));
    if (!chunked) {
        header.insert(header.end(), sound.begin(), sound.end());
        return header;
    }
    Bytes file(header.begin(), header.begin() + 36);
    const uint8_t list[] = {'L', 'I', 'S', 'T', 5, 0, 0, 0, 'I', 'N', 'F', 'O', 'x', 0};
    file.insert(file.end(), std::begin(list), std::end(list));
    file.insert(file.end(), header.begin() + 36, header.end());
    file.insert(file.end(), sound.begin(), sound.end());
    // Full-scale bytes: drawn as sound, they would fill the envelope to the top.
    const uint8_t tail[] = {'b', 'e', 'x', 't', 8, 0, 0, 0, 0xff, 0x7f, 0xff, 0x7f, 0x00, 0x80, 0x00, 0x80};
    file.insert(file.end(), std::begin(tail), std::end(tail));
    const uint32_t riff = uint32_t(file.size() - 8);
    std::memcpy(file.data() + 4, &riff, 4);
    return file;
}

// Quiet 16-bit samples that differ from frame to frame.
Bytes quietSound(size_t frames)
{
    Bytes sound(frames * 4);
    for (size_t i = 0; i < sound.size(); i += 2) {
        const int16_t v = int16_t((int(i) * 37) % 2001 - 1000);
        std::memcpy(&sound[i], &v, 2);
    }
    return sound;
}

class Loader : public ::testing::Test {
public: // the fault table's set-ups reach the fixture

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        channel = StandIn{};
        fillStandIn(lib_);
        loader_.emplace(working(), side());
    }
    QString path(const char *name) const { return dir_.path() + '/' + name; }
    QString working() const { return path("temp.wav"); }
    QString side() const { return path("temp.new.wav"); }
    Bytes read(const QString &file) const { return readBytes(file.toStdString()); }
    // Every name in the folder, hidden ones included, but the sources the test made.
    QStringList leftovers() const
    {
        QStringList names = QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                        QDir::NoDotAndDotDot);
        names.removeIf([](const QString &n) { return n.startsWith("source"); });
        return names;
    }
    SourceLoader &loader() { return *loader_; }
    QTemporaryDir dir_;
    BassLibrary lib_;
    std::optional<SourceLoader> loader_;
};

TEST_F(Loader, OpenWavCopiesAndDrawsOnlyTheSound)
{
    const struct {
        const char *what;
        size_t frames;
        bool chunked;
    } cases[] = {
        {"plain", 5000, false},
        {"a chunk before and after the sound", 5000, true},
        {"more sound than one block", (5u << 20) / 4, true},
        {"no sound at all", 0, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const Bytes sound = quietSound(c.frames);
        writeBytes(path("source.wav").toStdString(), wavFile(sound, c.chunked));
        Recorder seen;
        ASSERT_TRUE(loader().copyWav(path("source.wav"), seen));
        ASSERT_EQ(seen.failures.size(), 0u) << seen.failures.front().message.toStdString();
        ASSERT_EQ(seen.done, std::vector<QString>{QString()});

        // The working file is the sound in the plain form, and nothing else.
        Bytes expected = wavHeader(22050, 2, 16, uint32_t(sound.size()));
        expected.insert(expected.end(), sound.begin(), sound.end());
        EXPECT_TRUE(read(working()) == expected) << "the working file holds exactly the sound";
        EXPECT_EQ(leftovers(), QStringList{"temp.wav"});

        // The envelope is that of the sound alone.
        PeakTable want;
        ASSERT_TRUE(want.start({trevisto::wav::kTagPcm, 2, 22050, 16}, PeakTable::DetailCapacity));
        want.add(sound.data(), sound.size());
        const PeakTable got = loader().takePeaks();
        EXPECT_EQ(got.frames(), int64_t(c.frames));
        ASSERT_EQ(got.size(), want.size());
        for (int i = 0; i < got.size(); ++i)
            ASSERT_EQ(got.at(i), want.at(i)) << i;
        EXPECT_TRUE(loader().takePeaks().empty()) << "handed over once";

        // Progress counts the sound and ends at its whole.
        if (c.frames > 0) {
            ASSERT_FALSE(seen.progress.empty());
            EXPECT_EQ(seen.progress.back(), std::make_pair(int64_t(sound.size()), int64_t(sound.size())));
            EXPECT_TRUE(std::is_sorted(seen.progress.begin(), seen.progress.end()));
        }
        EXPECT_EQ(loader().job(), SourceLoader::Job::None);
    }
}

TEST_F(Loader, AConversionReportsEveryBlockToTheEndAndReplacesTheWorkingFile)
{
    writeBytes(working().toStdString(), Bytes(100000, 'x')); // the loaded sound
    channel.total = 45000;
    Recorder seen;
    std::vector<SourceLoader::Job> jobs;
    bool secondAccepted = true;
    seen.onProgress = [&] {
        jobs.push_back(loader().job());
        // A second load meanwhile is refused without a word to its observer.
        Recorder other;
        secondAccepted = secondAccepted && loader().copyWav(path("source.wav"), other);
        EXPECT_TRUE(other.progress.empty() && other.done.empty() && other.failures.empty());
    };
    ASSERT_TRUE(loader().convert(lib_, 1, "song.mp3", seen));
    EXPECT_FALSE(secondAccepted);
    EXPECT_EQ(seen.progress, (std::vector<std::pair<int64_t, int64_t>>{{20000, 45000}, {40000, 45000}, {45000, 45000}}));
    EXPECT_EQ(jobs, std::vector<SourceLoader::Job>(3, SourceLoader::Job::Converting));
    EXPECT_EQ(loader().job(), SourceLoader::Job::None);
    EXPECT_EQ(loader().source(), "song.mp3");
    ASSERT_EQ(seen.done, std::vector<QString>{QString()});
    EXPECT_TRUE(seen.failures.empty());

    const Bytes file = read(working());
    ASSERT_EQ(file.size(), 44u + 45000);
    EXPECT_TRUE(Bytes(file.begin(), file.begin() + 44) == wavHeader(44100, 2, 16, 45000));
    EXPECT_EQ(file[44 + 44999], uint8_t(44999 * 7));
    EXPECT_EQ(leftovers(), QStringList{"temp.wav"});
    EXPECT_EQ(loader().takePeaks().frames(), 45000 / 4);

    // Cut short at the size bound, the sound still opens, with a notice saying so.
    channel = StandIn{};
    channel.total = 45000;
    loader().conversion().maxDataLength = 30000;
    Recorder bounded;
    loader().convert(lib_, 1, "song.mp3", bounded);
    ASSERT_EQ(bounded.done.size(), 1u);
    EXPECT_TRUE(bounded.done.front().contains("too long")) << bounded.done.front().toStdString();
    EXPECT_EQ(read(working()).size(), 44u + 30000);
}

TEST_F(Loader, FailuresReachTheObserverAndLeaveNoHalfWrittenFile)
{
    const Bytes loaded = wavFile(quietSound(100), false);
    const struct {
        const char *what;
        bool copy;
        std::function<void(Loader &)> arrange; // sets up the fault
        const char *says;                      // in the message; empty: no message
        bool sourceLost;
    } cases[] = {
        {"the source cannot be read to its end", false, [](Loader &) { channel.failAfter = 40000; },
         "could not be read to its end", false},
        {"the side file's folder is missing", false,
         [](Loader &t) { t.loader_.emplace(t.working(), t.path("missing/temp.new.wav")); },
         "no such file or folder", false},
        {"a copy that cannot be written to its end", true,
         [](Loader &) {
             std::signal(SIGXFSZ, SIG_IGN);
             const rlimit small{200000, RLIM_INFINITY};
             ::setrlimit(RLIMIT_FSIZE, &small);
         },
         "the file would be too large", false},
        {"a conversion stopped part way", false, [](Loader &) {}, "", false},
        {"the working file's name is taken by a folder", true,
         [](Loader &t) {
             QFile::remove(t.working());
             QDir().mkpath(t.working() + "/inside");
         },
         "it is a folder", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        channel = StandIn{};
        channel.total = 100000;
        loader_.emplace(working(), side());
        writeBytes(working().toStdString(), loaded);
        writeBytes(path("source.wav").toStdString(), wavFile(quietSound(100000), true));
        c.arrange(*this);
        const QStringList before = leftovers();
        Recorder seen;
        if (QString(c.says).isEmpty())
            seen.onProgress = [&] { loader().cancel(); };
        c.copy ? loader().copyWav(path("source.wav"), seen) : loader().convert(lib_, 1, path("source.mp3"), seen);
        const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &unlimited);

        EXPECT_TRUE(seen.done.empty());
        ASSERT_EQ(seen.failures.size(), 1u);
        const LoadFailure &failure = seen.failures.front();
        EXPECT_EQ(failure.sourceLost, c.sourceLost);
        if (QString(c.says).isEmpty()) {
            EXPECT_TRUE(failure.message.isEmpty()) << failure.message.toStdString();
            EXPECT_EQ(seen.progress.size(), 1u) << "stopped after the block under way";
        } else {
            EXPECT_TRUE(failure.message.contains(c.says)) << failure.message.toStdString();
            EXPECT_TRUE(failure.message.contains(c.copy ? path("source.wav") : path("source.mp3")))
                << failure.message.toStdString();
        }
        // Nothing new in the folder, and the loaded sound as it was unless it had to go.
        EXPECT_EQ(leftovers(), before);
        if (!c.sourceLost) {
            EXPECT_TRUE(read(working()) == loaded);
        }
        EXPECT_TRUE(loader().takePeaks().empty()) << "no envelope of a sound that did not open";
        EXPECT_EQ(loader().job(), SourceLoader::Job::None);
        QDir(working()).removeRecursively();
    }
}

} // namespace
