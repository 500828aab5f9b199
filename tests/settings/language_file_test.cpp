#include "settings/language_file.h"

#include "langsource.h"

#include <gtest/gtest.h>

#include <QFile>

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
        EXPECT_FALSE(tables->messages.at(19).isEmpty());
        EXPECT_FALSE(tables->messages.at(40).isEmpty());
        EXPECT_FALSE(tables->prompts.at(0).isEmpty());

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
