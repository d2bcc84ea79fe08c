// Opens browser windows on a local page with the real engine and measures:
// the time until every window has completed its page, the memory of the
// process tree (this process and its engine helper processes: resident and
// proportional set size from /proc/<pid>/smaps_rollup) with 1 window and
// with all windows open, and the program's own time per window (window
// creation and the navigation call, without the engine's loading).
// Needs an X display (run under Xvfb).
//   browser_windows_bench [windows] [paced]
// windows defaults to 50; with "paced" each window waits for the one before
// it to complete before it opens (as a user opening windows one by one).
#include "app/CQuorrelin.h"
#include "app/RenderingSetup.h"
#include "app/SettingsPaths.h"
#include "browser/CBrowserView.h"
#include "browser/engine/ScriptedEngine.h"
#include "frame/CMainFrame.h"
#include "platform/registry/RegKey.h"
#include "../support/BenchSetup.h"
#include "../support/ProcessTreeMemory.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using bench::Memory;
using bench::treeMemory;

bool completed(const CBrowserView* view, const QString& url) {
    return view->Progress() == 100 && !view->IsBusy() && view->CurrentUrl() == url;
}

// Runs the event loop until every view has completed url or timeoutMs passed.
bool waitForAll(const std::vector<CBrowserView*>& views, const QString& url, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        bool all = true;
        for (const CBrowserView* view : views)
            all = all && completed(view, url);
        if (all)
            return true;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return false;
}

void print(const char* label, const Memory& memory) {
    std::printf("%-28s RSS %8.1f MiB  PSS %8.1f MiB  (%d processes)\n", label,
                double(memory.rssKb) / 1024.0, double(memory.pssKb) / 1024.0, memory.processes);
}

} // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    QTemporaryDir home;
    bench::prepareHome(home);

    // The program's own choice of rendering path (--rendering= works here too).
    PrepareRendering(platform::chooseRenderingPath(platform::readRenderingInputs(argc, argv)));
    QApplication qtApp(argc, argv);
    FinishRenderingSetup();

    const QString url = bench::writePage(home.path());
    if (url.isEmpty())
        return 1;
    bench::prepareSettings();

    CQuorrelin application;
    if (!application.InitInstance({}))
        return 1;
    bench::settle(500);
    const Memory empty = treeMemory();

    qint64 ownNs = 0;
    QElapsedTimer wall;
    std::vector<CBrowserView*> views;
    const auto openOne = [&] {
        QElapsedTimer own;
        own.start();
        CBrowserView* view = application.CreateBrowserWindow(0, true, true);
        if (view)
            view->Navigate(url);
        ownNs += own.nsecsElapsed();
        if (view)
            views.push_back(view);
    };

    wall.start();
    openOne();
    const bool first = waitForAll(views, url, 60000);
    const qint64 firstMs = wall.elapsed();
    bench::settle(1000);
    const Memory one = treeMemory();

    wall.restart();
    const bool paced = argc > 2 && QByteArray(argv[2]) == "paced";
    while (static_cast<int>(views.size()) < count) {
        openOne();
        if (paced)
            waitForAll(views, url, 30000);
    }
    const qint64 openedMs = wall.elapsed();
    const bool all = waitForAll(views, url, 120000);
    if (!all) {
        int done = 0;
        for (const CBrowserView* view : views) {
            if (completed(view, url)) {
                ++done;
                continue;
            }
            std::printf("incomplete: progress %d busy %d engine busy %d url '%s'\n",
                        view->Progress(), view->IsBusy(), view->EngineBusy(),
                        qPrintable(view->CurrentUrl()));
        }
        std::printf("completed %d of %zu\n", done, views.size());
    }
    const qint64 allMs = wall.elapsed();
    bench::settle(2000);
    const Memory many = treeMemory();

    std::printf("windows: %zu, page: %s\n", views.size(), qPrintable(url));
    std::printf("first window completed:      %lld ms%s\n", static_cast<long long>(firstMs),
                first ? "" : " (TIMED OUT)");
    std::printf("%d more windows opened in:   %lld ms (%s)\n", count - 1,
                static_cast<long long>(openedMs),
                paced ? "each after the one before completed" : "event loop not run meanwhile");
    std::printf("all %d windows completed:    %lld ms%s\n", count, static_cast<long long>(allMs),
                all ? "" : " (TIMED OUT)");
    std::printf("own time per window:         %.3f ms (CreateBrowserWindow + Navigate)\n",
                double(ownNs) / 1e6 / double(std::max<std::size_t>(1, views.size())));
    print("memory, no window:", empty);
    print("memory, 1 window:", one);
    print("memory, all windows:", many);
    if (views.size() > 1)
        std::printf("per additional window:       RSS %.1f MiB  PSS %.1f MiB\n",
                    double(many.rssKb - one.rssKb) / 1024.0 / double(views.size() - 1),
                    double(many.pssKb - one.pssKb) / 1024.0 / double(views.size() - 1));

    // The same windows on engines without pages: what remains is the
    // program's own cost of a window (document, frame, view, tab, showing).
    CBrowserView::engineFactory() = [](int, QWidget*) {
        return std::make_unique<ScriptedEngine>();
    };
    QElapsedTimer scripted;
    scripted.start();
    for (int i = 0; i < count; ++i) {
        if (CBrowserView* view = application.CreateBrowserWindow(0, true, true))
            view->Navigate(url);
    }
    std::printf("own time per window, engine without page: %.3f ms\n",
                double(scripted.nsecsElapsed()) / 1e6 / double(count));
    CBrowserView::engineFactory() = {};
    if (CMainFrame* frame = application.MainFrame())
        frame->CloseForSessionEnd();
    application.ExitInstance();
    return first && all ? 0 : 2;
}
