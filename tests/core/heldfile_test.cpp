// Files held for Undo: taken out of the way, put back never over another file, deleted with
// their handle, and swept at a start.
#include "core/heldfile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdlib>
#include <utility>

namespace {

using trevisto::HeldFile;

class HeldFiles : public ::testing::Test {
protected:
    QString path(const QString &name) const { return dir_.path() + '/' + name; }
    QString holding() const { return path("held"); }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read(const QString &name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList held() const { return QDir(holding()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }

    QTemporaryDir dir_;
};

TEST_F(HeldFiles, AHeldFileComesBackWhereNothingElseIsAndGoesWithItsHandle)
{
    write("a.wav", "first a");
    HeldFile first = HeldFile::take(path("a.wav"), holding());
    ASSERT_TRUE(first);
    EXPECT_FALSE(QFile::exists(path("a.wav")));
    EXPECT_TRUE(first.path().startsWith(holding() + '/'));

    // Another file of the same name is held beside it.
    write("a.wav", "second a");
    HeldFile second = HeldFile::take(path("a.wav"), holding());
    ASSERT_TRUE(second);
    EXPECT_NE(first.path(), second.path());
    EXPECT_EQ(held().size(), 2);

    // Nothing is put back over a file that is there.
    write("a.wav", "third a");
    EXPECT_FALSE(first.putBack(path("a.wav")));
    EXPECT_TRUE(first) << "the handle keeps the file it could not put back";
    EXPECT_EQ(read("a.wav"), "third a");
    ASSERT_TRUE(QFile::remove(path("a.wav")));
    EXPECT_TRUE(first.putBack(path("a.wav")));
    EXPECT_FALSE(first);
    EXPECT_EQ(read("a.wav"), "first a");

    // A moved handle owns the file; the one it came from owns nothing.
    HeldFile moved = std::move(second);
    EXPECT_FALSE(second);
    { HeldFile gone = std::move(moved); }
    EXPECT_TRUE(held().isEmpty()) << "deleted with its handle";
    EXPECT_EQ(read("a.wav"), "first a");
}

TEST_F(HeldFiles, WhatCannotBeHeldStaysWhereItIs)
{
    EXPECT_FALSE(HeldFile::take(path("missing.wav"), holding()));
    ASSERT_TRUE(QDir().mkpath(path("folder.wav")));
    EXPECT_FALSE(HeldFile::take(path("folder.wav"), holding())) << "a folder is no clip";
    EXPECT_TRUE(QFileInfo(path("folder.wav")).isDir());
    // A holding folder that cannot be made: a file is in its way.
    write("blocked", "x");
    write("b.wav", "b");
    EXPECT_FALSE(HeldFile::take(path("b.wav"), path("blocked")));
    EXPECT_EQ(read("b.wav"), "b");
    HeldFile none;
    EXPECT_FALSE(none.putBack(path("c.wav")));
}

TEST_F(HeldFiles, TheSweepEmptiesTheHoldingFolderAndTheDefaultFolderIsInThePrefix)
{
    write("a.wav", "a");
    HeldFile a = HeldFile::take(path("a.wav"), holding());
    ASSERT_TRUE(QDir().mkpath(holding() + "/left/deeper"));
    write("held/.hidden", "h");
    EXPECT_EQ(trevisto::SweepHoldingFolder(holding()).size(), 3);
    EXPECT_TRUE(held().isEmpty());
    EXPECT_TRUE(trevisto::SweepHoldingFolder(path("none")).isEmpty());
    a.discard(); // already swept: nothing to do, nothing to fail

    const QByteArray before = qgetenv("TREVISTO_PREFIX");
    setenv("TREVISTO_PREFIX", dir_.path().toLocal8Bit().constData(), 1);
    EXPECT_EQ(trevisto::HoldingFolder(), holding()) << "beside drive_c, never on it";
    setenv("TREVISTO_PREFIX", before.constData(), 1);
}

} // namespace
