// The polish on the bundled Georgian data: ranking one swap incrementally against grading it
// in full, and polishing a generated layout to its local optimum.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench_sets.hpp"
#include "search/layout_polish.hpp"

namespace antkeys {
namespace {

struct Georgian {
    Workspace ws;
    std::vector<Layout> layouts;
    std::vector<Byte> free;
    Georgian() {
        LoadBundledSet(ws, "ka");
        layouts = DrawLayouts(ws, 64);
        for (std::size_t j = 0; j < ws.letters.letSet.size(); ++j)
            if (ws.letters.letFixKey[j] == 0) free.push_back(ws.letters.letSet[j]);
    }
};

Georgian& Set() {
    static Georgian set;
    return set;
}

void BM_SwapRankedIncrementally(benchmark::State& state) {
    Georgian& g = Set();
    LayoutPolisher polisher(g.ws);
    const Layout& lay = g.layouts[0];
    Criteria v{};
    g.ws.analizer.CalcV1_6(lay, v);
    polisher.Prepare(lay);
    std::size_t n = 0;
    for (auto _ : state) {
        const Byte a = g.free[n % g.free.size()];
        const Byte b = g.free[(n * 7 + 3) % g.free.size()];
        benchmark::DoNotOptimize(polisher.SwappedRatioSum(lay, v, a, b));
        ++n;
    }
}
BENCHMARK(BM_SwapRankedIncrementally);

void BM_SwapGradedInFull(benchmark::State& state) {
    Georgian& g = Set();
    Layout lay = g.layouts[0];
    Criteria v{};
    std::size_t n = 0;
    for (auto _ : state) {
        const Byte a = g.free[n % g.free.size()];
        const Byte b = g.free[(n * 7 + 3) % g.free.size()];
        std::swap(lay[a], lay[b]);
        benchmark::DoNotOptimize(g.ws.analizer.CalcV1_6(lay, v));
        std::swap(lay[a], lay[b]);
        ++n;
    }
}
BENCHMARK(BM_SwapGradedInFull);

// A generated layout polished to its local optimum: the cost --polish adds per iteration
// early in a run, when the iteration's best is far from one.
void BM_PolishGeneratedLayout(benchmark::State& state) {
    Georgian& g = Set();
    LayoutPolisher polisher(g.ws);
    std::size_t n = 0;
    long swaps = 0;
    for (auto _ : state) {
        Layout lay = g.layouts[n++ % g.layouts.size()];
        swaps += polisher.Polish(lay).swaps;
        benchmark::DoNotOptimize(lay);
    }
    state.counters["swaps"] =
        benchmark::Counter(static_cast<double>(swaps), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PolishGeneratedLayout)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace antkeys
