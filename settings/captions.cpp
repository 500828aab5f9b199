#include "settings/captions.h"

#include "settings/mnemonics.h"

#include <QCoreApplication>
#include <QMap>

namespace trevisto {

namespace {

using enum CaptionPart;

constexpr TextEntry caption(int index) { return {TextTable::Captions, index}; }
// Menu entry 2 is the word "Open" of the Open menu and its items.
constexpr TextEntry OpenMenu{TextTable::Menus, 2};

constexpr Caption Captions[] = {
    {"Exit1", Text, caption(55)},
    {"cmdwav", Text, OpenMenu, "(wav)"},
    {"Open1", Text, OpenMenu, "(mp3)"},
    {"ogg", Text, OpenMenu, "(ogg)"},
    {"aiff", Text, OpenMenu, "(aiff)"},
    {"cue", Text, OpenMenu, "(cue)"},
    {"TracksFindPauses", Text, std::nullopt, QT_TRANSLATE_NOOP("Captions", "Find pauses..."), 0, 0, true},
    {"TracksSplitEvery", Text, std::nullopt, QT_TRANSLATE_NOOP("Captions", "Split every N minutes..."), 0, 0, true},
    {"TracksAddPoint", Text, std::nullopt, QT_TRANSLATE_NOOP("Captions", "Add split point"), 0, 0, true},
    {"TracksRemovePoint", Text, std::nullopt, QT_TRANSLATE_NOOP("Captions", "Remove split point"), 0, 0, true},
    {"TracksClearPoints", Text, std::nullopt, QT_TRANSLATE_NOOP("Captions", "Clear split points"), 0, 0, true},
    {"TracksAddClips", Text, std::nullopt, QT_TRANSLATE_NOOP("Captions", "Add tracks as clips..."), 0, 0, true},
    {"TracksCueBesideJoins", Text, std::nullopt, QT_TRANSLATE_NOOP("Captions", "Write a cue sheet beside each join"), 0, 0,
     true},
    {"OptionAskTags", Text, std::nullopt, QT_TRANSLATE_NOOP("Captions", "Ask for tags when saving"), 0, 0, true},
    {"OptionAskTags", ToolTip, std::nullopt,
     QT_TRANSLATE_NOOP("Captions", "Before a file is saved or joined, show the title, artist and other tags it will "
                                   "carry, to change them"),
     0, 0, true},
    {"JoinOptions", Text, std::nullopt, QT_TRANSLATE_NOOP("Captions", "&Join options..."), 0, 0, true},
    {"JoinOptions", ToolTip, std::nullopt, QT_TRANSLATE_NOOP("Captions", "Loudness, crossfades and fades for every join"),
     0, 0, true},
    {"HearJoint", Text, std::nullopt, QT_TRANSLATE_NOOP("Captions", "&Hear the joint"), 0, 0, true},
    {"HearJoint", ToolTip, std::nullopt,
     QT_TRANSLATE_NOOP("Captions", "Plays the two seconds around the selected clip's joint with the next one, as the "
                                   "join will make them (Ctrl+J)"),
     0, 0, true},
    {"english", Text, caption(78)},
    {"french", Text, caption(79)},
    {"german", Text, caption(80)},
    {"italian", Text, caption(81)},
    {"spanish", Text, caption(82)},
    {"tchinese", Text, caption(83)},
    {"schinese", Text, caption(425)},
    {"russian", Text, caption(453)},
    {"about", Text, caption(87)},

    {"CmdSetin", Text, caption(292)},
    {"CmdSetin", ToolTip, caption(292)},
    {"CmdOut", Text, caption(293)},
    {"CmdOut", ToolTip, caption(293)},
    {"CmdPlay", ToolTip, caption(162)},
    {"CmdPlayTemp", ToolTip, caption(162)},
    {"CmdPause", ToolTip, caption(163)},
    {"CmdStop", ToolTip, caption(164)},
    {"CmdStopTemp", ToolTip, caption(164)},
    {"CmdStep", ToolTip, std::nullopt, "->"},
    {"CmdBack", ToolTip, std::nullopt, "<-"},
    {"CmdSetNew", ToolTip, caption(263)},
    {"Command3", ToolTip, caption(266), " wav"},
    {"Command2", ToolTip, caption(266), " wav"},
    {"CmdSaveas", ToolTip, caption(266), " MP3"},
    {"CmdCreate", ToolTip, caption(266), " MP3"},
    {"CmdaddList", ToolTip, caption(413)},
    {"Command4", ToolTip, caption(265)},
    {"Command5", ToolTip, caption(265)},

    // Every menu opens with Alt and a letter, in every language.
    {"File", Title, caption(53), "", 1, u'F'},
    {"Edit", Title, std::nullopt, QT_TRANSLATE_NOOP("Captions", "Edit"), 1, u'E', true},
    {"Fopen", Title, OpenMenu, "", 1, u'O'},
    {"Tracks", Title, std::nullopt, QT_TRANSLATE_NOOP("Captions", "Tracks"), 1, u'T', true},
    {"opt1", Title, caption(76), "", 1, u'P'},
    {"help", Title, caption(84), "", 1, u'H'},
    {"language", Title, caption(77), "", 2, u'L'},
};

const QStringList &tableOf(const LanguageTables &tables, TextTable table)
{
    switch (table) {
    case TextTable::Prompts: return tables.prompts;
    case TextTable::Messages: return tables.messages;
    case TextTable::Captions: return tables.captions;
    case TextTable::Menus: break;
    }
    return tables.menus;
}

} // namespace

std::span<const Caption> windowCaptions()
{
    return Captions;
}

const char *captionProperty(CaptionPart part)
{
    switch (part) {
    case Text: return "text";
    case ToolTip: return "toolTip";
    case Title: break;
    }
    return "title";
}

QString tableText(const LanguageTables &tables, TextEntry entry)
{
    return tableOf(tables, entry.table).value(entry.index);
}

QString packText(const LanguageTables &tables, const PackMessage &message)
{
    const QStringList &table = tableOf(tables, message.entry.table);
    const int i = message.entry.index;
    return i >= 0 && i < table.size() ? table.at(i) : QString::fromUtf8(message.fallback);
}

QString captionText(const LanguageTables &tables, const Caption &caption)
{
    if (caption.ownWord)
        return QCoreApplication::translate("Captions", caption.suffix);
    return (caption.entry ? tableText(tables, *caption.entry) : QString()) + QLatin1String(caption.suffix);
}

QStringList captionTexts(const LanguageTables &tables)
{
    QStringList texts;
    // Where each bar's titles stand in `texts`, for marking them together at the end.
    QMap<int, QList<qsizetype>> bars;
    for (const Caption &c : Captions) {
        if (c.bar != 0)
            bars[c.bar].append(texts.size());
        texts.append(captionText(tables, c));
    }
    for (const QList<qsizetype> &places : std::as_const(bars)) {
        QList<MenuCaption> titles;
        for (const qsizetype at : places)
            titles.append({texts.at(at), QChar(Captions[at].altLetter)});
        const QStringList marked = MarkMnemonics(titles);
        for (qsizetype i = 0; i < places.size(); ++i)
            texts[places[i]] = marked[i];
    }
    return texts;
}

} // namespace trevisto
