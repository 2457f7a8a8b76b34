#pragma once
// What a run of the search is told by a host without a window: its parameters, whether it
// learns, when it ends and how it polishes.
#include <cstdint>
#include <optional>

#include "search/polish_mode.hpp"
#include "search/run_params.hpp"
#include "search/stop_rules.hpp"

namespace antkeys {

struct RunSettings {
    RunParams params;
    bool aco = true;
    std::optional<std::int64_t> layouts;  // stop after this many layouts
    std::optional<double> seconds;        // stop after this much running time
    PolishMode polish = PolishMode::Off;  // polish each iteration's best before it reinforces

    StopRules stopRules() const { return StopRules{layouts, seconds}; }
};

}  // namespace antkeys
