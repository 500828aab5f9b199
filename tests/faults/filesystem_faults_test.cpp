// Every file the program writes, on a small tmpfs that is full or read-only, through the
// real window: the user is told which file and why, nothing half-written is left, what was
// there before stays as it was, and once the disk is fine again the same action works.

#include "app/window_fixture.h"
#include "private_mounts.h"
#include "scenarios/wait_for.h"

#include "core/routines.h"
#include "core/workingfiles.h"
#include "platform/io/systemreason.h"
#include "platform/mci/player.h"
#include "platform/mp3enc/mp3encoder.h"
#include "platform/registry/registry.h"
#include "settings/registry_settings.h"
#include "support/messages.h"
#include "support/test_audio.h"
#include "ui/Frmwait.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QListWidget>

#include <algorithm>
#include <cerrno>
#include <map>
#include <tuple>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace trevisto::test;

enum class FileKind { ConversionWorkingFile, OpenWavCopy, CutResult, Clip, JoinedWav, EncodedMp3, SettingsFile };
enum class Fault { DiskFull, ReadOnly };

const char *const KindNames[] = {"ConversionWorkingFile", "OpenWavCopy", "CutResult", "Clip",
                                  "JoinedWav", "EncodedMp3", "SettingsFile"};
void PrintTo(FileKind kind, std::ostream *os) { *os << KindNames[int(kind)]; }
void PrintTo(Fault fault, std::ostream *os) { *os << (fault == Fault::DiskFull ? "DiskFull" : "ReadOnly"); }

constexpr qint64 TmpfsBytes = 8 << 20;
constexpr qint64 Page = 4096;

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file under the folders, hidden ones included, with its bytes.
using Snapshot = std::map<QString, QByteArray>;
Snapshot snapshot(const QStringList &folders)
{
    Snapshot files;
    for (const QString &folder : folders) {
        QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            files[path] = readFile(path);
        }
    }
    return files;
}

QStringList names(const Snapshot &files)
{
    QStringList list;
    for (const auto &entry : files)
        list << entry.first;
    return list;
}

