// The runtime folder the program makes for itself when the session names none.
#include "app/runtimefolder.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace {

mode_t modeOf(const std::string &path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}

} // namespace

TEST(RuntimeFolder, NamedAfterTheUserUnderTheTemporaryFolder)
{
    struct Case {
        std::string temp;
        unsigned uid;
        std::string expected;
    } cases[] = {
        {"/tmp", 1000, "/tmp/runtime-1000"},
        {"/tmp/", 0, "/tmp/runtime-0"},
        {"/var/tmp//", 42, "/var/tmp/runtime-42"},
        {"/", 7, "/runtime-7"},
        {"", 7, "/tmp/runtime-7"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(trevisto::fallbackRuntimeFolder(c.temp, c.uid), c.expected) << c.temp;
}

TEST(RuntimeFolder, MadePrivateNarrowedOrRefused)
{
    QTemporaryDir base;
    ASSERT_TRUE(base.isValid());
    const std::string root = base.path().toStdString();

    const std::string fresh = root + "/fresh";
    EXPECT_TRUE(trevisto::prepareRuntimeFolder(fresh));
    EXPECT_EQ(modeOf(fresh) & 07777, 0700u);

    // Made by the user earlier, open to others: narrowed, as the session's own would be.
    const std::string open = root + "/open";
    ASSERT_EQ(::mkdir(open.c_str(), 0755), 0);
    ASSERT_EQ(::chmod(open.c_str(), 0777), 0);
    EXPECT_TRUE(trevisto::prepareRuntimeFolder(open));
    EXPECT_EQ(modeOf(open) & 07777, 0700u);

    // A link in its place, even to a private folder, and a plain file are not taken.
    const std::string link = root + "/link";
    ASSERT_EQ(::symlink(fresh.c_str(), link.c_str()), 0);
    EXPECT_FALSE(trevisto::prepareRuntimeFolder(link));
    const std::string file = root + "/file";
    FILE *f = std::fopen(file.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    EXPECT_FALSE(trevisto::prepareRuntimeFolder(file));
    EXPECT_FALSE(trevisto::prepareRuntimeFolder(root + "/missing/below"));
}

TEST(RuntimeFolder, SetOnlyWhereTheSessionNamesNone)
{
    QTemporaryDir base;
    ASSERT_TRUE(base.isValid());
    const std::string temp = base.path().toStdString();
    const char *had = std::getenv("XDG_RUNTIME_DIR");
    const std::string saved = had ? had : "";

    setenv("XDG_RUNTIME_DIR", "/run/user/elsewhere", 1);
    trevisto::ensureRuntimeFolder(temp);
    EXPECT_STREQ(std::getenv("XDG_RUNTIME_DIR"), "/run/user/elsewhere");

    for (const bool empty : {true, false}) {
        if (empty)
            setenv("XDG_RUNTIME_DIR", "", 1);
        else
            unsetenv("XDG_RUNTIME_DIR");
        trevisto::ensureRuntimeFolder(temp);
        const std::string expected = trevisto::fallbackRuntimeFolder(temp, ::geteuid());
        ASSERT_NE(std::getenv("XDG_RUNTIME_DIR"), nullptr);
        EXPECT_EQ(std::getenv("XDG_RUNTIME_DIR"), expected);
        EXPECT_EQ(modeOf(expected) & 07777, 0700u);
    }
    setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
}
