#include "clips/joiner.h"

#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/io/atomicfile.h"
#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

using namespace trevisto;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes pattern(size_t size, uint8_t seed)
{
    Bytes b(size);
    for (size_t i = 0; i < size; ++i)
        b[i] = uint8_t(seed + i * 7 + i / 251);
    return b;
}

Bytes concat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes &p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

std::set<std::string> names(const fs::path &folder)
{
    std::set<std::string> out;
    for (const auto &e : fs::directory_iterator(folder))
        out.insert(e.path().filename().string());
    return out;
}

QString q(const std::string &s) { return QFile::decodeName(s.c_str()); }

class Joiner : public ::testing::Test {
protected:
    // A 44.1 kHz stereo 16-bit clip; with `chunk`, a LIST chunk sits between fmt and data.
    std::string clip(const std::string &file, const Bytes &data, bool chunk = false)
    {
        Bytes bytes = test::wavHeader(44100, 2, 16, uint32_t(data.size()));
        if (chunk) {
            const Bytes list = {'L', 'I', 'S', 'T', 6, 0, 0, 0, 'I', 'N', 'F', 'O', 'x', 'y'};
            bytes.insert(bytes.begin() + 36, list.begin(), list.end());
        }
        bytes.insert(bytes.end(), data.begin(), data.end());
        test::writeBytes(dir.file(file), bytes);
        return dir.file(file);
    }

    test::TempDir dir;
    const Bytes a = pattern(4000, 1), b = pattern(2404, 50), c = pattern(12, 99);
};

} // namespace

TEST_F(Joiner, SoundDataFollowsTheFirstClipsHeaderInListOrder)
{
    const std::string pa = clip("a.wav", a), pb = clip("b.wav", b, true), pc = clip("c.wav", c);
    const struct {
        QStringList clips;
        Bytes data;
    } cases[] = {
        {{q(pa), q(pb)}, concat({a, b})},
        {{q(pa), q(pb), q(pc)}, concat({a, b, c})},
        {{q(pc), q(pa), q(pb)}, concat({c, a, b})},
        {{q(pb)}, b},
    };
    for (const auto &t : cases) {
        uint64_t lastDone = 0, lastTotal = 0;
        const Outcome outcome = JoinClips(t.clips, q(dir.file("out.wav")), [&](uint64_t done, uint64_t total) {
            EXPECT_GE(done, lastDone);
            lastDone = done;
            lastTotal = total;
            return true;
        });
        ASSERT_TRUE(outcome) << outcome.why.toStdString();
        // The header is a's own layout with both size fields for the joined data; nothing
        // of b's header or its extra chunk comes along.
        EXPECT_EQ(test::readBytes(dir.file("out.wav")),
                  concat({test::wavHeader(44100, 2, 16, uint32_t(t.data.size())), t.data}))
            << t.clips.join(' ').toStdString();
        EXPECT_EQ(lastDone, t.data.size());
        EXPECT_EQ(lastTotal, t.data.size());
    }
    EXPECT_EQ(names(dir.path()), (std::set<std::string>{"a.wav", "b.wav", "c.wav", "out.wav"}));
}

TEST_F(Joiner, OnlyAJoinedFileThatOutlivesTheRunIsSyncedToTheDisk)
{
    const std::string pa = clip("a.wav", a), pb = clip("b.wav", b);
    // The join on its way to the encoder lives on the drive, under the test's own prefix.
    const QString concat = NativePath(WorkingFiles::Concat);
    fs::create_directories(fs::path(concat.toStdString()).parent_path());
    const struct {
        const char *what;
        QString output;
        bool synced;
    } cases[] = {
        {"a file the user named", q(dir.file("joined.wav")), true},
        {"the join for the encoder", concat, false},
        {"the same by its drive name in other letters", NativePath("c:\\TEMP\\Concat.wav"), false},
    };
    for (const auto &t : cases) {
        SCOPED_TRACE(t.what);
        const uint64_t before = io::AtomicFile::syncsMade();
        ASSERT_TRUE(JoinClips({q(pa), q(pb)}, t.output));
        EXPECT_EQ(io::AtomicFile::syncsMade() > before, t.synced);
        EXPECT_EQ(test::readBytes(t.output.toStdString()).size(), 44 + a.size() + b.size());
    }
}

