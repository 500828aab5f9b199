// Tags read from the formats the program opens, and the tags it writes: an ID3v2.4 tag that
// keeps what describes the sound, drops what describes the source's own length and
// timeline, takes the user's fields and carries ordered chapters; the RIFF INFO chunk a WAV
// gets, appended so that the file stays whole.

#include "platform/tags/tags.h"
#include "platform/wav/wav.h"
#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <taglib/attachedpictureframe.h>
#include <taglib/chapterframe.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/privateframe.h>
#include <taglib/tableofcontentsframe.h>
#include <taglib/tbytevectorstream.h>
#include <taglib/textidentificationframe.h>
#include <taglib/unsynchronizedlyricsframe.h>
#include <taglib/vorbisfile.h>
#include <taglib/xiphcomment.h>

#include <memory>

namespace trevisto::test {
namespace {

const std::vector<unsigned char> kCover = {0x89, 'P', 'N', 'G', 1, 2, 3, 4, 5};

TagLib::ByteVector coverBytes() { return TagLib::ByteVector(reinterpret_cast<const char *>(kCover.data()), kCover.size()); }

class Tags : public ::testing::Test {
protected:
    std::string path(const char *name) const { return dir_.filePath(name).toStdString(); }

    // An MP3 whose ID3v2 tag holds the usual fields, a cover, lyrics, a stale length, a
    // chapter of its own and a frame only its maker reads.
    std::string taggedMp3()
    {
        const std::string file = path("tagged.mp3");
        writeMp3(file, makeTone(44100, 2, 1.0, 440));
        TagLib::MPEG::File mp3(file.c_str());
        TagLib::ID3v2::Tag *tag = mp3.ID3v2Tag(true);
        tag->setTitle(TagLib::String("Nachtstück", TagLib::String::UTF8));
        tag->setArtist("Ensemble");
        tag->setAlbum("Live");
        tag->setGenre("Classical");
        tag->setComment("recorded at home");
        tag->setYear(2019);
        auto *length = new TagLib::ID3v2::TextIdentificationFrame("TLEN");
        length->setText("99840");
        tag->addFrame(length);
        auto *cover = new TagLib::ID3v2::AttachedPictureFrame;
        cover->setMimeType("image/png");
        cover->setType(TagLib::ID3v2::AttachedPictureFrame::FrontCover);
        cover->setPicture(coverBytes());
        tag->addFrame(cover);
        auto *lyrics = new TagLib::ID3v2::UnsynchronizedLyricsFrame;
        lyrics->setText("la la");
        tag->addFrame(lyrics);
        auto *maker = new TagLib::ID3v2::PrivateFrame;
        maker->setOwner("org.example");
        maker->setData("xyz");
        tag->addFrame(maker);
        tag->addFrame(new TagLib::ID3v2::ChapterFrame("old", 0, 99840, 0xFFFFFFFF, 0xFFFFFFFF));
        EXPECT_TRUE(mp3.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers, TagLib::ID3v2::v3));
        return file;
    }

    QTemporaryDir dir_;
};

// A rendered tag read back as a file's tag would be.
struct ReadBack {
    explicit ReadBack(const std::vector<unsigned char> &bytes)
        : data(reinterpret_cast<const char *>(bytes.data()), unsigned(bytes.size())), stream(data),
          file(&stream, TagLib::ID3v2::FrameFactory::instance(), false)
    {
    }
    TagLib::ID3v2::Tag *tag() { return file.ID3v2Tag(false); }
    size_t count(const char *id) { return tag() ? tag()->frameList(id).size() : 0; }

