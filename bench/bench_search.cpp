// The search's hot path on the bundled Georgian data: one generated layout, one grading,
// and one whole pass of the run loop with a host that does nothing.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench_sets.hpp"
#include "data/random.hpp"
#include "eval/grading.hpp"
#include "eval/panel.hpp"
#include "eval/workspace.hpp"
#include "search/gen_rnd_key.hpp"
#include "search/search_engine.hpp"

namespace antkeys {
namespace {

// The Georgian workspace, loaded once; the Out folder points at a scratch folder so the
// whole-pass benchmark writes nothing into the source tree.
struct GeorgianSet {
    Workspace ws;
    std::string scratch;

    GeorgianSet() {
        LoadBundledSet(ws, "ka");
        scratch = (std::filesystem::temp_directory_path() / "antkeys-bench-search").string();
        std::filesystem::create_directories(scratch + "/Out");
        ws.paths.folder = scratch;
    }
    ~GeorgianSet() {
        std::error_code ec;
        std::filesystem::remove_all(scratch, ec);
    }
};

GeorgianSet& Set() {
    static GeorgianSet set;
    return set;
}

void BM_GenRndKey(benchmark::State& state) {
    Workspace& ws = Set().ws;
    Random random(1);
    GenScratch scratch;
    QuietGeneration quiet;
    Layout lay{};
    for (auto _ : state) {
        GenRndKey(lay, ws.letters, ws.phero, 0.8, random, scratch, quiet);
        benchmark::DoNotOptimize(lay);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GenRndKey);

void BM_EvaluateLay(benchmark::State& state) {
    Workspace& ws = Set().ws;
    Random random(2);
    GenScratch scratch;
    QuietGeneration quiet;
    std::vector<Layout> lays(256);
    for (Layout& lay : lays) GenRndKey(lay, ws.letters, ws.phero, 0.8, random, scratch, quiet);
    std::size_t i = 0;
    for (auto _ : state) {
        const GradeReport r = Grade(lays[i++ & 255], ws.analizer, ws.weights, ws.layV.ref);
        ShowGrading(r, ws.panel);
        benchmark::DoNotOptimize(r.grade);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateLay);

void BM_GenerateAndGrade(benchmark::State& state) {
    Workspace& ws = Set().ws;
    Random random(3);
    GenScratch scratch;
    QuietGeneration quiet;
    Layout lay{};
    for (auto _ : state) {
        GenRndKey(lay, ws.letters, ws.phero, 0.8, random, scratch, quiet);
        const GradeReport r = Grade(lay, ws.analizer, ws.weights, ws.layV.ref);
        ShowGrading(r, ws.panel);
        benchmark::DoNotOptimize(r.grade);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GenerateAndGrade);

// A host as cheap as the command-line one: fixed numbers, ACO on, a stop after a number of
// layouts.
class BenchHost final : public SearchHost {
  public:
    BenchHost(SearchEngine& engine, Long layouts) : engine_(engine), layouts_(layouts) {}
    void Yield() override {
        if (engine_.iterN() >= stopAt_) engine_.RequestStop();
    }
    void show(const Message&) override {}
    std::optional<RunParams> StartParams() override { return RunParams{}; }
    double Sensitivity() override { return 0.8; }
    double Reinforcement() override { return 0.1; }
    bool AcoOn() override { return true; }
    bool GraphOn() override { return false; }
    void OnRunStateChanged(bool running) override {
        if (running) stopAt_ = engine_.iterN() + layouts_;
    }
    std::string Caption() override { return {}; }
    void SetCaption(const std::string&) override {}
    void OnNoCandidate(int) override {}

  private:
    SearchEngine& engine_;
    Long layouts_;
    Long stopAt_ = 0;
};

void BM_WholePass(benchmark::State& state) {
    Workspace ws = Set().ws;  // reinforcement changes the table: work on a copy
    Random random(4);
    SearchEngine engine(ws, random);
    constexpr Long kLayouts = 20000;
    BenchHost host(engine, kLayouts);
    for (auto _ : state) engine.RunEvaluation(host);
    state.SetItemsProcessed(state.iterations() * kLayouts);
    state.counters["ns_per_layout"] =
        benchmark::Counter(static_cast<double>(state.iterations() * kLayouts),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_WholePass)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace antkeys
