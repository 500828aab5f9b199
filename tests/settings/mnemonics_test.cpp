#include "settings/mnemonics.h"

#include <gtest/gtest.h>

namespace {

TEST(MarkMnemonics, EachCaptionOfABarGetsALetterNoOtherHas)
{
    const struct {
        const char *name;
        QList<MenuCaption> bar;
        QStringList expected;
    } cases[] = {
        {"English", {{"File", u'F'}, {"Open", u'O'}, {"Option", u'P'}, {"Help", u'H'}},
         {"&File", "&Open", "O&ption", "&Help"}},
        {"German: an umlaut is a letter of its own; O stays free for Open",
         {{"Datei", u'F'}, {"Öffnen", u'O'}, {"Optionen", u'P'}, {"Hilfe", u'H'}},
         {"&Datei", "&Öffnen", "O&ptionen", "&Hilfe"}},
        {"Russian", {{"Файл", u'F'}, {"Открыть", u'O'}, {"Опции", u'P'}, {"Справка", u'H'}},
         {"&Файл", "&Открыть", "О&пции", "&Справка"}},
        {"Chinese takes the bracketed letter", {{"文件", u'F'}, {"打开", u'O'}, {"选项", u'P'}, {"帮助", u'H'}},
         {"文件(&F)", "打开(&O)", "选项(&P)", "帮助(&H)"}},
        {"a chosen letter leaves a bracketed one free", {{"Ohne", u'F'}, {"打开", u'O'}},
         {"O&hne", "打开(&O)"}},
        {"a literal & stays visible and is no letter", {{"& Save", u'S'}, {"Sound", u'O'}},
         {"&& &Save", "S&ound"}},
        {"no letter left: the bracketed one", {{"Ab", u'A'}, {"Ba", u'B'}, {"ab", u'C'}},
         {"&Ab", "&Ba", "ab(&C)"}},
        {"digits and signs are skipped", {{"1. Mix", u'M'}}, {"1. &Mix"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MarkMnemonics(c.bar), c.expected);
    }
}

} // namespace
