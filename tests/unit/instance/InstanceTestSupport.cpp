#include "InstanceTestSupport.h"

#include <QElapsedTimer>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace instancetest {
namespace {

bool fillAddress(const QString& path, sockaddr_un* address) {
    const QByteArray native = QFile::encodeName(path);
    if (size_t(native.size()) >= sizeof address->sun_path)
        return false;
    *address = sockaddr_un{};
    address->sun_family = AF_UNIX;
    std::memcpy(address->sun_path, native.constData(), size_t(native.size()));
    return true;
}

int boundSocket(const QString& path) {
    sockaddr_un address;
    if (!fillAddress(path, &address))
        return -1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// 1: end of stream, 0: nothing yet, -1: error other than a reset.
int drain(int fd, QByteArray* received) {
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n > 0) {
            if (received)
                received->append(buffer, n);
            continue;
        }
        if (n == 0 || errno == ECONNRESET)
            return 1;
        return errno == EAGAIN ? 0 : -1;
    }
}

} // namespace

bool spinUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() >= timeoutMs)
            loop.quit();
    });
    if (done())
        return true;
    poll.start(2);
    loop.exec();
    return done();
}

int connectRaw(const QString& path) {
    sockaddr_un address;
    if (!fillAddress(path, &address))
        return -1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

PeerResult rawExchange(const QString& path, const QByteArray& bytes, int waitMs) {
    return whileServing([path, bytes, waitMs] {
        PeerResult result;
        const int fd = connectRaw(path);
        if (fd < 0)
            return result;
        if (!bytes.isEmpty())
            ::send(fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < waitMs) {
            pollfd entry{fd, POLLIN, 0};
            ::poll(&entry, 1, 20);
            if (drain(fd, &result.received) != 0) {
                result.closedByServer = true;
                break;
            }
        }
        ::close(fd);
        return result;
    });
}

bool waitForServerClose(int fd, int timeoutMs) {
    return spinUntil([fd] { return drain(fd, nullptr) != 0; }, timeoutMs);
}

bool makeDeadSocketFile(const QString& path) {
    const int fd = boundSocket(path);
    if (fd < 0)
        return false;
    ::close(fd);
    return QFile::exists(path);
}

int makeSilentListener(const QString& path) {
    const int fd = boundSocket(path);
    if (fd >= 0 && ::listen(fd, 16) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

pid_t deadProcessId() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

int modeOf(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return int(info.st_mode & 07777);
}

} // namespace instancetest
