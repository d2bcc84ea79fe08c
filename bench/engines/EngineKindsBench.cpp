// Opens browser windows of both engine kinds side by side in one run, kind 0
// (QtWebEngine) and kind 1 (the WebKitGTK plug-in) taking turns, each on the
// same local page, and measures per window: the time from creating the
// window until its page is complete, and the proportional set size the
// window adds to the process tree (this process and the engines' helper
// processes), read once the tree has settled. Needs an X display.
//   engine_kinds_bench [rounds]     (default 5; prints the medians)
#include "app/CQuorrelin.h"
#include "app/RenderingSetup.h"
#include "app/SettingsPaths.h"
#include "browser/CBrowserView.h"
#include "frame/CMainFrame.h"
#include "platform/registry/RegKey.h"
#include "../support/BenchSetup.h"
#include "../support/ProcessTreeMemory.h"
#include "../support/ProgramRuns.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kSettleMs = 2000;
constexpr int kPageTimeoutMs = 30000;

// Runs the event loop until view completed url; false on time-out.
bool waitForPage(const CBrowserView* view, const QString& url) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < kPageTimeoutMs) {
        if (view->Progress() == 100 && !view->IsBusy() && view->CurrentUrl() == url)
            return true;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return false;
}


struct Kind {
    const char* name;
    std::vector<double> completeMs;
    std::vector<double> addedPssMib;
    int failures = 0;
};

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir home;
    bench::prepareHome(home);
    PrepareRendering(platform::chooseRenderingPath(platform::readRenderingInputs(argc, argv)));
    QApplication qtApp(argc, argv);
    FinishRenderingSetup();
    const QString url = bench::writePage(home.path());
    bench::prepareSettings();
    platform::RegKey::create(platform::RegRoot::ClassesRoot,
                             QStringLiteral("CLSID\\{1339B54C-3453-11D2-93B9-000000000000}"
                                            "\\InprocServer32"))
        .setString(QString(), QStringLiteral(QUORRELIN_ENGINE_PLUGIN));

    CQuorrelin application;
    if (url.isEmpty() || !application.InitInstance({}))
        return 1;
    bench::settle(500);

    Kind kinds[] = {{"QtWebEngine (kind 0)", {}, {}, 0}, {"WebKitGTK (kind 1)", {}, {}, 0}};
    for (int round = 0; round < rounds; ++round) {
        for (int kind = 0; kind < 2; ++kind) {
            Kind& k = kinds[kind];
            const bench::Memory before = bench::treeMemory();
            QElapsedTimer timer;
            timer.start();
            CBrowserView* view = application.CreateBrowserWindow(kind, true, true);
            if (view)
                view->Navigate(url);
            // A failed window is counted as such, never as a time.
            if (!view || !waitForPage(view, url)) {
                ++k.failures;
                std::printf("round %d %s: FAILED (%s)\n", round + 1, k.name,
                            view ? "page not complete" : "no window");
                continue;
            }
            k.completeMs.push_back(double(timer.nsecsElapsed()) / 1e6);
            bench::settle(kSettleMs);
            const bench::Memory after = bench::treeMemory();
            k.addedPssMib.push_back(double(after.pssKb - before.pssKb) / 1024.0);
            std::printf("round %d %s: complete %.1f ms, PSS added %.1f MiB\n", round + 1, k.name,
                        k.completeMs.back(), k.addedPssMib.back());
            std::fflush(stdout);
        }
    }
    // The first window of a kind also starts that engine: shown on its own.
    const auto first = [](const std::vector<double>& v) { return v.empty() ? 0 : v.front(); };
    const auto rest = [](const std::vector<double>& v) {
        return bench::median(v.size() > 1 ? std::vector<double>(v.begin() + 1, v.end()) : v);
    };
    std::printf("\n%-22s %14s %14s %14s %14s %9s\n", "engine kind", "1st complete", "complete",
                "1st PSS MiB", "PSS MiB", "failures");
    for (const Kind& k : kinds)
        std::printf("%-22s %11.1f ms %11.1f ms %14.1f %14.1f %9d\n", k.name, first(k.completeMs),
                    rest(k.completeMs), first(k.addedPssMib), rest(k.addedPssMib), k.failures);
    std::printf("(later windows: medians over rounds 2..%d)\n", rounds);
    if (CMainFrame* frame = application.MainFrame())
        frame->CloseForSessionEnd();
    application.ExitInstance();
    return kinds[0].failures + kinds[1].failures == 0 ? 0 : 2;
}
