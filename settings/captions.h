#pragma once
// The texts the window takes from a language pack: which control shows which entry, and
// the entries its messages use. A pack is taken only when it holds every entry named
// here (programNeeds), so nothing here can come out empty.

#include "settings/language_file.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

namespace trevisto {

// The four tables of a language pack.
enum class TextTable { Prompts, Messages, Captions, Menus };

struct TextEntry {
    TextTable table;
    int index;
};

// A message from the pack, with the words shown while no pack is loaded.
struct PackMessage {
    TextEntry entry;
    const char *fallback;
};

inline constexpr PackMessage DeleteAllClipsQuestion{{TextTable::Prompts, 0}, "Do you want to delete all the clips?"};
inline constexpr PackMessage SelectAClipFirst{{TextTable::Messages, 19}, "Please select a clip first."};
inline constexpr PackMessage MarkInBeforeMarkOut{{TextTable::Messages, 40}, "Mark In must be before Mark out."};
inline constexpr PackMessage PackMessages[] = {DeleteAllClipsQuestion, SelectAClipFirst, MarkInBeforeMarkOut};

// Which property of a control a caption sets.
enum class CaptionPart { Text, ToolTip, Title };

// One text of one control: the entry followed by `suffix`, or `suffix` alone where there is
// no entry; for a menu the packs do not know, `suffix` is the program's own word, in the
// language of its messages. Menu titles with a `bar` get an Alt letter; the titles of one
// bar are marked together, so no two share a letter, and `altLetter` goes to one without a
// letter of its own (see MarkMnemonics).
struct Caption {
    const char *control; // the object name in the form
    CaptionPart part;
    std::optional<TextEntry> entry;
    const char *suffix = "";
    int bar = 0; // 0: no Alt letter
    char16_t altLetter = 0;
    bool ownWord = false; // `suffix` is translated (context "Captions")
};

// The text a caption gives from `tables`, before any Alt letter is marked.
QString captionText(const LanguageTables &tables, const Caption &caption);

// Every text a language pack sets in the window, in the order they are set.
std::span<const Caption> windowCaptions();

// The property name of `part` ("text", "toolTip", "title").
const char *captionProperty(CaptionPart part);

// Entry `entry` of `tables`; empty where the table is too short.
QString tableText(const LanguageTables &tables, TextEntry entry);

// The message's entry in `tables`, or its fallback where the table is too short.
QString packText(const LanguageTables &tables, const PackMessage &message);

// The text of each of windowCaptions() from `tables`, in the same order, menu titles with
// their Alt letters marked.
QStringList captionTexts(const LanguageTables &tables);

} // namespace trevisto
