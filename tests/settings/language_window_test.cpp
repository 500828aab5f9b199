#include "app/window_fixture.h"

#include "settings/captions.h"
#include "settings/controltexts.h"
#include "settings/language_file.h"
#include "settings/registry_settings.h"

#include "langsource.h"
#include "support/stopwatch.h"

#include <QAction>
#include <QKeySequence>
#include <QRegularExpression>
#include <QMenu>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <sstream>

#include <sys/stat.h>

namespace {

const char *const LanguageFiles[] = {"english", "french", "german", "italian", "SimplifiedChinese", "TraditionalChinese", "spanish", "russian"};

// A caption as the language pack gives it: a menu title without the marker of its Alt
// letter, a tooltip without the name of its button's key.
QString packText(QString text)
{
    static const QRegularExpression bracketed(QStringLiteral("\\(&.\\)$"));
    static const QRegularExpression key(QStringLiteral(" \\((Space|Left|Right|Home|I|O|Ctrl\\+T)\\)$"));
    text.remove(bracketed).remove(key);
    static const QRegularExpression marker(QStringLiteral("&(.)"));
    return text.replace(marker, QStringLiteral("\\1"));
}

// Every text the caption map writes, in one order, as the pack gives it.
QStringList mappedTexts(const Ui::frmWriteWave *u)
{
    QStringList texts = {
            u->File->title(),           u->Exit1->text(),          u->Fopen->title(),         u->cmdwav->text(),
            u->Open1->text(),           u->ogg->text(),            u->aiff->text(),           u->opt1->title(),
            u->language->title(),       u->english->text(),        u->french->text(),         u->german->text(),
            u->italian->text(),         u->spanish->text(),        u->tchinese->text(),       u->schinese->text(),
            u->russian->text(),         u->help->title(),          u->about->text(),          u->CmdSetin->text(),
            u->CmdSetin->toolTip(),     u->CmdOut->text(),         u->CmdOut->toolTip(),      u->CmdPlay->toolTip(),
            u->CmdPlayTemp->toolTip(),  u->CmdPause->toolTip(),    u->CmdStop->toolTip(),     u->CmdStopTemp->toolTip(),
            u->CmdStep->toolTip(),      u->CmdBack->toolTip(),     u->CmdSetNew->toolTip(),   u->Command3->toolTip(),
            u->Command2->toolTip(),     u->CmdSaveas->toolTip(),   u->CmdCreate->toolTip(),   u->CmdaddList->toolTip(),
            u->Command4->toolTip(),     u->Command5->toolTip(),    u->Edit->title()};
    for (QString &t : texts)
        t = packText(t);
    return texts;
}

// A language's source, the texts its file was made from.
langgen::Source languageSource(const char *language)
{
    std::ifstream in(std::string(LANGUAGE_SOURCES_DIR "/") + language + ".txt", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    langgen::Source s;
    std::string error;
    EXPECT_TRUE(langgen::parseSource(text.str(), s, error)) << language << ": " << error;
    return s;
}

// The same texts as a language's source says they should read. Where the pack's tooltip
// says too little ("->") or the same for two buttons ("Delete", "Save as wav" for a save
// and a join), the program's own, in the language now chosen, takes its place.
QStringList expectedTexts(const char *language)
{
    const auto own = [](const char *text) { return QCoreApplication::translate("Controls", text); };
    langgen::Source s = languageSource(language);
    auto c = [&](int i) { return QString::fromStdString(s.entries[langgen::Caption][i]); };
    const QString open = QString::fromStdString(s.entries[langgen::Menu][2]);
    return {c(53),      c(55),      open,          open + "(wav)", open + "(mp3)",  open + "(ogg)",  open + "(aiff)", c(76),
            c(77),      c(78),      c(79),         c(80),          c(81),           c(82),           c(83),           c(425),
            c(453),     c(84),      c(87),         c(292),         c(292),          c(293),          c(293),          c(162),
            c(162),     c(163),     c(164),        c(164),         own("On 1 second"), own("Back 2 seconds"), c(263),
            own("Save the cut as a WAV file"), own("Join every clip into one WAV file"), own("Save the cut as an MP3 file"),
            own("Join every clip into one MP3 file"), c(413), own("Delete every clip of the list"),
            own("Delete the selected clip"), QCoreApplication::translate("Captions", "Edit")};
}

class LanguagePacks : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        for (const char *name : LanguageFiles)
            ASSERT_TRUE(QFile::copy(QStringLiteral(LANGUAGE_FILES_DIR "/%1.lng").arg(name),
                                    QStringLiteral("%1/%2.lng").arg(programFolder_, name)));
    }

