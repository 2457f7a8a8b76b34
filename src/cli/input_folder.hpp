#pragma once
#include <iosfwd>

#include "cli/cli_options.hpp"
#include "eval/workspace.hpp"

namespace antkeys::cli {

// Loads DIR/In (DIR from --dir, else the program folder) as the desktop program does at start,
// its messages on err as "title: text". False, after saying why on err, when the load fails.
// `prefix` starts the closing line, e.g. "antkeys-cli evaluate: ".
// The workspace grades and polishes with `kernels`.
bool LoadInputFolder(const ParsedArgs& parsed, const char* prefix, KernelChoice kernels,
                     Workspace& ws, std::ostream& err);

}  // namespace antkeys::cli
