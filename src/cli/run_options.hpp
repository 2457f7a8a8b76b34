#pragma once
// The options of `antkeys-cli run`.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "search/run_settings.hpp"

namespace antkeys::cli {

// The search's own settings (parameters, limits, polish) and what only the tool needs.
struct RunOptions : RunSettings {
    // The parameters as they were given, for the printed parameters and the repeat command.
    std::string antsText = "50";
    std::string sensitivityText = "0.8";
    std::string reinforcementText = "0.1";
    std::string dir;  // the program folder holding In and Out; empty = the default one
    std::optional<std::uint64_t> seed;  // none: taken from the clock
    std::optional<int> colonies;        // independent colonies on as many threads
    bool quiet = false;
    bool help = false;
};

extern const char* const kRunUsage;

// Reads the arguments after "run". False with `error` set for an unknown option, a missing
// or unreadable value, or --layouts together with --seconds.
bool ParseRunOptions(const std::vector<std::string>& args, RunOptions& options, std::string& error);

}  // namespace antkeys::cli
