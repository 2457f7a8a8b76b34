#pragma once
#include <iosfwd>
#include <string>

namespace antkeys::cli {

// The program folder of a command: `dir` (--dir) when given, else the usual rules. Says on
// err when the user's folder was just made from the installed set, or could not be.
// `prefix` starts those lines, e.g. "antkeys-cli run: ".
std::string CommandFolder(const std::string& dir, const char* prefix, std::ostream& err);

}  // namespace antkeys::cli
