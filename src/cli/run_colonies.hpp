#pragma once
// antkeys-cli run --colonies N: the colonies of the search, with the tool's progress line,
// Ctrl+C as their stop, and its report at the end. The repeat command printed at the end
// gives the number of layouts per colony, which with the seed and N fixes the result.
#include <cstdint>
#include <iosfwd>

#include "cli/run_options.hpp"
#include "eval/workspace.hpp"

namespace antkeys::cli {

// Runs the colonies from the loaded workspace `ws`. Returns the exit status of
// antkeys-cli run.
int RunColonies(const Workspace& ws, const RunOptions& options, std::uint64_t seed,
                std::ostream& out, std::ostream& err);

}  // namespace antkeys::cli
