// What every kind of output carries of its source's tags: MP3 copied or encoded, cut or
// joined, WAV, FLAC; the chapters of a joined MP3 as a player reads them; the user's own
// fields; and nothing at all where the source carries nothing.
#include "clips/jointimeline.h"
#include "clips/outputjob.h"
#include "platform/bass/bass_test_util.h"
#include "platform/mp3enc/mp3encoder.h"
#include "platform/mp3frames/index.h"
#include "platform/tags/tags.h"
#include "platform/wav/wav.h"
#include "support/ffmpeg_tool.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>

#include <taglib/attachedpictureframe.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/privateframe.h>
#include <taglib/textidentificationframe.h>

#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace trevisto;
using namespace trevisto::test;
using Format = OutputRequest::Format;
using Encoding = OutputRequest::Encoding;

struct Seen : OutputObserver {
    std::optional<OutputDone> done;
    std::optional<OutputFailure> failed;
    void outputProgress(uint64_t, uint64_t) override {}
    void outputEncoding() override {}
    void outputDone(const OutputDone &d) override { done = d; }
    void outputFailed(const OutputFailure &f) override { failed = f; }
};

class OutputTags : public BassTest {
protected:
    void SetUp() override
    {
        BassTest::SetUp();
        QObject::connect(&encoder, &mp3enc::Mp3Encoder::completed, [this] { job.encoderCompleted(); });
    }

    // An MP3 with a title, an artist, a cover, a stale length and a frame only its maker
    // reads; or none of them.
    std::string source(bool tagged)
    {
        const std::string mp3 = dir.file(tagged ? "tagged.mp3" : "plain.mp3");
        if (QFile::exists(QString::fromStdString(mp3)))
            return mp3;
        writeMp3(mp3, makeBusySound(44100, 2, 3.0, 7), 128);
        if (tagged) {
            TagLib::MPEG::File f(mp3.c_str());
            TagLib::ID3v2::Tag *tag = f.ID3v2Tag(true);
            tag->setTitle("Source title");
            tag->setArtist("Source artist");
            auto *length = new TagLib::ID3v2::TextIdentificationFrame("TLEN");
            length->setText("99840");
            tag->addFrame(length);
            auto *cover = new TagLib::ID3v2::AttachedPictureFrame;
            cover->setMimeType("image/jpeg");
            cover->setPicture(TagLib::ByteVector("\xFF\xD8\xFF\xE0 cover", 10));
            tag->addFrame(cover);
            auto *maker = new TagLib::ID3v2::PrivateFrame;
            maker->setOwner("org.example");
            maker->setData("xyz");
            tag->addFrame(maker);
            EXPECT_TRUE(f.save(TagLib::MPEG::File::ID3v2));
        }
        return mp3;
    }
    // The cut [a, b) of a source: its sound as a WAV file, its origin, its name.
    OutputPiece cut(const std::string &mp3, const char *name, int64_t a, int64_t b)
    {
        const std::vector<int16_t> decoded = decodeSamples(mp3);
        const auto origin = IdentifyMp3Source(QString::fromStdString(mp3), int64_t(decoded.size()) / 2);
        EXPECT_TRUE(origin);
        Pcm pcm;
        pcm.rate = 44100;
        pcm.channels = 2;
        pcm.samples.assign(decoded.begin() + a * 2, decoded.begin() + b * 2);
        const std::string wav = dir.file(std::string(name) + ".wav");
        writeWav(wav, pcm);
        return {QString::fromStdString(wav), origin ? std::optional<Mp3Origin>(Mp3Origin{*origin, a, b}) : std::nullopt,
                QString::fromUtf8(name)};
    }
    bool write(const OutputRequest &request, std::optional<OutputDone> *done = nullptr)
    {
        Seen seen;
        if (!job.start(request, seen))
            return false;
        QElapsedTimer clock;
        clock.start();
        while (!seen.done && !seen.failed && clock.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        EXPECT_FALSE(seen.failed) << (seen.failed ? seen.failed->why.toStdString() : "");
        if (done)
            *done = seen.done;
        return seen.done.has_value();
    }

    mp3enc::Mp3Encoder encoder;
    OutputJob job{encoder, QString::fromStdString(dir.file("concat.wav"))};
};

size_t framesOf(TagLib::ID3v2::Tag *tag, const char *id) { return tag ? tag->frameList(id).size() : 0; }

TEST_F(OutputTags, EveryMp3CarriesTheSourcesTagMadeTrue)
{
    const struct {
        const char *what;
        bool join, copy, typed;
        size_t priv; // the maker's frame: kept only where the frames are copied
    } rows[] = {
        {"a cut copied", false, true, false, 1},   {"a cut encoded", false, false, false, 0},
        {"a join copied", true, true, false, 1},   {"a join encoded", true, false, false, 0},
        {"a cut copied, typed", false, true, true, 1}, {"a join encoded, typed", true, false, true, 0},
    };
    const std::string mp3 = source(true);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        std::vector<OutputPiece> pieces = {cut(mp3, "first", 1152 * 4, 1152 * 20)};
        if (row.join)
            pieces.push_back(cut(mp3, "second", 1152 * 30, 1152 * 50));
        const QString out = QString::fromStdString(dir.file("out.mp3"));
        QFile::remove(out);
        OutputRequest request{pieces, row.join, out, Format::Mp3, row.copy, 128};
        request.chapters = true;
        if (row.typed)
            request.tagEdits = tags::Fields{"Typed title", "", "", "1999", "", ""};
        ASSERT_TRUE(write(request));

        TagLib::MPEG::File written(out.toStdString().c_str(), false);
        TagLib::ID3v2::Tag *tag = written.ID3v2Tag(false);
        ASSERT_NE(tag, nullptr);
        EXPECT_EQ(tag->header()->majorVersion(), 4u);
        EXPECT_EQ(tag->title().to8Bit(true), row.typed ? "Typed title" : "Source title");
        EXPECT_EQ(tag->artist().to8Bit(true), row.typed ? "" : "Source artist");
        EXPECT_EQ(framesOf(tag, "APIC"), 1u);
        EXPECT_EQ(framesOf(tag, "TLEN"), 0u) << "the source's length is not this file's";
        EXPECT_EQ(framesOf(tag, "PRIV"), row.priv);
        EXPECT_EQ(framesOf(tag, "CHAP"), row.join ? 2u : 0u) << "chapters are for joins";

        // The tag goes in front of the sound and takes nothing from it.
        const int64_t samples = row.join ? 1152 * 36 : 1152 * 16;
        EXPECT_EQ(int64_t(decodeSamples(out.toStdString()).size()) / 2, samples);
    }
}

