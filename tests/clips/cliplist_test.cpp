#include "clips/cliplist.h"
#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QItemSelectionModel>
#include <QStringListModel>

#include <filesystem>

namespace {

const char *verdictName(ClipName v)
{
    switch (v) {
    case ClipName::Invalid: return "Invalid";
    case ClipName::Empty: return "Empty";
    case ClipName::Duplicate: return "Duplicate";
    case ClipName::Accepted: return "Accepted";
    }
    return "?";
}

} // namespace

TEST(ClipNameRule, AnswersAgainstTheListedEntries)
{
    const struct {
        QString answer;
        QStringList entries;
        ClipName verdict;
    } cases[] = {
        {"abc", {}, ClipName::Accepted},
        {"ABC", {"abc"}, ClipName::Duplicate},
        {"ab1", {"x", "AB1", "y"}, ClipName::Duplicate},
        {"abc", {"abcd", "ab"}, ClipName::Accepted},
        // O and Z are letters like any other.
        {"Intro", {}, ClipName::Accepted},
        {"zone", {}, ClipName::Accepted},
        {"chorus", {}, ClipName::Accepted},
        {"fox", {}, ClipName::Accepted},
        {"O", {}, ClipName::Accepted},
        {"z", {"Z"}, ClipName::Duplicate},
        {"Zoo", {"zOO"}, ClipName::Duplicate},
        // The joining work file's name, in any letter case, is taken even with no clips.
        {"concat", {}, ClipName::Duplicate},
        {"CoNcAt", {}, ClipName::Duplicate},
        {"concat1", {}, ClipName::Accepted},
        {"conca", {}, ClipName::Accepted},
        {"my clip", {}, ClipName::Invalid},
        {"a.b", {}, ClipName::Invalid},
        {" ", {}, ClipName::Invalid}, // the preset answer left as it was
        {"", {}, ClipName::Empty},
        {"", {"a"}, ClipName::Empty},
        // A character outside the set wins over a listed name.
        {"x y", {"X Y"}, ClipName::Invalid},
        // Letters whose Unicode upper case lies in the set stay outside it.
        {QString::fromUtf8("ı"), {}, ClipName::Invalid},      // dotless i -> I
        {QString::fromUtf8("ſ"), {}, ClipName::Invalid},      // long s -> S
        {QString::fromUtf8("ß"), {}, ClipName::Invalid},      // -> SS
        {QString::fromUtf8("é"), {}, ClipName::Invalid},
        {QString::fromUtf8("ｂ"), {}, ClipName::Invalid},      // full-width b
        {QString::fromUtf8("a\U0001D400"), {}, ClipName::Invalid}, // surrogate pair
        {QString(QChar(0xD835)), {}, ClipName::Invalid},           // lone surrogate
        {"0123456789-_", {}, ClipName::Accepted},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", {}, ClipName::Accepted},
        {"abcdefghijklmnopqrstuvwxyz", {"ABCDEFGHIJKLMNOPQRSTUVWXYZ0"}, ClipName::Accepted},
        {"abcdefghijklmnopqrstuvwxyz", {"ABCDEFGHIJKLMNOPQRSTUVWXYZ"}, ClipName::Duplicate},
        {QString(300, 'A'), {}, ClipName::Accepted}, // no length limit
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.answer.toStdString() + " | " + c.entries.join(',').toStdString());
        EXPECT_STREQ(verdictName(CheckClipName(c.answer, c.entries)), verdictName(c.verdict));
    }
}

TEST(ClipNameRule, AnythingButAFolderTakesAClipFilesName)
{
    trevisto::test::TempDir dir;
    const QString folder = QString::fromStdString(dir.path().string());
    trevisto::test::writeBytes(dir.file("file.wav"), {'R', 'I', 'F', 'F'});
    std::filesystem::create_symlink(dir.file("file.wav"), dir.file("link.wav"));
    std::filesystem::create_symlink(dir.file("nowhere.wav"), dir.file("dangling.wav"));
    QDir().mkpath(folder + "/folder.wav");
    const struct {
        const char *name;
        bool taken;
    } cases[] = {
        {"file.wav", true}, {"link.wav", true}, {"dangling.wav", true}, {"folder.wav", false}, {"missing.wav", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ClipFileTaken(folder + '/' + c.name), c.taken) << c.name;
}

TEST(ClipListButtons, EveryCountUpToThreeWithEverySelection)
{
    // join+delete all, play+delete one, up, down
    const struct {
        int count, selected;
        ListButtons buttons;
    } cases[] = {
        {0, -1, {false, false, false, false}},
        {1, -1, {false, true, false, true}}, // down is off only for the last entry or an empty list
        {1, 0, {false, true, false, false}},
        {2, -1, {true, true, false, true}},
        {2, 0, {true, true, false, true}},
        {2, 1, {true, true, true, false}},
        {3, -1, {true, true, false, true}},
        {3, 0, {true, true, false, true}},
        {3, 1, {true, true, true, true}},
        {3, 2, {true, true, true, false}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.count) + " entries, selected " + std::to_string(c.selected));
        const ListButtons b = ListButtonStates(c.count, c.selected);
        EXPECT_EQ(b.joinAndDeleteAll, c.buttons.joinAndDeleteAll);
        EXPECT_EQ(b.playAndDeleteOne, c.buttons.playAndDeleteOne);
        EXPECT_EQ(b.up, c.buttons.up);
        EXPECT_EQ(b.down, c.buttons.down);
    }
}

TEST(ClipListMoves, OnlyASelectedEntryWithRoomMoves)
{
    const struct {
        int count, selected, step, target;
    } cases[] = {
        {3, 1, -1, 0}, {3, 1, +1, 2}, {3, 2, -1, 1}, {3, 0, +1, 1},
        {3, 0, -1, -1},  // first entry up
        {3, 2, +1, -1},  // last entry down
        {3, -1, -1, -1}, // nothing selected
        {3, -1, +1, -1}, // nothing selected, though -1 + 1 is a valid index
        {3, 3, -1, -1},  // a selection past the end
        {1, 0, +1, -1}, {1, 0, -1, -1}, {0, -1, +1, -1}, {0, 0, -1, -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.count) + " entries, " + std::to_string(c.selected) + " by " +
                     std::to_string(c.step));
        EXPECT_EQ(MoveTarget(c.count, c.selected, c.step), c.target);
    }
}

TEST(ClipListSelection, OnlyAHighlightedCurrentRowIsSelected)
{
    const struct {
        const char *what;
        int current;        // -1: none
        QList<int> highlit; // rows selected in the model
        int selected;
    } cases[] = {
        {"nothing", -1, {}, -1},
        {"current and highlighted", 1, {1}, 1},
        {"current but not highlighted (a blank click, Ctrl+click, tab)", 1, {}, -1},
        {"another row highlighted", 0, {2}, -1},
        {"highlighted without a current row", -1, {2}, -1},
        {"the last row", 2, {2}, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QStringListModel model({"a", "b", "c"});
        QItemSelectionModel selection(&model);
        if (c.current >= 0)
            selection.setCurrentIndex(model.index(c.current), QItemSelectionModel::NoUpdate);
        for (int row : c.highlit)
            selection.select(model.index(row), QItemSelectionModel::Select);
        EXPECT_EQ(SelectedRow(selection), c.selected);
    }
}
