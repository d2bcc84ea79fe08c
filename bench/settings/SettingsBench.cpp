// Save and Load of a full settings record and one whole-list rewrite, on a
// registry database of their own in a temporary folder.
#include "app/CAppSettings.h"
#include "app/RegStringList.h"
#include "platform/registry/Registry.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <memory>

namespace {

platform::Registry& benchRegistry() {
    static QTemporaryDir dir;
    static platform::Registry registry(dir.path() + QStringLiteral("/registry.db"));
    return registry;
}

QString text(const char* stem, int i, int width) {
    QString s = QString::fromLatin1(stem) + QString::number(i);
    return s.leftJustified(width, QLatin1Char('x'));
}

// 100 link groups of 20 links, 100 quick commands, 100 closed windows and
// 200 auto-close entries.
std::unique_ptr<CAppSettings> fullRecord() {
    auto s = std::make_unique<CAppSettings>(&benchRegistry());
    s->SetMozillaCheck([] { return false; });
    s->SetClosedWindowsCount(100);
    for (int i = 0; i < 100; ++i)
        s->AddClosedWindow(text("Closed window ", i, 30),
                           text("https://closed.example.org/page/", i, 70));
    for (int i = 0; i < 200; ++i)
        s->AutoClose.append(text("*ads.example", i, 30) + QStringLiteral("*"));
    for (int g = 0; g < 100; ++g) {
        LinkGroup group;
        group.Name = text("Group ", g, 20);
        group.Startup = g % 2;
        for (int l = 0; l < 20; ++l)
            group.Links.append({text("Link title ", l, 30),
                                text("https://links.example.org/group/", g * 100 + l, 70)});
        s->LinkGroups.append(group);
    }
    for (int i = 0; i < 100; ++i)
        s->QuickCommands.append({i % 2, text("Command title ", i, 20), QStringLiteral("c%1").arg(i),
                                 text("https://search.example.org/?q=%s&n=", i, 60)});
    return s;
}

// A record never loaded writes everything.
void BM_SaveFullRecord(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        const auto settings = fullRecord();
        state.ResumeTiming();
        benchmark::DoNotOptimize(settings->Save());
    }
}

// A loaded record where one option and one list changed: only they are
// written.
void BM_SaveOneChange(benchmark::State& state) {
    fullRecord()->Save();
    CAppSettings settings(&benchRegistry());
    settings.SetMozillaCheck([] { return false; });
    settings.Load();
    int round = 0;
    for (auto _ : state) {
        settings.SetTabWidth(20 + (++round % 100));
        if (round % 2)
            settings.AutoClose.append(QStringLiteral("*round%1*").arg(round));
        else
            settings.AutoClose.removeLast();
        benchmark::DoNotOptimize(settings.Save());
    }
}

void BM_LoadFullRecord(benchmark::State& state) {
    fullRecord()->Save();
    for (auto _ : state) {
        CAppSettings settings(&benchRegistry());
        settings.SetMozillaCheck([] { return false; });
        settings.Load();
        benchmark::DoNotOptimize(settings.LinkGroups.size());
    }
}

void BM_WriteStringList100(benchmark::State& state) {
    QStringList list;
    for (int i = 0; i < 100; ++i)
        list.append(text("https://typed.example.org/", i, 60));
    const QString path = QStringLiteral("Software\\Ovrel\\Quorrelin\\Settings\\BenchList");
    for (auto _ : state)
        benchmark::DoNotOptimize(
            WriteStringList(path, QStringLiteral("url"), list, nullptr, &benchRegistry()));
}

BENCHMARK(BM_SaveFullRecord)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveOneChange)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_LoadFullRecord)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_WriteStringList100)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
