// Times the program's start-up (process start until its main window is
// visible on the X server) and exit (SIGTERM until the process has ended),
// with start mode 4 (no windows) and no splash. Needs DISPLAY and xdotool.
//   startup_bench [runs]     (default 10; prints the medians in ms)
//   startup_bench [runs] --splash
//       start-up until the first page (a local file given on the command
//       line) is titled in the caption, alternately without and with the
//       splash; prints both medians.
#include "../support/ProgramRuns.h"
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
// The title of the page that runs with --splash open.
constexpr char kPageTitle[] = "Startup bench page";

bool windowVisible(qint64 pid, bool titled) {
    QProcess search;
    QStringList arguments = {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                             QStringLiteral("--pid"), QString::number(pid)};
    if (titled)
        arguments << QStringLiteral("--name") << QLatin1String(kPageTitle);
    search.start(QStringLiteral("xdotool"), arguments);
    search.waitForFinished(2000);
    return search.exitCode() == 0 && !search.readAllStandardOutput().trimmed().isEmpty();
}

void prepareSettings(const QString& registryPath, bool splash) {
    platform::Registry registry(registryPath);
    const auto key = platform::RegKey::create(
        platform::RegRoot::CurrentUser, QString::fromUtf16(kSettingsKeyPath), nullptr, &registry);
    for (const char* name : {"CheckDefaultBrowser", "ConfirmExitApp"})
        key.setDword(QString::fromLatin1(name), 0);
    key.setDword(QStringLiteral("StartMode"), 4);
    key.setDword(QStringLiteral("DisplaySplash"), splash ? 1 : 0);
}

QString writePage(const QString& folder) {
    const QString path = folder + QStringLiteral("/page.html");
    QFile page(path);
    page.open(QIODevice::WriteOnly);
    page.write(QByteArray("<html><head><title>") + kPageTitle +
               "</title></head><body>Bench</body></html>");
    return path;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    const bool compareSplash = argc > 2 && QByteArray(argv[2]) == "--splash";
    std::vector<double> startup, exit, splashStartup;
    int failures = 0;
    for (int step = 0; step < (compareSplash ? 2 * runs : runs); ++step) {
        const int run = compareSplash ? step / 2 : step;
        // Pairs alternate which goes first, so neither gains from the other.
        const bool splash = compareSplash && (step + run) % 2 == 1;
        QTemporaryDir dir;
        const QString registry = dir.path() + QStringLiteral("/registry.db");
        const QProcessEnvironment env = bench::programEnvironment(dir.path(), registry);
        prepareSettings(registry, splash);
        QProcess program;
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.setProgram(QStringLiteral(QUORRELIN_PROGRAM));
        if (compareSplash)
            program.setArguments({writePage(dir.path())});
        QElapsedTimer timer;
        timer.start();
        program.start();
        program.waitForStarted();
        bool shown = false;
        while (program.state() == QProcess::Running && timer.elapsed() < kStartTimeoutMs) {
            if ((shown = windowVisible(program.processId(), compareSplash)))
                break;
            QThread::msleep(kPollMs);
        }
        const double startMs = timer.nsecsElapsed() / 1e6;
        // A start that failed is reported, never folded into the median.
        if (!shown) {
            ++failures;
            std::printf("run %d%s: FAILED (%s after %.0f ms, status %d, code %d)\n", run + 1,
                        splash ? " (splash)" : "",
                        program.state() == QProcess::Running ? "no window" : "ended", startMs,
                        int(program.exitStatus()), program.exitCode());
            program.kill();
            program.waitForFinished(5000);
            continue;
        }
        (splash ? splashStartup : startup).push_back(startMs);
        timer.restart();
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        program.waitForFinished(30000);
        exit.push_back(timer.nsecsElapsed() / 1e6);
        std::printf("run %d%s: start-up %.1f ms, exit %.1f ms\n", run + 1,
                    splash ? " (splash)" : "", (splash ? splashStartup : startup).back(),
                    exit.back());
    }
    if (compareSplash)
        std::printf("median start-up to the first titled page: %.1f ms without the splash, "
                    "%.1f ms with it (%zu and %zu runs)\n",
                    bench::median(startup), bench::median(splashStartup), startup.size(),
                    splashStartup.size());
    std::printf("median start-up %.1f ms, median exit %.1f ms (%zu runs, %d failed)\n",
                bench::median(startup), bench::median(exit), startup.size() + splashStartup.size(),
                failures);
    return failures == 0 ? 0 : 2;
}
