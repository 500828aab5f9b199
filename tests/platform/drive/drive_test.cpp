#include "platform/drive/drive.h"

#include <gtest/gtest.h>

#include "fresh_prefix.h"

#include <QTemporaryDir>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

class DriveTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(prefix_.isValid()); }
    fs::path root() const { return fs::path(prefix_.path().toStdString()) / "drive_c"; }

    FreshPrefix prefix_;
};

TEST_F(DriveTest, SpellingsOfOneNameMeetInOnePlace)
{
    const std::string temp = drive::toNative("C:\\Temp");
    EXPECT_EQ(temp, (root() / "Temp").string());
    EXPECT_TRUE(fs::is_directory(root())) << "the drive root is created on first use";
    fs::create_directories(temp);

    // Once a name exists, every spelling of it resolves there.
    EXPECT_EQ(drive::toNative("C:\\temp\\"), (root() / "Temp").string() + "/");
    EXPECT_EQ(drive::toNative("c:/TEMP/clip one.wav"), (root() / "Temp" / "clip one.wav").string());

    std::ofstream(drive::toNative("c:\\temp2.wav")) << "x";
    EXPECT_EQ(drive::toNative("C:\\TEMP2.WAV"), (root() / "temp2.wav").string());
    EXPECT_EQ(drive::toNative("C:\\temp.wav"), (root() / "temp.wav").string()) << "a prefix is not a match";
}

TEST_F(DriveTest, AnExactMatchWinsOverAFoldedOne)
{
    fs::create_directories(root() / "abc");
    fs::create_directories(root() / "ABC");
    EXPECT_EQ(drive::toNative("C:\\ABC"), (root() / "ABC").string());
    EXPECT_EQ(drive::toNative("C:\\abc"), (root() / "abc").string());
}

TEST_F(DriveTest, NativePathsPassThroughAndDotsStayOnTheDrive)
{
    EXPECT_EQ(drive::toNative("/home/user/Music/a.mp3"), "/home/user/Music/a.mp3");
    EXPECT_EQ(drive::toNative("relative\\name.wav"), "relative\\name.wav");
    EXPECT_EQ(drive::toNative("C:\\..\\..\\etc\\passwd"), (root() / "etc" / "passwd").string());
    EXPECT_EQ(drive::toNative("C:\\Temp\\..\\x.wav"), (root() / "x.wav").string());
    EXPECT_FALSE(drive::isDrivePath("C"));
    EXPECT_FALSE(drive::isDrivePath("C:x"));
    EXPECT_TRUE(drive::isDrivePath("C:"));
    EXPECT_TRUE(drive::isDrivePath("d:/x"));
}

TEST(DrivePrefix, FallsBackToTheDataFolders)
{
    const std::string savedPrefix = std::getenv("TREVISTO_PREFIX") ? std::getenv("TREVISTO_PREFIX") : "";
    const char *xdg = std::getenv("XDG_DATA_HOME");
    const std::string savedXdg = xdg ? xdg : "";

    unsetenv("TREVISTO_PREFIX");
    setenv("XDG_DATA_HOME", "/srv/data", 1);
    EXPECT_EQ(drive::prefix(), fs::path("/srv/data/trevisto"));
    unsetenv("XDG_DATA_HOME");
    setenv("HOME", std::getenv("HOME") ? std::getenv("HOME") : "/root", 1);
    EXPECT_EQ(drive::prefix(), fs::path(std::getenv("HOME")) / ".local/share/trevisto");

    setenv("TREVISTO_PREFIX", savedPrefix.c_str(), 1);
    if (xdg)
        setenv("XDG_DATA_HOME", savedXdg.c_str(), 1);
}

} // namespace
