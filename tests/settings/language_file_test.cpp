#include "settings/language_file.h"
#include "settings/captions.h"

#include "langsource.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QKeySequence>
#include <QMap>
#include <QSet>

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>

namespace {

const QString Nul(QChar(0));
const QString Section = QStringLiteral("..\\") + Nul;
const QString Group = QStringLiteral("\\\\") + Nul;

QString joined(const QStringList &entries)
{
    return entries.join(Nul);
}

TEST(LanguageSplitter, SeparatorsInsideEntriesMoveTheFollowingEntriesOn)
{
    // An entry ending in "\\" before its NUL ends the group there ...
    const QString text = "header" + Section + joined({"p0", "p1\\\\", "m0", "m1"}) + Group + "c0";
    auto s = splitLanguageText(text);
    ASSERT_EQ(s.size(), 2);
    ASSERT_EQ(s[1].size(), 3);
    EXPECT_EQ(s[1][0], QStringList({"p0", "p1"}));
    EXPECT_EQ(s[1][1], QStringList({"m0", "m1"}));
    EXPECT_EQ(s[1][2], QStringList({"c0"}));

    // ... and one ending in "..\" ends the section.
    s = splitLanguageText("header" + Section + joined({"a", "b..\\", "c"}));
    ASSERT_EQ(s.size(), 3);
    EXPECT_EQ(s[1][0], QStringList({"a", "b"}));
    EXPECT_EQ(s[2][0], QStringList({"c"}));

    // Only the exact separators count; everything else, line breaks and blanks included,
    // stays in the entry.
    s = splitLanguageText("h" + Section + joined({" a\\", "b\\\\x", "..\\c", "d\r\ne "}));
    EXPECT_EQ(s[1][0], QStringList({" a\\", "b\\\\x", "..\\c", "d\r\ne "}));

    // A trailing NUL only adds an empty last entry.
    s = splitLanguageText("h" + Section + joined({"a", "b"}) + Nul + Group + "x");
    EXPECT_EQ(s[1][0], QStringList({"a", "b", ""}));
    EXPECT_EQ(s[1][1], QStringList({"x"}));
}

TEST(LanguageSplitter, TablesNeedEverySectionGroupAndEntryTheProgramReads)
{
    const LanguageNeeds needs{0, 1, 2, 0};
    const QString good = "h" + Section + joined({"p"}) + Group + joined({"m0", "m1"}) + Group + joined({"c0", "c1", "c2"}) +
                         Section + "unused" + Group + "unused" + Group + "menu";
    const auto t = languageTables(good, needs);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->prompts, QStringList{"p"});
    EXPECT_EQ(t->messages, QStringList({"m0", "m1"}));
    EXPECT_EQ(t->captions, QStringList({"c0", "c1", "c2"}));
    EXPECT_EQ(t->menus, QStringList{"menu"});

    QString why;
    for (const QString &bad : {QString(), QString("no separators"), QString(good).replace("c1", "c1\\\\"),
                               QString(good).replace(Nul + "c2", ""), QString(good).replace(Section + "unused", ""),
                               QString(good).replace("unused" + Group + "menu", "menu")}) {
        why.clear();
        EXPECT_FALSE(languageTables(bad, needs, &why)) << bad.toStdString();
        EXPECT_FALSE(why.isEmpty());
    }
}

TEST(LanguageSplitter, DecodingKeepsEveryCharacterInItsPlace)
{
    const QByteArray body = QByteArray("h") + QByteArray("..\\\0", 4) + QByteArray("Stra\xc3\x9f" "e\0", 8);
    EXPECT_EQ(BytesToText(body, CP_UTF8), QString::fromUtf8("h..\\") + Nul + QString::fromUtf8("Straße") + Nul);

    // A byte-order mark lands in the header section and changes no entry.
    const QByteArray withBom = QByteArray("\xEF\xBB\xBF") + body;
    EXPECT_EQ(splitLanguageText(BytesToText(withBom, CP_UTF8)).mid(1), splitLanguageText(BytesToText(body, CP_UTF8)).mid(1));

    // Invalid and cut-off sequences become U+FFFD; nothing is lost around them.
    const QString damaged = BytesToText("a\xff" "b\xe4\xb8", CP_UTF8);
    EXPECT_TRUE(damaged.startsWith(QString("a") + QChar(0xFFFD) + "b")) << damaged.toStdString();
    EXPECT_TRUE(damaged.size() > 3 && damaged.mid(3).count(QChar(0xFFFD)) == damaged.size() - 3) << damaged.toStdString();
    EXPECT_EQ(BytesToText("", CP_UTF8), "");
    EXPECT_EQ(BytesToText("abc", 1252), "") << "only UTF-8 is known";
}

