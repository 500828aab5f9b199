// Cue sheets read as their writers make them (code pages, line ends, pregaps), refused with
// the line at fault, and written so that a sheet read back gives each clip's start.
#include "tracks/cuesheet.h"

#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <filesystem>

namespace {

using namespace trevisto::tracks;
using trevisto::test::TempDir;

const QByteArray kFive = "REM GENRE Live\n"
                         "PERFORMER \"The Quartet\"\n"
                         "TITLE \"Evening\"\n"
                         "FILE \"concert.wav\" WAVE\n"
                         "  TRACK 01 AUDIO\n"
                         "    TITLE \"Overture\"\n"
                         "    INDEX 01 00:00:00\n"
                         "  TRACK 02 AUDIO\n"
                         "    TITLE \"Song\"\n"
                         "    PERFORMER \"A Guest\"\n"
                         "    INDEX 00 01:58:40\n"
                         "    INDEX 01 02:00:00\n"
                         "  TRACK 03 AUDIO\n"
                         "    TITLE \"Air\"\n"
                         "    INDEX 01 04:10:74\n"
                         "  TRACK 04 AUDIO\n"
                         "    TITLE Dance\n"
                         "    INDEX 01 100:00:01\n"
                         "  TRACK 05 AUDIO\n"
                         "    INDEX 01 101:00:00\n";

TEST(CueSheet, ReadsTracksWhateverTheTextEncodingAndLineEnds)
{
    QByteArray crlf = kFive;
    crlf.replace("\n", "\r\n");
    QByteArray latin1 = kFive;
    latin1.replace("Air", "Caf\xE9");
    QByteArray utf16("\xFF\xFE");
    for (QChar c : QString::fromUtf8(kFive))
        utf16.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    const struct {
        const char *what;
        QByteArray bytes;
        QString thirdTitle;
    } cases[] = {
        {"plain", kFive, "Air"},
        {"CRLF", crlf, "Air"},
        {"UTF-8 with a byte order mark", "\xEF\xBB\xBF" + kFive, "Air"},
        {"Latin-1", latin1, QString::fromUtf8("Café")},
        {"UTF-8", QByteArray(kFive).replace("Air", "Caf\xC3\xA9"), QString::fromUtf8("Café")},
        {"UTF-16 with a byte order mark", utf16, "Air"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const CueRead read = ParseCueSheet(c.bytes);
        ASSERT_TRUE(read.outcome) << read.outcome.why.toStdString();
        const CueSheet &sheet = read.sheet;
        EXPECT_EQ(sheet.file, "concert.wav");
        EXPECT_EQ(sheet.performer, "The Quartet");
        ASSERT_EQ(sheet.tracks.size(), 5u);
        const int64_t starts[] = {0, 2 * 60 * 75, (4 * 60 + 10) * 75 + 74, 100 * 60 * 75 + 1, 101 * 60 * 75};
        for (size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(sheet.tracks[i].number, int(i + 1));
            EXPECT_EQ(sheet.tracks[i].start, starts[i]);
        }
        EXPECT_EQ(sheet.tracks[2].title, c.thirdTitle);
        EXPECT_EQ(CueTrackName(sheet, sheet.tracks[0]), "Overture");
        EXPECT_EQ(CueTrackName(sheet, sheet.tracks[1]), "A Guest - Song");
        EXPECT_EQ(CueTrackName(sheet, sheet.tracks[3]), "Dance");
        EXPECT_EQ(CueTrackName(sheet, sheet.tracks[4]), "");
    }
}

TEST(CueSheet, RefusesABadSheetNamingTheLine)
{
    const struct {
        const char *what;
        QByteArray bytes;
        const char *expected; // a part of the message
    } cases[] = {
        {"no FILE", "TRACK 01 AUDIO\nINDEX 01 00:00:00\n", "Line 1 of the cue sheet: TRACK before any FILE."},
        {"nothing but remarks", "REM nothing\n", "names no sound file"},
        {"no track", "FILE \"a.wav\" WAVE\n", "has no TRACK"},
        {"out of order",
         "FILE \"a.wav\" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:10:00\nTRACK 02 AUDIO\nINDEX 01 00:09:74\n",
         "Line 5 of the cue sheet: this track starts no later than the one before it."},
        {"two at once", "FILE \"a.wav\" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:10:00\nTRACK 02 AUDIO\nINDEX 01 00:10:00\n",
         "Line 5 of"},
        {"a track without INDEX 01", "FILE \"a.wav\" WAVE\nTRACK 01 AUDIO\nINDEX 00 00:00:00\nTRACK 02 AUDIO\n",
         "Line 2 of the cue sheet: this track has no INDEX 01."},
        {"the last track without INDEX 01", "FILE \"a.wav\" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\n",
         "Line 4 of"},
        {"seconds past 59", "FILE \"a.wav\" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:60:00\n", "Line 3 of"},
        {"frames past 74", "FILE \"a.wav\" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:75\n", "Line 3 of"},
        {"a time that is no time", "FILE \"a.wav\" WAVE\nTRACK 01 AUDIO\nINDEX 01 0:-1:00\n", "Line 3 of"},
        {"a second file", "FILE \"a.wav\" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nFILE \"b.wav\" WAVE\n",
         "Line 4 of the cue sheet: a second FILE"},
        {"a data track", "FILE \"a.bin\" BINARY\nTRACK 01 MODE1/2352\nINDEX 01 00:00:00\n", "Line 2 of"},
        {"an open quotation mark", "FILE \"a.wav WAVE\n", "Line 1 of the cue sheet: a quotation mark"},
        {"an index outside a track", "FILE \"a.wav\" WAVE\nINDEX 01 00:00:00\n", "Line 2 of"},
        {"track number 0", "FILE \"a.wav\" WAVE\nTRACK 00 AUDIO\n", "Line 2 of"},
        {"binary data", QByteArray("FILE \"a.wav\" WAVE\n\0\0\0", 22), "binary data"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const CueRead read = ParseCueSheet(c.bytes);
        ASSERT_FALSE(read.outcome);
        EXPECT_TRUE(read.outcome.why.contains(QString::fromUtf8(c.expected))) << read.outcome.why.toStdString();
    }
}

TEST(CueSheet, FindsItsSoundBesideItAndRefusesWhatCannotBeRead)
{
    TempDir dir;
    const QString folder = QString::fromStdString(dir.path().string());
    QDir(folder).mkdir("disc");
    const auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile file(folder + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write("disc/concert.wav", "RIFF");
    write("disc/ok.cue", kFive);
    QByteArray backslash = kFive;
    backslash.replace("\"concert.wav\"", "\"disc\\concert.wav\"");
    write("backslash.cue", backslash);
    QByteArray elsewhere = kFive;
    elsewhere.replace("concert.wav", "missing.wav");
    write("disc/missing.cue", elsewhere);

    const CueRead ok = ReadCueSheet(folder + "/disc/ok.cue");
    ASSERT_TRUE(ok.outcome) << ok.outcome.why.toStdString();
    EXPECT_EQ(ok.sheet.file, folder + "/disc/concert.wav");
    const CueRead windows = ReadCueSheet(folder + "/backslash.cue");
    ASSERT_TRUE(windows.outcome) << windows.outcome.why.toStdString();
    EXPECT_EQ(windows.sheet.file, folder + "/disc/concert.wav");

    const CueRead missing = ReadCueSheet(folder + "/disc/missing.cue");
    ASSERT_FALSE(missing.outcome);
    EXPECT_TRUE(missing.outcome.why.startsWith("Line 4 of the cue sheet")) << missing.outcome.why.toStdString();
    EXPECT_TRUE(missing.outcome.why.contains("missing.wav"));

    // 50 MB, sparse: refused by its size before a byte is read.
    write("huge.cue", "FILE \"disc/concert.wav\" WAVE\n");
    std::filesystem::resize_file(dir.path() / "huge.cue", 50u << 20);
    const CueRead huge = ReadCueSheet(folder + "/huge.cue");
    ASSERT_FALSE(huge.outcome);
    EXPECT_TRUE(huge.outcome.why.contains("50.0 MB")) << huge.outcome.why.toStdString();

    EXPECT_FALSE(ReadCueSheet(folder + "/none.cue").outcome);
}

TEST(CueSheet, TracksMustStartInsideTheSound)
{
    const CueSheet sheet = ParseCueSheet(kFive).sheet;
    const int64_t last = CueToSoundFrame(101 * 60 * 75, 44100);
    EXPECT_TRUE(CheckCueAgainstSound(sheet, last + 1, 44100));
    const Outcome past = CheckCueAgainstSound(sheet, last, 44100);
    ASSERT_FALSE(past);
    EXPECT_EQ(past.why, "Line 20 of the cue sheet: track 5 starts at 101:00:00, past the end of the sound.");
}

TEST(CueSheet, CueFramesBecomeSoundFramesExactlyWhereTheRateAllows)
{
    const struct {
        uint32_t rate;
        int64_t cue, sound;
    } cases[] = {
        {44100, 1, 588}, {44100, 75 * 3600, 44100LL * 3600}, {48000, 1, 640}, {22050, 1, 294},
        {32000, 1, 427},  // 426.67
        {32000, 2, 853},  // 853.33
        {11025, 1, 147}, {8000, 1, 107}, {44100, 75LL * 86400, 44100LL * 86400},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.rate);
        EXPECT_EQ(CueToSoundFrame(c.cue, c.rate), c.sound);
        EXPECT_EQ(SoundToCueFrame(c.sound, c.rate), c.cue);
    }
}

TEST(CueSheet, AWrittenSheetReadsBackWithEachClipsStart)
{
    const uint32_t rate = 44100;
    const std::vector<CueOutTrack> tracks = {
        {"First", 0},
        {"Say \"hello\"", 441000 + 293},          // half a cue frame less a sample: rounds down
        {"Ünïcödé", 441000 * 3 + 294},             // half a cue frame: rounds up
        {"Past an hour and a half", 44100LL * 6001},
    };
    const QByteArray bytes = WriteCueSheet("joined.mp3", true, rate, tracks);
    EXPECT_TRUE(bytes.startsWith("FILE \"joined.mp3\" MP3\r\n"));
    EXPECT_TRUE(bytes.contains("TITLE \"Say 'hello'\""));
    const CueRead read = ParseCueSheet(bytes);
    ASSERT_TRUE(read.outcome) << read.outcome.why.toStdString();
    ASSERT_EQ(read.sheet.tracks.size(), tracks.size());
    for (size_t i = 0; i < tracks.size(); ++i) {
        SCOPED_TRACE(i);
        const int64_t back = CueToSoundFrame(read.sheet.tracks[i].start, rate);
        EXPECT_LE(std::llabs(back - tracks[i].start), int64_t(rate) / 150);
    }
    EXPECT_EQ(read.sheet.tracks[2].title, QString::fromUtf8("Ünïcödé"));
    EXPECT_EQ(read.sheet.tracks[3].start, 6001 * 75);
    EXPECT_EQ(CueTime(6001 * 75), "100:01:00");
    EXPECT_EQ(WriteCueSheet("j.wav", false, rate, {}).trimmed(), "FILE \"j.wav\" WAVE");
}

} // namespace
