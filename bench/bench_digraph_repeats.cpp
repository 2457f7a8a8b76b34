// Grading cost follows distinct digraphs, not lines: the bundled Georgian set with every data
// line of DiGraphs.txt listed 100 times grades as fast as the file with the counts added up.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

#include "data/loaders.hpp"
#include "data/text_file.hpp"
#include "eval/workspace.hpp"

namespace antkeys {
namespace {

std::string DigraphsText(int repeats, bool repeatLines) {
    std::string text, error;
    if (!ReadWholeFile(std::string(ANTKEYS_SOURCE_DIR) + "/data/ka/In/DiGraphs.txt", text, error)) {
        std::cerr << error << '\n';
        std::exit(1);
    }
    const std::size_t bodyStart = text.find('\n') + 1;
    std::string out = text.substr(0, bodyStart);
    std::istringstream lines(text.substr(bodyStart));
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        long first = 0, second = 0, count = 0;
        fields >> first >> second >> count;
        const std::string pair = std::to_string(first) + "\t" + std::to_string(second) + "\t";
        if (repeatLines) {
            for (int r = 0; r < repeats; ++r) out += pair + std::to_string(count) + "\r\n";
        } else {
            out += pair + std::to_string(count * repeats) + "\r\n";
        }
    }
    return out;
}

void GradeGeorgian(benchmark::State& state, bool repeatLines) {
    Workspace ws;
    ws.paths.folder = std::string(ANTKEYS_SOURCE_DIR) + "/data/ka";
    RecordingSink sink;
    if (!LoadWorkspace(ws, sink) ||
        !LoadDiGraphsText(DigraphsText(100, repeatLines), "DiGraphs.txt", ws.digraphs, sink) ||
        !ws.analizer.Init(ws.digraphs, ws.weights.bestLoad, ws.keys, ws.weights.kdi, sink)) {
        state.SkipWithError("cannot load the bundled Georgian data");
        return;
    }
    Criteria v{};
    for (auto _ : state) {
        ws.analizer.CalcV1_6(ws.refKeyLay, v);
        benchmark::DoNotOptimize(v);
    }
    state.counters["digraphs"] = ws.digraphs.nDi();
}

BENCHMARK_CAPTURE(GradeGeorgian, lines_repeated_100, true);
BENCHMARK_CAPTURE(GradeGeorgian, counts_merged, false);

}  // namespace
}  // namespace antkeys
