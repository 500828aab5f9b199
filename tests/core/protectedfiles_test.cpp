// Which destinations would write over a protected file: every way of naming the same file
// counts, and nothing else does.

#include "core/protectedfiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

using trevisto::FindProtected;
using trevisto::ProtectedFile;

void put(const QString &path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write("kept");
}

TEST(ProtectedFiles, EveryNameOfAProtectedFileIsFoundAndNoOther)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString d = QDir(dir.path()).canonicalPath();
    QDir().mkpath(d + "/drive/Temp");
    QDir().mkpath(d + "/music");
    put(d + "/drive/Temp/a.wav");
    put(d + "/drive/temp.wav");
    put(d + "/music/song.mp3");
    put(d + "/music/copy.mp3"); // the same bytes, another file
    ASSERT_EQ(::link(QFile::encodeName(d + "/music/song.mp3"), QFile::encodeName(d + "/music/hard.mp3")), 0);
    ASSERT_TRUE(QFile::link(d + "/music/song.mp3", d + "/music/soft.mp3"));
    ASSERT_TRUE(QFile::link("soft.mp3", d + "/music/chain.mp3"));
    ASSERT_TRUE(QFile::link(d + "/drive/Temp", d + "/clips"));
    // Links to files that do not exist yet: writing through them makes the file.
    ASSERT_TRUE(QFile::link(d + "/drive/Temp/concat.wav", d + "/music/dangling.wav"));
    ASSERT_TRUE(QFile::link(d + "/music/loop1", d + "/music/loop2"));
    ASSERT_TRUE(QFile::link(d + "/music/loop2", d + "/music/loop1"));

    const std::vector<ProtectedFile> files = {
        {d + "/drive/Temp/a.wav", "clip", true},
        {d + "/drive/Temp/concat.wav", "work", true}, // not there yet
        {d + "/drive/temp.wav", "source", true},
        {d + "/music/song.mp3", "opened"},
        {"", "nothing"},
    };
    const struct {
        QString destination;
        const char *found; // the why of the file found, or null
    } cases[] = {
        {d + "/drive/Temp/a.wav", "clip"},
        {d + "/drive/Temp/./a.wav", "clip"},
        {d + "/drive//Temp/a.wav", "clip"},
        {d + "/music/../drive/Temp/a.wav", "clip"},
        {d + "/clips/a.wav", "clip"},
        {d + "/drive/TEMP/A.WAV", "clip"}, // the drive ignores letter case
        {d + "/drive/Temp/concat.wav", "work"},
        {d + "/music/dangling.wav", "work"},
        {d + "/drive/temp.wav", "source"},
        {d + "/music/song.mp3", "opened"},
        {d + "/music/hard.mp3", "opened"},
        {d + "/music/soft.mp3", "opened"},
        {d + "/music/chain.mp3", "opened"},
        {d + "/music/Song.mp3", nullptr}, // outside the drive letter case counts
        {d + "/music/copy.mp3", nullptr},
        {d + "/drive/Temp/b.wav", nullptr},
        {d + "/drive/temp2.wav", nullptr},
        {d + "/music/loop1", nullptr},
        {"", nullptr},
    };
    for (const auto &c : cases) {
        const ProtectedFile *found = FindProtected(c.destination, files);
        if (c.found) {
            ASSERT_NE(found, nullptr) << c.destination.toStdString();
            EXPECT_EQ(found->why, c.found) << c.destination.toStdString();
        } else {
            EXPECT_EQ(found, nullptr) << c.destination.toStdString() << " found " << found->why.toStdString();
        }
    }

    // A path relative to the current folder counts as well.
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(d + "/music"));
    const ProtectedFile *relative = FindProtected("../drive/Temp/a.wav", files);
    QDir::setCurrent(before);
    ASSERT_NE(relative, nullptr);
    EXPECT_EQ(relative->why, "clip");
}

} // namespace
