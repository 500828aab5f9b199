// The clip list as data: its order through insertions, removals and moves, what its view
// hears, the session file it alone writes, and what a start lists from that file and the
// clip folder.
#include "clips/clipmodel.h"
#include "clips/session.h"
#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <QFile>

#include <filesystem>
#include <functional>
#include <optional>

namespace {

using namespace trevisto;
using trevisto::test::TempDir;

Mp3Origin originOf(const char *path, int64_t first)
{
    Mp3Origin o;
    o.source.path = QString::fromLatin1(path);
    o.source.identity = {123456, 1733660000123456789, 0xABCDEF0123456789ull};
    o.first = first;
    o.last = first + 44100;
    return o;
}

// A clip folder and a session file in a temporary folder.
struct Folder {
    TempDir dir;
    QString clips() const { return QString::fromStdString(dir.path().string()) + "/clips/"; }
    QString session() const { return QString::fromStdString(dir.path().string()) + "/list.clips"; }
    Folder() { std::filesystem::create_directories(dir.path() / "clips"); }
    void touch(const QString &name) const
    {
        QFile f(clips() + name);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("RIFF");
    }
    QByteArray sessionText() const
    {
        QFile f(session());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

// What a view hears, as "+row", "-row", "from>to" and "reset".
void listen(ClipList &list, QStringList &heard)
{
    QObject::connect(&list, &ClipList::inserted, [&](int row) { heard << QStringLiteral("+%1").arg(row); });
    QObject::connect(&list, &ClipList::removed, [&](int row) { heard << QStringLiteral("-%1").arg(row); });
    QObject::connect(&list, &ClipList::moved, [&](int from, int to) { heard << QStringLiteral("%1>%2").arg(from).arg(to); });
    QObject::connect(&list, &ClipList::reset, [&] { heard << QStringLiteral("reset"); });
}

TEST(ClipList, EachChangeKeepsTheOrderAndTellsTheViewWhere)
{
    const struct {
        const char *what;
        std::function<void(ClipList &)> change;
        QStringList names; // after the change, from a, b, c
        QStringList heard;
    } cases[] = {
        {"added at the end", [](ClipList &l) { l.add({"d"}); }, {"a", "b", "c", "d"}, {"+3"}},
        {"inserted first", [](ClipList &l) { l.insert(0, {"d"}); }, {"d", "a", "b", "c"}, {"+0"}},
        {"inserted past the end", [](ClipList &l) { l.insert(9, {"d"}); }, {"a", "b", "c", "d"}, {"+3"}},
        {"inserted at a row before the first", [](ClipList &l) { l.insert(-2, {"d"}); }, {"d", "a", "b", "c"}, {"+0"}},
        {"middle taken", [](ClipList &l) { EXPECT_EQ(l.take(1).name, "b"); }, {"a", "c"}, {"-1"}},
        {"last taken", [](ClipList &l) { EXPECT_EQ(l.take(2).name, "c"); }, {"a", "b"}, {"-2"}},
        {"first moved down", [](ClipList &l) { l.move(0, 1); }, {"b", "a", "c"}, {"0>1"}},
        {"last moved to the top", [](ClipList &l) { l.move(2, 0); }, {"c", "a", "b"}, {"2>0"}},
        {"moved onto itself", [](ClipList &l) { l.move(1, 1); }, {"a", "b", "c"}, {}},
        {"moved past the end", [](ClipList &l) { l.move(2, 3); }, {"a", "b", "c"}, {}},
        {"moved from before the start", [](ClipList &l) { l.move(-1, 0); }, {"a", "b", "c"}, {}},
        {"cleared", [](ClipList &l) { l.clear(); }, {}, {"reset"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Folder folder;
        ClipList list(folder.clips(), folder.session());
        for (const char *name : {"a", "b", "c"})
            list.add({name});
        QStringList heard;
        listen(list, heard);
        c.change(list);
        EXPECT_EQ(list.names(), c.names);
        EXPECT_EQ(heard, c.heard);
        EXPECT_EQ(list.count(), c.names.size());
        EXPECT_FALSE(QFile::exists(folder.session())) << "nothing is kept before the list was loaded";
    }
}

TEST(ClipList, IdsTellClipsApartAndComeBackWithTheClip)
{
    Folder folder;
    ClipList list(folder.clips(), folder.session());
    const ClipId a = list.add({"a"});
    const ClipId b = list.add({"b"});
    EXPECT_NE(a, 0u);
    EXPECT_NE(a, b);
    EXPECT_EQ(list.ids(), (std::vector<ClipId>{a, b}));

    // A joined output remembers its clips; "b" deleted and added again is another clip.
    list.noteOutput(list.ids());
    Clip taken = list.take(1);
    const ClipId newB = list.add({"b"});
    EXPECT_NE(newB, b);
    EXPECT_EQ(list.rowOf(b), -1);
    EXPECT_EQ(list.output(), (std::vector<ClipId>{a, b}));

    // Listed again (as Undo does), a clip keeps its id and so its place in the output.
    list.insert(0, taken);
    EXPECT_EQ(list.rowOf(b), 0);
    EXPECT_EQ(list.names(), (QStringList{"b", "a", "b"}));
    list.forgetOutput();
    EXPECT_FALSE(list.output());

    EXPECT_EQ(list.fileOf("x"), folder.clips() + "x.wav");
    EXPECT_EQ(list.file(2), folder.clips() + "b.wav");
    EXPECT_EQ(ClipList().fileOf("x"), WorkingFiles::ClipFile("x")) << "the program's clip files by default";
}

TEST(ClipList, TheSessionFileFollowsEveryChangeWithTheOriginsAndReadsBack)
{
    Folder folder;
    for (const char *file : {"a.wav", "b.wav", "c.wav"})
        folder.touch(file);
    ClipList list(folder.clips(), folder.session());
    list.load();
    // Clip files no list recorded are listed by name, and the list is written at once.
    EXPECT_EQ(list.names(), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(folder.sessionText(), FormatSession({"a", "b", "c"}));

    const Mp3Origin one = originOf("/music/one.mp3", 0), two = originOf("/music/two \t%.mp3", 88200);
    folder.touch("d.wav");
    list.add({"d", one});
    list.move(3, 0);
    list.take(2);
    QFile::remove(folder.clips() + "b.wav");
    list.insert(1, {"e", two});
    folder.touch("e.wav");
    const QStringList expected = {"d", "e", "a", "c"};
    EXPECT_EQ(list.names(), expected);
    EXPECT_EQ(folder.sessionText(), FormatSession(expected, {{"d", one}, {"e", two}}));

    // The next start lists the same clips, in order, each with its own origin.
    ClipList next(folder.clips(), folder.session());
    QStringList heard;
    listen(next, heard);
    next.load();
    EXPECT_EQ(heard, QStringList{"reset"});
    ASSERT_EQ(next.names(), expected);
    const std::optional<Mp3Origin> origins[] = {one, two, std::nullopt, std::nullopt};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(next.items()[size_t(i)].origin, origins[i]) << next.items()[size_t(i)].name.toStdString();

    // Changes in a batch are written once, when the outer batch ends.
    const QByteArray beforeBatch = folder.sessionText();
    {
        const ClipList::Batch outer(list);
        {
            const ClipList::Batch inner(list);
            list.take(0);
        }
        list.take(0);
        EXPECT_EQ(folder.sessionText(), beforeBatch);
    }
    EXPECT_EQ(folder.sessionText(), FormatSession({"a", "c"}));

    list.clear();
    EXPECT_EQ(folder.sessionText(), FormatSession({}));
}

TEST(ClipList, ALoadListsTheRecordedClipsThatAreLeftThenTheUnrecordedOnes)
{
    const QByteArray head = QByteArray(SessionFormatLine) + '\n';
    const struct {
        const char *what;
        std::optional<QByteArray> session; // none: no file
        QStringList files;
        QStringList names;
        bool written; // the file was written again at the load
    } cases[] = {
        {"no file, no clips", std::nullopt, {}, {}, false},
        {"no file, two clip files", std::nullopt, {"b.wav", "a.wav"}, {"a", "b"}, true},
        {"as recorded", head + "b\na\n", {"a.wav", "b.wav"}, {"b", "a"}, false},
        {"a recorded file gone", head + "b\nx\na\n", {"a.wav", "b.wav"}, {"b", "a"}, true},
        {"an unrecorded file after the recorded", head + "b\n", {"a.wav", "b.wav"}, {"b", "a"}, true},
        {"letter case of the drive", head + "Intr_1\n", {"INTR_1.WAV"}, {"Intr_1"}, false},
        {"files that are no clips", head, {"notes.txt", "my clip.wav", "concat.wav", "fine.wav"}, {"fine"}, true},
        {"names with O and Z", head + "zone\n", {"zone.wav", "Intro.wav"}, {"zone", "Intro"}, true},
        {"damaged: the clip files instead", "not a list\n", {"b.wav", "a.wav"}, {"a", "b"}, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Folder folder;
        for (const QString &file : c.files)
            folder.touch(file);
        if (c.session) {
            QFile f(folder.session());
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(*c.session);
        }
        ClipList list(folder.clips(), folder.session());
        list.load();
        EXPECT_EQ(list.names(), c.names);
        const QByteArray after = folder.sessionText();
        EXPECT_EQ(after != c.session.value_or(QByteArray()), c.written) << after.constData();
        if (c.written) {
            EXPECT_EQ(after, FormatSession(c.names));
        }
    }
}

TEST(ClipList, ASessionThatCannotBeWrittenLeavesTheListAsItIs)
{
    Folder folder;
    // A folder where the file should be: every write fails.
    std::filesystem::create_directories(folder.dir.path() / "list.clips");
    ClipList list(folder.clips(), folder.session());
    list.load();
    list.add({"a"});
    EXPECT_EQ(list.names(), QStringList{"a"});
    EXPECT_NE(list.save(), 0);
}

} // namespace
