// The record of files in progress: each writer's note is on the disk before its file
// exists and gone once the file is renamed or removed, writers at the same time keep
// their own notes, and an ending at once removes exactly the files remembered.

#include "platform/io/atomicfile.h"
#include "platform/io/exitcleanup.h"
#include "platform/io/writejournal.h"
#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using trevisto::io::AtomicFile;
using trevisto::io::ExitCleanup;
using trevisto::io::WriteJournal;
using trevisto::test::TempDir;

void put(const std::string &path, const std::string &text)
{
    trevisto::test::writeBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}

std::set<std::string> noted(const std::string &folder)
{
    std::set<std::string> paths;
    for (const WriteJournal::Entry &e : WriteJournal::read(folder))
        paths.insert(e.temporaryPath);
    return paths;
}

// Points the journal at a folder for the life of the object.
class JournalIn {
public:
    explicit JournalIn(const std::string &folder) { WriteJournal::setFolder(folder); }
    ~JournalIn() { WriteJournal::setFolder({}); }
};

TEST(WriteJournal, AWriterIsNotedFromBeforeItsFileExistsUntilItIsRenamedOrRemoved)
{
    TempDir prefix, user;
    const std::string journal = prefix.file("unfinished");
    const JournalIn in(journal);
    const std::string target = user.file("song.mp3");
    put(target, "the user's earlier song");

    for (const bool commit : {true, false}) {
        SCOPED_TRACE(commit ? "committed" : "given up");
        AtomicFile file = AtomicFile::create(target);
        ASSERT_TRUE(file.isOpen());
        EXPECT_EQ(noted(journal), std::set<std::string>{file.temporaryPath()});
        ASSERT_TRUE(file.writeAll("new", 3));
        if (commit)
            ASSERT_TRUE(file.commit());
        else
            file.discard();
        EXPECT_TRUE(WriteJournal::read(journal).empty());
    }

    // Two notes for two writers at once; each goes with its own file.
    AtomicFile first = AtomicFile::create(target), second = AtomicFile::create(user.file("other.mp3"));
    EXPECT_EQ(noted(journal), (std::set<std::string>{first.temporaryPath(), second.temporaryPath()}));
    first.discard();
    EXPECT_EQ(noted(journal), std::set<std::string>{second.temporaryPath()});
}

TEST(WriteJournal, WritersOnManyThreadsKeepEveryNote)
{
    TempDir prefix, user;
    const std::string journal = prefix.file("unfinished");
    const JournalIn in(journal);
    constexpr int kThreads = 8;
    std::vector<AtomicFile> files(kThreads);
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i)
        threads.emplace_back([&files, &user, i] { files[size_t(i)] = AtomicFile::create(user.file("f" + std::to_string(i))); });
    for (std::thread &t : threads)
        t.join();
    std::set<std::string> expected;
    for (const AtomicFile &f : files) {
        ASSERT_TRUE(f.isOpen());
        expected.insert(f.temporaryPath());
    }
    EXPECT_EQ(noted(journal), expected);
    EXPECT_EQ(expected.size(), size_t(kThreads));
}

TEST(WriteJournal, OnlyWholeNotesNameAFileAndWithoutAFolderNothingIsNoted)
{
    TempDir prefix, user;
    const std::string journal = prefix.file("unfinished");
    fs::create_directory(journal);
    const struct {
        const char *name;
        std::string text;
        std::string named;
    } notes[] = {
        {"whole", "/a/.b.trevisto-abcdefgh.tmp\n", "/a/.b.trevisto-abcdefgh.tmp"},
        {"cut short", "/a/.b.trevisto-abcd", ""},
        {"empty", "", ""},
        {"relative", "a/.b.trevisto-abcdefgh.tmp\n", ""},
        {"two lines", "/a\n/b\n", ""},
        {"a NUL", std::string("/a\0b\n", 5), ""},
    };
    for (const auto &n : notes)
        put(journal + "/" + n.name, n.text);
    fs::create_directory(journal + "/folder");
    std::vector<WriteJournal::Entry> entries = WriteJournal::read(journal);
    std::sort(entries.begin(), entries.end(), [](const auto &a, const auto &b) { return a.note < b.note; });
    ASSERT_EQ(entries.size(), std::size(notes) + 1);
    for (const WriteJournal::Entry &e : entries) {
        const std::string name = fs::path(e.note).filename().string();
        const auto n = std::find_if(std::begin(notes), std::end(notes), [&name](const auto &n) { return name == n.name; });
        EXPECT_EQ(e.temporaryPath, n == std::end(notes) ? "" : n->named) << name;
    }
    EXPECT_TRUE(WriteJournal::read(prefix.file("missing")).empty());

    // No folder set: the file is written all the same, and noted nowhere.
    AtomicFile file = AtomicFile::create(user.file("x"));
    EXPECT_TRUE(file.isOpen());
    EXPECT_EQ(WriteJournal::read(journal).size(), entries.size());
}

TEST(ExitCleanup, AnEndingAtOnceRemovesWhatIsRememberedAndNothingForgotten)
{
    TempDir dir;
    for (const char *name : {"kept", "working", "temporary", "note", "forgotten"})
        put(dir.file(name), name);
    ExitCleanup::Remembered working = ExitCleanup::remember(dir.file("working"));
    ExitCleanup::Remembered pair = ExitCleanup::remember(dir.file("temporary"), dir.file("note"));
    ExitCleanup::Remembered forgotten = ExitCleanup::remember(dir.file("forgotten"));
    ASSERT_TRUE(working.holds() && pair.holds() && forgotten.holds());
    forgotten.forget();
    EXPECT_FALSE(forgotten.holds());

    ExitCleanup::removeAllNow();
    std::set<std::string> left;
    for (const auto &e : fs::directory_iterator(dir.path()))
        left.insert(e.path().filename().string());
    EXPECT_EQ(left, (std::set<std::string>{"kept", "forgotten"}));

    // The slots are finite and come back when forgotten.
    std::vector<ExitCleanup::Remembered> all;
    for (int i = 0; i < ExitCleanup::kSlots; ++i)
        all.push_back(ExitCleanup::remember(dir.file("n" + std::to_string(i))));
    const auto held = std::count_if(all.begin(), all.end(), [](const auto &r) { return r.holds(); });
    EXPECT_EQ(held, ExitCleanup::kSlots - 2) << "two slots are still taken above";
    EXPECT_FALSE(ExitCleanup::remember(dir.file("one more")).holds());
    all.clear();
    EXPECT_TRUE(ExitCleanup::remember(dir.file("one more")).holds());
    EXPECT_FALSE(ExitCleanup::remember(std::string(5000, 'x')).holds()) << "a path past the limit";
}

} // namespace
