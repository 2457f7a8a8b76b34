// Explaining layouts on the bundled Georgian data: a thousand layouts per iteration, with the
// trigram counts when the set has them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <iostream>
#include <random>

#include "data/message.hpp"
#include "eval/explainer_setup.hpp"
#include "eval/workspace.hpp"

namespace antkeys {
namespace {

void BM_Explain1000Layouts(benchmark::State& state) {
    Workspace ws;
    ws.paths.folder = std::string(ANTKEYS_SOURCE_DIR) + "/data/ka";
    RecordingSink sink;
    std::string why;
    LayoutExplainer explainer;
    if (!LoadWorkspace(ws, sink, &why) || !SetUpExplainer(ws, explainer, sink, &why)) {
        state.SkipWithError(why.c_str());
        return;
    }
    // The reference with its free letters dealt out anew on their keys.
    std::vector<Layout> lays(1000, ws.refKeyLay);
    std::vector<Byte> keys;
    std::vector<std::size_t> letters;
    for (std::size_t j = 0; j < ws.letters.letSet.size(); ++j)
        if (ws.letters.letFixKey[j] == 0) {
            letters.push_back(ws.letters.letSet[j]);
            keys.push_back(ws.refKeyLay[ws.letters.letSet[j]]);
        }
    std::mt19937 random(7);
    for (Layout& lay : lays) {
        std::shuffle(keys.begin(), keys.end(), random);
        for (std::size_t j = 0; j < letters.size(); ++j) lay[letters[j]] = keys[j];
    }

    LayoutExplanation out;
    for (auto _ : state) {
        for (const Layout& lay : lays) {
            benchmark::DoNotOptimize(explainer.Explain(lay, 10, out));
            benchmark::DoNotOptimize(out);
        }
    }
    state.counters["trigrams"] = explainer.hasTrigrams() ? 1 : 0;
}
BENCHMARK(BM_Explain1000Layouts)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace antkeys
