#include "cli/run_options.hpp"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "data/fields.hpp"
#include "search/run_params.hpp"

namespace antkeys::cli {

const char* const kRunUsage =
    "Usage: antkeys-cli run [OPTIONS]\n"
    "\n"
    "Runs the search on DIR/In and writes its results to DIR/Out: a best-layout file at\n"
    "every new best and the pheromone store Out/Pheromones.txt. Without --layouts or\n"
    "--seconds the run goes on until Ctrl+C, which ends it like the Stop button.\n"
    "\n"
    "Options:\n"
    "  --dir DIR              the program folder holding In and Out (default: see\n"
    "                         'antkeys-cli --help')\n"
    "  --ants N               ants per iteration, a whole number (default 50)\n"
    "  --sensitivity S        pheromone sensitivity (default 0.8)\n"
    "  --reinforcement K      reinforcement factor (default 0.1)\n"
    "  --no-aco               no reinforcement and no pheromone store: random sampling\n"
    "                         guided by the stored pheromones\n"
    "  --layouts N            stop after N layouts\n"
    "  --seconds T            stop after T seconds\n"
    "  --seed N               seed of the random numbers (default: from the clock); the\n"
    "                         same seed, options and files give the same run\n"
    "  --polish               improve each iteration's best layout before it reinforces:\n"
    "                         steepest descent over swaps of free letters and moves to\n"
    "                         empty keys, with trail limits and restarts on stagnation\n"
    "  --polish=swaps         the earlier polish: swaps only, no trail limits\n"
    "  --colonies N           run N independent colonies on N threads, each with its own\n"
    "                         pheromones and random numbers (0 or 'auto': one per core);\n"
    "                         --layouts then counts the layouts of each colony\n"
    "  --quiet                no progress line and no keyboard drawing\n"
    "  -h, --help             show this help\n";

namespace {

constexpr std::uint64_t kMaxColonies = 256;

bool ReadUnsigned(const std::string& text, std::uint64_t& value) {
    return ParseCount(text, std::numeric_limits<std::uint64_t>::max(), value);
}

bool Fail(std::string& error, std::string text) {
    error = std::move(text);
    return false;
}

using Value = const std::string&;
using Options = RunOptions&;
using Error = std::string&;

// One option: its names, whether it takes a value, and what it does with it (a flag gets an
// empty value). `apply` returns false with the error set when the value is not acceptable.
// A flag with `inlineValue` may also be given a value as --name=value.
struct OptionRule {
    std::string_view name;
    std::string_view alias;
    bool takesValue;
    bool (*apply)(Value value, Options options, Error error);
    bool inlineValue = false;
};

// A table, not a function: one short rule per option, longer than 60 lines only by their count.
constexpr OptionRule kOptionRules[] = {
    {"--help", "-h", false,
     [](Value, Options o, Error) {
         o.help = true;
         return true;
     }},
    {"--no-aco", "", false,
     [](Value, Options o, Error) {
         o.aco = false;
         return true;
     }},
    {"--polish", "", false,
     [](Value v, Options o, Error e) {
         if (v.empty())
             o.polish = PolishMode::Full;
         else if (v == "swaps")
             o.polish = PolishMode::Swaps;
         else
             return Fail(e, "--polish: \"" + v + "\" is not 'swaps'");
         return true;
     },
     true},
    {"--quiet", "", false,
     [](Value, Options o, Error) {
         o.quiet = true;
         return true;
     }},
    {"--dir", "", true,
     [](Value v, Options o, Error e) {
         o.dir = v;
         return !v.empty() || Fail(e, "--dir needs a folder");
     }},
    {"--ants", "", true,
     [](Value v, Options o, Error e) {
         const std::optional<Integer> ants = ParseAntCount(v);
         if (!ants)
             return Fail(e, "--ants: \"" + v + "\" is not a whole number from -32768 to 32767");
         o.params.ants = *ants;
         o.antsText = v;
         return true;
     }},
    {"--sensitivity", "", true,
     [](Value v, Options o, Error e) {
         const std::optional<double> sensitivity = ParseParamNumber(v);
         if (!sensitivity) return Fail(e, "--sensitivity: \"" + v + "\" is not a number");
         o.params.sensitivity = *sensitivity;
         o.sensitivityText = v;
         return true;
     }},
    {"--reinforcement", "", true,
     [](Value v, Options o, Error e) {
         const std::optional<double> factor = ParseParamNumber(v);
         if (!factor) return Fail(e, "--reinforcement: \"" + v + "\" is not a number");
         o.params.reinforcement = *factor;
         o.reinforcementText = v;
         return true;
     }},
    {"--layouts", "", true,
     [](Value v, Options o, Error e) {
         std::uint64_t n = 0;
         if (!ReadUnsigned(v, n) || n == 0 ||
             n > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
             return Fail(e, "--layouts: \"" + v + "\" is not a whole number from 1 to 2147483647");
         o.layouts = static_cast<std::int64_t>(n);
         return true;
     }},
    {"--seconds", "", true,
     [](Value v, Options o, Error e) {
         const std::optional<double> t = ParseParamNumber(v);
         if (!t || !(*t > 0))
             return Fail(e, "--seconds: \"" + v + "\" is not a number of seconds above 0");
         o.seconds = *t;
         return true;
     }},
    {"--seed", "", true,
     [](Value v, Options o, Error e) {
         std::uint64_t seed = 0;
         if (!ReadUnsigned(v, seed))
             return Fail(
                 e, "--seed: \"" + v + "\" is not a whole number from 0 to 18446744073709551615");
         o.seed = seed;
         return true;
     }},
    {"--colonies", "", true,
     [](Value v, Options o, Error e) {
         std::uint64_t n = 0;  // "auto" is 0: one colony per core
         if (v != "auto" && (!ReadUnsigned(v, n) || n > kMaxColonies))
             return Fail(e, "--colonies: \"" + v + "\" is not 'auto' or a whole number from 0 to " +
                                std::to_string(kMaxColonies));
         o.colonies = static_cast<int>(n);
         return true;
     }},
};

const OptionRule* FindOption(std::string_view name) {
    for (const OptionRule& rule : kOptionRules)
        if (name == rule.name || (!rule.alias.empty() && name == rule.alias)) return &rule;
    return nullptr;
}

// The options that cannot go together.
bool CheckCombination(const RunOptions& options, std::string& error) {
    if (options.polish != PolishMode::Off && !options.aco)
        return Fail(error,
                    "--polish works on the iterations of the colony: it cannot go with --no-aco");
    if (options.layouts && options.seconds)
        return Fail(error, "give --layouts or --seconds, not both");
    return true;
}

}  // namespace

bool ParseRunOptions(const std::vector<std::string>& args, RunOptions& options,
                     std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inlineValue;  // --name=value
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        const OptionRule* rule = FindOption(name);
        if (!rule) return Fail(error, "unknown option '" + args[i] + "'");
        std::string value;
        if (!rule->takesValue) {
            if (inlineValue && !rule->inlineValue)
                return Fail(error, "option " + name + " takes no value");
            if (inlineValue) value = *inlineValue;
        } else if (inlineValue) {
            value = *inlineValue;
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return Fail(error, "option " + name + " needs a value");
        }
        if (!rule->apply(value, options, error)) return false;
    }
    return CheckCombination(options, error);
}

}  // namespace antkeys::cli
