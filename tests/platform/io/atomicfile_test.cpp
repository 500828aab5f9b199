// The one door every written file goes through: what ends up under the name, what is left
// behind when a file is given up or refused, and the reason kept from the refusing call.

#include "platform/io/atomicfile.h"
#include "platform/io/systemreason.h"
#include "private_mounts.h"
#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using trevisto::io::AtomicFile;
using trevisto::test::TempDir;

namespace {

const std::string Earlier = "an earlier file";

void put(const std::string &path, const std::string &text)
{
    trevisto::test::writeBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}

std::string read(const std::string &path)
{
    if (!fs::exists(path))
        return "<none>";
    const std::vector<uint8_t> bytes = trevisto::test::readBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

// Every name in the folder, hidden ones included.
std::set<std::string> names(const fs::path &folder)
{
    std::set<std::string> list;
    for (const auto &entry : fs::directory_iterator(folder))
        list.insert(entry.path().filename().string());
    return list;
}

mode_t modeOf(const std::string &path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

TEST(AtomicFile, CommitPutsTheBytesUnderTheNameAndLeavesNoTemporary)
{
    const mode_t fresh = 0666 & ~currentUmask();
    const struct {
        const char *name;
        bool earlier;
        mode_t earlierMode;
        AtomicFile::Options options;
        mode_t expectedMode;
        bool handedOver = false;
    } cases[] = {
        {"a new file", false, 0, {}, fresh},
        {"a new file with bits of its own", false, 0, {.newFileMode = 0640}, 0640},
        {"a replaced file keeps its bits", true, 0604, {.newFileMode = 0644}, 0604},
        {"durable, replacing", true, 0600, {.durable = true}, 0600},
        {"handed over before the commit", false, 0, {}, fresh, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string target = dir.file("song.wav");
        if (c.earlier) {
            put(target, Earlier);
            ASSERT_EQ(::chmod(target.c_str(), c.earlierMode), 0);
        }
        AtomicFile file = AtomicFile::create(target, c.options);
        ASSERT_TRUE(file.isOpen()) << std::strerror(file.error());
        const fs::path temp = file.temporaryPath();
        EXPECT_EQ(temp.parent_path(), dir.path()) << "beside the target, so the rename stays on one disk";
        EXPECT_EQ(temp.filename().string().front(), '.') << "hidden while it is written";
        EXPECT_TRUE(fs::exists(temp));

        ASSERT_TRUE(file.writeAll("hello ", 6));
        ASSERT_TRUE(file.writeAll("world", 5));
        ASSERT_TRUE(file.writeAt(0, "J", 1));
        ASSERT_TRUE(file.writeAll("!", 1)) << "writeAt leaves the position at the end";
        EXPECT_EQ(read(target), c.earlier ? Earlier : "<none>") << "nothing shows under the name before the commit";

        AtomicFile taken;
        if (c.handedOver) {
            taken = std::move(file);
            file.discard(); // the emptied one owns nothing
            EXPECT_TRUE(fs::exists(temp));
        }
        AtomicFile &owner = c.handedOver ? taken : file;
        ASSERT_TRUE(owner.commit());
        EXPECT_EQ(owner.error(), 0);
        EXPECT_TRUE(owner.committed());
        EXPECT_TRUE(owner.commit()) << "a second commit changes nothing";
        EXPECT_EQ(read(target), "Jello world!");
        EXPECT_EQ(names(dir.path()), std::set<std::string>{"song.wav"}) << "no temporary, no earlier file";
        EXPECT_EQ(modeOf(target), c.expectedMode);
    }
}

TEST(AtomicFile, OnlyADurableFileIsSyncedToTheDisk)
{
    const struct {
        const char *name;
        AtomicFile::Options options;
        bool commit;
        uint64_t syncs;
    } cases[] = {
        {"durable by default: the file, then its folder", {}, true, 2},
        {"durable, given up", {.durable = true}, false, 0},
        {"not durable", {.durable = false}, true, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const uint64_t before = AtomicFile::syncsMade();
        AtomicFile file = AtomicFile::create(dir.file("song.wav"), c.options);
        ASSERT_TRUE(file.writeAll("sound", 5));
        if (c.commit)
            ASSERT_TRUE(file.commit());
        else
            file.discard();
        EXPECT_EQ(AtomicFile::syncsMade() - before, c.syncs);
    }
}

TEST(AtomicFile, AFileGivenUpLeavesTheEarlierFileAndNoTemporary)
{
    const struct {
        const char *name;
        std::function<void(AtomicFile &)> end;
        int error; // what error() holds afterwards
    } cases[] = {
        {"destroyed unwritten", [](AtomicFile &) {}, 0},
        {"destroyed after writing", [](AtomicFile &f) { ASSERT_TRUE(f.writeAll("new", 3)); }, 0},
        {"destroyed after closing",
         [](AtomicFile &f) {
             ASSERT_TRUE(f.writeAll("new", 3));
             ASSERT_TRUE(f.close());
         },
         0},
        {"discarded, then committed",
         [](AtomicFile &f) {
             ASSERT_TRUE(f.writeAll("new", 3));
             f.discard();
             EXPECT_FALSE(f.commit());
         },
         EBADF},
        {"a refused write, then committed",
         [](AtomicFile &f) {
             ASSERT_TRUE(f.writeAll("new", 3));
             EXPECT_FALSE(f.writeAt(-1, "x", 1));
             EXPECT_FALSE(f.writeAll("more", 4)) << "nothing more after a refusal";
             EXPECT_FALSE(f.commit());
         },
         EINVAL},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string target = dir.file("song.wav");
        put(target, Earlier);
        int error = -1;
        {
            AtomicFile file = AtomicFile::create(target);
            ASSERT_TRUE(file.isOpen());
            c.end(file);
            error = file.error();
        }
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(read(target), Earlier);
        EXPECT_EQ(names(dir.path()), std::set<std::string>{"song.wav"});
    }
}

TEST(AtomicFile, RefusalsKeepTheReasonOfTheCallThatFailed)
{
    enum Step { Create, Commit };
    const struct {
        const char *name;
        std::string target;                          // under the test's folder
        std::function<void(const fs::path &)> before; // before the file is created
        std::function<void(const fs::path &)> during; // between creating and committing
        Step refused;
        int error;
        const char *reason;
    } cases[] = {
        {"a missing folder", "gone/song.wav", {}, {}, Create, ENOENT, "no such file or folder"},
        {"a folder under the name", "song.wav", [](const fs::path &d) { fs::create_directory(d / "song.wav"); }, {},
         Create, EISDIR, "it is a folder"},
        {"a file where a folder should be", "plain/song.wav", [](const fs::path &d) { put(d / "plain", "x"); }, {},
         Create, ENOTDIR, "a part of the path is not a folder"},
        {"the name turned into a folder meanwhile", "song.wav", {},
         [](const fs::path &d) { fs::create_directory(d / "song.wav"); }, Commit, EISDIR, "it is a folder"},
        // Replacing a pipe or a device by a plain file would break whatever uses it, and as
        // root a later removal of the "file" would take /dev/null with it.
        {"a pipe under the name", "song.wav", [](const fs::path &d) { ::mkfifo((d / "song.wav").c_str(), 0600); }, {},
         Create, trevisto::io::kNotAPlainFile, "it is not a plain file but a device, a pipe or a socket"},
        {"a link to a pipe", "song.wav",
         [](const fs::path &d) {
             ::mkfifo((d / "pipe").c_str(), 0600);
             fs::create_symlink("pipe", d / "song.wav");
         },
         {}, Create, trevisto::io::kNotAPlainFile, "it is not a plain file but a device, a pipe or a socket"},
        {"links in a loop", "song.wav",
         [](const fs::path &d) {
             fs::create_symlink("other.wav", d / "song.wav");
             fs::create_symlink("song.wav", d / "other.wav");
         },
         {}, Create, ELOOP, "the path has too many symbolic links"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        if (c.before)
            c.before(dir.path());
        const std::set<std::string> before = names(dir.path());
        AtomicFile file = AtomicFile::create((dir.path() / c.target).string());
        EXPECT_EQ(file.isOpen(), c.refused != Create);
        if (c.refused != Create) {
            ASSERT_TRUE(file.writeAll("new", 3));
            c.during(dir.path());
        }
        EXPECT_FALSE(file.commit());
        EXPECT_EQ(file.error(), c.error) << std::strerror(file.error());
        EXPECT_EQ(trevisto::io::systemReason(file.error()), c.reason);
        EXPECT_FALSE(file.writeAll("late", 4));
        EXPECT_EQ(file.error(), c.error) << "the first reason stays";
        EXPECT_TRUE(file.temporaryPath().empty());
        if (c.refused == Create)
            EXPECT_EQ(names(dir.path()), before);
        else
            EXPECT_EQ(names(dir.path()), std::set<std::string>{"song.wav"}) << "the temporary is gone";
    }
}

// A name that is a symbolic link is the user's way to put the file elsewhere: the file it
// names is written, and the link stays a link.
TEST(AtomicFile, ALinkedNameIsWrittenThroughToTheFileItNames)
{
    const struct {
        const char *name;
        bool earlier;     // the linked file exists already
        bool relative;    // the link names its file relative to its own folder
    } cases[] = {
        {"to an earlier file", true, false},
        {"to a file not there yet", false, false},
        {"relative, to an earlier file", true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        fs::create_directory(dir.path() / "music");
        const fs::path real = dir.path() / "music" / "song.wav";
        if (c.earlier)
            put(real, Earlier);
        const fs::path link = dir.path() / "song.wav";
        fs::create_symlink(c.relative ? fs::path("music/song.wav") : real, link);

        AtomicFile file = AtomicFile::create(link.string());
        ASSERT_TRUE(file.isOpen()) << std::strerror(file.error());
        EXPECT_EQ(fs::path(file.target()).lexically_normal(), real.lexically_normal());
        ASSERT_TRUE(file.writeAll("new", 3));
        ASSERT_TRUE(file.commit());
        EXPECT_TRUE(fs::is_symlink(link)) << "the link stays a link";
        EXPECT_EQ(read(real), "new");
        EXPECT_EQ(names(dir.path() / "music"), std::set<std::string>{"song.wav"}) << "no temporary left";
    }
}

TEST(AtomicFile, TwoFilesOnOneTargetDoNotShareATemporary)
{
    TempDir dir;
    const std::string target = dir.file("settings.reg");
    std::vector<AtomicFile> files;
    std::set<std::string> temporaries;
    for (int i = 0; i < 20; ++i) {
        files.push_back(AtomicFile::create(target));
        ASSERT_TRUE(files.back().isOpen()) << i;
        temporaries.insert(files.back().temporaryPath());
        const std::string text = "writer " + std::to_string(i);
        ASSERT_TRUE(files.back().writeAll(text.data(), text.size()));
    }
    EXPECT_EQ(temporaries.size(), files.size());
    for (int i = 0; i < int(files.size()); ++i) {
        ASSERT_TRUE(files[size_t(i)].commit()) << i;
        EXPECT_EQ(read(target), "writer " + std::to_string(i)) << "each commit replaces the one before, whole";
    }
    EXPECT_EQ(names(dir.path()), std::set<std::string>{"settings.reg"});
}

TEST(AtomicFile, ItsTemporaryNamesAreKnownAndNoOtherName)
{
    // Whatever create() names, for short, dotted and overlong targets.
    TempDir dir;
    for (const std::string &base : {std::string("a"), std::string("system.reg"), std::string(".hidden.wav"),
                                    std::string(200, 'x')}) {
        SCOPED_TRACE(base.substr(0, 12));
        AtomicFile file = AtomicFile::create(dir.file(base));
        ASSERT_TRUE(file.isOpen()) << std::strerror(file.error());
        const std::string name = fs::path(file.temporaryPath()).filename().string();
        EXPECT_TRUE(AtomicFile::isTemporaryName(name)) << name;
        EXPECT_FALSE(AtomicFile::isEarlierTemporaryName(name)) << name;
    }

    // Today's names carry the program's mark; the earlier ones, still swept in the
    // program's own folders, do not.
    enum Form { None, Ours, Earlier };
    const struct {
        const char *name;
        Form form;
    } cases[] = {
        {".a.trevisto-k3j4h5g6.tmp", Ours},
        {".temp.new.wav.trevisto-0123abcd.tmp", Ours},
        {".a.b.c.trevisto-zzzzzzzz.tmp", Ours},
        {".a.k3j4h5g6.tmp", Earlier},
        {".temp.new.wav.0123abcd.tmp", Earlier},
        {".a.b.c.zzzzzzzz.tmp", Earlier},
        {"a.trevisto-k3j4h5g6.tmp", None},      // not hidden
        {".trevisto-k3j4h5g6.tmp", None},       // no target name
        {"a.k3j4h5g6.tmp", None},               // not hidden
        {"..k3j4h5g6.tmp", None},               // no target name
        {".a.trevisto-K3J4H5G6.tmp", None},     // capitals are never drawn
        {".a.K3J4H5G6.tmp", None},
        {".a.trevisto-k3j4h5g.tmp", None},      // seven
        {".a.k3j4h5g.tmp", None},
        {".a.k3j4h5g6x.tmp", None},             // nine
        {".a.Trevisto-k3j4h5g6.tmp", None},     // another mark
        {".a.other-k3j4h5g6.tmp", None},
        {".a.trevisto_k3j4h5g6.tmp", None},
        {".a_k3j4h5g6.tmp", None},              // no dot before the suffix
        {".a.k3j4h5g6.tmp.wav", None},          // not at the end
        {".a.trevisto-k3j4h5g6.TMP", None},
        {".a.k3-4h5g6.tmp", None},
        {".k3j4h5g6.tmp", None},
        {".a.wav", None},
        {"", None},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(AtomicFile::isTemporaryName(c.name), c.form == Ours) << c.name;
        EXPECT_EQ(AtomicFile::isEarlierTemporaryName(c.name), c.form == Earlier) << c.name;
    }
    EXPECT_TRUE(AtomicFile::isTemporaryName("." + std::string(128, 'n') + ".trevisto-abcdefgh.tmp")) << "the longest cut name";
    EXPECT_FALSE(AtomicFile::isTemporaryName("." + std::string(129, 'n') + ".trevisto-abcdefgh.tmp"));
    EXPECT_TRUE(AtomicFile::isEarlierTemporaryName("." + std::string(128, 'n') + ".abcdefgh.tmp"));
    EXPECT_FALSE(AtomicFile::isEarlierTemporaryName("." + std::string(129, 'n') + ".abcdefgh.tmp"));
}

// On a tmpfs of the test's own that is full or read-only.
TEST(AtomicFile, AFullOrReadOnlyDiskIsRefusedWithItsReason)
{
    if (!PrivateMounts::unavailable().isEmpty())
        GTEST_SKIP() << "cannot mount a private tmpfs here: " << PrivateMounts::unavailable().toStdString();
    enum Fault { Full, ReadOnly };
    const struct {
        const char *name;
        Fault fault;
        bool opens; // the refusal comes at the first write rather than at the creation
        int error;
        const char *reason;
    } cases[] = {
        {"full", Full, true, ENOSPC, "the disk is full"},
        {"read-only", ReadOnly, false, EROFS, "the folder is read-only"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const fs::path disk = dir.path() / "disk";
        fs::create_directory(disk);
        const QString mountPoint = QString::fromStdString(disk.string());
        ASSERT_EQ(PrivateMounts::mountTmpfs(mountPoint, 1 << 20), QString());
        const std::string target = (disk / "song.wav").string();
        put(target, Earlier);
        if (c.fault == Full) {
            const int fd = ::open((disk / ".filler").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
            ASSERT_GE(fd, 0);
            const std::vector<char> block(64 << 10, 'x');
            while (::write(fd, block.data(), block.size()) > 0) {
            }
            ::close(fd);
        } else {
            ASSERT_EQ(PrivateMounts::setReadOnly(mountPoint, true), QString());
        }
        const std::set<std::string> before = names(disk);

        {
            AtomicFile file = AtomicFile::create(target);
            EXPECT_EQ(file.isOpen(), c.opens);
            const std::vector<char> sound(256 << 10, 's');
            EXPECT_FALSE(file.writeAll(sound.data(), sound.size()));
            EXPECT_FALSE(file.commit());
            EXPECT_EQ(file.error(), c.error) << std::strerror(file.error());
            EXPECT_EQ(trevisto::io::systemReason(file.error()), c.reason);
        }
        EXPECT_EQ(read(target), Earlier);
        EXPECT_EQ(names(disk), before) << "no temporary is left";
        EXPECT_EQ(PrivateMounts::unmount(mountPoint), QString());
    }
}

} // namespace
