#pragma once
// The options of `antkeys-cli run`.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "search/polish_mode.hpp"
#include "search/search_host.hpp"

namespace antkeys::cli {

struct RunOptions {
    std::string dir;  // the program folder holding In and Out; empty = the default one
    // The texts of the three parameter boxes, exactly as the search reads them.
    std::string ants = "50";
    std::string sensitivity = "0.8";
    std::string reinforcement = "0.1";
    bool aco = true;
    std::optional<std::int64_t> layouts;  // stop after this many layouts
    std::optional<double> seconds;        // stop after this much running time
    std::optional<std::uint64_t> seed;    // none: taken from the clock
    PolishMode polish = PolishMode::Off;  // polish each iteration's best before it reinforces
    std::optional<int> colonies;          // independent colonies on as many threads
    bool quiet = false;
    bool help = false;
};

extern const char* const kRunUsage;

// The text of a parameter box and the state of a check box, as the options set them.
std::string_view ParamTextOf(const RunOptions& options, ParamBox box);
bool IsCheckedIn(const RunOptions& options, CheckBox box);

// Reads the arguments after "run". False with `error` set for an unknown option, a missing
// or unreadable value, or --layouts together with --seconds.
bool ParseRunOptions(const std::vector<std::string>& args, RunOptions& options, std::string& error);

}  // namespace antkeys::cli
