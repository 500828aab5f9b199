#include "app/window/drivetenure.h"

#include "app/scripteddialogs.h"
#include "core/routines.h"
#include "core/workingfiles.h"

#include <gtest/gtest.h>

#include <QDir>

#include <optional>

namespace {

// The test runner gives every binary a fresh drive C:; the working folder is made here as
// start-up makes it.
class DriveTenureTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(NativePath(WorkingFiles::Folder))); }
};

TEST_F(DriveTenureTest, OneCopyHoldsTheDriveAtATimeAndTheOtherIsToldWhy)
{
    ScriptedDialogs dialogs;
    std::optional<DriveTenure> first(std::in_place);
    EXPECT_FALSE(first->ownsWorkingFiles()) << "nothing is owned before the drive is taken";
    ASSERT_TRUE(first->TakeDrive(dialogs, "Title"));
    EXPECT_TRUE(first->ownsWorkingFiles());
    EXPECT_TRUE(dialogs.asked().isEmpty());

    DriveTenure second;
    EXPECT_FALSE(second.TakeDrive(dialogs, "Title"));
    EXPECT_FALSE(second.ownsWorkingFiles()) << "a refused copy must not remove the holder's files";
    ASSERT_EQ(dialogs.asked().size(), 1);
    EXPECT_TRUE(dialogs.asked().first().text.contains("already running"));
    EXPECT_EQ(dialogs.asked().first().title, "Title");

    // The lock goes with its holder.
    first.reset();
    DriveTenure third;
    EXPECT_TRUE(third.TakeDrive(dialogs, "Title"));
    EXPECT_EQ(dialogs.asked().size(), 1);
}

} // namespace
