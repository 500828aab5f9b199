// The start-up sweep: exactly the leftovers of an interrupted run go, in the three folders
// it looks in and wherever the write journal noted a file in progress, and nothing a user
// or a finished writer made.

#include "core/leftovers.h"
#include "core/routines.h"
#include "fresh_prefix.h"
#include "platform/registry/registry.h"
#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <csignal>
#include <map>
#include <string>
#include <unistd.h>

// Failures show texts as texts.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

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
        {"drive_c/temp.joint.wav", true},
        {"drive_c/Temp/.a.wav.abcdefgh.tmp", true},
        {"drive_c/Temp/.concat.wav.zz99zz99.tmp", true},
        {".system.reg.q1w2e3r4.tmp", true},
        {"drive_c/.temp.new.wav.trevisto-k3j4h5g6.tmp", true},
        {"drive_c/Temp/.a.wav.trevisto-abcdefgh.tmp", true},
        {".system.reg.trevisto-q1w2e3r4.tmp", true},
        // Kept: the working files, clips, the lock and the settings, and names only
        // like a temporary.
        {"drive_c/temp.wav", false},
        {"drive_c/temp2.wav", false},
        {"drive_c/trevisto.lock", false},
        {"drive_c/concat.wav", false},
        {"drive_c/Temp/a.wav", false},
        {"drive_c/Temp/temp.new.wav", false},
        {"drive_c/Temp/temp.joint.wav", false},
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

// The folder's files and their contents; hidden ones included.
std::map<std::string, std::string> contentsOf(const QString &folder)
{
    std::map<std::string, std::string> contents;
    for (const QString &name : entriesUnder(folder)) {
        QFile f(folder + '/' + name);
        contents[name.toStdString()] = f.open(QIODevice::ReadOnly) ? f.readAll().left(16).toStdString() : "<not a file>";
    }
    return contents;
}

