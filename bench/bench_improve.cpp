// One improvement of a generated layout to its local optimum, as `antkeys-cli improve` and the
// layout window's "Improve from here" run it, on both bundled sets, beside the relocating
// polish it ranks its moves with (bench_relocating_polish).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench_sets.hpp"
#include "search/improve_layout.hpp"

namespace antkeys {
namespace {

SetWithLayouts& Bundled(int which) {
    return BundledWithLayouts<16>(which);
}

void BM_Improve(benchmark::State& state) {
    SetWithLayouts& set = Bundled(static_cast<int>(state.range(0)));
    const CharFlags none{};
    std::size_t n = 0, steps = 0, runs = 0;
    for (auto _ : state) {
        const ImproveResult r = ImproveLayout(set.ws, set.layouts[n++ % set.layouts.size()], none);
        benchmark::DoNotOptimize(r.after.grade);
        steps += r.steps.size();
        ++runs;
    }
    state.counters["moves"] = static_cast<double>(steps) / static_cast<double>(runs);
    state.SetLabel(state.range(0) == 0 ? "ka" : "en");
}
BENCHMARK(BM_Improve)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace antkeys
