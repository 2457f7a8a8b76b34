#include "cli/cli_options.hpp"

namespace antkeys::cli {

static const OptionSpec* Find(const std::vector<OptionSpec>& specs, const std::string& name) {
    for (const OptionSpec& s : specs)
        for (const std::string& n : s.names)
            if (n == name) return &s;
    return nullptr;
}

bool ParseArgs(const std::vector<std::string>& args, const std::vector<OptionSpec>& specs,
               ParsedArgs& parsed, std::string& error) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            parsed.positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "-h" || arg == "--help") {
            parsed.help = true;
            continue;
        }
        std::string name = arg;
        std::string value;
        bool inlineValue = false;
        if (const auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
            inlineValue = true;
        }
        const OptionSpec* option = Find(specs, name);
        if (!option) {
            error = "unknown option '" + name + "'";
            return false;
        }
        const std::string& key = option->names.front();
        if (!option->takesValue) {
            if (inlineValue) {
                error = "option '" + name + "' takes no value";
                return false;
            }
            parsed.flags.insert(key);
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= args.size()) {
                error = "option '" + name + "' needs a value";
                return false;
            }
            value = args[++i];
        }
        parsed.values[key] = value;
    }
    return true;
}

}  // namespace antkeys::cli
