#pragma once
// What `antkeys-cli run` prints before and after a run: its parameters and the command that
// repeats it.
#include <cstdint>
#include <iosfwd>
#include <string>

#include "cli/run_options.hpp"
#include "data/unreadable_store.hpp"
#include "search/save_failures.hpp"

namespace antkeys::cli {

// A word for a POSIX shell: unchanged when it is plain, else in single quotes.
std::string ShellQuoted(const std::string& text);

// "antkeys-cli run" with every parameter of the run, its seed and its layout count (per
// colony with --colonies), and a note that the store must be the same.
std::string RepeatCommand(const std::string& folder, const RunOptions& options, std::uint64_t seed,
                          std::int64_t layouts);

// The exit status of a run that could not write a best layout or the store.
inline constexpr int kExitNotSaved = 3;

// The summary's lines about the store: where an unreadable store went, and what could not be
// saved. Nothing when all went well.
void PrintSaveReport(std::ostream& out, const SaveFailures& failures,
                     const UnreadableStore& unreadable);

// The parameter block printed before a run. `colonies` > 0 adds their number.
void PrintRunParameters(std::ostream& out, const std::string& folder, const RunOptions& options,
                        std::uint64_t seed, int colonies = 0);

}  // namespace antkeys::cli
