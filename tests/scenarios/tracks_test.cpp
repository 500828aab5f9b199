// Stories of tracks: the pauses of a recording found and its pieces added as clips in one
// step, and a cue sheet opening its sound with its tracks, exact to the sample.
#include "scenarios/clips_window.h"

#include "settings/registry_settings.h"
#include "tracks/cuesheet.h"
#include "ui/closeview.h"
#include "ui/waveslider.h"

#include <taglib/chapterframe.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>

#include <cmath>
#include <numbers>

namespace clipstory {
namespace {

class TracksWindow : public ClipsWindow {
protected:
    // 16-bit stereo samples of five pieces of 15 s, 2 s of noise at -60 dBFS between them
    // and a 0.4 s quiet passage inside the second: the gaps lie at 15-17, 32-34, 49-51 and
    // 66-68 s.
    static std::vector<uint8_t> fivePieces()
    {
        std::vector<int16_t> samples;
        uint32_t seed = 99;
        const auto noise = [&] {
            seed = seed * 1664525u + 1013904223u;
            return double(int32_t(seed)) / 2147483648.0;
        };
        const auto music = [&](double seconds) {
            for (int f = 0; f < int(seconds * 44100); ++f) {
                const double t = double(samples.size() / 2) / 44100;
                for (int c = 0; c < 2; ++c)
                    samples.push_back(int16_t(32767 * (0.3 * std::sin(2 * std::numbers::pi * (220 + 55 * c) * t) +
                                                       0.05 * noise())));
            }
        };
        const auto hush = [&](double seconds) {
            for (int i = 0; i < int(seconds * 44100) * 2; ++i)
                samples.push_back(int16_t(std::lround(32767 * 0.001 * std::sqrt(3.0) * noise())));
        };
        for (int piece = 0; piece < 5; ++piece) {
            if (piece > 0)
                hush(2);
            if (piece == 1) {
                music(7);
                hush(0.4);
                music(7.6);
            } else {
                music(15);
            }
        }
        std::vector<uint8_t> bytes(samples.size() * 2);
        std::memcpy(bytes.data(), samples.data(), bytes.size());
        return bytes;
    }

    void openWav(const std::vector<uint8_t> &data, const std::string &name = "recording.wav")
    {
        const std::string path = audio_.file(name);
        writeWav(path, 44100, 2, 16, data);
        dialogs_.answerFile(QString::fromStdString(path));
        w().cmdwav_Click();
        ASSERT_TRUE(MMaudio(w())->isOpen());
    }

    std::vector<qint64> viewSplits() { return closeView(w())->splitPoints(); }
};

TEST_F(TracksWindow, PausesFoundBecomeClipsOfEveryPieceInOneStep)
{
    const std::vector<uint8_t> data = fivePieces();
    openWav(data);
    EXPECT_FALSE(u()->TracksRemovePoint->isEnabled());

    dialogs_.answerForm(QStringList{"", "1", "10", ""});
    w().FindPauses_Click();
    const std::vector<qint64> splits = viewSplits();
    ASSERT_EQ(splits.size(), 4u) << messages().join('|').toStdString();
    const qint64 gaps[] = {15000, 32000, 49000, 66000};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_GT(splits[i], gaps[i]) << i;
        EXPECT_LT(splits[i], gaps[i] + 2000) << i;
    }
    EXPECT_EQ(u()->Slider1->splitPoints(), splits);
    EXPECT_TRUE(u()->TracksAddClips->isEnabled());

    // One point dragged, then the drag undone.
    emit closeView(w())->splitPointDropped(0, 16500);
    EXPECT_EQ(viewSplits()[0], 16500);
    ASSERT_TRUE(u()->EditUndo->isEnabled());
    u()->EditUndo->trigger();
    EXPECT_EQ(viewSplits(), splits);

