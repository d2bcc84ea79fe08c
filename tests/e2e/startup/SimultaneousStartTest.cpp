// Two whole program starts released at the same instant: exactly one of them
// opens a main window, the other hands over and ends.
#include "app/SettingsPaths.h"
#include "platform/instance/InstanceClient.h"
#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;

namespace {

constexpr int kTrials = 20;

// Forks a child that waits on the barrier pipe and then becomes the
// program. Closing the pipe's write end releases every child at once.
pid_t startAtBarrier(int barrierReadEnd, int barrierWriteEnd) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(barrierWriteEnd);
        char c;
        while (::read(barrierReadEnd, &c, 1) > 0) {
        }
        ::execl(QUORRELIN_PROGRAM, QUORRELIN_PROGRAM, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return pid;
}

bool running(pid_t pid) {
    return ::waitpid(pid, nullptr, WNOHANG) == 0;
}

int windowsAnswering() {
    const InstanceClient client;
    int count = 0;
    for (InstanceId id : client.enumerate())
        count += client.isRunningInstance(id) ? 1 : 0;
    return count;
}

void endProcess(pid_t pid) {
    ::kill(pid, SIGTERM);
    QElapsedTimer clock;
    clock.start();
    while (running(pid) && clock.elapsed() < 10000)
        QThread::msleep(20);
    if (running(pid)) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
}

} // namespace

TEST(SimultaneousStartTest, TwoStartsAtOnceGiveExactlyOneMainWindow) {
    testenv::useFreshRegistry();
    qputenv("QUORRELIN_SCRIPTED_DIALOGS", "1");
    const RegKey settings =
        RegKey::create(RegRoot::CurrentUser, QString::fromUtf16(kSettingsKeyPath));
    settings.setDword("CheckDefaultBrowser", 0);
    settings.setDword("ConfirmExitApp", 0);
    settings.setDword("DisplaySplash", 0);

    for (int trial = 0; trial < kTrials; ++trial) {
        int barrier[2];
        ASSERT_EQ(::pipe(barrier), 0);
        const pid_t a = startAtBarrier(barrier[0], barrier[1]);
        const pid_t b = startAtBarrier(barrier[0], barrier[1]);
        ASSERT_GT(a, 0);
        ASSERT_GT(b, 0);
        ::close(barrier[0]);
        ::close(barrier[1]); // both go

        // One start hands over and ends; the other keeps its window.
        QElapsedTimer clock;
        clock.start();
        while (running(a) && running(b) && clock.elapsed() < 30000)
            QThread::msleep(20);
        const bool aRuns = running(a);
        const bool bRuns = running(b);
        EXPECT_NE(aRuns, bRuns) << "trial " << trial << ": both or neither kept a window";
        const pid_t survivor = aRuns ? a : b;
        clock.restart();
        while (windowsAnswering() == 0 && running(survivor) && clock.elapsed() < 30000)
            QThread::msleep(20);
        EXPECT_EQ(windowsAnswering(), 1) << "trial " << trial;
        endProcess(a);
        endProcess(b);
        if (HasFailure())
            break;
    }
}
