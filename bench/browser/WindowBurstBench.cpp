// A burst of browser windows opening at once, in the program running as a
// process of its own: start-up opens a link group of N windows (default
// 50), maximised as they are once the user has maximised a window, each on
// a page of a loopback server. Measures the time from the program's start
// until every page has loaded (each page reports its load event to the
// server), and the memory of the program's process tree (resident and
// proportional set size, summed over /proc/<pid>/smaps_rollup) two seconds
// later, and the processor time the tree uses in the five seconds after
// that, while nothing happens but what the pages do by themselves. Several
// programs (for example two builds) are run interleaved, run
// by run, each time with fresh folders. Needs DISPLAY.
//   window_burst_bench [--windows N] [--runs R] [--normal] [--animated] [program ...]
// Without a program it runs the one built beside it. --normal opens the
// windows cascaded at their normal size instead of maximised; --animated
// gives every page a small endless animation (as many pages have).
#include "../../tests/engine/engine/TestHttpServer.h"
#include "../support/ProcessTreeMemory.h"
#include "../support/ProgramRuns.h"
#include "app/CAppSettings.h"
#include "linkgroups/LinkGroup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <map>
#include <vector>

#include <unistd.h>

namespace {

constexpr int kTimeoutMs = 180000;
constexpr int kSettleMs = 2000;
constexpr int kIdleMs = 5000;

struct Run {
    double ms = 0;
    bench::Memory memory;
    double idleCpuPercent = 0; // of one core
};

struct Options {
    int count = 50;
    int runs = 3;
    bool maximized = true;
    bool animated = false;
};

QByteArray pageBody(int index, bool animated) {
    QByteArray body = "<html><head><title>Burst page " + QByteArray::number(index) +
                      "</title></head><body onload=\"fetch('/done/" + QByteArray::number(index) +
                      "')\"><h1>Burst</h1>";
    if (animated)
        body += "<style>@keyframes turn { to { transform: rotate(360deg); } }</style>"
                "<div style='width:60px;height:60px;background:#36c;"
                "animation:turn 1s linear infinite'></div>";
    for (int i = 0; i < 200; ++i)
        body += "<p>Paragraph " + QByteArray::number(i) + " with <a href='#x'>a link</a>.</p>";
    return body + "</body></html>";
}

// Start mode 5 with one start-up group of count pages; no questions.
void prepareSettings(const TestHttpServer& server, int count, bool maximized) {
    CAppSettings settings;
    settings.Load();
    LinkGroup group;
    group.Name = QStringLiteral("Burst");
    group.Startup = 1;
    for (int i = 0; i < count; ++i)
        group.Links.append(
            {QStringLiteral("Page %1").arg(i), server.url(QStringLiteral("/p/%1").arg(i))});
    settings.LinkGroups = {group};
    settings.MaximizeChild = maximized ? 1 : 0;
    settings.DisplaySplash = 0;
    settings.CheckDefaultBrowser = 0;
    settings.ConfirmExitApp = 0;
    settings.SetStartMode(5);
    settings.Save();
}

void wait(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

int loadedPages(const TestHttpServer& server) {
    QSet<QString> done;
    for (const QString& path : server.requests())
        if (path.startsWith(QLatin1String("/done/")))
            done.insert(path);
    return static_cast<int>(done.size());
}

bool runOnce(const QString& program, const QString& registry, const Options& options, Run* result) {
    const int count = options.count;
    TestHttpServer server;
    if (!server.start())
        return false;
    for (int i = 0; i < count; ++i)
        server.addPage(QStringLiteral("/p/%1").arg(i), pageBody(i, options.animated));
    prepareSettings(server, count, options.maximized);
    QTemporaryDir folder;
    QProcess process;
    process.setProcessEnvironment(bench::programEnvironment(folder.path(), registry));
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setProgram(program);
    QElapsedTimer timer;
    timer.start();
    process.start();
    if (!process.waitForStarted())
        return false;
    while (process.state() == QProcess::Running && timer.elapsed() < kTimeoutMs &&
           loadedPages(server) < count)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    result->ms = timer.nsecsElapsed() / 1e6;
    const bool complete = loadedPages(server) == count;
    if (complete) {
        wait(kSettleMs);
        result->memory = bench::treeMemory(process.processId());
        const qint64 before = bench::treeCpuTicks(process.processId());
        wait(kIdleMs);
        const qint64 used = bench::treeCpuTicks(process.processId()) - before;
        result->idleCpuPercent =
            100.0 * double(used) / double(sysconf(_SC_CLK_TCK)) / (kIdleMs / 1000.0);
    } else {
        std::printf("  %d of %d pages loaded after %.0f ms\n", loadedPages(server), count,
                    result->ms);
    }
    ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished(5000);
    }
    return complete;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Options options;
    QStringList programs;
    const QStringList arguments = app.arguments().mid(1);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--windows") && i + 1 < arguments.size())
            options.count = std::max(1, arguments[++i].toInt());
        else if (arguments[i] == QLatin1String("--runs") && i + 1 < arguments.size())
            options.runs = std::max(1, arguments[++i].toInt());
        else if (arguments[i] == QLatin1String("--normal"))
            options.maximized = false;
        else if (arguments[i] == QLatin1String("--animated"))
            options.animated = true;
        else
            programs << arguments[i];
    }
    if (programs.isEmpty())
        programs << QStringLiteral(QUORRELIN_PROGRAM);

    QTemporaryDir home;
    const QString registry = home.path() + QStringLiteral("/registry.db");
    qputenv("QUORRELIN_REGISTRY", registry.toLocal8Bit());
    std::map<QString, std::vector<Run>> results;
    int failures = 0;
    for (int run = 0; run < options.runs; ++run) {
        // Each round starts with another program, so none gains from its place.
        for (qsizetype p = 0; p < programs.size(); ++p) {
            const QString& program = programs[(p + run) % programs.size()];
            Run result;
            if (!runOnce(program, registry, options, &result)) {
                ++failures;
                std::printf("run %d %s: FAILED\n", run + 1, qPrintable(program));
                continue;
            }
            results[program].push_back(result);
            std::printf("run %d %s: %d windows loaded in %.0f ms; RSS %.1f MiB, PSS %.1f MiB "
                        "(%d processes); idle CPU %.1f %%\n",
                        run + 1, qPrintable(program), options.count, result.ms,
                        result.memory.rssKb / 1024.0, result.memory.pssKb / 1024.0,
                        result.memory.processes, result.idleCpuPercent);
        }
    }
    std::printf("%d windows %s%s; medians:\n", options.count,
                options.maximized ? "maximised" : "cascaded",
                options.animated ? ", animated pages" : "");
    for (const QString& program : programs) {
        std::vector<double> ms, pss, rss, cpu;
        for (const Run& run : results[program]) {
            ms.push_back(run.ms);
            pss.push_back(run.memory.pssKb / 1024.0);
            rss.push_back(run.memory.rssKb / 1024.0);
            cpu.push_back(run.idleCpuPercent);
        }
        std::printf("  %s: %.0f ms, PSS %.1f MiB, RSS %.1f MiB, idle CPU %.1f %% (%zu runs)\n",
                    qPrintable(program), bench::median(ms), bench::median(pss), bench::median(rss),
                    bench::median(cpu), ms.size());
    }
    return failures == 0 ? 0 : 2;
}
