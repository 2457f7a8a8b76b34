#include "cli/cli.hpp"

#include <ostream>

#include "data/program_folder.hpp"
#include "version.hpp"

namespace antkeys::cli {

static const char* kUsage =
    "Usage: antkeys-cli COMMAND [OPTIONS]\n"
    "\n"
    "Designs keyboard layouts with an ant colony search, without a window.\n"
    "\n"
    "Commands:\n"
    "  evaluate   grade the reference layout and layout files\n"
    "  improve    polish a layout file to a local optimum, fixed letters kept\n"
    "  charset    write a character map (In/Charset.txt) from a single-byte character set\n"
    "  digraphs   count character pairs of UTF-8 texts into a DiGraphs.txt\n"
    "  run        run the search and write its results to Out\n"
    "  export     write a layout file as a keyboard layout: XKB, KLC, keylayout or KLE\n"
    "  render     draw a layout with its key loads as an SVG or PNG picture\n"
    "  init       make a program folder from an installed input set\n"
    "\n"
    "Options:\n"
    "  -h, --help  show this help\n"
    "  --version   show the version\n"
    "\n"
    "Run 'antkeys-cli COMMAND --help' for a command's options.\n"
    "\n";

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const CliServices& services) {
    if (args.empty()) {
        err << kUsage;
        return 2;
    }
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h" || command == "help") {
        out << kUsage << kProgramFolderHelp;
        return 0;
    }
    if (command == "--version") {
        out << "antkeys " << kVersion << '\n';
        return 0;
    }
    if (command == "evaluate") return RunEvaluate(rest, out, err, services);
    if (command == "improve") return RunImprove(rest, out, err, services);
    if (command == "digraphs") return RunDigraphs(rest, out, err);
    if (command == "charset") return RunCharset(rest, out, err);
    if (command == "run") return RunSearch(rest, out, err, services);
    if (command == "export") return RunExport(rest, out, err);
    if (command == "render") return RunRender(rest, out, err, services);
    if (command == "init") return RunInit(rest, out, err);
    err << "antkeys-cli: unknown command '" << command << "'\n\n" << kUsage;
    return 2;
}

}  // namespace antkeys::cli
