#pragma once
#include <iosfwd>

#include "cli/cli_options.hpp"
#include "eval/kernel_choice.hpp"

namespace antkeys::cli {

// evaluate --explain, once its options are parsed (--dir, --tsv, --top, the layout files).
int RunExplain(const ParsedArgs& parsed, std::ostream& out, std::ostream& err,
               KernelChoice kernels);

}  // namespace antkeys::cli
