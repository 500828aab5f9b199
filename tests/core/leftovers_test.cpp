// The start-up sweep: exactly the leftovers of an interrupted run go, in the three folders
// it looks in, and nothing a user or a finished writer made.

#include "core/leftovers.h"
#include "core/routines.h"
#include "fresh_prefix.h"
#include "platform/registry/registry.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

void put(const QString &path)
{
    QDir().mkpath(path.left(path.lastIndexOf('/')));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write("left");
}

// Every entry below `folder`, hidden ones and links included, relative to it.
QStringList entriesUnder(const QString &folder)
{
    QStringList names;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(folder).relativeFilePath(it.next());
    names.sort();
    return names;
}

TEST(Leftovers, OnlyWhatAnInterruptedRunLeftIsRemoved)
{
    const struct {
        const char *path; // under the prefix
        bool removed;
    } files[] = {
        {"drive_c/temp.new.wav", true},
        {"drive_c/.temp.new.wav.k3j4h5g6.tmp", true},
        {"drive_c/.temp2.wav.00000000.tmp", true},
        {"drive_c/Temp/concat.wav", true},
        {"drive_c/Temp/.a.wav.abcdefgh.tmp", true},
        {"drive_c/Temp/.concat.wav.zz99zz99.tmp", true},
        {".system.reg.q1w2e3r4.tmp", true},
        // Kept: the working files, clips, the lock and the settings, and names only
        // like a temporary.
        {"drive_c/temp.wav", false},
        {"drive_c/temp2.wav", false},
        {"drive_c/trevisto.lock", false},
        {"drive_c/concat.wav", false},
        {"drive_c/Temp/a.wav", false},
        {"drive_c/Temp/temp.new.wav", false},
        {"drive_c/Temp/.a.wav.ABCDEFGH.tmp", false},
        {"drive_c/Temp/a.wav.abcdefgh.tmp", false},
        {"drive_c/Temp/.hidden", false},
        {"drive_c/Temp/deeper/.a.wav.abcdefgh.tmp", false},
        {"drive_c/other/.a.wav.abcdefgh.tmp", false},
        {"system.reg", false},
        {"system.reg.lock", false},
    };
    FreshPrefix prefix;
    ASSERT_TRUE(prefix.isValid());
    ASSERT_EQ(QFile::decodeName(trevisto::registry::storePath().parent_path().c_str()), prefix.path());
    QStringList kept, removed;
    for (const auto &f : files) {
        put(prefix.path() + '/' + f.path);
        (f.removed ? removed : kept) << QString::fromLatin1(f.path);
    }
    // A folder and a link under a temporary's name are no writer's; the link's target stays.
    QDir().mkpath(prefix.path() + "/drive_c/.b.wav.abcdefgh.tmp");
    put(prefix.path() + "/outside.wav");
    ASSERT_EQ(::symlink((prefix.path() + "/outside.wav").toLocal8Bit().constData(),
                        (prefix.path() + "/drive_c/Temp/.c.wav.abcdefgh.tmp").toLocal8Bit().constData()),
              0);
    kept << "drive_c/.b.wav.abcdefgh.tmp" << "outside.wav" << "drive_c/Temp/.c.wav.abcdefgh.tmp"
         << "drive_c/Temp" << "drive_c/Temp/deeper" << "drive_c/other" << "drive_c";
    kept.sort();

    QStringList reported = trevisto::SweepLeftovers();
    for (QString &path : reported)
        path = QDir(prefix.path()).relativeFilePath(path);
    reported.sort();
    removed.sort();
    EXPECT_EQ(reported, removed);
    EXPECT_EQ(entriesUnder(prefix.path()), kept);
    EXPECT_TRUE(trevisto::SweepLeftovers().isEmpty()) << "a second sweep finds nothing";
}

TEST(Leftovers, TheNamedLeftoversAreFoundInAnyLetterCaseAndALinkGoesAlone)
{
    FreshPrefix prefix;
    put(prefix.path() + "/drive_c/TEMP.NEW.WAV");
    put(prefix.path() + "/drive_c/temp/ConCat.Wav.target");
    ASSERT_EQ(::symlink("ConCat.Wav.target", (prefix.path() + "/drive_c/temp/ConCat.Wav").toLocal8Bit().constData()),
              0);
    EXPECT_EQ(trevisto::SweepLeftovers().size(), 2);
    EXPECT_EQ(entriesUnder(prefix.path()), QStringList({"drive_c", "drive_c/temp", "drive_c/temp/ConCat.Wav.target"}));

    // A folder under the in-progress name is nobody's file in progress.
    QDir().mkpath(prefix.path() + "/drive_c/temp.new.wav");
    EXPECT_TRUE(trevisto::SweepLeftovers().isEmpty());
    EXPECT_TRUE(QFileInfo(prefix.path() + "/drive_c/temp.new.wav").isDir());
}

TEST(Leftovers, AMissingDriveIsNoFault)
{
    FreshPrefix prefix("not/made/yet");
    EXPECT_TRUE(trevisto::SweepLeftovers().isEmpty());
}

} // namespace