    QStringList checkedItems() const
    {
        QStringList names;
        for (QAction *a : ui(*window_)->language->actions())
            if (a->isChecked())
                names << a->objectName();
        return names;
    }
    QStringList tables() const
    {
        frmWriteWave &w = *window_;
        return PromptTexts(w) + MessageTexts(w) + CaptionTexts(w) + MenuTexts(w);
    }
};

TEST_F(LanguagePacks, StartUpWithoutAStoredChoiceLoadsEnglishAndChecksNothing)
{
    installLibrary(FAKEBASS_PATH);
    makeWindow();
    ASSERT_TRUE(ui(*window_)->english->isChecked()) << "the form's first state";
    ASSERT_TRUE(window_->Form_Load());

    EXPECT_EQ(mappedTexts(ui(*window_)), expectedTexts("english"));
    EXPECT_EQ(ui(*window_)->Open1->text(), "Open (mp3)");
    EXPECT_EQ(ui(*window_)->CmdSaveas->toolTip(), "Save the cut as an MP3 file");
    EXPECT_EQ(ui(*window_)->CmdCreate->toolTip(), "Join every clip into one MP3 file");
    EXPECT_EQ(checkedItems(), QStringList());
    EXPECT_EQ(MessageTexts(*window_).value(trevisto::MarkInBeforeMarkOut.entry.index, "fallback"), "Mark In must be before Mark out.");
    EXPECT_FALSE(QFile::exists(prefix_ + "/system.reg")) << "reading the choice stores nothing";
}

TEST_F(LanguagePacks, TheFrenchCodeLoadsFrenchWhileItsItemStaysDisabled)
{
    RegWriteValue("SOFTWARE\\Trevisto", "Language", "fra", trevisto::registry::REG_SZ);
    makeWindow().LoadLanguage();
    EXPECT_EQ(mappedTexts(ui(*window_)), expectedTexts("french"));
    EXPECT_FALSE(ui(*window_)->french->isEnabled());
    EXPECT_FALSE(ui(*window_)->french->isChecked());
    EXPECT_EQ(checkedItems(), QStringList());
}

TEST_F(LanguagePacks, EachChoiceIsStoredAndOnlyTheLastOneIsChecked)
{
    makeWindow().LoadLanguage();
    ui(*window_)->german->trigger();
    EXPECT_EQ(RegReadString("SOFTWARE\\Trevisto", "Language"), "ger");
    EXPECT_EQ(mappedTexts(ui(*window_)), expectedTexts("german"));
    EXPECT_EQ(checkedItems(), QStringList{"german"});

    ui(*window_)->spanish->trigger();
    EXPECT_EQ(checkedItems(), QStringList{"spanish"});
    EXPECT_EQ(mappedTexts(ui(*window_)), expectedTexts("spanish"));
    // Choosing it again keeps it chosen.
    ui(*window_)->spanish->trigger();
    EXPECT_EQ(checkedItems(), QStringList{"spanish"});

    // Every item stores its own code and finds its own file.
    const std::pair<QAction *, const char *> items[] = {
        {ui(*window_)->english, "english"}, {ui(*window_)->italian, "italian"},   {ui(*window_)->schinese, "SimplifiedChinese"},
        {ui(*window_)->tchinese, "TraditionalChinese"}, {ui(*window_)->russian, "russian"}};
    for (const auto &[item, file] : items) {
        item->trigger();
        EXPECT_EQ(mappedTexts(ui(*window_)), expectedTexts(file)) << file;
        EXPECT_EQ(checkedItems(), QStringList{item->objectName()});
    }

    // A new window finds the choice again.
    makeWindow().LoadLanguage();
    EXPECT_EQ(mappedTexts(ui(*window_)), expectedTexts("russian"));
}

