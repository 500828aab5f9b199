// The clip list's steps on a list and a clip folder of their own: done, undone and done
// again, with every file where it belongs, and the held files gone with their steps.
#include "clips/clipsteps.h"
#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QUndoStack>

#include <filesystem>
#include <map>

namespace {

using namespace trevisto;
using trevisto::test::TempDir;

class ClipSteps : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(dir_.path() / "clips");
        list_.load();
    }
    QString root() const { return QString::fromStdString(dir_.path().string()); }
    QString clipFolder() const { return root() + "/clips/"; }
    QString holding() const { return root() + "/held"; }
    // A clip file of its own bytes, listed at the end.
    void addClip(const QString &name, std::optional<Mp3Origin> origin = {})
    {
        writeClip(name);
        list_.add({name, origin});
    }
    void writeClip(const QString &name)
    {
        QFile f(list_.fileOf(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("sound of " + name.toUtf8());
    }
    // Each clip file's bytes, by name.
    std::map<QString, QByteArray> clipFiles() const
    {
        std::map<QString, QByteArray> files;
        for (const QString &name : QDir(clipFolder()).entryList(QDir::Files)) {
            QFile f(clipFolder() + name);
            EXPECT_TRUE(f.open(QIODevice::ReadOnly));
            files[name] = f.readAll();
        }
        return files;
    }
    QStringList held() const { return QDir(holding()).entryList(QDir::Files | QDir::Hidden); }

    TempDir dir_;
    ClipList list_{clipFolder(), root() + "/list.clips"};
};

Mp3Origin originAt(int64_t first)
{
    Mp3Origin o;
    o.source.path = "/music/source.mp3";
    o.first = first;
    o.last = first + 1152;
    return o;
}

TEST_F(ClipSteps, AnAddedClipGoesAndComesBackWithItsFile)
{
    addClip("a");
    writeClip("b");
    const auto withB = clipFiles();
    {
        QUndoStack stack;
        stack.push(new AddClipStep(list_, {"b", originAt(1152)}, holding()));
        EXPECT_EQ(stack.undoText(), "Add clip b");
        EXPECT_EQ(list_.names(), (QStringList{"a", "b"}));
        EXPECT_TRUE(held().isEmpty());

        stack.undo();
        EXPECT_EQ(list_.names(), QStringList{"a"});
        EXPECT_FALSE(QFile::exists(list_.fileOf("b")));
        EXPECT_EQ(held().size(), 1);

        stack.redo();
        EXPECT_EQ(list_.names(), (QStringList{"a", "b"}));
        EXPECT_EQ(clipFiles(), withB);
        EXPECT_EQ(list_.items()[1].origin, originAt(1152));
        EXPECT_TRUE(held().isEmpty());

        // Undone for good: the step leaves the stack while it holds the file.
        stack.undo();
        ASSERT_EQ(held().size(), 1);
    }
    EXPECT_TRUE(held().isEmpty()) << "the held file went with its step";
    EXPECT_EQ(list_.names(), QStringList{"a"});
    EXPECT_FALSE(QFile::exists(list_.fileOf("b")));
}

TEST_F(ClipSteps, RemovedClipsComeBackAtTheirRowsWithTheirOriginsAndIds)
{
    const struct {
        const char *what;
        std::vector<int> rows; // of a, b, c, d
        QStringList left;
    } cases[] = {
        {"one in the middle", {1}, {"a", "c", "d"}},
        {"the first and the third", {0, 2}, {"b", "d"}},
        {"given out of order", {3, 0}, {"b", "c"}},
        {"all", {0, 1, 2, 3}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        list_.clear();
        for (const char *name : {"a", "b", "c", "d"})
            addClip(name, name[0] == 'c' ? std::optional(originAt(2304)) : std::nullopt);
        const std::vector<Clip> before = list_.items();
        const auto filesBefore = clipFiles();
        std::vector<ClipId> ids;
        for (int row : c.rows)
            ids.push_back(before[size_t(row)].id);
        {
            QUndoStack stack;
            stack.push(new RemoveClipsStep(list_, ids, "Delete them", holding()));
            EXPECT_EQ(list_.names(), c.left);
            EXPECT_EQ(clipFiles().size(), size_t(c.left.size()));
            EXPECT_EQ(held().size(), c.rows.size());

            stack.undo();
            ASSERT_EQ(list_.items().size(), before.size());
            for (size_t i = 0; i < before.size(); ++i) {
                EXPECT_EQ(list_.items()[i].name, before[i].name);
                EXPECT_EQ(list_.items()[i].id, before[i].id);
                EXPECT_EQ(list_.items()[i].origin, before[i].origin);
            }
            EXPECT_EQ(clipFiles(), filesBefore);
            EXPECT_TRUE(held().isEmpty());

            stack.redo();
            EXPECT_EQ(list_.names(), c.left);
        }
        // The step left the stack done: the files it held are deleted, the rest stay.
        EXPECT_TRUE(held().isEmpty());
        EXPECT_EQ(clipFiles().size(), size_t(c.left.size()));
    }
}

TEST_F(ClipSteps, AMoveIsUndoneAndAFileThatCannotBeHeldStillGoes)
{
    for (const char *name : {"a", "b", "c"})
        addClip(name);
    QUndoStack stack;
    stack.push(new MoveClipStep(list_, 2, 1));
    EXPECT_EQ(stack.undoText(), "Move clip c");
    EXPECT_EQ(list_.names(), (QStringList{"a", "c", "b"}));
    stack.undo();
    EXPECT_EQ(list_.names(), (QStringList{"a", "b", "c"}));

    // A clip whose file is gone is taken out all the same, and Undo cannot list it again
    // without its sound.
    ASSERT_TRUE(QFile::remove(list_.fileOf("b")));
    stack.push(new RemoveClipsStep(list_, {list_.items()[1].id}, "Delete clip b", holding()));
    EXPECT_EQ(list_.names(), (QStringList{"a", "c"}));
    stack.undo();
    EXPECT_EQ(list_.names(), (QStringList{"a", "c"}));
}

TEST_F(ClipSteps, AHundredStepsAreKeptAndTheOldestGo)
{
    QUndoStack stack;
    stack.setUndoLimit(100);
    for (int i = 0; i < 105; ++i) {
        const QString name = QStringLiteral("c%1").arg(i);
        writeClip(name);
        stack.push(new AddClipStep(list_, {name}, holding()));
    }
    EXPECT_EQ(stack.count(), 100);
    while (stack.canUndo())
        stack.undo();
    // The five oldest additions cannot be undone any more; the hundred after them were.
    EXPECT_EQ(list_.names(), (QStringList{"c0", "c1", "c2", "c3", "c4"}));
    EXPECT_EQ(held().size(), 100);
    for (int i = 0; i < 100; ++i)
        stack.redo();
    EXPECT_EQ(list_.count(), 105);
    EXPECT_EQ(list_.names().last(), "c104");
    EXPECT_TRUE(held().isEmpty());
    EXPECT_EQ(clipFiles().size(), 105u);
}

} // namespace
