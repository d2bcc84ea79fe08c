// Recording the open windows (100 windows, titles of about 60 characters,
// addresses of about 100) on a registry database of its own in a temporary
// folder: the usual change of one window, an unchanged record, the whole
// rewrite, and a burst of 100 title changes inside one event-loop turn.
#include "app/SessionKeeper.h"
#include "app/SessionKeyPath.h"
#include "platform/registry/Registry.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <vector>

namespace {

constexpr std::int32_t kId = 4242;
constexpr int kWindows = 100;

platform::Registry& benchRegistry() {
    static QTemporaryDir dir;
    static platform::Registry registry(dir.path() + QStringLiteral("/registry.db"));
    return registry;
}

QString text(const char* stem, int i, int width) {
    return (QString::fromLatin1(stem) + QString::number(i)).leftJustified(width, QLatin1Char('x'));
}

std::vector<SessionWindow> openWindows() {
    std::vector<SessionWindow> windows;
    for (int i = 0; i < kWindows; ++i)
        windows.push_back({text("A page title of about sixty characters, window ", i, 60),
                           text("https://www.example.org/some/longer/path/to/a/page.html?id=", i,
                                100)});
    return windows;
}

// The keeper over windows, with the record written once.
struct Fixture {
    std::vector<SessionWindow> windows = openWindows();
    SessionKeeper keeper{kId, &benchRegistry()};
    Fixture() {
        keeper.SetWindowSource([this] { return windows; });
        keeper.Save();
    }
};

// A title change or a completed navigation: one window differs.
void BM_SaveOneWindowChanged(benchmark::State& state) {
    Fixture f;
    int n = 0;
    for (auto _ : state) {
        f.windows[static_cast<std::size_t>(n % kWindows)].title =
            text("Changed title ", n, 60);
        ++n;
        f.keeper.Save();
    }
}

void BM_SaveUnchanged(benchmark::State& state) {
    Fixture f;
    for (auto _ : state)
        f.keeper.Save();
}

// The first record of a run: the key is written whole.
void BM_SaveWhole(benchmark::State& state) {
    const LinkGroup group = SessionRecord::MakeGroup(openWindows());
    SessionRecord record(SessionKeyPath(kId), &benchRegistry());
    for (auto _ : state) {
        record.Invalidate();
        record.Write(group);
    }
}

// The end of start-up marks the record; the next change removes the mark.
void BM_SaveAfterExitMark(benchmark::State& state) {
    Fixture f;
    int n = 0;
    for (auto _ : state) {
        f.keeper.WriteExitMark(0);
        f.windows[static_cast<std::size_t>(n % kWindows)].title = text("Changed title ", n, 60);
        ++n;
        f.keeper.Save();
    }
}

// 100 title changes in one turn of the event loop, then the turn ends.
void BM_TitleBurstOfHundred(benchmark::State& state) {
    Fixture f;
    const int before = f.keeper.Record().writeCount();
    int n = 0;
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i) {
            f.windows[static_cast<std::size_t>(i)].title = text("Burst title ", n++, 60);
            f.keeper.SaveSoon();
        }
        QCoreApplication::processEvents();
    }
    state.counters["writes_per_burst"] =
        double(f.keeper.Record().writeCount() - before) / double(state.iterations());
}

BENCHMARK(BM_SaveOneWindowChanged)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveUnchanged)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveWhole)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveAfterExitMark)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_TitleBurstOfHundred)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
