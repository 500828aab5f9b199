// One running copy per drive: who gets the lock, and when it comes free again.

#include "app/instancelock.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using trevisto::InstanceLock;
using Result = InstanceLock::Result;

class InstanceLockTest : public ::testing::Test {
protected:
    QTemporaryDir dir_;
    QString file() const { return dir_.path() + "/trevisto.lock"; }
};

TEST_F(InstanceLockTest, OneHolderAtATimeUntilItLetsGo)
{
    std::optional<InstanceLock> first, second;
    ASSERT_EQ(InstanceLock::take(file(), first), Result::Taken);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(InstanceLock::take(file(), second), Result::HeldElsewhere) << "a second copy in the same process";
    EXPECT_FALSE(second.has_value());

    // Moved, the lock is still held; destroyed, it is free.
    std::optional<InstanceLock> moved(std::move(*first));
    first.reset();
    EXPECT_EQ(InstanceLock::take(file(), second), Result::HeldElsewhere);
    moved.reset();
    EXPECT_EQ(InstanceLock::take(file(), second), Result::Taken);
}

TEST_F(InstanceLockTest, AnotherProcessIsRefusedAndAKilledHolderBlocksNothing)
{
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::optional<InstanceLock> held;
        const char ok = InstanceLock::take(file(), held) == Result::Taken ? 'y' : 'n';
        [[maybe_unused]] const ssize_t n = ::write(ready[1], &ok, 1);
        ::pause(); // held until killed
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, 'y');
    std::optional<InstanceLock> mine;
    EXPECT_EQ(InstanceLock::take(file(), mine), Result::HeldElsewhere);

    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(InstanceLock::take(file(), mine), Result::Taken) << "the lock died with its holder";
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST_F(InstanceLockTest, AFileThatCannotBeMadeLeavesTheCopyUnguarded)
{
    std::optional<InstanceLock> lock;
    EXPECT_EQ(InstanceLock::take(dir_.path() + "/missing/trevisto.lock", lock), Result::Unavailable);
    EXPECT_FALSE(lock.has_value());

    // A FIFO in the lock's place would hold the start until a writer came.
    ASSERT_EQ(::mkfifo(QFile::encodeName(file()).constData(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(InstanceLock::take(file(), lock), Result::Unavailable);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_FALSE(lock.has_value());
}

} // namespace