TEST_F(Joiner, ClipsInAnotherFormatAreConvertedToTheFirstOnes)
{
    const test::Pcm first = test::makeTone(44100, 2, 1.0, 440);
    test::writeWav(dir.file("first.wav"), first);
    const test::Pcm tone = test::makeTone(22050, 1, 0.5, 1000, 0.6);
    Bytes eightBit;
    for (int16_t s : tone.samples)
        eightBit.push_back(uint8_t(128 + std::lround(s / 256.0)));
    test::writeWav(dir.file("second.wav"), 22050, 1, 8, eightBit);

    const Outcome outcome = JoinClips({q(dir.file("first.wav")), q(dir.file("second.wav"))}, q(dir.file("out.wav")));
    ASSERT_TRUE(outcome) << outcome.why.toStdString();
    wav::Info info;
    ASSERT_EQ(wav::readInfo(dir.file("out.wav"), info), wav::ReadError::None);
    EXPECT_EQ(info.format, (wav::Format{wav::kTagPcm, 2, 44100, 16}));
    EXPECT_EQ(info.frames, 44100 + 22050);

    const Bytes out = test::readBytes(dir.file("out.wav"));
    const Bytes firstData = first.bytes();
    ASSERT_EQ(out.size(), 44 + size_t(info.frames) * 4);
    EXPECT_TRUE(std::equal(firstData.begin(), firstData.end(), out.begin() + 44)) << "the first clip is copied as is";
    // The second half second holds the 1 kHz tone, in both channels, at its level.
    std::vector<int16_t> left;
    for (size_t i = 44 + firstData.size(); i + 3 < out.size(); i += 4) {
        const auto l = int16_t(out[i] | out[i + 1] << 8), r = int16_t(out[i + 2] | out[i + 3] << 8);
        ASSERT_EQ(l, r);
        left.push_back(l);
    }
    int crossings = 0, peak = 0;
    for (size_t i = 2205; i < 22050 - 2205; ++i) {
        crossings += (left[i - 1] < 0) != (left[i] < 0);
        peak = std::max(peak, std::abs(int(left[i])));
    }
    const double hz = crossings / 2.0 / ((22050 - 2 * 2205) / 44100.0);
    EXPECT_NEAR(hz, 1000, 5);
    EXPECT_NEAR(peak, 0.6 * 32767, 0.03 * 32767);
}

