#include "cli/run_options.hpp"

#include <charconv>
#include <cmath>
#include <limits>

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
    "  --dir DIR              the program folder holding In and Out (default: the\n"
    "                         executable's folder, or $ANTKEYS_HOME)\n"
    "  --ants N               ants per iteration, a whole number (default 50)\n"
    "  --sensitivity S        pheromone sensitivity (default 0.8)\n"
    "  --reinforcement K      reinforcement factor (default 0.1)\n"
    "  --no-aco               no reinforcement and no pheromone store: random sampling\n"
    "                         guided by the stored pheromones\n"
    "  --layouts N            stop after N layouts\n"
    "  --seconds T            stop after T seconds\n"
    "  --seed N               seed of the random numbers (default: from the clock); the\n"
    "                         same seed, options and files give the same run\n"
    "  --polish               improve each iteration's best layout by swapping pairs of\n"
    "                         free letters (steepest descent) before it reinforces\n"
    "  --colonies N           run N independent colonies on N threads, each with its own\n"
    "                         pheromones and random numbers (0 or 'auto': one per core);\n"
    "                         --layouts then counts the layouts of each colony\n"
    "  --quiet                no progress line and no keyboard drawing\n"
    "  -h, --help             this help\n";

namespace {

constexpr std::uint64_t kMaxColonies = 256;

bool ReadUnsigned(const std::string& text, std::uint64_t& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end;
}

}  // namespace

bool ParseRunOptions(const std::vector<std::string>& args, RunOptions& options,
                     std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inlineValue;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        auto flag = [&]() {
            if (inlineValue) error = "option " + name + " takes no value";
            return !inlineValue;
        };
        auto value = [&](std::string& out) {
            if (inlineValue) {
                out = *inlineValue;
                return true;
            }
            if (i + 1 >= args.size()) {
                error = "option " + name + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        std::string text;
        if (name == "-h" || name == "--help") {
            if (!flag()) return false;
            options.help = true;
        } else if (name == "--no-aco") {
            if (!flag()) return false;
            options.aco = false;
        } else if (name == "--polish") {
            if (!flag()) return false;
            options.polish = true;
        } else if (name == "--colonies") {
            if (!value(text)) return false;
            std::uint64_t n = 0;
            if (text == "auto") {
                n = 0;
            } else if (!ReadUnsigned(text, n) || n > kMaxColonies) {
                error = "--colonies: \"" + text + "\" is not 'auto' or a whole number from 0 to " +
                        std::to_string(kMaxColonies);
                return false;
            }
            options.colonies = static_cast<int>(n);
        } else if (name == "--quiet") {
            if (!flag()) return false;
            options.quiet = true;
        } else if (name == "--dir") {
            if (!value(options.dir)) return false;
            if (options.dir.empty()) {
                error = "--dir needs a folder";
                return false;
            }
        } else if (name == "--ants") {
            if (!value(text)) return false;
            if (!ParseAntCount(text)) {
                error = "--ants: \"" + text + "\" is not a whole number from -32768 to 32767";
                return false;
            }
            options.ants = text;
        } else if (name == "--sensitivity" || name == "--reinforcement") {
            if (!value(text)) return false;
            if (!ParseParamNumber(text)) {
                error = name + ": \"" + text + "\" is not a number";
                return false;
            }
            (name == "--sensitivity" ? options.sensitivity : options.reinforcement) = text;
        } else if (name == "--layouts") {
            if (!value(text)) return false;
            std::uint64_t n = 0;
            if (!ReadUnsigned(text, n) || n == 0 ||
                n > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
                error = "--layouts: \"" + text + "\" is not a whole number from 1 to 2147483647";
                return false;
            }
            options.layouts = static_cast<std::int64_t>(n);
        } else if (name == "--seconds") {
            if (!value(text)) return false;
            const std::optional<double> t = ParseParamNumber(text);
            if (!t || !(*t > 0)) {
                error = "--seconds: \"" + text + "\" is not a number of seconds above 0";
                return false;
            }
            options.seconds = *t;
        } else if (name == "--seed") {
            if (!value(text)) return false;
            std::uint64_t seed = 0;
            if (!ReadUnsigned(text, seed)) {
                error =
                    "--seed: \"" + text + "\" is not a whole number from 0 to 18446744073709551615";
                return false;
            }
            options.seed = seed;
        } else {
            error = "unknown option '" + args[i] + "'";
            return false;
        }
    }
    if (options.polish && !options.aco) {
        error = "--polish works on the iterations of the colony: it cannot go with --no-aco";
        return false;
    }
    if (options.layouts && options.seconds) {
        error = "give --layouts or --seconds, not both";
        return false;
    }
    return true;
}

}  // namespace antkeys::cli
