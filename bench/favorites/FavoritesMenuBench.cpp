// The Favorites menu for a Favorites folder of 2,000 shortcuts in 100
// folders: opening the root menu (reading the folder and building its
// items) and opening one folder of 20 links. Runs on the offscreen
// platform; the folder is made in a temporary directory.
#include "app/CAppSettings.h"
#include "frame/CFavoritesMenu.h"
#include "frame/CLinkOpener.h"
#include "frame/IMainFrameHost.h"
#include "framework/CommandBinder.h"
#include "framework/CommandRouter.h"
#include "system/InternetShortcut.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QTemporaryDir>

namespace {

constexpr int kFolders = 100;
constexpr int kLinksPerFolder = 20;

class BenchHost : public IMainFrameHost {
public:
    CAppSettings& Settings() override { return settings; }
    CommandRouter& Router() override { return router; }
    void SaveCurrentSession() override {}
    void AddClosedWindow(const QString&, const QString&) override {}
    void OpenHandedOverAddress(const QString&) override {}
    void OpenDroppedFile(const QString&) override {}
    void NavigateAddress(const QString&, bool) override {}
    bool IsOffline() const override { return false; }

    CAppSettings settings;
    CommandRouter router;
};

struct Favorites {
    QTemporaryDir dir;
    BenchHost host;
    CommandBinder binder{host.router};
    CLinkOpener opener{host, [] { return nullptr; }};
    QMenu root;
    std::unique_ptr<CFavoritesMenu> menu;

    Favorites() {
        const QDir base(dir.path());
        for (int f = 0; f < kFolders; ++f) {
            const QString folder = QStringLiteral("Folder %1").arg(f);
            base.mkdir(folder);
            for (int l = 0; l < kLinksPerFolder; ++l)
                writeInternetShortcut(
                    base.filePath(QStringLiteral("%1/Link %2.url").arg(folder).arg(l)),
                    QStringLiteral("http://site%1.example/page%2").arg(f).arg(l));
        }
        root.addAction(QStringLiteral("添加到收藏夹(&A)..."));
        root.addAction(QStringLiteral("整理收藏夹(&O)..."));
        host.settings.SortFavorites = 1;
        host.settings.DisplayOpenAll = 1;
        menu = std::make_unique<CFavoritesMenu>(root, binder, host.settings, opener,
                                                [this] { return dir.path(); }, nullptr);
    }
};

Favorites& favorites() {
    static Favorites instance;
    return instance;
}

void BM_OpenRootMenu(benchmark::State& state) {
    Favorites& f = favorites();
    for (auto _ : state) {
        f.menu->FillRoot();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    state.counters["items"] = double(f.root.actions().size());
}
BENCHMARK(BM_OpenRootMenu)->Unit(benchmark::kMillisecond);

// The first opening in a run: no folder menus made yet.
void BM_FirstOpenRootMenu(benchmark::State& state) {
    Favorites& f = favorites();
    for (auto _ : state) {
        state.PauseTiming();
        auto root = std::make_unique<QMenu>();
        root->addAction(QStringLiteral("添加到收藏夹(&A)..."));
        root->addAction(QStringLiteral("整理收藏夹(&O)..."));
        auto menu = std::make_unique<CFavoritesMenu>(*root, f.binder, f.host.settings, f.opener,
                                                     [&f] { return f.dir.path(); }, nullptr);
        state.ResumeTiming();
        menu->FillRoot();
        state.PauseTiming();
        menu.reset();
        root.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstOpenRootMenu)->Unit(benchmark::kMillisecond);

void BM_OpenOneFolder(benchmark::State& state) {
    Favorites& f = favorites();
    f.menu->FillRoot();
    QMenu* folder = nullptr;
    for (QAction* action : f.root.actions())
        if (action->menu())
            folder = action->menu();
    for (auto _ : state)
        f.menu->FillFolder(folder);
    state.counters["items"] = double(folder->actions().size());
}
BENCHMARK(BM_OpenOneFolder)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