TEST(LanguageSplitter, CodesChooseTheirFilesExactly)
{
    const std::pair<const char *, const char *> cases[] = {
        {"en", "english"}, {"fra", "french"},  {"ger", "german"},  {"it", "italian"},  {"sch", "SimplifiedChinese"},
        {"tch", "TraditionalChinese"}, {"spa", "spanish"}, {"ru", "russian"}, {"", "english"}, {"GER", "english"},
        {"fr", "english"}, {"ger ", "english"},
    };
    for (const auto &[code, name] : cases)
        EXPECT_EQ(languageBaseName(code), name) << code;
}

// A pack whose tables hold `sizes` entries each ("p0", "m0", "c0", "n0", ...).
QString packWithSizes(const std::array<int, 4> &sizes)
{
    const char letters[] = "pmcn";
    QStringList tables[4];
    for (int t = 0; t < 4; ++t)
        for (int i = 0; i < sizes[t]; ++i)
            tables[t] << QString("%1%2").arg(letters[t]).arg(i);
    return "h" + Section + joined(tables[0]) + Group + joined(tables[1]) + Group + joined(tables[2]) + Section + "u" + Group +
           "u" + Group + joined(tables[3]);
}

int &neededIn(LanguageNeeds &needs, trevisto::TextTable table)
{
    using enum trevisto::TextTable;
    return table == Prompts ? needs.prompts : table == Messages ? needs.messages : table == Captions ? needs.captions : needs.menus;
}

// What a pack must hold comes from the caption table and the messages: exactly their
// highest entries, so a caption added without its entry in the packs refuses them.
TEST(CaptionTable, ThePacksMustHoldEveryEntryTheTableAndTheMessagesRead)
{
    LanguageNeeds needs = programNeeds();
    LanguageNeeds highest;
    auto use = [&](trevisto::TextEntry entry) {
        EXPECT_LE(entry.index, neededIn(needs, entry.table)) << int(entry.table) << " " << entry.index;
        neededIn(highest, entry.table) = std::max(neededIn(highest, entry.table), entry.index);
    };
    for (const trevisto::Caption &c : trevisto::windowCaptions())
        if (c.entry)
            use(*c.entry);
    for (const trevisto::PackMessage &m : trevisto::PackMessages)
        use(m.entry);
    EXPECT_EQ(needs.prompts, highest.prompts);
    EXPECT_EQ(needs.messages, highest.messages);
    EXPECT_EQ(needs.captions, highest.captions);
    EXPECT_EQ(needs.menus, highest.menus);
    EXPECT_EQ(needs.captions, 453) << "the Russian item";

    const std::array<int, 4> exact{needs.prompts + 1, needs.messages + 1, needs.captions + 1, needs.menus + 1};
    const auto tables = languageTables(packWithSizes(exact), needs);
    ASSERT_TRUE(tables);
    for (int t = 0; t < 4; ++t) {
        std::array<int, 4> shorter = exact;
        // A group always holds one entry, empty or not.
        if (--shorter[t] == 0)
            continue;
        EXPECT_FALSE(languageTables(packWithSizes(shorter), needs)) << "table " << t;
    }

    // Each caption is its entry and its suffix; the titles of one bar get letters of their own.
    const QStringList texts = trevisto::captionTexts(*tables);
    ASSERT_EQ(texts.size(), qsizetype(trevisto::windowCaptions().size()));
    QMap<int, QSet<QString>> letters;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const trevisto::Caption &c = trevisto::windowCaptions()[size_t(i)];
        SCOPED_TRACE(c.control);
        const QString expected = c.ownWord ? QString::fromLatin1(c.suffix)
                                           : (c.entry ? trevisto::tableText(*tables, *c.entry) : QString()) + c.suffix;
        if (c.bar == 0) {
            EXPECT_EQ(texts[i], expected);
            continue;
        }
        const QString letter = QKeySequence::mnemonic(texts[i]).toString();
        EXPECT_FALSE(letter.isEmpty());
        EXPECT_FALSE(letters[c.bar].contains(letter)) << letter.toStdString();
        letters[c.bar].insert(letter);
        EXPECT_TRUE(QString(texts[i]).remove('&').startsWith(expected)) << texts[i].toStdString();
    }
    EXPECT_EQ(letters.size(), 2) << "the menu bar and the language menu";
}

