#include "platform/instance/InstanceExchange.h"

#include "platform/instance/InstanceProtocol.h"

#include <QFile>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;
using Outcome = InstanceExchange::Outcome;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Milliseconds left until deadline, rounded up; 0 once it has passed.
int remainingMs(Clock::time_point deadline) {
    const auto left = deadline - Clock::now();
    if (left <= Clock::duration::zero())
        return 0;
    return int(std::chrono::ceil<std::chrono::milliseconds>(left).count());
}

// Waits for events on fd until deadline; false on time-out or error.
bool waitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        const int left = remainingMs(deadline);
        if (left == 0)
            return false;
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, left);
        if (ready > 0)
            return true;
        if (ready < 0 && errno != EINTR)
            return false;
    }
}

Outcome outcomeOfConnectError(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return Outcome::NoSocket;
    case ECONNREFUSED:
        return Outcome::Refused;
    default:
        return Outcome::NoAnswer;
    }
}

Outcome connectUntil(int fd, const sockaddr_un& address, Clock::time_point deadline) {
    for (;;) {
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            return Outcome::Answered;
        const int error = errno;
        if (error == EINTR)
            continue;
        if (error == EAGAIN) {
            // The listener's backlog is full; local sockets cannot be polled
            // for that, so try again shortly.
            if (remainingMs(deadline) == 0)
                return Outcome::NoAnswer;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        if (error != EINPROGRESS)
            return outcomeOfConnectError(error);
        if (!waitFor(fd, POLLOUT, deadline))
            return Outcome::NoAnswer;
        int status = 0;
        socklen_t size = sizeof status;
        if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &status, &size) != 0)
            return Outcome::NoAnswer;
        return status == 0 ? Outcome::Answered : outcomeOfConnectError(status);
    }
}

bool sendAll(int fd, const QByteArray& data, Clock::time_point deadline) {
    qsizetype sent = 0;
    while (sent < data.size()) {
        const ssize_t n =
            ::send(fd, data.constData() + sent, size_t(data.size() - sent), MSG_NOSIGNAL);
        if (n > 0) {
            sent += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN && waitFor(fd, POLLOUT, deadline))
            continue;
        return false;
    }
    return true;
}

// Reads exactly size bytes; false on end of stream, error or time-out.
bool receiveExactly(int fd, int size, Clock::time_point deadline, QByteArray* out) {
    out->resize(size);
    int got = 0;
    while (got < size) {
        const ssize_t n = ::recv(fd, out->data() + got, size_t(size - got), 0);
        if (n > 0) {
            got += int(n);
            continue;
        }
        if (n == 0)
            return false;
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN && waitFor(fd, POLLIN, deadline))
            continue;
        return false;
    }
    return true;
}

} // namespace

InstanceExchange InstanceExchange::run(const QString& socketPath, const QByteArray& request,
                                       int timeoutMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(qMax(timeoutMs, 0));
    InstanceExchange exchange;

    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(socketPath);
    if (native.isEmpty() || size_t(native.size()) >= sizeof address.sun_path) {
        exchange.outcome = Outcome::NoSocket;
        return exchange;
    }
    std::memcpy(address.sun_path, native.constData(), size_t(native.size()));

    const FileDescriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0)
        return exchange;
    exchange.outcome = connectUntil(socket.get(), address, deadline);
    if (exchange.outcome != Outcome::Answered)
        return exchange;

    exchange.outcome = Outcome::NoAnswer;
    QByteArray reply;
    if (!sendAll(socket.get(), request, deadline) ||
        !receiveExactly(socket.get(), instancewire::kHeaderSize + 8, deadline, &reply))
        return exchange;
    const auto header = instancewire::parseHeader(reply);
    if (!header || header->kind != instancewire::FrameKind::Result)
        return exchange;
    exchange.outcome = Outcome::Answered;
    exchange.result = instancewire::readU64(reply, instancewire::kHeaderSize);
    return exchange;
}

} // namespace platform
