#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QEventLoop>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>
#include <future>
#include <sys/types.h>

// Helpers for driving an InstanceServer on the test's main thread while the
// blocking client side runs on another thread, and for playing misbehaving
// peers with raw sockets.
namespace instancetest {

// Runs the event loop of the calling thread until done() holds or timeoutMs
// passed. Returns done()'s last value.
bool spinUntil(const std::function<bool()>& done, int timeoutMs = 10000);

// Runs work on another thread while this thread keeps serving its event
// loop (so a server living here can answer), and returns work's result.
template <class Work> auto whileServing(Work work) -> decltype(work()) {
    auto future = std::async(std::launch::async, std::move(work));
    spinUntil([&] { return future.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
              60000);
    return future.get();
}

// A raw client socket connected to path (nonblocking); -1 when connecting
// failed. The caller closes it.
int connectRaw(const QString& path);

// What a raw peer saw after sending its bytes.
struct PeerResult {
    QByteArray received; // everything the server sent back
    bool closedByServer = false;
};

// On another thread: connects, sends bytes, then reads until the server
// closes the connection or waitMs passes. The calling thread serves its
// event loop meanwhile.
PeerResult rawExchange(const QString& path, const QByteArray& bytes, int waitMs);

// Whether the server has closed fd (end of stream seen), serving the event
// loop for up to timeoutMs while waiting.
bool waitForServerClose(int fd, int timeoutMs);

// Leaves a socket file at path with nobody listening, as a process that was
// killed leaves it.
bool makeDeadSocketFile(const QString& path);

// A listening socket at path that never accepts or answers; returns its fd.
int makeSilentListener(const QString& path);

// The id of a process that has already ended (forked, exited and reaped).
pid_t deadProcessId();

// The mode bits (e.g. 0700) of path, or -1.
int modeOf(const QString& path);

} // namespace instancetest