TEST_F(OutputTags, WavAndFlacCarryTheFieldsAndAnUntaggedSourceGivesNothing)
{
    const struct {
        const char *what;
        bool tagged;
        Format format;
        const char *name;
        bool join;
    } rows[] = {
        {"WAV join", true, Format::Wav, "out.wav", true},
        {"FLAC of a cut", true, Format::Wav, "out.flac", false},
        {"untagged WAV join", false, Format::Wav, "out.wav", true},
        {"untagged MP3 copy", false, Format::Mp3, "out.mp3", false},
        {"untagged MP3 encoded join", false, Format::Mp3, "out.mp3", true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const std::string mp3 = source(row.tagged);
        std::vector<OutputPiece> pieces = {cut(mp3, "first", 1152 * 4, 1152 * 20)};
        if (row.join)
            pieces.push_back(cut(mp3, "second", 1152 * 30, 1152 * 50));
        const QString out = QString::fromStdString(dir.file(row.name));
        QFile::remove(out);
        OutputRequest request{pieces, row.join, out, row.format, row.format == Format::Mp3 && !row.join, 128};
        request.encoding = EncodingOfName(row.format, out);
        ASSERT_TRUE(write(request));
        const tags::SoundTags read = tags::readTags(out.toStdString());
        EXPECT_EQ(read.fields.title, row.tagged ? "Source title" : "");
        EXPECT_EQ(read.fields.artist, row.tagged ? "Source artist" : "");
        if (row.format == Format::Mp3) {
            const std::vector<uint8_t> bytes = readBytes(out.toStdString());
            ASSERT_GE(bytes.size(), 3u);
            EXPECT_NE(std::string(bytes.begin(), bytes.begin() + 3), "ID3") << "no empty tag";
        }
        if (request.encoding == Encoding::Own && row.format == Format::Wav) {
            wav::Info info;
            ASSERT_EQ(wav::readInfo(out.toStdString(), info), wav::ReadError::None);
            EXPECT_EQ(info.frames, row.join ? 1152 * 36 : 1152 * 16);
        }
    }
}

// The chapters of a joined MP3 as ffprobe lists them: one per clip, in order, named after
// it, starting where the clip starts: where the frames are copied, after the overlaps whole
// frames make at the joints, as the cue sheet written beside it says too.
TEST_F(OutputTags, AJoinedMp3ListsAChapterPerClip)
{
    if (!haveFfmpeg())
        GTEST_SKIP() << "ffprobe is not installed";
    const std::string mp3 = source(false);
    const std::vector<OutputPiece> pieces = {cut(mp3, "Intro", 1152 * 4, 1152 * 20),
                                             cut(mp3, "Zweiter Teil", 1152 * 30 + 317, 1152 * 50),
                                             cut(mp3, "Ende", 1152 * 60 + 700, 1152 * 70)};
    for (const bool copy : {true, false}) {
        SCOPED_TRACE(copy ? "copied" : "encoded");
        const QString out = QString::fromStdString(dir.file("chapters.mp3"));
        QFile::remove(out);
        OutputRequest request{pieces, true, out, Format::Mp3, copy, 128};
        request.chapters = true;
        std::optional<OutputDone> done;
        ASSERT_TRUE(write(request, &done));
        EXPECT_EQ(done->copied, copy);
        if (copy) {
            ASSERT_EQ(done->copiedOverlaps.size(), 2u);
            EXPECT_GT(done->copiedOverlaps[0] + done->copiedOverlaps[1], 0) << "the joints are off the frame grid";
        }
        const std::vector<tags::Chapter> planned = JoinChapters(pieces, JoinTimelineOf(*done));
        ASSERT_EQ(planned.size(), 3u);
        const std::optional<std::string> listed =
            ffprobe({"-show_entries", "chapter=start_time,end_time:chapter_tags=title", "-of", "csv=p=0",
                     out.toStdString()});
        ASSERT_TRUE(listed);
        std::istringstream lines(*listed);
        std::string line;
        size_t i = 0;
        for (; std::getline(lines, line) && i < planned.size(); ++i) {
            double start = 0, end = 0;
            char title[64] = {};
            ASSERT_EQ(std::sscanf(line.c_str(), "%lf,%lf,%63[^\n]", &start, &end, title), 3) << line;
            EXPECT_EQ(std::string(title), planned[i].title);
            EXPECT_NEAR(start * 1000, planned[i].startMs, 0.5) << line;
            EXPECT_NEAR(end * 1000, planned[i].endMs, 0.5) << line;
        }
        EXPECT_EQ(i, planned.size());
        // The chapters hold the sound as it came out, copied or encoded.
        const double soundMs = double(decodeSamples(out.toStdString()).size()) / 2 / 44.1;
        EXPECT_NEAR(soundMs, planned.back().endMs, 0.5);
    }
}

} // namespace