    dialogs_.answerInput(QStringLiteral("Part_"));
    w().AddTracksAsClips_Click();
    ASSERT_EQ(entries(), (QStringList{"Part_01", "Part_02", "Part_03", "Part_04", "Part_05"}));
    // The pieces are the sound, every sample once, split where the points show.
    QByteArray joined;
    for (const QString &name : entries()) {
        const QByteArray piece = clipData(name);
        EXPECT_EQ(piece.size() % 4, 0);
        joined += piece;
    }
    ASSERT_EQ(joined.size(), qsizetype(data.size()));
    EXPECT_TRUE(std::memcmp(joined.constData(), data.data(), data.size()) == 0);
    EXPECT_EQ(clipData("Part_01").size(), qsizetype(splits[0] * 441 / 10 * 4));

    // Undo takes all five back with their files; Redo brings them again.
    EXPECT_EQ(u()->EditUndo->text(), "Undo Add 5 clip(s)");
    u()->EditUndo->trigger();
    EXPECT_TRUE(entries().isEmpty());
    EXPECT_FALSE(QFile::exists(clipFile("Part_03")));
    u()->EditRedo->trigger();
    EXPECT_EQ(entries().size(), 5);
    EXPECT_EQ(clipData("Part_03").size() % 4, 0);
    EXPECT_TRUE(QFile::exists(clipFile("Part_05")));
    EXPECT_EQ(dialogs_.unanswered(), 0);
}

TEST_F(TracksWindow, ACueSheetOpensItsSoundWithItsTracksExactToTheSample)
{
    // Counting samples, so that every range has bytes of its own.
    std::vector<uint8_t> data(size_t(20 * 44100) * 4);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = uint8_t((i * 13 + i / 251) & 0xff);
    writeWav(audio_.file("concert.wav"), 44100, 2, 16, data);
    const QByteArray sheet = "PERFORMER \"Quartet\"\r\n"
                             "FILE \"concert.wav\" WAVE\r\n"
                             "  TRACK 01 AUDIO\r\n    TITLE \"Intro\"\r\n    INDEX 01 00:00:00\r\n"
                             "  TRACK 02 AUDIO\r\n    TITLE \"Second Song\"\r\n    INDEX 01 00:03:10\r\n"
                             "  TRACK 03 AUDIO\r\n    TITLE \"Caf\xe9\"\r\n    INDEX 01 00:07:00\r\n"
                             "  TRACK 04 AUDIO\r\n    INDEX 01 00:11:74\r\n"
                             "  TRACK 05 AUDIO\r\n    TITLE \"Finale\"\r\n    INDEX 01 00:15:01\r\n";
    const QString cue = outPath("concert.cue");
    {
        QFile f(cue);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(sheet);
    }
    // A sheet whose last track starts past the end changes nothing, and says which line.
    QByteArray past = sheet;
    past.replace("00:15:01", "00:25:00");
    const QString bad = outPath("past.cue");
    {
        QFile f(bad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(past);
    }
    w().OpenGivenFile(bad);
    EXPECT_FALSE(MMaudio(w())->isOpen());
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().front().contains("Line 16 of the cue sheet")) << messages().front().toStdString();
    dialogs_.clear();

    w().OpenGivenFile(cue);
    ASSERT_TRUE(MMaudio(w())->isOpen());
    EXPECT_EQ(viewSplits().size(), 4u);
    dialogs_.answerInput(QStringLiteral("Track_"));
    w().AddTracksAsClips_Click();
    ASSERT_EQ(entries(), (QStringList{"Intro", "Second_Song", "Track_03", "Track_04", "Finale"}));
    // The message names the title the rules refused.
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().front().contains(QString::fromUtf8("\"Café\" as Track_03")))
        << messages().front().toStdString();
    const int64_t starts[] = {0, 3 * 75 + 10, 7 * 75, 11 * 75 + 74, 15 * 75 + 1};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const int64_t first = trevisto::tracks::CueToSoundFrame(starts[i], 44100);
        const int64_t end = i < 4 ? trevisto::tracks::CueToSoundFrame(starts[i + 1], 44100) : 20 * 44100;
        const QByteArray clip = clipData(entries()[i]);
        ASSERT_EQ(clip.size(), qsizetype((end - first) * 4));
        EXPECT_TRUE(std::memcmp(clip.constData(), data.data() + first * 4, size_t(clip.size())) == 0);
    }
}

