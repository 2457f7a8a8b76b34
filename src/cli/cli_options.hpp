#pragma once
// Command-line options shared by the subcommands: "--name value", "--name=value", "-o value",
// flags, "--" to end the options, and "-" as an ordinary argument.
#include <map>
#include <set>
#include <string>
#include <vector>

namespace antkeys::cli {

struct OptionSpec {
    std::vector<std::string> names;  // e.g. {"-o", "--output"}; the first is the key
    bool takesValue = false;
};

struct ParsedArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;  // options with a value, by key
    std::set<std::string> flags;                // options without one, by key
    bool help = false;                          // -h or --help

    bool Has(const std::string& key) const {
        return flags.count(key) != 0 || values.count(key) != 0;
    }
    std::string Value(const std::string& key, const std::string& otherwise = {}) const {
        auto it = values.find(key);
        return it == values.end() ? otherwise : it->second;
    }
    // Output goes to standard output: no -o, or -o - as the usual name for it.
    bool ToStandardOutput() const { return !Has("-o") || Value("-o") == "-"; }
};

// False with a message naming the option for an unknown option or a missing value.
bool ParseArgs(const std::vector<std::string>& args, const std::vector<OptionSpec>& specs,
               ParsedArgs& parsed, std::string& error);

}  // namespace antkeys::cli
