// antkeys-cli init: makes a program folder from an installed input set.
#include <filesystem>
#include <ostream>

#include "cli/cli.hpp"
#include "cli/cli_options.hpp"
#include "data/program_folder.hpp"

namespace antkeys::cli {
namespace {

constexpr const char* kHelp =
    "Usage: antkeys-cli init [--set ka|en|ru|uk|hy|de|el|fr] [--force] DIR\n"
    "\n"
    "Makes DIR a program folder, creating it when missing: copies In/ of an installed input\n"
    "set and, when the set ships one, its learnt pheromone store Out/Pheromones.txt. Use it\n"
    "then with 'antkeys-cli run --dir DIR' or 'ANTKEYS_HOME=DIR antkeys'.\n"
    "\n"
    "Options:\n"
    "  --set NAME  the input set: ka (Georgian, the default), en (English), ru (Russian),\n"
    "              uk (Ukrainian), hy (Armenian), de (German), el (Greek) or fr (French)\n"
    "  --force     replace the files of an existing In/; a pheromone store in Out/ is kept\n"
    "              as Out/Pheromones.txt.old, a character map In/Charset.txt the set does\n"
    "              not have as In/Charset.txt.old\n"
    "  -h, --help  show this help\n"
    "\n"
    "Exit status: 0 when the folder was made, 1 when DIR already holds In/ (without --force)\n"
    "or a file cannot be copied, 2 for a wrong command line or an unknown set.\n";

constexpr const char* kName = "antkeys-cli init: ";

}  // namespace

int RunInit(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ParsedArgs parsed;
    std::string error;
    if (!ParseArgs(args, {{{"--set"}, true}, {{"--force"}, false}}, parsed, error) ||
        (!parsed.help && parsed.positional.size() != 1)) {
        if (error.empty()) error = "give one folder DIR";
        err << kName << error << "\nRun 'antkeys-cli init --help' for the options.\n";
        return 2;
    }
    if (parsed.help) {
        out << kHelp;
        return 0;
    }
    const std::string name = parsed.Value("--set", "ka");
    const std::string set = InstalledSet(CurrentFolderSources().executable, name);
    if (set.empty()) {
        err << kName << "no input set '" << name << "' is installed\n";
        return 2;
    }
    const std::string& dir = parsed.positional.front();
    const bool force = parsed.Has("--force");
    std::error_code ec;
    if (!force && std::filesystem::exists(std::filesystem::path(dir) / "In", ec)) {
        err << kName << dir << "/In already exists; --force replaces its files\n";
        return 1;
    }
    if (!CopyInputSet(set, dir, force, error)) {
        err << kName << error << '\n';
        return 1;
    }
    out << "Made the program folder " << dir << " from " << set << '\n'
        << "Grade its reference layout: antkeys-cli evaluate --dir " << dir << '\n';
    return 0;
}

}  // namespace antkeys::cli