// Fills the file system of `file` with that one file, then gives back `slack` bytes.
QString fill(const QString &file, qint64 slack)
{
    const int fd = ::open(QFile::encodeName(file).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return QStringLiteral("cannot create the filler");
    const std::vector<char> block(1 << 20, 'x');
    qint64 size = 0;
    int error = 0;
    for (;;) {
        const ssize_t n = ::write(fd, block.data(), block.size());
        if (n > 0) {
            size += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        error = n < 0 ? errno : 0;
        break;
    }
    const bool cut = ::ftruncate(fd, std::max<qint64>(0, size - slack)) == 0;
    ::close(fd);
    if (error != ENOSPC)
        return QStringLiteral("the filler ended without a full disk");
    return cut ? QString() : QStringLiteral("cannot shorten the filler");
}

// 16-bit stereo bytes at 44.1 kHz that differ from one `seed` to the next, so every cut
// range and every file has bytes of its own.
std::vector<uint8_t> countingSound(double seconds, int seed)
{
    std::vector<uint8_t> data(size_t(seconds * 44100 + 0.5) * 4);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = uint8_t((i * (13 + seed) + i / 251) & 0xff);
    return data;
}

class FileSystemFaults : public WindowFixture,
                         public ::testing::WithParamInterface<std::tuple<FileKind, Fault>> {
public:
    struct Row {
        FileKind kind;
        // The folder the tmpfs goes over, made before the window starts.
        QString (FileSystemFaults::*folder)() const;
        // Puts in place what must exist before the fault: a loaded sound, clips, earlier files.
        void (FileSystemFaults::*prepare)();
        // The clicks and answers that write the file.
        void (FileSystemFaults::*act)();
        // The file a failure must name, as a native path.
        QString (FileSystemFaults::*named)() const;
        // Checks that the action did its work.
        void (FileSystemFaults::*done)();
        // What the filler leaves free: less than the file needs, more than nothing where the
        // file is large, so its writing fails part way.
        qint64 slack;
    };
    static const Row rows[7];
    static const Row &rowOf(FileKind kind)
    {
        return *std::find_if(std::begin(rows), std::end(rows), [kind](const Row &r) { return r.kind == kind; });
    }
    static std::string caseName(const ::testing::TestParamInfo<ParamType> &info)
    {
        return std::string(KindNames[int(std::get<0>(info.param))]) +
               (std::get<1>(info.param) == Fault::DiskFull ? "_DiskFull" : "_ReadOnly");
    }

protected:
    const Row &row() const { return rowOf(std::get<0>(GetParam())); }
    Fault fault() const { return std::get<1>(GetParam()); }

    void SetUp() override
    {
        const QString refused = PrivateMounts::unavailable();
        if (!refused.isEmpty())
            GTEST_SKIP() << "skipped: cannot mount a private tmpfs here: " << refused.toStdString();
        WindowFixture::SetUp();
        outFolder_ = root_.path() + "/out";
        faultFolder_ = (this->*row().folder)();
        ASSERT_TRUE(QDir().mkpath(outFolder_));
        ASSERT_TRUE(QDir().mkpath(faultFolder_));
        if (const QString why = PrivateMounts::mountTmpfs(faultFolder_, TmpfsBytes); !why.isEmpty())
            GTEST_SKIP() << "skipped: cannot mount a private tmpfs here: " << why.toStdString();
        mounted_ = true;
        installLibrary(REAL_BASS_PATH);
        ASSERT_TRUE(start());
        window_->show();
        dialogs_.clear();
    }

    void TearDown() override
    {
        window_.reset();
        if (mounted_) {
            EXPECT_EQ(PrivateMounts::unmount(faultFolder_), QString());
        }
        WindowFixture::TearDown();
    }

    frmWriteWave &w() { return *window_; }
    Ui::frmWriteWave *u() { return ui(*window_); }

    // --- folders under the tmpfs
    QString driveFolder() const { return QFileInfo(NativePath(WorkingFiles::Source)).path(); }
    QString clipFolder() const { return NativePath(WorkingFiles::Folder); }
    QString outFolder() const { return outFolder_; }
    QString prefixFolder() const { return prefix_; }

    // --- files a failure names
    QString sideFile() const { return NativePath(WorkingFiles::SourceInProgress); }
    QString sourceFile() const { return NativePath(WorkingFiles::Source); }
    QString resultFile() const { return NativePath(WorkingFiles::Result); }
    QString newClipFile() const { return NativePath(WorkingFiles::ClipFile("b")); }
    QString joinedWav() const { return outFolder_ + "/joined.wav"; }
    QString joinedMp3() const { return outFolder_ + "/joined.mp3"; }
    QString settingsFile() const { return QFile::decodeName(trevisto::registry::storePath().c_str()); }

    QString audioFile(const char *name) const { return QString::fromStdString(audio_.file(name)); }

    // --- steps while the disk is fine
    void openWav(const char *name, double seconds, int seed)
    {
        if (!QFileInfo::exists(audioFile(name)))
            writeWav(audio_.file(name), 44100, 2, 16, countingSound(seconds, seed));
        dialogs_.answerFile(audioFile(name));
        u()->cmdwav->trigger();
    }
    void cut(int from, int to)
    {
        MarkIn(w()) = from;
        MarkOut(w()) = to;
        u()->CmdSetNew->click();
    }
    void addClip(const QString &name)
    {
        dialogs_.answerInput(name);
        u()->CmdaddList->click();
    }

    void prepareLoaded()
    {
        openWav("first.wav", 1.0, 1);
        ASSERT_TRUE(MMaudio(w())->isOpen());
        ASSERT_TRUE(QFileInfo::exists(sourceFile()));
    }
    void prepareClipAndResult()
    {
        ASSERT_NO_FATAL_FAILURE(prepareLoaded());
        cut(0, 400);
        addClip("a");
        cut(400, 900);
        ASSERT_TRUE(MMControl1(w())->isOpen());
        ASSERT_EQ(ClipNames(), QStringList{"a"});
    }
    void prepareClips()
    {
        ASSERT_NO_FATAL_FAILURE(prepareLoaded());
        cut(0, 400);
        addClip("a");
        cut(400, 900);
        addClip("b");
        ASSERT_EQ(ClipNames(), QStringList({"a", "b"}));
        clips_ = {readFile(NativePath(WorkingFiles::ClipFile("a"))), readFile(NativePath(WorkingFiles::ClipFile("b")))};
        // Earlier files under the names chosen for the joined sound.
        for (const QString &earlier : {joinedWav(), joinedMp3()}) {
            QFile f(earlier);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("an earlier file that must survive");
        }
        // The list buttons follow the list on the next tick of the list timer.
        ASSERT_TRUE(waitFor([&] { return u()->Command2->isEnabled() && u()->CmdCreate->isEnabled(); }, 3000));
    }
    void prepareSettings()
    {
        u()->english->trigger();
        ASSERT_EQ(RegReadString("SOFTWARE\\Trevisto", "Language"), "en");
        ASSERT_TRUE(QFileInfo::exists(settingsFile()));
    }

    // --- the actions under test
    void convertMp3()
    {
        if (!QFileInfo::exists(audioFile("tone.mp3")))
            writeMp3(audio_.file("tone.mp3"), makeTone(44100, 2, 1.0, 440));
        dialogs_.answerFile(audioFile("tone.mp3"));
        u()->Open1->trigger();
    }
    void copyWav() { openWav("second.wav", 1.0, 2); }
    void cutResult() { cut(100, 600); }
    void addClipB() { addClip("b"); }
    void joinIntoWav()
    {
        dialogs_.answerFile(joinedWav());
        u()->Command2->click();
    }
    void joinIntoMp3()
    {
        dialogs_.answerFile(joinedMp3());
        // "The file is saved", then whether to delete the clips: no.
        dialogs_.answerMessage(vbOK);
        dialogs_.answerMessage(vbNo);
        u()->CmdCreate->click();
        EXPECT_TRUE(waitFor([&] { return !Mp3Enc1(w())->isBusy(); }, 20000)) << "the encoding ends";
    }
    void chooseGerman() { u()->german->trigger(); }

    // --- what success looks like
    void converted()
    {
        EXPECT_TRUE(MMaudio(w())->isOpen());
        EXPECT_TRUE(w().windowTitle().contains("tone.mp3")) << w().windowTitle().toStdString();
        EXPECT_GT(QFileInfo(sourceFile()).size(), 44 + 44100 * 4 / 2);
        EXPECT_FALSE(QFileInfo::exists(sideFile()));
    }
    void copied()
    {
        EXPECT_TRUE(MMaudio(w())->isOpen());
        EXPECT_EQ(readFile(sourceFile()), readFile(audioFile("second.wav")));
        EXPECT_FALSE(QFileInfo::exists(sideFile()));
    }
    void cutDone()
    {
        EXPECT_TRUE(MMControl1(w())->isOpen());
        EXPECT_EQ(QFileInfo(resultFile()).size(), 44 + 500 * 441 / 10 * 4);
    }
    void clipAdded()
    {
        EXPECT_EQ(ClipNames(), QStringList({"a", "b"}));
        EXPECT_EQ(readFile(newClipFile()), readFile(resultFile()));
    }
    void joinedIntoWav()
    {
        const QByteArray joined = readFile(joinedWav());
        ASSERT_EQ(clips_.size(), 2);
        EXPECT_EQ(joined.left(4), "RIFF");
        EXPECT_EQ(joined.mid(44), clips_[0].mid(44) + clips_[1].mid(44));
        EXPECT_TRUE(messages().contains("The file is saved"));
    }
    void joinedIntoMp3()
    {
        const QByteArray mp3 = readFile(joinedMp3());
        ASSERT_GT(mp3.size(), 1000);
        const size_t tag = id3v2Bytes(reinterpret_cast<const uint8_t *>(mp3.constData()), size_t(mp3.size()));
        EXPECT_EQ(uint8_t(mp3[qsizetype(tag)]), 0xFF) << "an MPEG frame, not the earlier file";
        EXPECT_TRUE(messages().contains("The file is saved"));
        EXPECT_EQ(ClipNames(), QStringList({"a", "b"}));
    }
    void languageStored()
    {
        EXPECT_EQ(RegReadString("SOFTWARE\\Trevisto", "Language"), "ger");
        EXPECT_TRUE(u()->german->isChecked());
    }

    QStringList ClipNames() const
    {
        QStringList list;
        for (int i = 0; i < ui(*window_)->List1->count(); ++i)
            list << ui(*window_)->List1->item(i)->text();
        return list;
    }
    QStringList messages() const { return messageTexts(dialogs_); }
    QList<ScriptedDialogs::Asked> critical() const { return messageBoxes(dialogs_, MsgIcon::Critical); }

    QString faultFolder_, outFolder_;
    bool mounted_ = false;
    QList<QByteArray> clips_;
    TempDir audio_;
};

const FileSystemFaults::Row FileSystemFaults::rows[7] = {
    {FileKind::ConversionWorkingFile, &FileSystemFaults::driveFolder,
     &FileSystemFaults::prepareLoaded, &FileSystemFaults::convertMp3, &FileSystemFaults::sideFile,
     &FileSystemFaults::converted, Page},
    {FileKind::OpenWavCopy, &FileSystemFaults::driveFolder, &FileSystemFaults::prepareLoaded,
     &FileSystemFaults::copyWav, &FileSystemFaults::sourceFile, &FileSystemFaults::copied, Page},
    {FileKind::CutResult, &FileSystemFaults::driveFolder, &FileSystemFaults::prepareLoaded,
     &FileSystemFaults::cutResult, &FileSystemFaults::resultFile, &FileSystemFaults::cutDone, Page},
    {FileKind::Clip, &FileSystemFaults::clipFolder, &FileSystemFaults::prepareClipAndResult,
     &FileSystemFaults::addClipB, &FileSystemFaults::newClipFile, &FileSystemFaults::clipAdded, Page},
    {FileKind::JoinedWav, &FileSystemFaults::outFolder, &FileSystemFaults::prepareClips,
     &FileSystemFaults::joinIntoWav, &FileSystemFaults::joinedWav, &FileSystemFaults::joinedIntoWav, Page},
    {FileKind::EncodedMp3, &FileSystemFaults::outFolder, &FileSystemFaults::prepareClips,
     &FileSystemFaults::joinIntoMp3, &FileSystemFaults::joinedMp3, &FileSystemFaults::joinedIntoMp3, Page},
    // The settings file is smaller than a page: the filler leaves nothing.
    {FileKind::SettingsFile, &FileSystemFaults::prefixFolder, &FileSystemFaults::prepareSettings,
     &FileSystemFaults::chooseGerman, &FileSystemFaults::settingsFile, &FileSystemFaults::languageStored, 0},
};

TEST_P(FileSystemFaults, ReportedWithNothingLostThenWorksAgain)
{
    const Row &r = row();
    ASSERT_NO_FATAL_FAILURE((this->*r.prepare)());
    ASSERT_EQ(critical().size(), 0) << "the set-up itself went through";
    const QStringList listBefore = ClipNames();
    const QString filler = faultFolder_ + "/.filler";
    if (fault() == Fault::DiskFull)
        ASSERT_EQ(fill(filler, r.slack), QString());
    else
        ASSERT_EQ(PrivateMounts::setReadOnly(faultFolder_, true), QString());
    const QStringList watched = {prefix_, outFolder_};
    const Snapshot before = snapshot(watched);
    dialogs_.clear();

    ASSERT_NO_FATAL_FAILURE((this->*r.act)());

    // One message, naming the file and the reason.
    const QString reason = trevisto::io::systemReason(fault() == Fault::DiskFull ? ENOSPC : EROFS);
    const QString file = (this->*r.named)();
    ASSERT_EQ(critical().size(), 1) << messages().join(" | ").toStdString();
    const QString text = critical().front().text;
    EXPECT_TRUE(text.contains(file)) << text.toStdString() << "\nshould name " << file.toStdString();
    // A full disk is mostly seen before the first byte, by the free space it leaves; a
    // write that was expected to fit meets the system's refusal instead.
    const bool refusedBefore = fault() == Fault::DiskFull && text.contains("There is not enough room on the disk") &&
                               text.contains("it needs");
    EXPECT_TRUE(text.contains(reason) || refusedBefore) << text.toStdString() << "\nshould say " << reason.toStdString();
    EXPECT_FALSE(messages().contains("The file is saved"));
    EXPECT_EQ(dialogs_.unanswered(), 0);

    // No partial file, no stray temporary, every earlier file and clip as it was.
    const Snapshot after = snapshot(watched);
    EXPECT_EQ(names(after), names(before));
    for (const auto &[path, bytes] : before)
        EXPECT_TRUE(after.count(path) && after.at(path) == bytes) << path.toStdString() << " changed";
    EXPECT_EQ(ClipNames(), listBefore);
    EXPECT_FALSE(WaitWindow(w()).isVisible()) << "the wait window went away";

    // With room again, or writable again, the same action succeeds.
    if (fault() == Fault::DiskFull)
        ASSERT_TRUE(QFile::remove(filler));
    else
        ASSERT_EQ(PrivateMounts::setReadOnly(faultFolder_, false), QString());
    dialogs_.clear();
    ASSERT_NO_FATAL_FAILURE((this->*r.act)());
    EXPECT_EQ(critical().size(), 0) << messages().join(" | ").toStdString();
    EXPECT_EQ(dialogs_.unanswered(), 0);
    (this->*r.done)();
}

INSTANTIATE_TEST_SUITE_P(EveryWrittenFile, FileSystemFaults,
                         ::testing::Combine(::testing::Values(FileKind::ConversionWorkingFile, FileKind::OpenWavCopy,
                                                              FileKind::CutResult, FileKind::Clip,
                                                              FileKind::JoinedWav, FileKind::EncodedMp3,
                                                              FileKind::SettingsFile),
                                            ::testing::Values(Fault::DiskFull, Fault::ReadOnly)),
                         FileSystemFaults::caseName);

} // namespace
