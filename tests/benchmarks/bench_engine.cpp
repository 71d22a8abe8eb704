// Benchmarks of the recommendation: the seven-position analysis alone, and a
// whole run in the window (offscreen) from the click to the last cell written.
//   build/tests/benchmarks/bench_engine
#include "app/startup.h"
#include "base/files.h"
#include "base/globals.h"
#include "base/gui.h"
#include "engine/analysis.h"
#include "engine/run.h"
#include "store/historystore.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

using namespace zv;

namespace {

std::array<Text, 7> randomPositions(int n) {
    std::mt19937 random(1234);
    std::array<Text, 7> positions;
    for (Text& t : positions) {
        t.resize(n);
        for (char& c : t)
            c = char('0' + random() % 10);
    }
    return positions;
}

void SevenPositions(benchmark::State& state) {
    const int n = int(state.range(0));
    const auto positions = randomPositions(n);
    for (auto _ : state) {
        for (const Text& t : positions)
            benchmark::DoNotOptimize(engine::analysePosition(t, n));
    }
    state.SetComplexityN(n);
    state.SetItemsProcessed(state.iterations() * 7 * int64_t(n));
}
BENCHMARK(SevenPositions)
    ->Arg(280)
    ->Arg(10'000)
    ->Arg(1'000'000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);

void WindowRun(benchmark::State& state) {
    const int n = int(state.range(0));
    QTemporaryDir dir;
    setRunDirectory(dir.path());
    setProductGlobals();
    InstallationId = installationIdFor("bench");
    DataFileExtension = ".dll";
    store::StoreTexts texts;
    for (int i = 0; i < n; ++i)
        texts[0] += "#" + QByteArray::number(10000 + i % 90000);
    const auto positions = randomPositions(n);
    for (int p = 1; p <= 7; ++p)
        texts[size_t(p)] = positions[size_t(p - 1)];
    store::writeStoreTexts(texts);
    auto* window = new ui::MainWindow({app::setUpMainWindow, {}});
    window->show();
    processEvents();
    for (auto _ : state)
        engine::runRecommendation();
    delete window;
    setRunDirectory({});
}
BENCHMARK(WindowRun)->Arg(280)->Arg(10'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    app::setUpApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
