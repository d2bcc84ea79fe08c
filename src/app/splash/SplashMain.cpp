// quorrelin-splash: the start-up splash of the program, drawn by a process
// of its own so that its strip keeps moving however busy the program's main
// thread is. The program starts it with a socket on standard input and
// writes "close" there when start-up is done; the end of its input (the
// program ended) closes it too, as do a left click and Escape.
#include "app/splash/SplashPictureData.h"
#include "app/splash/SplashWindow.h"

#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <algorithm>
#include <cerrno>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// Reads what the program sent; false when it asked to close or went away.
bool readRequests(std::string& pending) {
    char buffer[256];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (n <= 0)
        return false;
    pending.append(buffer, static_cast<std::size_t>(n));
    if (pending.find("close") != std::string::npos)
        return false;
    // Keep only a tail that may still grow into a request.
    if (pending.size() > 64)
        pending.erase(0, pending.size() - 8);
    return true;
}

} // namespace

int main() {
    SplashWindow window(splash::kBackground, splash::kStrip);
    if (!window.Open())
        return 1;
    const auto tick = std::chrono::milliseconds(SplashStrip::kTickMs);
    Clock::time_point next = Clock::now() + tick;
    std::string pending;
    for (;;) {
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(next - Clock::now());
        pollfd fds[2] = {{STDIN_FILENO, POLLIN, 0}, {window.Descriptor(), POLLIN, 0}};
        if (::poll(fds, 2, static_cast<int>(std::max<long long>(0, wait.count()))) < 0 &&
            errno != EINTR)
            return 1;
        if ((fds[0].revents & (POLLIN | POLLHUP | POLLERR)) && !readRequests(pending))
            return 0;
        if (!window.HandleEvents())
            return 0;
        const Clock::time_point now = Clock::now();
        if (now >= next) {
            window.Tick();
            // A late tick moves one step, like a timer that fires late.
            next += tick;
            if (next <= now)
                next = now + tick;
        }
    }
}