    TagLib::ByteVector data;
    TagLib::ByteVectorStream stream;
    TagLib::MPEG::File file;
};

TEST_F(Tags, ReadFromEveryFormatThatCarriesThem)
{
    const std::string mp3 = taggedMp3();
    const std::string flac = path("tagged.flac");
    writeFlac(flac, makeTone(44100, 2, 0.5, 440));
    {
        TagLib::FLAC::File f(flac.c_str());
        f.xiphComment(true)->setTitle("Flac title");
        f.xiphComment(true)->addField("DATE", "2001-02-03");
        auto *picture = new TagLib::FLAC::Picture;
        picture->setMimeType("image/png");
        picture->setType(TagLib::FLAC::Picture::FrontCover);
        picture->setData(coverBytes());
        f.addPicture(picture);
        ASSERT_TRUE(f.save());
    }
    const std::string ogg = path("tagged.ogg");
    writeOgg(ogg, makeTone(44100, 1, 0.5, 440));
    {
        TagLib::Ogg::Vorbis::File f(ogg.c_str());
        f.tag()->setArtist("Ogg artist");
        ASSERT_TRUE(f.save());
    }
    const std::string plain = path("plain.mp3");
    writeMp3(plain, makeTone(44100, 1, 0.5, 440));
    const std::string text = path("notes.txt");
    writeBytes(text, {'h', 'i'});

    const struct {
        std::string file;
        tags::Fields fields;
        size_t pictures;
        std::string lyrics;
    } rows[] = {
        {mp3, {"Nachtstück", "Ensemble", "Live", "2019", "Classical", "recorded at home"}, 1, "la la"},
        {flac, {"Flac title", "", "", "2001-02-03", "", ""}, 1, ""},
        {ogg, {"", "Ogg artist", "", "", "", ""}, 0, ""},
        {plain, {}, 0, ""},
        {text, {}, 0, ""},
        {path("missing.mp3"), {}, 0, ""},
    };
    for (const auto &row : rows) {
        const tags::SoundTags read = tags::readTags(row.file);
        EXPECT_EQ(read.fields, row.fields) << row.file;
        ASSERT_EQ(read.pictures.size(), row.pictures) << row.file;
        if (row.pictures) {
            EXPECT_EQ(read.pictures.front().data, kCover) << row.file;
        }
        EXPECT_EQ(read.lyrics, row.lyrics) << row.file;
    }
}

TEST_F(Tags, WhatANewMp3KeepsOfItsSource)
{
    const std::string source = taggedMp3();
    const tags::Fields typed{"New title", "", "Album 2", "2024", "", ""};
    const struct {
        const char *what;
        tags::Keep keep;
        const tags::Fields *edits;
        const char *title;
        size_t priv; // the maker's own frame
        bool album;
    } rows[] = {
        {"copied", tags::Keep::AllFrames, nullptr, "Nachtstück", 1, true},
        {"encoded", tags::Keep::Essentials, nullptr, "Nachtstück", 0, true},
        {"copied, typed", tags::Keep::AllFrames, &typed, "New title", 1, true},
        {"encoded, typed", tags::Keep::Essentials, &typed, "New title", 0, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        tags::TagRequest request;
        request.source = source;
        request.keep = row.keep;
        request.edits = row.edits;
        ReadBack back(tags::renderId3(request));
        ASSERT_NE(back.tag(), nullptr);
        EXPECT_EQ(back.tag()->header()->majorVersion(), 4u);
        EXPECT_EQ(back.tag()->title().to8Bit(true), row.title);
        EXPECT_EQ(back.count("TLEN"), 0u) << "a length of the source's is no length of this file";
        EXPECT_EQ(back.count("CHAP"), 0u);
        EXPECT_EQ(back.count("APIC"), 1u);
        EXPECT_EQ(back.count("USLT"), 1u);
        EXPECT_EQ(back.count("PRIV"), row.priv);
        if (row.edits) {
            EXPECT_EQ(back.tag()->artist().to8Bit(true), "") << "a field left empty is left out";
            EXPECT_EQ(back.tag()->album().to8Bit(true), "Album 2");
            EXPECT_EQ(back.tag()->year(), 2024u);
        } else {
            EXPECT_EQ(back.tag()->artist().to8Bit(true), "Ensemble");
            EXPECT_EQ(back.tag()->year(), 2019u);
        }
    }
}

TEST_F(Tags, NothingToCarryGivesNoTag)
{
    const std::string plain = path("plain.mp3");
    writeMp3(plain, makeTone(44100, 1, 0.5, 440));
    for (const tags::Keep keep : {tags::Keep::AllFrames, tags::Keep::Essentials}) {
        EXPECT_TRUE(tags::renderId3({plain, keep, nullptr, {}}).empty());
        EXPECT_TRUE(tags::renderId3({"", keep, nullptr, {}}).empty());
    }
    const tags::Fields none;
    EXPECT_TRUE(tags::renderId3({"", tags::Keep::Essentials, &none, {}}).empty());
}

TEST_F(Tags, ChaptersComeInOrderUnderOneTopLevelTable)
{
    const std::string source = taggedMp3();
    const std::vector<tags::Chapter> chapters = {{"Intro", 0, 1500}, {"Zweiter Teil", 1500, 61234}, {"End", 61234, 70000}};
    for (const std::string &from : {std::string(), source}) {
        ReadBack back(tags::renderId3({from, tags::Keep::AllFrames, nullptr, chapters}));
        ASSERT_NE(back.tag(), nullptr);
        const TagLib::ID3v2::FrameList tocs = back.tag()->frameList("CTOC");
        ASSERT_EQ(tocs.size(), 1u) << "the source's own chapters go";
        auto *toc = dynamic_cast<TagLib::ID3v2::TableOfContentsFrame *>(tocs.front());
        ASSERT_NE(toc, nullptr);
        EXPECT_TRUE(toc->isTopLevel());
        EXPECT_TRUE(toc->isOrdered());
        const TagLib::ByteVectorList children = toc->childElements();
        ASSERT_EQ(children.size(), chapters.size());
        for (size_t i = 0; i < chapters.size(); ++i) {
            auto *chap = dynamic_cast<TagLib::ID3v2::ChapterFrame *>(
                TagLib::ID3v2::ChapterFrame::findByElementID(back.tag(), children[unsigned(i)]));
            ASSERT_NE(chap, nullptr) << i;
            EXPECT_EQ(chap->startTime(), chapters[i].startMs);
            EXPECT_EQ(chap->endTime(), chapters[i].endMs);
            const TagLib::ID3v2::FrameList titles = chap->embeddedFrameList("TIT2");
            ASSERT_EQ(titles.size(), 1u);
            EXPECT_EQ(titles.front()->toString().to8Bit(true), chapters[i].title);
        }
    }
}

// Walks the chunks of a RIFF file: each id with its size, as a reader that trusts the
// sizes sees them.
std::vector<std::pair<std::string, uint32_t>> chunksOf(const std::vector<uint8_t> &file)
{
    std::vector<std::pair<std::string, uint32_t>> chunks;
    auto get32 = [&file](size_t at) {
        return uint32_t(file[at]) | uint32_t(file[at + 1]) << 8 | uint32_t(file[at + 2]) << 16 |
               uint32_t(file[at + 3]) << 24;
    };
    const size_t end = std::min<size_t>(file.size(), size_t(get32(4)) + 8);
    for (size_t at = 12; at + 8 <= end;) {
        const uint32_t size = get32(at + 4);
        chunks.emplace_back(std::string(file.begin() + long(at), file.begin() + long(at) + 4), size);
        at += 8 + size + size % 2;
    }
    return chunks;
}

TEST_F(Tags, AWavKeepsItsSoundAndGainsTheInfoChunk)
{
    const tags::Fields fields{"Title", "Artist", "", "2020", "", "odd"};
    const std::vector<unsigned char> info = tags::wavInfoChunk(fields);
    ASSERT_FALSE(info.empty());
    EXPECT_TRUE(tags::wavInfoChunk({}).empty());
    for (const int frames : {1000, 1001}) { // an 8-bit mono sound of odd size needs a pad byte
        SCOPED_TRACE(frames);
        const std::string file = path("info.wav");
        std::vector<uint8_t> sound(static_cast<size_t>(frames));
        for (size_t i = 0; i < sound.size(); ++i)
            sound[i] = uint8_t(i * 7);
        writeWav(file, 8000, 1, 8, sound);
        ASSERT_EQ(wav::appendChunk(file, info), wav::WriteError::None);
        const std::vector<uint8_t> bytes = readBytes(file);
        const std::vector<std::pair<std::string, uint32_t>> expected = {
            {"fmt ", 16}, {"data", uint32_t(frames)}, {"LIST", uint32_t(info.size() - 8)}};
        EXPECT_EQ(chunksOf(bytes), expected);
        EXPECT_EQ(bytes.size() % 2, 0u);
        wav::Info read;
        ASSERT_EQ(wav::readInfo(file, read), wav::ReadError::None);
        EXPECT_EQ(read.frames, frames);
        EXPECT_TRUE(std::equal(sound.begin(), sound.end(), bytes.begin() + read.dataOffset));
        const tags::SoundTags back = tags::readTags(file);
        EXPECT_EQ(back.fields.title, "Title");
        EXPECT_EQ(back.fields.artist, "Artist");
        EXPECT_EQ(back.fields.comment, "odd");
    }
}

TEST_F(Tags, AnRf64FileIsLeftAsItIs)
{
    const std::string file = path("long.wav");
    std::vector<uint8_t> bytes = readBytes((writeWav(file, 8000, 1, 8, std::vector<uint8_t>(10)), file));
    std::copy_n("RF64", 4, bytes.begin());
    writeBytes(file, bytes);
    EXPECT_EQ(wav::appendChunk(file, tags::wavInfoChunk({"T", "", "", "", "", ""})), wav::WriteError::TooLarge);
    EXPECT_EQ(readBytes(file), bytes);
}

} // namespace
} // namespace trevisto::test
