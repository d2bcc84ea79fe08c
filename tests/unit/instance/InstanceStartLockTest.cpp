// The start-up lock between processes: one start at a time, and a start
// that dies holding it blocks nobody.
#include "platform/instance/InstanceStartLock.h"

#include "support/TestEnv.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;

namespace {

// A child that takes the lock, holds it for holdMs and ends without letting
// go (the system drops it).
pid_t holdInChild(const QString& folder, int holdMs) {
    return testenv::forkAndHold(
        [folder] { return (new InstanceStartLock(folder))->acquire(1000); }, holdMs);
}

} // namespace

TEST(InstanceStartLockTest, StartsTakeTurnsAndADeadHolderFreesTheLock) {
    const QString folder = testenv::freshDir("startlock") + "/run";
    pid_t holder = holdInChild(folder, 5000);
    ASSERT_GT(holder, 0);
    {
        InstanceStartLock lock(folder);
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(lock.acquire(200)) << "held by the other start";
        EXPECT_GE(clock.elapsed(), 200);
        ::kill(holder, SIGKILL);
        ::waitpid(holder, nullptr, 0);
        EXPECT_TRUE(lock.acquire(2000)) << "the system let go of a dead holder's lock";
    }

    holder = holdInChild(folder, 300);
    ASSERT_GT(holder, 0);
    InstanceStartLock lock(folder);
    EXPECT_TRUE(lock.acquire(10000)) << "taken once the other start is through";
    EXPECT_TRUE(lock.waited());
    ::waitpid(holder, nullptr, 0);

    // Another start-up in this same process shares it instead of waiting.
    InstanceStartLock second(folder);
    EXPECT_TRUE(second.acquire(100));
    EXPECT_FALSE(second.waited());
}
