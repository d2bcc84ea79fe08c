// The window bar's model with 200 tabs: inserting and removing a tab,
// switching the current tab, showing progress, fitting the tab width, and a
// whole loading sweep (0 to 100 on every tab). A counting observer stands in
// for the tab widget.
#include "frame/WindowBarLayout.h"
#include "frame/WindowBarModel.h"
#include "frame/WindowBarModelObserver.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

constexpr int kTabs = 200;

class CountingObserver : public WindowBarModelObserver {
public:
    long long events = 0;
    void tabInserted(int) override { ++events; }
    void tabRemoved(int, TabWindow) override { ++events; }
    void currentChanged(int) override { ++events; }
    void tabChanged(int, unsigned) override { ++events; }
};

struct Bar {
    std::array<int, kTabs + 1> windows{};
    WindowBarModel model;
    CountingObserver observer;

    Bar() {
        model.addObserver(&observer);
        for (int i = 0; i < kTabs; ++i) {
            model.insert(window(i), false);
            model.setText(window(i), QStringLiteral("Page number %1 - example site").arg(i));
        }
        model.selectIndex(kTabs / 2);
    }
    TabWindow window(int i) const { return &windows[static_cast<std::size_t>(i)]; }
};

// One new window opened after the active one (the middle tab) and closed
// again: an insert and a remove.
void BM_InsertAndRemoveAfterCurrent(benchmark::State& state) {
    Bar bar;
    const TabWindow extra = bar.window(kTabs);
    for (auto _ : state) {
        bar.model.insert(extra, true, bar.model.currentWindow());
        bar.model.setText(extra, QStringLiteral("New window"));
        bar.model.remove(extra);
    }
    benchmark::DoNotOptimize(bar.observer.events);
}
BENCHMARK(BM_InsertAndRemoveAfterCurrent);

// Appending at the end and removing the first tab: the remove moves every tab.
void BM_AppendAndRemoveFirst(benchmark::State& state) {
    Bar bar;
    for (auto _ : state) {
        const TabWindow first = bar.model.windowAt(0);
        bar.model.remove(first);
        bar.model.insert(first, false);
    }
    benchmark::DoNotOptimize(bar.observer.events);
}
BENCHMARK(BM_AppendAndRemoveFirst);

// Switching between the first and the last tab.
void BM_Select(benchmark::State& state) {
    Bar bar;
    bool first = false;
    for (auto _ : state) {
        bar.model.select(bar.window(first ? 0 : kTabs - 1));
        first = !first;
    }
    benchmark::DoNotOptimize(bar.observer.events);
}
BENCHMARK(BM_Select);

// One progress report on the last tab (the longest search).
void BM_SetProgress(benchmark::State& state) {
    Bar bar;
    const TabWindow last = bar.window(kTabs - 1);
    const TabWindowState view{QStringLiteral("Page number 199 - example site"), true, false};
    int percent = 0;
    for (auto _ : state) {
        bar.model.setProgress(last, percent, view);
        percent = percent == 100 ? 0 : percent + 1;
    }
    benchmark::DoNotOptimize(bar.observer.events);
}
BENCHMARK(BM_SetProgress);

// Fitting the width and the band height for 200 tabs.
void BM_FitWidth(benchmark::State& state) {
    int clientWidth = 1000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fittedTabSize(clientWidth, kTabs, 150));
        benchmark::DoNotOptimize(windowBarBandHeight(1, 22));
        clientWidth = clientWidth == 1600 ? 1000 : clientWidth + 1;
    }
}
BENCHMARK(BM_FitWidth);

// Every tab loads from 0 to 100: 20,200 progress reports.
void BM_ProgressSweep(benchmark::State& state) {
    Bar bar;
    TabWindowState view{QString(), true, false};
    for (auto _ : state) {
        for (int i = 0; i < kTabs; ++i) {
            view.text = bar.model.tabAt(i)->text;
            for (int percent = 0; percent <= 100; ++percent)
                bar.model.setProgress(bar.window(i), percent, view);
        }
    }
    state.SetItemsProcessed(state.iterations() * kTabs * 101);
    benchmark::DoNotOptimize(bar.observer.events);
}
BENCHMARK(BM_ProgressSweep)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