TEST(CaptionTable, MessagesFallBackOnlyWhereThePackHasNoEntry)
{
    const LanguageNeeds needs = programNeeds();
    const auto tables = languageTables(
        packWithSizes({needs.prompts + 1, needs.messages + 1, needs.captions + 1, needs.menus + 1}), needs);
    ASSERT_TRUE(tables);
    EXPECT_EQ(trevisto::packText(*tables, trevisto::MarkInBeforeMarkOut), "m40");
    EXPECT_EQ(trevisto::packText(*tables, trevisto::SelectAClipFirst), "m19");
    EXPECT_EQ(trevisto::packText(*tables, trevisto::DeleteAllClipsQuestion), "p0");
    EXPECT_EQ(trevisto::packText({}, trevisto::MarkInBeforeMarkOut), "Mark In must be before Mark out.");
    LanguageTables shortMessages = *tables;
    shortMessages.messages = shortMessages.messages.mid(0, 40);
    EXPECT_EQ(trevisto::packText(shortMessages, trevisto::MarkInBeforeMarkOut), "Mark In must be before Mark out.");
    EXPECT_EQ(trevisto::packText(shortMessages, trevisto::SelectAClipFirst), "m19");
}

std::string readAll(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Every generated file, read back the way the program reads it, holds each text of its
// source at its index and nothing anywhere else.
TEST(LanguageFiles, EveryGeneratedFileReadsBackAsItsSource)
{
    const char *names[] = {"english", "french", "german", "italian", "SimplifiedChinese", "TraditionalChinese", "spanish", "russian"};
    std::optional<LanguageTables> english;
    for (const char *name : names) {
        SCOPED_TRACE(name);
        QFile file(QStringLiteral(LANGUAGE_FILES_DIR "/%1.lng").arg(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QString why;
        const auto tables = languageTables(BytesToText(file.readAll(), CP_UTF8), programNeeds(), &why);
        ASSERT_TRUE(tables) << why.toStdString();

        langgen::Source source;
        std::string error;
        ASSERT_TRUE(langgen::parseSource(readAll(std::string(LANGUAGE_SOURCES_DIR "/") + name + ".txt"), source, error)) << error;
        const QStringList *table[] = {&tables->prompts, &tables->messages, &tables->captions, &tables->menus};
        for (int t = 0; t < langgen::TableCount; ++t) {
            const auto &entries = source.entries[t];
            for (int i = 0; i < table[t]->size(); ++i) {
                const auto it = entries.find(i);
                EXPECT_EQ(table[t]->at(i).toStdString(), it == entries.end() ? "" : it->second)
                    << langgen::tableName(langgen::Table(t)) << " " << i;
            }
        }
        // The entries the program reads are all there and not empty.
        for (int i : {53, 55, 76, 77, 78, 79, 80, 81, 82, 83, 84, 87, 162, 163, 164, 263, 265, 266, 292, 293, 413, 425, 453})
            EXPECT_FALSE(tables->captions.at(i).isEmpty()) << "caption " << i;
        EXPECT_FALSE(tables->menus.at(2).isEmpty());
        for (const trevisto::Caption &c : trevisto::windowCaptions())
            if (c.entry) {
                EXPECT_FALSE(trevisto::tableText(*tables, *c.entry).isEmpty()) << c.control;
            }
        EXPECT_FALSE(tables->messages.at(trevisto::SelectAClipFirst.entry.index).isEmpty());
        EXPECT_FALSE(tables->messages.at(trevisto::MarkInBeforeMarkOut.entry.index).isEmpty());
        EXPECT_FALSE(tables->prompts.at(trevisto::DeleteAllClipsQuestion.entry.index).isEmpty());

        if (!english) {
            english = tables;
            // The built-in captions are the English wording.
            EXPECT_EQ(english->captions.at(53), "File");
            EXPECT_EQ(english->captions.at(292), "Mark In");
            EXPECT_EQ(english->captions.at(293), "Mark out");
            EXPECT_EQ(english->captions.at(87), "About Trevisto Mp3 Editor");
        }
        // Same shape in every language, so indexes line up.
        EXPECT_EQ(tables->prompts.size(), english->prompts.size());
        EXPECT_EQ(tables->messages.size(), english->messages.size());
        EXPECT_EQ(tables->captions.size(), english->captions.size());
        EXPECT_EQ(tables->menus.size(), english->menus.size());
    }
}

TEST(LanguageFiles, TheGeneratorRefusesTextsThatWouldShiftEntries)
{
    const int sizes[langgen::TableCount] = {1, 1, 3, 3};
    for (const char *text : {"ends in \\\\", "ends in ..\\"}) {
        langgen::Source source;
        source.entries[langgen::Caption][1] = text;
        std::string out, error;
        EXPECT_FALSE(langgen::buildLanguageFile(source, sizes, out, error)) << text;
    }
    langgen::Source source;
    std::string error;
    EXPECT_FALSE(langgen::parseSource("caption 1 = a\ncaption 1 = b\n", source, error));
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    EXPECT_TRUE(langgen::parseSource("# c\nmenu 2 = \"Open \"\n", source, error)) << error;
    EXPECT_EQ(source.entries[langgen::Menu][2], "Open ");
}

} // namespace
