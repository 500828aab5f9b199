#include "platform/tags/tags.h"

#include <taglib/aifffile.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/chapterframe.h>
#include <taglib/commentsframe.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/opusfile.h>
#include <taglib/tableofcontentsframe.h>
#include <taglib/textidentificationframe.h>
#include <taglib/tpropertymap.h>
#include <taglib/unsynchronizedlyricsframe.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>
#include <taglib/xiphcomment.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace trevisto::tags {

namespace {

std::string utf8(const TagLib::String &text) { return text.to8Bit(true); }

TagLib::String fromUtf8(const std::string &text) { return TagLib::String(text, TagLib::String::UTF8); }

std::vector<unsigned char> bytesOf(const TagLib::ByteVector &data)
{
    return std::vector<unsigned char>(data.begin(), data.end());
}

TagLib::ByteVector byteVector(const std::vector<unsigned char> &data)
{
    return TagLib::ByteVector(reinterpret_cast<const char *>(data.data()), unsigned(data.size()));
}

// The first value of a property, the way the tag library names it for every format.
std::string property(const TagLib::PropertyMap &map, const char *key)
{
    const auto it = map.find(key);
    return it == map.end() || it->second.isEmpty() ? std::string() : utf8(it->second.front());
}

class PictureTaker {
public:
    explicit PictureTaker(std::vector<Picture> &into) : into_(into) {}
    void take(std::string mime, int type, std::string description, const TagLib::ByteVector &data)
    {
        if (data.isEmpty() || bytes_ + data.size() > kMostPictureBytes)
            return;
        bytes_ += data.size();
        into_.push_back({std::move(mime), type, std::move(description), bytesOf(data)});
    }
    void takeId3(TagLib::ID3v2::Tag *tag)
    {
        if (!tag)
            return;
        for (TagLib::ID3v2::Frame *frame : tag->frameList("APIC"))
            if (auto *apic = dynamic_cast<TagLib::ID3v2::AttachedPictureFrame *>(frame))
                take(utf8(apic->mimeType()), int(apic->type()), utf8(apic->description()), apic->picture());
    }
    void takeFlac(const TagLib::List<TagLib::FLAC::Picture *> &pictures)
    {
        for (const TagLib::FLAC::Picture *p : pictures)
            take(utf8(p->mimeType()), int(p->type()), utf8(p->description()), p->data());
    }

private:
    std::vector<Picture> &into_;
    size_t bytes_ = 0;
};

std::string id3Lyrics(TagLib::ID3v2::Tag *tag)
{
    if (!tag)
        return {};
    for (TagLib::ID3v2::Frame *frame : tag->frameList("USLT"))
        if (auto *uslt = dynamic_cast<TagLib::ID3v2::UnsynchronizedLyricsFrame *>(frame))
            return utf8(uslt->text());
    return {};
}

void setText(TagLib::ID3v2::Tag &tag, const char *id, const std::string &text)
{
    tag.removeFrames(id);
    if (text.empty())
        return;
    auto *frame = new TagLib::ID3v2::TextIdentificationFrame(id, TagLib::String::UTF8);
    frame->setText(fromUtf8(text));
    tag.addFrame(frame);
}

void setComment(TagLib::ID3v2::Tag &tag, const std::string &text)
{
    tag.removeFrames("COMM");
    if (text.empty())
        return;
    auto *frame = new TagLib::ID3v2::CommentsFrame(TagLib::String::UTF8);
    frame->setLanguage("XXX");
    frame->setText(fromUtf8(text));
    tag.addFrame(frame);
}

void setFields(TagLib::ID3v2::Tag &tag, const Fields &fields)
{
    setText(tag, "TIT2", fields.title);
    setText(tag, "TPE1", fields.artist);
    setText(tag, "TALB", fields.album);
    tag.removeFrames("TYER"); // of version 2.3; 2.4 keeps the date in TDRC
    setText(tag, "TDRC", fields.date);
    setText(tag, "TCON", fields.genre);
    setComment(tag, fields.comment);
}

void addEssentials(TagLib::ID3v2::Tag &tag, const SoundTags &from)
{
    setFields(tag, from.fields);
    for (const Picture &p : from.pictures) {
        auto *frame = new TagLib::ID3v2::AttachedPictureFrame;
        frame->setTextEncoding(TagLib::String::UTF8);
        frame->setMimeType(fromUtf8(p.mime));
        frame->setType(TagLib::ID3v2::AttachedPictureFrame::Type(p.type));
        frame->setDescription(fromUtf8(p.description));
        frame->setPicture(byteVector(p.data));
        tag.addFrame(frame);
    }
    if (!from.lyrics.empty()) {
        auto *frame = new TagLib::ID3v2::UnsynchronizedLyricsFrame(TagLib::String::UTF8);
        frame->setLanguage("XXX");
        frame->setText(fromUtf8(from.lyrics));
        tag.addFrame(frame);
    }
}

void addChapters(TagLib::ID3v2::Tag &tag, const std::vector<Chapter> &chapters)
{
    if (chapters.empty())
        return;
    constexpr unsigned NoOffset = 0xFFFFFFFFu; // the chapter is placed by its times alone
    TagLib::ByteVectorList ids;
    for (size_t i = 0; i < chapters.size(); ++i) {
        const std::string name = "chp" + std::to_string(i);
        const TagLib::ByteVector id(name.data(), unsigned(name.size()));
        ids.append(id);
        auto *title = new TagLib::ID3v2::TextIdentificationFrame("TIT2", TagLib::String::UTF8);
        title->setText(fromUtf8(chapters[i].title));
        TagLib::ID3v2::FrameList embedded;
        embedded.append(title);
        tag.addFrame(new TagLib::ID3v2::ChapterFrame(id, chapters[i].startMs, chapters[i].endMs, NoOffset, NoOffset,
                                                     embedded));
    }
    auto *toc = new TagLib::ID3v2::TableOfContentsFrame("toc", ids);
    toc->setIsTopLevel(true);
    toc->setIsOrdered(true);
    tag.addFrame(toc);
}

std::vector<unsigned char> rendered(const TagLib::ID3v2::Tag &tag)
{
    if (tag.frameList().isEmpty())
        return {};
    return bytesOf(tag.render(TagLib::ID3v2::v4));
}

} // namespace

