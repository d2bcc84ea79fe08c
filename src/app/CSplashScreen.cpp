#include "app/CSplashScreen.h"

#include "system/ProgramFolders.h"

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>
#include <utility>

extern char** environ;

namespace {

constexpr char kPainterName[] = "quorrelin-splash";
constexpr char kCloseRequest[] = "close\n";

// The splash program ends on its own time; a thread of no importance waits
// for it so that it leaves no zombie behind.
void reapLater(pid_t pid) {
    std::thread([pid] {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

} // namespace

bool CSplashScreen::Wanted(int displaySplash, bool plainOrOpenStart, const QString& guiPlatform,
                           const QString& painter) {
    if (displaySplash == 0 || !plainOrOpenStart)
        return false;
    if (!painter.isEmpty())
        return true;
    return !guiPlatform.isEmpty() && guiPlatform != QLatin1String("offscreen") &&
           guiPlatform != QLatin1String("minimal");
}

QString CSplashScreen::DefaultPainter() {
    return ProgramFolders().pluginFolder() + u'/' + QLatin1String(kPainterName);
}

CSplashScreen::CSplashScreen(QString painter) : m_painter(std::move(painter)) {}

CSplashScreen::~CSplashScreen() { Close(); }

bool CSplashScreen::Show() {
    if (IsShown())
        return true;
    if (m_painter.isEmpty())
        m_painter = DefaultPainter();
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The child's end becomes its standard input (dup2 clears close-on-exec
    // for it); every other descriptor of ours stays behind.
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDIN_FILENO);
    const QByteArray path = m_painter.toLocal8Bit();
    char* argv[] = {const_cast<char*>(kPainterName), nullptr};
    pid_t pid = 0;
    const int failed = ::posix_spawn(&pid, path.constData(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(ends[1]);
    if (failed != 0) {
        ::close(ends[0]);
        return false;
    }
    m_pid = pid;
    m_channel = ends[0];
    reapLater(pid);
    return true;
}

void CSplashScreen::Close() {
    if (!IsShown())
        return;
    // Never blocks and never raises SIGPIPE: a splash closed by a click
    // has simply gone.
    (void)::send(m_channel, kCloseRequest, sizeof kCloseRequest - 1, MSG_DONTWAIT | MSG_NOSIGNAL);
    ::close(m_channel);
    m_channel = -1;
}
