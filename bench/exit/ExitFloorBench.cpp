// What the page engine alone needs to end: a minimal program with N page
// views on one local page (in a window area, maximised, on a named profile
// kept on disk, drawn the way the program draws them) is sent SIGTERM and
// takes everything down the normal way, so the engine writes its cookies and
// site storage. The time from SIGTERM until the process is gone is the floor
// under the program's own exit time with the same number of pages.
//   exit_floor_bench [rounds] [pages...]    (default 5 rounds of 1 and 20)
// Needs DISPLAY. Each start runs in a fresh folder; a start that does not
// load its pages within 60 s is reported as FAILED, not timed.
#include "app/RenderingSetup.h"
#include "platform/os/RenderingPath.h"
#include "../support/ProgramRuns.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QThread>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {

int signalPipe[2] = {-1, -1};

void onTerminate(int) {
    const char c = 1;
    (void)!::write(signalPipe[1], &c, 1);
}

// The measured program: N views, "ready" on stdout once every page loaded.
int runPages(int argc, char** argv, int pages, const QString& folder) {
    PrepareRendering(platform::chooseRenderingPath(platform::readRenderingInputs(argc, argv)));
    QApplication app(argc, argv);
    FinishRenderingSetup();
    ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe);
    std::signal(SIGTERM, onTerminate);
    auto* profile = new QWebEngineProfile(QStringLiteral("ExitFloor"), &app);
    profile->setPersistentStoragePath(folder + QStringLiteral("/storage"));
    profile->setCachePath(folder + QStringLiteral("/cache"));
    auto* window = new QMdiArea;
    window->resize(1024, 768);
    window->show();
    int loaded = 0;
    const QUrl page = QUrl::fromLocalFile(folder + QStringLiteral("/page.html"));
    for (int i = 0; i < pages; ++i) {
        auto* view = new QWebEngineView;
        view->setPage(new QWebEnginePage(profile, view));
        QObject::connect(view, &QWebEngineView::loadFinished, [&loaded, pages] {
            if (++loaded == pages)
                std::printf("ready\n"), std::fflush(stdout);
        });
        window->addSubWindow(view)->showMaximized();
        view->load(page);
    }
    QSocketNotifier terminate(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&terminate, &QSocketNotifier::activated, [window] {
        window->close();
        delete window;
        QCoreApplication::quit();
    });
    return QApplication::exec();
}

// One start of the measured program; the exit time in ms, or -1 when it
// failed to load its pages or to end within 30 s.
double timeOneExit(const char* self, int pages) {
    QTemporaryDir folder;
    QFile html(folder.path() + QStringLiteral("/page.html"));
    html.open(QIODevice::WriteOnly);
    html.write("<html><head><title>Exit floor</title><script>document.cookie="
               "'kept=1; max-age=86400'</script></head><body>A page.</body></html>");
    html.close();
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QString::fromLocal8Bit(self),
                {QStringLiteral("--pages"), QString::number(pages), folder.path()});
    QElapsedTimer clock;
    clock.start();
    while (!child.readAllStandardOutput().contains("ready")) {
        if (clock.elapsed() > 60000 || child.state() == QProcess::NotRunning) {
            child.kill();
            child.waitForFinished(5000);
            return -1;
        }
        child.waitForReadyRead(100);
    }
    QThread::msleep(2000); // as the program is measured: two seconds after its pages
    clock.restart();
    ::kill(static_cast<pid_t>(child.processId()), SIGTERM);
    if (!child.waitForFinished(30000)) {
        child.kill();
        child.waitForFinished(5000);
        return -1;
    }
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && QByteArray(argv[1]) == "--pages")
        return runPages(argc, argv, std::max(1, std::atoi(argv[2])), QString::fromLocal8Bit(argv[3]));
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::vector<int> sizes;
    for (int i = 2; i < argc; ++i)
        sizes.push_back(std::max(1, std::atoi(argv[i])));
    if (sizes.empty())
        sizes = {1, 20};
    std::vector<std::vector<double>> times(sizes.size());
    std::vector<int> failed(sizes.size(), 0);
    for (int round = 0; round < rounds; ++round) {
        for (size_t s = 0; s < sizes.size(); ++s) {
            const double ms = timeOneExit(argv[0], sizes[s]);
            std::printf("round %d, %d page(s): %s\n", round + 1, sizes[s],
                        ms < 0 ? "FAILED" : QByteArray::number(ms, 'f', 1).append(" ms").constData());
            std::fflush(stdout);
            if (ms < 0)
                ++failed[s];
            else
                times[s].push_back(ms);
        }
    }
    int status = 0;
    for (size_t s = 0; s < sizes.size(); ++s) {
        if (times[s].empty()) {
            std::printf("%d page(s): every run FAILED\n", sizes[s]);
            status = 2;
            continue;
        }
        std::printf("%d page(s): median %.1f ms (min %.1f, max %.1f) over %zu runs, %d FAILED\n",
                    sizes[s], bench::median(times[s]), *std::min_element(times[s].begin(), times[s].end()),
                    *std::max_element(times[s].begin(), times[s].end()), times[s].size(), failed[s]);
        if (failed[s])
            status = 2;
    }
    return status;
}