void note(const QString &journal, const QString &name, const QByteArray &text)
{
    QDir().mkpath(journal);
    QFile f(journal + '/' + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

TEST(Leftovers, ANotedFileGoesFromAUserFolderAndNothingElseThere)
{
    FreshPrefix prefix;
    const trevisto::test::TempDir userDir;
    const QString user = QString::fromStdString(userDir.path().string());
    const QString journal = QString::fromStdString(trevisto::WriteJournalFolder().string());
    ASSERT_TRUE(journal.startsWith(prefix.path()));
    // The user's own files, some named like ours, one of them noted by a damaged journal.
    for (const char *name : {"song.mp3", ".song.mp3.abcdefgh.tmp", ".song.mp3.trevisto-zzzzzzzz.tmp", "notes.txt",
                             "target.wav"})
        put(user + '/' + name);
    put(user + "/.join.mp3.trevisto-k3j4h5g6.tmp");
    put(user + "/.cut.mp3.trevisto-abcdefgh.tmp");
    ASSERT_EQ(::symlink((user + "/target.wav").toLocal8Bit().constData(),
                        (user + "/.link.wav.trevisto-abcdefgh.tmp").toLocal8Bit().constData()),
              0);
    const auto noteOf = [&user](const char *name) { return (user + '/' + name + '\n').toLocal8Bit(); };
    note(journal, "1-a.note", noteOf(".join.mp3.trevisto-k3j4h5g6.tmp"));
    note(journal, "1-b.note", noteOf(".cut.mp3.trevisto-abcdefgh.tmp"));
    note(journal, "2-a.note", noteOf("notes.txt"));                          // no name of ours
    note(journal, "2-b.note", noteOf(".link.wav.trevisto-abcdefgh.tmp"));     // a link, not a writer's file
    note(journal, "2-c.note", noteOf(".gone.mp3.trevisto-abcdefgh.tmp"));     // renamed before the kill
    note(journal, "2-d.note", (user + "/.song.mp3.trevisto-zzzzzzzz.tmp").toLocal8Bit()); // cut short
    note(journal, "2-e.note", "../.song.mp3.trevisto-zzzzzzzz.tmp\n");      // not absolute
    std::map<std::string, std::string> kept = contentsOf(user);
    kept.erase(".join.mp3.trevisto-k3j4h5g6.tmp");
    kept.erase(".cut.mp3.trevisto-abcdefgh.tmp");

    QStringList removed = trevisto::SweepLeftovers();
    removed.sort();
    EXPECT_EQ(removed, QStringList({user + "/.cut.mp3.trevisto-abcdefgh.tmp", user + "/.join.mp3.trevisto-k3j4h5g6.tmp"}));
    EXPECT_EQ(contentsOf(user), kept);
    EXPECT_TRUE(entriesUnder(journal).isEmpty()) << "every note is read once";
}

// A writer of the program killed while it writes into a folder of the user's.
class KilledWriter {
public:
    explicit KilledWriter(const QStringList &arguments)
    {
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(INTERRUPTED_WRITER, arguments);
    }
    // Kills it once it says it is writing; false when it never did.
    bool killWhileWriting()
    {
        if (!process_.waitForStarted(10000))
            return false;
        QByteArray said;
        while (!said.contains("writing\n") && process_.state() == QProcess::Running)
            if (process_.waitForReadyRead(60000))
                said += process_.readAllStandardOutput();
            else
                break;
        if (!said.contains("writing\n"))
            return false;
        ::kill(pid_t(process_.processId()), SIGKILL);
        return process_.waitForFinished(20000) && process_.exitStatus() == QProcess::CrashExit;
    }

private:
    QProcess process_;
};

TEST(Leftovers, AWriterKilledInAUserFolderLeavesNothingHiddenThereAfterTheSweep)
{
    const trevisto::test::TempDir sources;
    const std::string wav = sources.file("long.wav");
    trevisto::test::writeWav(wav, trevisto::test::makeTone(44100, 1, 120.0, 440));
    const struct {
        const char *what;
        QStringList arguments; // after the destination is appended where %1 stands
    } writers[] = {
        {"a file", {"file", "%1"}},
        {"an MP3 encoded whole", {"encode", QString::fromStdString(wav), "%1", "1"}},
    };
    for (const auto &w : writers) {
        SCOPED_TRACE(w.what);
        FreshPrefix prefix;
        const trevisto::test::TempDir userDir;
        const QString user = QString::fromStdString(userDir.path().string());
        put(user + "/song.mp3");
        put(user + "/.song.mp3.abcdefgh.tmp");
        put(user + "/.song.mp3.trevisto-zzzzzzzz.tmp");
        const std::map<std::string, std::string> before = contentsOf(user);
        QStringList arguments = w.arguments;
        arguments.replaceInStrings("%1", user + "/song.mp3");

        KilledWriter writer(arguments);
        ASSERT_TRUE(writer.killWhileWriting());
        EXPECT_EQ(entriesUnder(user).size(), before.size() + 1) << "the kill left a temporary file";

        trevisto::SweepLeftovers();
        EXPECT_EQ(contentsOf(user), before);
        EXPECT_TRUE(entriesUnder(QString::fromStdString(trevisto::WriteJournalFolder().string())).isEmpty());
    }
}

TEST(Leftovers, AnMp3EncodedInStretchesAndKilledLeavesNoFileAtAll)
{
    FreshPrefix prefix;
    const trevisto::test::TempDir sources, userDir;
    const std::string wav = sources.file("long.wav");
    trevisto::test::writeWav(wav, trevisto::test::makeTone(44100, 1, 120.0, 440));
    const QString user = QString::fromStdString(userDir.path().string());
    put(user + "/notes.txt");

    KilledWriter writer({"encode", QString::fromStdString(wav), user + "/song.mp3", "2"});
    ASSERT_TRUE(writer.killWhileWriting());
    EXPECT_EQ(entriesUnder(user), QStringList{"notes.txt"}) << "the stretches wait in files without a name";
    EXPECT_TRUE(trevisto::SweepLeftovers().isEmpty());
}

TEST(Leftovers, AMissingDriveIsNoFault)
{
    FreshPrefix prefix("not/made/yet");
    EXPECT_TRUE(trevisto::SweepLeftovers().isEmpty());
}

} // namespace
