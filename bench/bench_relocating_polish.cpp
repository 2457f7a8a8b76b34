// One polish of a generated layout, swaps only against swaps and relocations, on both
// bundled sets: what each variant of --polish costs per iteration when the iteration's best
// is far from a local optimum (early in a run and after each restart).
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "data/message.hpp"
#include "data/random.hpp"
#include "eval/workspace.hpp"
#include "search/gen_rnd_key.hpp"
#include "search/layout_polish.hpp"
#include "search/relocating_polisher.hpp"

namespace antkeys {
namespace {

class Quiet final : public NoCandidateSink {
  public:
    void OnNoCandidate(int) override {}
};

struct Set {
    Workspace ws;
    std::vector<Layout> layouts;
    explicit Set(const std::string& language) {
        ws.paths.folder = std::string(ANTKEYS_SOURCE_DIR) + "/data/" + language;
        RecordingSink sink;
        if (!LoadWorkspace(ws, sink)) throw std::runtime_error("cannot load " + language);
        Random random(1);
        GenScratch scratch;
        Quiet quiet;
        for (int i = 0; i < 64; ++i) {
            Layout lay{};
            GenRndKey(lay, ws.letters, ws.phero, 0.0, random, scratch, quiet);
            layouts.push_back(lay);
        }
    }
};

Set& Bundled(int which) {
    static Set ka("ka"), en("en");
    return which == 0 ? ka : en;
}

template <class Polisher>
void BM_Polish(benchmark::State& state) {
    Set& set = Bundled(static_cast<int>(state.range(0)));
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
