// The bundled input sets as the benches load them, and random layouts drawn on them.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/message.hpp"
#include "data/random.hpp"
#include "eval/workspace.hpp"
#include "search/gen_rnd_key.hpp"

namespace antkeys {

class QuietGeneration final : public NoCandidateSink {
  public:
    void OnNoCandidate(int) override {}
};

// Loads the bundled set data/<language> of the source tree into `ws`; the store there is
// never read, since the source tree has no Out folder.
inline void LoadBundledSet(Workspace& ws, const std::string& language) {
    ws.paths.folder = std::string(ANTKEYS_SOURCE_DIR) + "/data/" + language;
    RecordingSink sink;
    if (!LoadWorkspace(ws, sink)) throw std::runtime_error("cannot load data/" + language + "/In");
}

// `count` layouts drawn uniformly (sensitivity 0, whatever store the set ships), seed 1.
inline std::vector<Layout> DrawLayouts(const Workspace& ws, std::size_t count) {
    Random random(1);
    GenScratch scratch;
    QuietGeneration quiet;
    std::vector<Layout> layouts(count, Layout{});
    for (Layout& lay : layouts) GenRndKey(lay, ws.letters, ws.phero, 0.0, random, scratch, quiet);
    return layouts;
}

// A bundled set with `count` layouts drawn on it, loaded once per process for ka (0) or en
// (1) and kept for every benchmark of the program.
struct SetWithLayouts {
    Workspace ws;
    std::vector<Layout> layouts;
    SetWithLayouts(const std::string& language, std::size_t count) {
        LoadBundledSet(ws, language);
        layouts = DrawLayouts(ws, count);
    }
};

template <std::size_t kCount>
SetWithLayouts& BundledWithLayouts(int which) {
    static SetWithLayouts ka("ka", kCount), en("en", kCount);
    return which == 0 ? ka : en;
}

}  // namespace antkeys