TEST_F(TracksWindow, AJoinWritesACueSheetBesideItOnceAsked)
{
    makeClips({"Opening", "Middle", "Close"}, 1300);
    const QString out = outPath("joined.wav");
    dialogs_.answerFile(out);
    w().Command2_Click();
    ASSERT_TRUE(QFileInfo::exists(out));
    EXPECT_FALSE(QFileInfo::exists(outPath("joined.cue"))) << "only once asked";

    makeClips({"Opening", "Middle", "Close"}, 1300);
    u()->TracksCueBesideJoins->trigger();
    EXPECT_TRUE(u()->TracksCueBesideJoins->isChecked());
    EXPECT_EQ(RegReadString(ProgramSettingsKey, "CueBesideJoins"), "1");
    const QString again = outPath("again.wav");
    dialogs_.answerFile(again);
    w().Command2_Click();
    ASSERT_TRUE(QFileInfo::exists(again));
    QFile sheet(outPath("again.cue"));
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    const trevisto::tracks::CueRead read = trevisto::tracks::ParseCueSheet(sheet.readAll());
    ASSERT_TRUE(read.outcome) << read.outcome.why.toStdString();
    EXPECT_EQ(read.sheet.file, "again.wav");
    ASSERT_EQ(read.sheet.tracks.size(), 3u);
    const QString names[] = {"Opening", "Middle", "Close"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(read.sheet.tracks[size_t(i)].title, names[i]);
        // Each clip starts where the ones before it end, within a cue frame.
        const int64_t start = trevisto::tracks::CueToSoundFrame(read.sheet.tracks[size_t(i)].start, 44100);
        EXPECT_LE(std::llabs(start - int64_t(i) * 1300 * 441 / 10), 44100 / 75);
    }
}

TEST_F(TracksWindow, AJoinedMp3CarriesTheTypedTagsAndAChapterPerClip)
{
    makeClips({"Opening", "Middle", "Close"}, 1300);
    u()->OptionAskTags->trigger();
    EXPECT_EQ(RegReadString(ProgramSettingsKey, "AskForTags"), "1");

    // A form cancelled writes nothing and keeps the clips.
    const QString none = outPath("none.mp3");
    dialogs_.answerFile(none);
    dialogs_.answerForm(std::nullopt);
    w().CmdCreate_Click();
    EXPECT_FALSE(QFileInfo::exists(none));
    EXPECT_EQ(entries(), QStringList({"Opening", "Middle", "Close"}));
    ASSERT_EQ(dialogs_.asked().size(), 2);
    EXPECT_EQ(dialogs_.asked()[1].kind, ScriptedDialogs::Kind::Form);

    const QString out = outPath("evening.mp3");
    dialogs_.answerFile(out);
    dialogs_.answerForm(QStringList{"Evening", "Choir", "", "2026", "", ""});
    dialogs_.answerMessage(vbOK);
    dialogs_.answerMessage(vbNo);
    w().CmdCreate_Click();
    ASSERT_TRUE(waitForEncoding());
    TagLib::MPEG::File joined(out.toStdString().c_str(), false);
    TagLib::ID3v2::Tag *tag = joined.ID3v2Tag(false);
    ASSERT_NE(tag, nullptr);
    EXPECT_EQ(tag->title().to8Bit(true), "Evening");
    EXPECT_EQ(tag->artist().to8Bit(true), "Choir");
    const TagLib::ID3v2::FrameList chapters = tag->frameList("CHAP");
    ASSERT_EQ(chapters.size(), 3u);
    const char *names[] = {"Opening", "Middle", "Close"};
    unsigned i = 0;
    for (TagLib::ID3v2::Frame *frame : chapters) {
        auto *chapter = dynamic_cast<TagLib::ID3v2::ChapterFrame *>(frame);
        ASSERT_NE(chapter, nullptr);
        EXPECT_EQ(chapter->embeddedFrameList("TIT2").front()->toString().to8Bit(true), names[i]);
        EXPECT_NEAR(double(chapter->startTime()), i * 1300.0, 1.0);
        ++i;
    }
}

} // namespace
} // namespace clipstory
