// Times the program's start-up (process start until its main window is
// visible on the X server) and exit (SIGTERM until the process has ended),
// with start mode 4 (no windows) and no splash. Needs DISPLAY and xdotool.
//   startup_bench [runs]     (default 10; prints the medians in ms)
#include "app/SettingsPaths.h"
#include "platform/registry/RegKey.h"
#include "platform/registry/Registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <vector>

namespace {

constexpr int kStartTimeoutMs = 30000;
// Each poll starts a process of its own: poll gently, the program is busy
// starting meanwhile on the same cores.
constexpr int kPollMs = 20;

bool windowVisible(qint64 pid) {
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                  QString::number(pid)});
    search.waitForFinished(2000);
    return search.exitCode() == 0 && !search.readAllStandardOutput().trimmed().isEmpty();
}

void prepareSettings(const QString& registryPath) {
    platform::Registry registry(registryPath);
    const auto key = platform::RegKey::create(platform::RegRoot::CurrentUser,
                                              QString::fromUtf16(kSettingsKeyPath), nullptr,
                                              &registry);
    for (const char* name : {"DisplaySplash", "CheckDefaultBrowser", "ConfirmExitApp"})
        key.setDword(QString::fromLatin1(name), 0);
    key.setDword(QStringLiteral("StartMode"), 4);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    std::vector<double> startup, exit;
    int failures = 0;
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(dir.path() + QStringLiteral("/runtime"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                  QFileDevice::ExeOwner);
        const QString registry = dir.path() + QStringLiteral("/registry.db");
        prepareSettings(registry);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QUORRELIN_REGISTRY"), registry);
        env.insert(QStringLiteral("QUORRELIN_RUNTIME_DIR"), dir.path() + QStringLiteral("/runtime/q"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path() + QStringLiteral("/runtime"));
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.path() + QStringLiteral("/data"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path() + QStringLiteral("/config"));
        QProcess program;
        program.setProcessEnvironment(env);
        program.setProgram(QStringLiteral(QUORRELIN_PROGRAM));
        QElapsedTimer timer;
        timer.start();
        program.start();
        program.waitForStarted();
        bool shown = false;
        while (program.state() == QProcess::Running && timer.elapsed() < kStartTimeoutMs) {
            if ((shown = windowVisible(program.processId())))
                break;
            QThread::msleep(kPollMs);
        }
        const double startMs = timer.nsecsElapsed() / 1e6;
        // A start that failed is reported, never folded into the median.
        if (!shown) {
            ++failures;
            std::printf("run %d: FAILED (%s after %.0f ms)\n", run + 1,
                        program.state() == QProcess::Running ? "no window" : "ended",
                        startMs);
            program.kill();
            program.waitForFinished(5000);
            continue;
        }
        startup.push_back(startMs);
        timer.restart();
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        program.waitForFinished(30000);
        exit.push_back(timer.nsecsElapsed() / 1e6);
        std::printf("run %d: start-up %.1f ms, exit %.1f ms\n", run + 1, startup.back(),
                    exit.back());
    }
    std::printf("median start-up %.1f ms, median exit %.1f ms (%zu runs, %d failed)\n",
                median(startup), median(exit), startup.size(), failures);
    return failures == 0 ? 0 : 2;
}