bool Fields::empty() const
{
    return title.empty() && artist.empty() && album.empty() && date.empty() && genre.empty() && comment.empty();
}

SoundTags readTags(const std::string &path)
{
    SoundTags tags;
    TagLib::FileRef ref(path.c_str(), false);
    if (ref.isNull())
        return tags;
    TagLib::File *file = ref.file();
    const TagLib::PropertyMap map = file->properties();
    tags.fields = {property(map, "TITLE"), property(map, "ARTIST"), property(map, "ALBUM"),
                   property(map, "DATE"),  property(map, "GENRE"),  property(map, "COMMENT")};
    tags.lyrics = property(map, "LYRICS");

    PictureTaker pictures(tags.pictures);
    if (auto *mpeg = dynamic_cast<TagLib::MPEG::File *>(file)) {
        pictures.takeId3(mpeg->ID3v2Tag());
        if (tags.lyrics.empty())
            tags.lyrics = id3Lyrics(mpeg->ID3v2Tag());
    } else if (auto *flac = dynamic_cast<TagLib::FLAC::File *>(file)) {
        pictures.takeFlac(flac->pictureList());
    } else if (auto *vorbis = dynamic_cast<TagLib::Ogg::Vorbis::File *>(file)) {
        if (vorbis->tag())
            pictures.takeFlac(vorbis->tag()->pictureList());
    } else if (auto *opus = dynamic_cast<TagLib::Ogg::Opus::File *>(file)) {
        if (opus->tag())
            pictures.takeFlac(opus->tag()->pictureList());
    } else if (auto *mp4 = dynamic_cast<TagLib::MP4::File *>(file)) {
        if (mp4->tag() && mp4->tag()->contains("covr"))
            for (const TagLib::MP4::CoverArt &art : mp4->tag()->item("covr").toCoverArtList())
                pictures.take(art.format() == TagLib::MP4::CoverArt::PNG ? "image/png" : "image/jpeg", 3, {},
                              art.data());
    } else if (auto *aiff = dynamic_cast<TagLib::RIFF::AIFF::File *>(file)) {
        pictures.takeId3(aiff->tag());
    } else if (auto *wave = dynamic_cast<TagLib::RIFF::WAV::File *>(file)) {
        if (wave->hasID3v2Tag())
            pictures.takeId3(wave->ID3v2Tag());
    }
    return tags;
}

std::vector<unsigned char> renderId3(const TagRequest &request)
{
    if (request.keep == Keep::AllFrames && !request.source.empty()) {
        // The source's own tag, parsed in memory and never saved back.
        TagLib::MPEG::File source(request.source.c_str(), false);
        TagLib::ID3v2::Tag *tag = source.isValid() ? source.ID3v2Tag(false) : nullptr;
        if (tag && !tag->frameList().isEmpty()) {
            for (const char *stale : {"TLEN", "CHAP", "CTOC"})
                tag->removeFrames(stale);
            if (request.edits)
                setFields(*tag, *request.edits);
            addChapters(*tag, request.chapters);
            return rendered(*tag);
        }
    }
    SoundTags from = request.source.empty() ? SoundTags{} : readTags(request.source);
    if (request.edits)
        from.fields = *request.edits;
    TagLib::ID3v2::Tag tag;
    addEssentials(tag, from);
    addChapters(tag, request.chapters);
    return rendered(tag);
}

std::vector<unsigned char> wavInfoChunk(const Fields &fields)
{
    const std::pair<const char *, const std::string *> items[] = {
        {"INAM", &fields.title}, {"IART", &fields.artist}, {"IPRD", &fields.album},
        {"ICRD", &fields.date},  {"IGNR", &fields.genre},  {"ICMT", &fields.comment},
    };
    std::vector<unsigned char> body = {'I', 'N', 'F', 'O'};
    auto put32 = [](std::vector<unsigned char> &to, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            to.push_back(static_cast<unsigned char>(v >> (8 * i)));
    };
    for (const auto &[id, text] : items) {
        if (text->empty())
            continue;
        // Each text ends in a zero byte, and a chunk of odd size in a pad byte.
        const uint32_t size = uint32_t(std::min<size_t>(text->size(), 0xFFFF) + 1);
        body.insert(body.end(), id, id + 4);
        put32(body, size);
        body.insert(body.end(), text->begin(), text->begin() + (size - 1));
        body.push_back(0);
        if (size % 2)
            body.push_back(0);
    }
    if (body.size() == 4)
        return {};
    std::vector<unsigned char> chunk = {'L', 'I', 'S', 'T'};
    put32(chunk, uint32_t(body.size()));
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

} // namespace trevisto::tags