TEST_F(Joiner, RefusedJoinsLeaveEverythingAsItWas)
{
    const std::string pa = clip("a.wav", a), pb = clip("b.wav", b);
    test::writeBytes(dir.file("text.wav"), {'h', 'e', 'l', 'l', 'o'});
    fs::create_directory(dir.path() / "folder.wav");
    // 100 frames of 22.05 kHz mono 8-bit: 100 bytes as stored, 800 once converted.
    test::writeWav(dir.file("small.wav"), 22050, 1, 8, Bytes(100, 128));
    // A clip cut off behind the program's back: its header promises 400 bytes more.
    Bytes cutShort = test::wavHeader(44100, 2, 16, uint32_t(b.size() + 400));
    cutShort.insert(cutShort.end(), b.begin(), b.end());
    test::writeBytes(dir.file("short.wav"), cutShort);
    const std::string out = dir.file("out.wav");
    test::writeBytes(out, {'k', 'e', 'e', 'p'});
    const std::set<std::string> before = names(dir.path());

    const struct {
        QStringList clips;
        uint64_t limit;
        std::string named, reason;
        bool cancel = false;
    } cases[] = {
        {{q(pa), q(dir.file("gone.wav")), q(pb)}, wav::kMaxDataBytes, dir.file("gone.wav"), "no such file"},
        {{q(pa), q(dir.file("text.wav"))}, wav::kMaxDataBytes, dir.file("text.wav"), "not a WAVE file"},
        {{q(dir.file("folder.wav")), q(pa)}, wav::kMaxDataBytes, dir.file("folder.wav"), "not an ordinary file"},
        {{}, wav::kMaxDataBytes, "", "no clips"},
        {{q(pa), q(dir.file("short.wav")), q(pb)}, wav::kMaxDataBytes, dir.file("short.wav"),
         "less sound than its header says"},
        {{q(pa), q(pb)}, a.size() + b.size() - 1, out, "longer than a WAVE file can hold"},
        {{q(pa), q(dir.file("small.wav"))}, a.size() + 799, out, "longer than a WAVE file can hold"},
        {{q(pa), q(pb)}, wav::kMaxDataBytes, "", "cancelled", true},
    };
    for (const auto &t : cases) {
        const Outcome outcome =
            JoinClips(t.clips, q(out), [&](uint64_t, uint64_t) { return !t.cancel; }, t.limit);
        const std::string why = outcome.why.toStdString();
        EXPECT_FALSE(outcome) << t.reason;
        if (!t.named.empty()) {
            EXPECT_NE(why.find('"' + t.named + '"'), std::string::npos) << why;
        }
        EXPECT_NE(why.find(t.reason), std::string::npos) << why;
        EXPECT_EQ(test::readBytes(out), (Bytes{'k', 'e', 'e', 'p'})) << why;
        EXPECT_EQ(names(dir.path()), before) << "no temporary file remains: " << why;
    }
    // At the limit exactly, and with the converted size rather than the stored one.
    EXPECT_TRUE(JoinClips({q(pa), q(pb)}, q(out), {}, a.size() + b.size()));
    EXPECT_TRUE(JoinClips({q(pa), q(dir.file("small.wav"))}, q(out), {}, a.size() + 800));
    EXPECT_EQ(test::readBytes(out).size(), 44 + a.size() + 800);
}

// The target is a 1 MiB tmpfs, mounted in a namespace of the helper's own.
TEST_F(Joiner, AFullOrReadOnlyTargetFailsAndLeavesOnlyTheEarlierFile)
{
    const std::string big1 = clip("big1.wav", pattern(700000, 3)), big2 = clip("big2.wav", pattern(700000, 4));
    const std::string pa = clip("a.wav", a), pb = clip("b.wav", b);
    const std::string target = dir.file("target");
    fs::create_directory(target);
    const struct {
        const char *mode;
        std::vector<std::string> clips;
        std::string first; // the helper's first line
    } cases[] = {
        // Refused before the first byte, by the room it would take.
        {"full", {big1, big2},
         "failed: There is not enough room on the disk for \"" + target + "/joined.wav\": it needs 1.4 MB, and 1.0 MB is free."},
        {"readonly", {pa, pb}, "failed: \"" + target + "/joined.wav\" cannot be written: the folder is read-only"},
        {"fits", {pa, pb}, "ok"},
    };
    for (const auto &t : cases) {
        QProcess helper;
        QStringList args{t.mode, q(target)};
        for (const std::string &c : t.clips)
            args << q(c);
        helper.start(JOIN_TARGET_HELPER, args);
        ASSERT_TRUE(helper.waitForFinished(30000)) << t.mode;
        if (helper.exitCode() == 77)
            GTEST_SKIP() << "no private tmpfs here: " << helper.readAllStandardOutput().toStdString();
        ASSERT_EQ(helper.exitCode(), 0) << helper.readAllStandardError().toStdString();
        const QStringList lines = QString::fromLocal8Bit(helper.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(lines.front().toStdString(), t.first);
        const std::string joinedSize = t.first == "ok" ? std::to_string(44 + a.size() + b.size()) : "4";
        EXPECT_EQ(lines.mid(1), QStringList{q("joined.wav " + joinedSize)}) << "the earlier file alone, no temp file";
    }
    // Copied across file systems, the sound still lands byte for byte.
    EXPECT_EQ(test::readBytes(target + ".copy"), concat({test::wavHeader(44100, 2, 16, uint32_t(a.size() + b.size())), a, b}));
}