TEST_F(LanguagePacks, AMissingOrBrokenFileChangesNoText)
{
    makeWindow().LoadLanguage();
    ui(*window_)->german->trigger();
    const QStringList shown = mappedTexts(ui(*window_));
    const QStringList tablesBefore = tables();

    QFile german(programFolder_ + "/german.lng");
    ASSERT_TRUE(german.open(QIODevice::ReadOnly));
    const QByteArray bytes = german.readAll();
    german.close();
    QFile english(programFolder_ + "/english.lng");
    ASSERT_TRUE(english.open(QIODevice::ReadOnly));
    const QByteArray complete = english.readAll();
    english.close();
    const QByteArray broken[] = {
        complete + QByteArray(MaxLanguageFileBytes, ' '), // complete, but past the size limit
        QByteArray(),
        bytes.left(bytes.indexOf("Datei")),          // ends in the captions
        bytes.left(bytes.indexOf("Datei")) + QByteArray("..\\\0\\\\\0\\\\\0x", 11), // all sections, too few captions
        QByteArray(bytes).replace(QByteArray("..\\\0", 4), "--"), // no sections
    };
    for (const QByteArray &b : broken) {
        QFile f(programFolder_ + "/german.lng");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(b);
        f.close();
        window_->LoadLanguage();
        EXPECT_EQ(mappedTexts(ui(*window_)), shown);
        EXPECT_EQ(tables(), tablesBefore);
    }
    QFile::remove(programFolder_ + "/german.lng");
    ui(*window_)->german->trigger();
    EXPECT_EQ(mappedTexts(ui(*window_)), shown);
    EXPECT_EQ(checkedItems(), QStringList{"german"}) << "the mark follows the stored choice";

    // Without any language file the built-in captions stay, and messages fall back.
    for (const char *name : LanguageFiles)
        QFile::remove(QStringLiteral("%1/%2.lng").arg(programFolder_, name));
    makeWindow().LoadLanguage();
    EXPECT_EQ(ui(*window_)->Open1->text(), "Open Mp3");
    EXPECT_EQ(ui(*window_)->CmdSetin->text(), "Mark In");
    EXPECT_EQ(MessageTexts(*window_).value(trevisto::SelectAClipFirst.entry.index, "fallback"), "fallback");
}

// A FIFO under a pack's name would hold the open, and the start with it, until a writer
// came; it is refused at once like a missing file.
TEST_F(LanguagePacks, AFifoInAPacksPlaceIsRefusedWithoutWaiting)
{
    makeWindow().LoadLanguage();
    ui(*window_)->german->trigger();
    const QStringList shown = mappedTexts(ui(*window_));
    const QStringList tablesBefore = tables();
    ASSERT_TRUE(QFile::remove(programFolder_ + "/german.lng"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(programFolder_ + "/german.lng").constData(), 0600), 0);
    const trevisto::test::Stopwatch watch;
    window_->LoadLanguage();
    EXPECT_TRUE(watch.within(std::chrono::seconds(5))) << "the open waited";
    EXPECT_EQ(mappedTexts(ui(*window_)), shown);
    EXPECT_EQ(tables(), tablesBefore);
}

// Every control the caption table names shows the table's entry of the pack, in each
// shipped language.
TEST_F(LanguagePacks, EachControlOfTheCaptionTableShowsItsEntryInEveryLanguage)
{
    const std::pair<const char *, const char *> packs[] = {
        {"en", "english"}, {"fra", "french"}, {"ger", "german"}, {"it", "italian"},
        {"sch", "SimplifiedChinese"}, {"tch", "TraditionalChinese"}, {"spa", "spanish"}, {"ru", "russian"}};
    makeWindow();
    for (const auto &[code, file] : packs) {
        SCOPED_TRACE(file);
        RegWriteValue("SOFTWARE\\Trevisto", "Language", code, trevisto::registry::REG_SZ);
        window_->LoadLanguage();
        langgen::Source source = languageSource(file);
        for (const trevisto::Caption &c : trevisto::windowCaptions()) {
            SCOPED_TRACE(c.control);
            const QList<QObject *> found = window_->findChildren<QObject *>(c.control);
            ASSERT_EQ(found.size(), 1);
            const QVariant shown = found.front()->property(trevisto::captionProperty(c.part));
            ASSERT_TRUE(shown.isValid());
            const QString entry =
                c.entry ? QString::fromStdString(source.entries[int(c.entry->table)][c.entry->index]) : QString();
            // Where the program has a tooltip of its own, it stands instead of the pack's.
            const auto own = std::find_if(trevisto::controlTexts().begin(), trevisto::controlTexts().end(),
                                          [&](const trevisto::ControlText &t) { return !std::strcmp(t.control, c.control); });
            if (c.part == trevisto::CaptionPart::ToolTip && own != trevisto::controlTexts().end() && own->toolTip)
                EXPECT_EQ(packText(shown.toString()), trevisto::controlTranslation(own->toolTip));
            else if (c.ownWord)
                EXPECT_EQ(packText(shown.toString()), packText(QCoreApplication::translate("Captions", c.suffix)));
            else
                EXPECT_EQ(packText(shown.toString()), entry + c.suffix);
        }
    }
}

