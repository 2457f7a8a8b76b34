#pragma once
// What a run of the search is told: the texts of the three parameter boxes, the check box,
// and when it ends. Shared by every host that runs the search without a window.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "search/polish_mode.hpp"
#include "search/search_host.hpp"

namespace antkeys {

struct RunSettings {
    // The texts of the three parameter boxes, exactly as the search reads them.
    std::string ants = "50";
    std::string sensitivity = "0.8";
    std::string reinforcement = "0.1";
    bool aco = true;
    std::optional<std::int64_t> layouts;  // stop after this many layouts
    std::optional<double> seconds;        // stop after this much running time
    PolishMode polish = PolishMode::Off;  // polish each iteration's best before it reinforces
};

// The text of a parameter box and the state of a check box, as the settings give them.
std::string_view ParamTextOf(const RunSettings& settings, ParamBox box);
bool IsCheckedIn(const RunSettings& settings, CheckBox box);

}  // namespace antkeys
