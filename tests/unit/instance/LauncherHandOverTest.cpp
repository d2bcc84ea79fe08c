// The launcher searches for a running instance and, when none takes the
// start, executes the program with the start lock still held: the lock
// crosses exec as an open descriptor named in the environment, which the
// program checks before it trusts it.
#include "app/StartHandOver.h"
#include "platform/instance/InstanceFolder.h"
#include "platform/instance/InstanceStartLock.h"

#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QFile>

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;

namespace {

bool closedOnExec(int fd) { return (::fcntl(fd, F_GETFD) & FD_CLOEXEC) != 0; }

// Whether a process of its own can take the lock in folder right now (with
// flock itself: a forked copy of this process would count the lock as its
// own).
bool freeForAnotherProcess(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder + "/start.lock");
    const pid_t child = ::fork();
    if (child == 0) {
        const int fd = ::open(path.constData(), O_RDWR);
        ::_exit(fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

const char* const kVariable = StartHandOver::kLauncherSearchVariable;

} // namespace

TEST(LauncherHandOverTest, TheHeldLockCrossesExecAndOnlyItsOwnFileIsTakenOver) {
    const QString folder = testenv::freshDir("launcherlock") + "/run";
    InstanceStartLock launcher(folder);
    ASSERT_TRUE(launcher.acquire(1000));
    const int fd = launcher.keepAcrossExec();
    ASSERT_GE(fd, 0);
    EXPECT_FALSE(closedOnExec(fd));
    EXPECT_FALSE(launcher.isHeld()) << "the descriptor is no longer the launcher's";
    EXPECT_FALSE(freeForAnotherProcess(folder)) << "still held while passed on";

    // Descriptors that are not the lock file are refused and left open.
    const int other = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    InstanceStartLock program(folder);
    EXPECT_FALSE(program.adopt(other, false));
    EXPECT_EQ(::fcntl(other, F_GETFD) >= 0, true);
    ::close(other);
    EXPECT_FALSE(program.adopt(-1, false));
    EXPECT_FALSE(InstanceStartLock(folder + "/elsewhere").adopt(fd, false));

    ASSERT_TRUE(program.adopt(fd, true));
    EXPECT_TRUE(program.isHeld());
    EXPECT_TRUE(program.waited());
    EXPECT_TRUE(closedOnExec(fd)) << "not passed on to the programs this one starts";
    EXPECT_FALSE(freeForAnotherProcess(folder));
    program.release();
    EXPECT_TRUE(freeForAnotherProcess(folder));
}

TEST(LauncherHandOverTest, ALockFileHeldByAnotherProcessIsNotTakenOver) {
    const QString folder = testenv::freshDir("launcherlock2") + "/run";
    ASSERT_TRUE(InstanceFolder::ensure(folder));
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        InstanceStartLock lock(folder);
        const char held = lock.acquire(1000) ? 1 : 0;
        (void)!::write(ready[1], &held, 1);
        ::sleep(5);
        ::_exit(0);
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    ASSERT_EQ(held, 1);
    const QByteArray path = QFile::encodeName(folder + "/start.lock");
    const int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    InstanceStartLock lock(folder);
    EXPECT_FALSE(lock.adopt(fd, false)) << "the right file, but another start holds it";
    ::close(fd);
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST(LauncherHandOverTest, TheProgramTrustsOnlyAWellFormedVariableAndRemovesIt) {
    for (const char* bad : {"", "x", "3", "3:2", "3:1:1", "-2:0", "4294967299:0", "12ab:0"}) {
        ::setenv(kVariable, bad, 1);
        StartHandOver handOver({QStringLiteral("http://example.test/")});
        EXPECT_FALSE(handOver.takeOverFromLauncher()) << bad;
        EXPECT_FALSE(handOver.searched()) << bad;
        EXPECT_EQ(std::getenv(kVariable), nullptr) << "removed: " << bad;
    }

    // The launcher searched but could not have the lock.
    ::setenv(kVariable, "-1:0", 1);
    StartHandOver searchedWithoutLock({});
    EXPECT_TRUE(searchedWithoutLock.takeOverFromLauncher());
    EXPECT_TRUE(searchedWithoutLock.searched());
    EXPECT_FALSE(searchedWithoutLock.takeLock()->isHeld());

    // The launcher held the lock of the instances' folder and waited for it.
    InstanceStartLock launcher;
    ASSERT_TRUE(launcher.acquire(1000));
    const int fd = launcher.keepAcrossExec();
    ::setenv(kVariable, (QByteArray::number(fd) + ":1").constData(), 1);
    StartHandOver program({});
    EXPECT_TRUE(program.takeOverFromLauncher());
    const auto lock = program.takeLock();
    EXPECT_TRUE(lock->isHeld());
    EXPECT_TRUE(lock->waited());

    // Nothing passed on: the program searches itself.
    ::unsetenv(kVariable);
    StartHandOver direct({});
    EXPECT_FALSE(direct.takeOverFromLauncher());
    EXPECT_FALSE(direct.searched());
}

TEST(LauncherHandOverTest, ALauncherThatDidNotSearchPassesNothingOn) {
    ::setenv(kVariable, "7:1", 1);
    StartHandOver handOver({QStringLiteral("--print-settings")});
    EXPECT_TRUE(handOver.needsNoSearch());
    handOver.passOnForExec();
    EXPECT_EQ(std::getenv(kVariable), nullptr)
        << "a stale value from the caller's environment never reaches the program";
}
