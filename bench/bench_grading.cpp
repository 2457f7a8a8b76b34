// Grading speed on the bundled Georgian data: the analyzer alone and a whole grading.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>

#include "data/message.hpp"
#include "data/random.hpp"
#include "eval/grading.hpp"
#include "eval/panel.hpp"
#include "eval/workspace.hpp"

namespace antkeys {
namespace {

Workspace& Georgian() {
    static Workspace* ws = [] {
        auto* w = new Workspace;
        w->paths.folder = std::string(ANTKEYS_SOURCE_DIR) + "/data/ka";
        RecordingSink sink;
        std::string why;
        // No Out folder there: the pheromone store is simply absent.
        if (!LoadWorkspace(*w, sink, &why)) {
            std::cerr << "cannot load the bundled Georgian data: " << why << '\n';
            std::exit(1);
        }
        return w;
    }();
    return *ws;
}

// The reference layout with its free letters shuffled among their keys, as the search makes
// layouts: a fresh layout per call would measure the shuffle, so a few are made up front.
std::vector<Layout> Shuffled(const Workspace& ws, int count) {
    std::vector<Layout> lays;
    Random random(42);
    std::vector<int> free;
    for (std::size_t j = 0; j < ws.letters.letSet.size(); ++j)
        if (ws.letters.letFixKey[j] == 0) free.push_back(ws.letters.letSet[j]);
    for (int n = 0; n < count; ++n) {
        Layout lay = ws.refKeyLay;
        for (std::size_t i = free.size(); i > 1; --i) {
            const auto r = static_cast<std::size_t>(random.NextSingle() * static_cast<float>(i));
            std::swap(lay[static_cast<std::size_t>(free[i - 1])],
                      lay[static_cast<std::size_t>(free[r])]);
        }
        lays.push_back(lay);
    }
    return lays;
}

void BM_CalcV1_6(benchmark::State& state) {
    const Workspace& ws = Georgian();
    const std::vector<Layout> lays = Shuffled(ws, 64);
    Criteria v{};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ws.analizer.CalcV1_6(lays[i++ & 63], v));
        benchmark::DoNotOptimize(v);
    }
    state.counters["digraphs"] = ws.analizer.nDi();
}
BENCHMARK(BM_CalcV1_6);

// A grading as the window's run makes it: the report, then the panel's current column.
void BM_EvaluateLay(benchmark::State& state) {
    Workspace& ws = Georgian();
    const std::vector<Layout> lays = Shuffled(ws, 64);
    std::size_t i = 0;
    for (auto _ : state) {
        const GradeReport g = Grade(lays[i++ & 63], ws.analizer, ws.weights, ws.layV.ref);
        ShowGrading(g, ws.panel);
        benchmark::DoNotOptimize(g.grade);
    }
}
BENCHMARK(BM_EvaluateLay);

// The grading alone, as the command-line tool and the polisher make it.
void BM_Grade(benchmark::State& state) {
    Workspace& ws = Georgian();
    const std::vector<Layout> lays = Shuffled(ws, 64);
    std::size_t i = 0;
    for (auto _ : state) {
        const GradeReport g = Grade(lays[i++ & 63], ws.analizer, ws.weights, ws.layV.ref);
        benchmark::DoNotOptimize(g.grade);
    }
}
BENCHMARK(BM_Grade);

}  // namespace
}  // namespace antkeys
