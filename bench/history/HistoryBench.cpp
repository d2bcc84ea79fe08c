// The visit history with 100,000 visits spread over the last 89 days (about
// 1,100 a day on 40 sites, addresses of about 60 characters): opening the
// explorer bar's History pane and expanding a day (its sites), expanding a
// site of that day (its pages), and recording one more visit. Runs on the
// offscreen platform with a store in a temporary directory.
#include "explorerbar/CExplorerTree.h"
#include "explorerbar/CHistoryPane.h"
#include "system/VisitHistory.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include <memory>

namespace {

constexpr int kVisits = 100000;
constexpr int kDays = 89;
constexpr int kSites = 40;

struct Store {
    QTemporaryDir dir;
    std::unique_ptr<VisitHistory> history;
    Store() {
        history = std::make_unique<VisitHistory>(dir.path() + QStringLiteral("/History.sqlite"));
        const QDateTime now = QDateTime::currentDateTime();
        for (int i = 0; i < kVisits; ++i) {
            const QDateTime when = now.addSecs(-qint64(i) * kDays * 86400 / kVisits);
            history->Record(QStringLiteral("https://site%1.example.org/articles/page-%2.html")
                                .arg(i % kSites)
                                .arg(i % 3000),
                            QStringLiteral("An article title number %1").arg(i % 3000), when);
        }
    }
};

Store& store() {
    static Store instance;
    return instance;
}

void BM_OpenPaneAndExpandADay(benchmark::State& state) {
    VisitHistory& history = *store().history;
    int sites = 0;
    for (auto _ : state) {
        CHistoryPane pane(history);
        QTreeWidgetItem* day = pane.Tree()->topLevelItem(1); // a whole day
        day->setExpanded(true);
        sites = day->childCount();
    }
    state.counters["sites"] = sites;
    state.counters["visits"] = double(history.VisitCount());
}
BENCHMARK(BM_OpenPaneAndExpandADay)->Unit(benchmark::kMillisecond);

void BM_ExpandASite(benchmark::State& state) {
    VisitHistory& history = *store().history;
    CHistoryPane pane(history);
    QTreeWidgetItem* day = pane.Tree()->topLevelItem(1);
    day->setExpanded(true);
    int pages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        pane.Reload();
        day = pane.Tree()->topLevelItem(1);
        day->setExpanded(true);
        QTreeWidgetItem* site = day->child(0);
        state.ResumeTiming();
        site->setExpanded(true);
        pages = site->childCount();
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_ExpandASite)->Unit(benchmark::kMillisecond);

void BM_RecordVisit(benchmark::State& state) {
    VisitHistory& history = *store().history;
    int i = 0;
    for (auto _ : state)
        history.Record(QStringLiteral("https://new.example.org/page-%1.html").arg(++i),
                       QStringLiteral("A newly visited page"));
}
BENCHMARK(BM_RecordVisit)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    store();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
