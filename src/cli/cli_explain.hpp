#pragma once
#include <iosfwd>

#include "cli/cli_options.hpp"

namespace antkeys::cli {

// evaluate --explain, once its options are parsed (--dir, --tsv, --top, the layout files).
int RunExplain(const ParsedArgs& parsed, std::ostream& out, std::ostream& err);

}  // namespace antkeys::cli