TEST_F(LanguagePacks, EveryMenuOpensWithItsOwnAltLetterAndTooltipsNameTheKeysOnce)
{
    makeWindow().LoadLanguage();
    Ui::frmWriteWave *u = ui(*window_);
    for (QAction *item : {u->english, u->german, u->italian, u->schinese, u->tchinese, u->spanish, u->russian}) {
        item->trigger();
        item->trigger(); // a second load names each key once still
        SCOPED_TRACE(item->objectName().toStdString());
        const bool chinese = item == u->schinese || item == u->tchinese;
        QSet<QString> letters;
        for (const QString &title :
             {u->File->title(), u->Edit->title(), u->Fopen->title(), u->opt1->title(), u->help->title()}) {
            SCOPED_TRACE(title.toStdString());
            const QString letter = QKeySequence::mnemonic(title).toString();
            EXPECT_FALSE(letter.isEmpty());
            letters.insert(letter);
            EXPECT_EQ(title.endsWith(QStringLiteral("(&%1)").arg(letter.back())), chinese);
        }
        EXPECT_EQ(letters.size(), 5) << "no two menus share a letter";
        EXPECT_FALSE(QKeySequence::mnemonic(u->language->title()).isEmpty());
        EXPECT_EQ(u->CmdSetNew->toolTip().count(" (Ctrl+T)"), 1);
        EXPECT_TRUE(u->CmdPlay->toolTip().endsWith(" (Space)"));
    }
}

// The program's own messages, beyond the packs' texts, come out in the language last chosen
// from the Option menu, and in the stored one from the start.
TEST_F(LanguagePacks, MessagesComeInTheLanguageChosenInTheOptionMenu)
{
    installLibrary(FAKEBASS_PATH);
    ASSERT_TRUE(start());
    const QString missing = root_.path() + "/missing.wav", broken = root_.path() + "/broken.wav";
    QFile text(broken);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("a text file, not a sound at all");
    text.close();
    // Open Wav with the chosen file: the refusal it shows.
    auto refusal = [this](const QString &path) {
        dialogs_.clear();
        dialogs_.answerFile(path);
        window_->cmdwav_Click();
        EXPECT_EQ(dialogs_.asked().size(), 2) << "the chooser and one message";
        return dialogs_.asked().back().text;
    };
    const char *const english[] = {"\"%1\" cannot be opened: The file cannot be found.",
                                   "\"%1\" cannot be opened: The file is not a WAVE sound file."};
    EXPECT_EQ(refusal(missing), QString(english[0]).arg(missing));

    Ui::frmWriteWave *u = ui(*window_);
    const struct {
        QAction *item;
        const char *missing, *broken, *wait;
    } choices[] = {
        {u->russian, "«%1» не удаётся открыть: Файл не найден.",
         "«%1» не удаётся открыть: Файл не является звуковым файлом WAVE.", "Подождите"},
        {u->schinese, "无法打开“%1”：找不到该文件。", "无法打开“%1”：该文件不是 WAVE 声音文件。", "请稍候"},
        {u->english, english[0], english[1], "Please wait"},
    };
    for (const auto &choice : choices) {
        SCOPED_TRACE(choice.item->objectName().toStdString());
        choice.item->trigger();
        EXPECT_EQ(refusal(missing), QString::fromUtf8(choice.missing).arg(missing));
        EXPECT_EQ(refusal(broken), QString::fromUtf8(choice.broken).arg(broken));
        // The wait window stays loaded between showings and follows as well.
        WaitWindow(*window_).show();
        EXPECT_EQ(WaitWindow(*window_).windowTitle(), QString::fromUtf8(choice.wait));
        WaitWindow(*window_).hide();
    }

    RegWriteValue("SOFTWARE\\Trevisto", "Language", "ru", trevisto::registry::REG_SZ);
    ASSERT_TRUE(start());
    EXPECT_EQ(refusal(missing), QString::fromUtf8(choices[0].missing).arg(missing));
}

} // namespace
