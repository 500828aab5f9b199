// Each clip's loudness measured in the background: the order, the results against a
// direct measure, clips that go or come back meanwhile, a prompt end, and the row text.
#include "clips/cliploudness.h"
#include "clips/outputjob.h"
#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>
#include <vector>

namespace {

using namespace trevisto;
using trevisto::test::TempDir;

constexpr int kThreads = 2; // the same stretches as the direct measure, so equal to the bit

struct Folder {
    TempDir dir;
    QString clips() const { return QString::fromStdString(dir.path().string()) + "/clips/"; }
    QString session() const { return QString::fromStdString(dir.path().string()) + "/list.clips"; }
    Folder() { std::filesystem::create_directories(dir.path() / "clips"); }
    std::string file(const QString &name) const { return (clips() + name + ".wav").toStdString(); }
    // A clip file of a tone whose level and length tell the clips apart.
    void write(const QString &name, double seconds, double amplitude, int channels = 2) const
    {
        test::writeWav(file(name), test::makeTone(44100, channels, seconds, 440, amplitude));
    }
};

// Runs the events until the owner has nothing pending, at most `seconds`.
bool settle(const ClipLoudness &owner, int seconds = 20)
{
    QDeadlineTimer deadline(std::chrono::seconds{seconds});
    while (owner.pending() > 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return owner.pending() == 0;
}

Loudness direct(const std::string &path)
{
    LoudnessOptions options;
    options.threads = kThreads;
    return measureLoudness(path, options);
}

TEST(ClipLoudness, ListedAndAddedClipsAreMeasuredInOrderAsADirectMeasure)
{
    Folder f;
    struct Case {
        const char *name;
        double seconds, amplitude;
        int channels;
        bool before; // listed before the measuring starts, as a restored list is
    };
    const std::vector<Case> cases = {
        {"LOUD", 3.0, 0.9, 2, true}, {"QUIET", 2.0, 0.05, 1, true}, {"SHORT", 0.2, 0.5, 2, false},
        {"MISSING", 0, 0, 2, false}, {"MID", 4.5, 0.3, 2, false},
    };
    ClipList list(f.clips(), f.session());
    std::vector<ClipId> ids;
    for (const Case &c : cases)
        if (c.seconds > 0)
            f.write(c.name, c.seconds, c.amplitude, c.channels);
    for (const Case &c : cases)
        if (c.before)
            ids.push_back(list.add({c.name}));
    ClipLoudness owner(list, kThreads);
    std::vector<ClipId> order;
    QObject::connect(&owner, &ClipLoudness::measured, [&](ClipId id) { order.push_back(id); });
    for (const Case &c : cases)
        if (!c.before)
            ids.push_back(list.add({c.name}));
    for (const Clip &clip : list.items())
        EXPECT_FALSE(clip.loudness.measured) << "not measured before the events run";
    ASSERT_TRUE(settle(owner));
    EXPECT_EQ(order, ids);
    for (size_t i = 0; i < cases.size(); ++i) {
        const Case &c = cases[i];
        const Loudness &got = list.items()[i].loudness;
        const Loudness want = direct(f.file(c.name));
        EXPECT_EQ(got.measured, want.measured) << c.name;
        EXPECT_EQ(got.lufs, want.lufs) << c.name;
        EXPECT_EQ(got.truePeakDb, want.truePeakDb) << c.name;
        if (!got.measured) {
            EXPECT_FALSE(got.why.empty()) << c.name << ": a failure is told from a wait";
        }
    }
    EXPECT_TRUE(list.items()[0].loudness.hasLoudness());
    EXPECT_GT(list.items()[0].loudness.lufs, list.items()[1].loudness.lufs + 20);
    EXPECT_FALSE(list.items()[2].loudness.hasLoudness()) << "shorter than a gating block";

    // The join gets each clip's measure and so does not measure again.
    const std::vector<OutputPiece> pieces = ClipPieces(list);
    ASSERT_EQ(pieces.size(), cases.size());
    for (size_t i = 0; i < pieces.size(); ++i)
        EXPECT_EQ(pieces[i].loudness.lufs, list.items()[i].loudness.lufs);

    // A list read anew (the session of the last run) is measured again, whole.
    order.clear();
    list.load();
    ASSERT_TRUE(settle(owner));
    EXPECT_EQ(order, list.ids());
    EXPECT_EQ(list.items()[0].loudness.lufs, direct(f.file(list.items()[0].name)).lufs);
}

TEST(ClipLoudness, ClipsThatGoOrComeBackMeanwhile)
{
    Folder f;
    f.write("A", 6.0, 0.5);
    f.write("B", 1.0, 0.2);
    ClipList list(f.clips(), f.session());
    ClipLoudness owner(list, kThreads);
    std::vector<ClipId> order;
    QObject::connect(&owner, &ClipLoudness::measured, [&](ClipId id) { order.push_back(id); });

    // Taken out before its result comes back: passed over, and the next one still comes.
    const ClipId a = list.add({"A"});
    const ClipId b = list.add({"B"});
    Clip taken = list.take(0);
    ASSERT_TRUE(settle(owner));
    EXPECT_EQ(order, std::vector<ClipId>{b});
    EXPECT_FALSE(taken.loudness.measured);
    EXPECT_TRUE(list.items()[0].loudness.hasLoudness());

    // Listed again with its file unchanged (an undone deletion): its measure stands.
    order.clear();
    Clip kept = list.take(0);
    ASSERT_TRUE(kept.loudness.measured);
    const double before = kept.loudness.lufs;
    list.add(kept);
    EXPECT_EQ(owner.pending(), 0);
    EXPECT_EQ(list.items()[0].loudness.lufs, before);

    // Its file replaced while it was out: measured again, and the new level is the one kept.
    kept = list.take(0);
    f.write("B", 2.0, 0.8);
    list.add(kept);
    EXPECT_FALSE(list.items()[0].loudness.measured) << "the old measure is not shown meanwhile";
    ASSERT_TRUE(settle(owner));
    EXPECT_EQ(order, std::vector<ClipId>{b});
    EXPECT_EQ(list.items()[0].loudness.lufs, direct(f.file("B")).lufs);
    EXPECT_GT(list.items()[0].loudness.lufs, before + 10);
    (void)a;
}

TEST(ClipLoudness, GoingAwayEndsALongMeasurePromptly)
{
    Folder f;
    f.write("LONG", 240.0, 0.5);
    ClipList list(f.clips(), f.session());
    for (int i = 0; i < 4; ++i) {
        std::filesystem::create_hard_link(f.file("LONG"), f.file(QStringLiteral("LONG%1").arg(i)));
        list.add({QStringLiteral("LONG%1").arg(i)});
    }
    const auto full = std::chrono::steady_clock::now();
    direct(f.file("LONG"));
    const auto once = std::chrono::steady_clock::now() - full;

    auto owner = std::make_unique<ClipLoudness>(list, kThreads);
    std::this_thread::sleep_for(std::chrono::milliseconds(100)); // well into the first clip
    const auto start = std::chrono::steady_clock::now();
    owner.reset();
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took, std::chrono::milliseconds(500));
    EXPECT_LT(took, once / 2) << "a whole clip takes " << std::chrono::duration<double>(once).count() << " s";
    // Nothing comes back once it is gone.
    QCoreApplication::processEvents();
    for (const Clip &clip : list.items())
        EXPECT_FALSE(clip.loudness.measured);
}

TEST(ClipLoudness, RowText)
{
    Loudness waiting;
    Loudness failed;
    failed.why = "the file cannot be read as WAV";
    Loudness measured;
    measured.measured = true;
    measured.lufs = -18.26;
    measured.truePeakDb = -2.14;
    Loudness noPeak = measured;
    noPeak.truePeakDb = -HUGE_VAL;
    Loudness silent;
    silent.measured = true;
    const QString len = QStringLiteral("00:01:23.456");
    struct Case {
        QString length;
        Loudness loudness;
        QString text;
    };
    const std::vector<Case> cases = {
        {len, measured, QStringLiteral("00:01:23.456 \u00b7 -18.3 LUFS \u00b7 -2.1 dBTP")},
        {len, noPeak, QStringLiteral("00:01:23.456 \u00b7 -18.3 LUFS")},
        {len, waiting, QStringLiteral("00:01:23.456 \u00b7 measuring loudness\u2026")},
        {len, failed, len},
        {len, silent, len},
        {QString(), measured, QStringLiteral("-18.3 LUFS \u00b7 -2.1 dBTP")},
        {QString(), failed, QString()},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ClipToolTip(c.length, c.loudness), c.text) << c.text.toStdString();
}

TEST(ClipLoudness, LengthToTheMillisecond)
{
    TempDir dir;
    struct Case {
        int rate;
        int frames;
        int64_t ms;
    };
    for (const Case &c : {Case{44100, 44100 * 83 + 20110, 83456}, Case{48000, 24, 1}, Case{48000, 23, 0},
                          Case{8000, 0, 0}, Case{44100, 22, 0}, Case{44100, 23, 1}}) {
        test::Pcm pcm;
        pcm.rate = c.rate;
        pcm.channels = 1;
        pcm.samples.assign(size_t(c.frames), 0);
        const std::string path = dir.file("len.wav");
        test::writeWav(path, pcm);
        EXPECT_EQ(ClipLengthMs(QString::fromStdString(path)), c.ms) << c.rate << " Hz, " << c.frames << " frames";
    }
    EXPECT_EQ(ClipLengthMs(QString::fromStdString(dir.file("none.wav"))), -1);
}

} // namespace
