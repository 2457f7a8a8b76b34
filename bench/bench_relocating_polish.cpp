// One polish of a generated layout, swaps only against swaps and relocations, on both
// bundled sets: what each variant of --polish costs per iteration when the iteration's best
// is far from a local optimum (early in a run and after each restart).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench_sets.hpp"
#include "search/layout_polish.hpp"
#include "search/relocating_polisher.hpp"

namespace antkeys {
namespace {

SetWithLayouts& Bundled(int which) {
    return BundledWithLayouts<64>(which);
}

template <class Polisher>
void BM_Polish(benchmark::State& state) {
    SetWithLayouts& set = Bundled(static_cast<int>(state.range(0)));
    Polisher polisher(set.ws);
    std::size_t n = 0;
    for (auto _ : state) {
        Layout lay = set.layouts[n++ % set.layouts.size()];
        benchmark::DoNotOptimize(polisher.Polish(lay).grade);
    }
    state.SetLabel(state.range(0) == 0 ? "ka" : "en");
}
BENCHMARK(BM_Polish<LayoutPolisher>)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Polish<RelocatingPolisher>)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace antkeys
