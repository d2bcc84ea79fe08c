#include "platform/instance/InstanceStartLock.h"

#include "platform/instance/InstanceFolder.h"

#include <QElapsedTimer>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace platform {

namespace {

// Locks held by this process. Start-ups within one process (tests build
// several application objects) run one after the other anyway; a second
// holder shares the lock instead of waiting for itself.
int& heldInProcess() {
    static int count = 0;
    return count;
}

} // namespace

InstanceStartLock::InstanceStartLock(QString folder)
    : folder_(folder.isEmpty() ? InstanceFolder::location() : std::move(folder)) {}

InstanceStartLock::~InstanceStartLock() { release(); }

bool InstanceStartLock::acquire(int waitMs) {
    if (isHeld())
        return true;
    waited_ = false;
    if (heldInProcess() > 0) {
        shared_ = true;
        ++heldInProcess();
        return true;
    }
    if (!InstanceFolder::ensure(folder_))
        return false;
    const QByteArray path = QFile::encodeName(folder_ + QStringLiteral("/start.lock"));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    QElapsedTimer clock;
    clock.start();
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || clock.elapsed() >= waitMs) {
            ::close(fd);
            return false;
        }
        waited_ = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    fd_ = fd;
    ++heldInProcess();
    return true;
}

int InstanceStartLock::keepAcrossExec() {
    if (fd_ < 0)
        return -1;
    const int flags = ::fcntl(fd_, F_GETFD);
    if (flags < 0 || ::fcntl(fd_, F_SETFD, flags & ~FD_CLOEXEC) != 0)
        return -1;
    const int fd = fd_;
    fd_ = -1;
    --heldInProcess();
    return fd;
}

bool InstanceStartLock::adopt(int fd, bool waited) {
    if (isHeld() || fd < 0)
        return false;
    const QByteArray path = QFile::encodeName(folder_ + QStringLiteral("/start.lock"));
    struct stat passed {};
    struct stat own {};
    if (::fstat(fd, &passed) != 0 || ::lstat(path.constData(), &own) != 0 ||
        !S_ISREG(passed.st_mode) || passed.st_dev != own.st_dev || passed.st_ino != own.st_ino)
        return false;
    // Holding it through this description already, taking it again succeeds
    // at once; it fails only when the lock is someone else's.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return false;
    const int flags = ::fcntl(fd, F_GETFD);
    if (flags >= 0)
        ::fcntl(fd, F_SETFD, flags | FD_CLOEXEC);
    fd_ = fd;
    waited_ = waited;
    ++heldInProcess();
    return true;
}

void InstanceStartLock::release() {
    if (shared_) {
        shared_ = false;
        --heldInProcess();
        return;
    }
    if (fd_ < 0)
        return;
    --heldInProcess();
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

} // namespace platform
