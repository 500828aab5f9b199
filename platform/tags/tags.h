#pragma once
// What a sound file says of itself (title, artist, album, date, genre, comment, pictures,
// lyrics), read from any format the tag library knows, and the ID3v2.4 tag an MP3 the
// program writes carries in front of its frames: the source's, made true for the new file,
// with a chapter for each clip of a join.
//
// A tag is rendered into memory and handed to the writer as the file's first bytes, so a
// tagged file is put in place as whole as an untagged one.

#include <cstdint>
#include <string>
#include <vector>

namespace trevisto::tags {

// Texts are UTF-8; an empty one is absent.
struct Fields {
    std::string title, artist, album, date, genre, comment;
    bool empty() const;
    bool operator==(const Fields &) const = default;
};

struct Picture {
    std::string mime;        // "image/jpeg"
    int type = 3;            // ID3v2's picture type: 3 is the front cover
    std::string description;
    std::vector<unsigned char> data;
    bool operator==(const Picture &) const = default;
};

struct SoundTags {
    Fields fields;
    std::vector<Picture> pictures;
    std::string lyrics;
    bool empty() const { return fields.empty() && pictures.empty() && lyrics.empty(); }
};

// What the file at `path` carries; empty when it carries nothing, cannot be read, or is
// of a kind the tag library does not know. Pictures past kMostPictureBytes in all are left.
SoundTags readTags(const std::string &path);
inline constexpr size_t kMostPictureBytes = 16u << 20;

struct Chapter {
    std::string title;
    uint32_t startMs = 0, endMs = 0;
};

// How much of the source's tag a new MP3 keeps.
enum class Keep {
    // Every frame of the source's ID3v2 tag but those that describe the source's own
    // length and timeline (TLEN, CHAP, CTOC): for frames copied as they are.
    AllFrames,
    // The fields, pictures and lyrics, from a source of any format: for a sound encoded
    // again, which the source's technical frames (gapless and gain notes, seek tables)
    // would describe wrongly.
    Essentials,
};

struct TagRequest {
    std::string source; // the file whose tag is taken; empty for none
    Keep keep = Keep::Essentials;
    const Fields *edits = nullptr; // typed by the user: these replace the source's fields
    std::vector<Chapter> chapters; // one ordered, top-level table of them when not empty
};

// The ID3v2.4 tag for `request`, whole (header and padding included); empty when it would
// carry nothing, so an untagged source gives an untagged file.
std::vector<unsigned char> renderId3(const TagRequest &request);

// The fields of `tags` as the "LIST"/"INFO" items of a WAVE file; empty without any.
std::vector<unsigned char> wavInfoChunk(const Fields &fields);

} // namespace trevisto::tags
