// Reading the files the program keeps: a plain file is read up to the limit asked for,
// and anything that could hold the reader up (a FIFO with no writer, a device) is
// refused at once.

#include "platform/io/regularfile.h"
#include "support/stopwatch.h"
#include "support/test_audio.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using trevisto::io::kNotAPlainFile;
using trevisto::io::openRegularFile;
using trevisto::io::readRegularFile;
using trevisto::test::Stopwatch;
using trevisto::test::TempDir;

TEST(RegularFile, PlainFilesAreReadAndEverythingElseIsRefusedWithoutWaiting)
{
    TempDir dir;
    trevisto::test::writeBytes(dir.file("plain"), {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'});
    trevisto::test::writeBytes(dir.file("empty"), {});
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    fs::create_directory(dir.file("folder"));
    fs::create_symlink(dir.file("plain"), dir.file("link"));
    fs::create_symlink(dir.file("fifo"), dir.file("link to fifo"));
    fs::create_symlink(dir.file("missing"), dir.file("dangling"));

    const struct {
        std::string path;
        size_t limit;
        int error;
        std::string bytes;
    } cases[] = {
        {dir.file("plain"), 100, 0, "0123456789"},
        {dir.file("plain"), 4, 0, "0123"},
        {dir.file("plain"), 10, 0, "0123456789"},
        {dir.file("empty"), 100, 0, ""},
        {dir.file("link"), 100, 0, "0123456789"},
        {dir.file("missing"), 100, ENOENT, ""},
        {dir.file("dangling"), 100, ENOENT, ""},
        {dir.file("plain") + "/below", 100, ENOTDIR, ""},
        {dir.file("fifo"), 100, kNotAPlainFile, ""},
        {dir.file("link to fifo"), 100, kNotAPlainFile, ""},
        {dir.file("folder"), 100, kNotAPlainFile, ""},
        {"/dev/null", 100, kNotAPlainFile, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path + " limit " + std::to_string(c.limit));
        const Stopwatch watch;
        std::string bytes = "left over";
        EXPECT_EQ(readRegularFile(c.path, c.limit, bytes), c.error);
        EXPECT_EQ(bytes, c.bytes);
        EXPECT_TRUE(watch.within(std::chrono::seconds(2))) << "the read waited";
    }
}

TEST(RegularFile, TheDescriptorBlocksAgainAndIsClosedOnExec)
{
    TempDir dir;
    trevisto::test::writeBytes(dir.file("plain"), {1, 2, 3});
    int error = 0;
    const int fd = openRegularFile(dir.file("plain").c_str(), &error);
    ASSERT_GE(fd, 0) << error;
    EXPECT_EQ(::fcntl(fd, F_GETFL) & O_NONBLOCK, 0);
    EXPECT_NE(::fcntl(fd, F_GETFD) & FD_CLOEXEC, 0);
    ::close(fd);

    error = 0;
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    EXPECT_EQ(openRegularFile(dir.file("fifo").c_str(), &error), -1);
    EXPECT_EQ(error, kNotAPlainFile);
}

} // namespace
