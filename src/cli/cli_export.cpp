// antkeys-cli export: a layout file as a keyboard layout the system can install.
#include <filesystem>
#include <ostream>

#include "cli/cli.hpp"
#include "cli/cli_options.hpp"
#include "cli/stderr_sink.hpp"
#include "data/loaders.hpp"
#include "data/program_folder.hpp"
#include "data/text_file.hpp"
#include "export/xkb_symbols.hpp"

namespace antkeys::cli {
namespace {

constexpr const char* kHelp =
    "Usage: antkeys-cli export --xkb [--dir DIR] [--name NAME] LAYOUT [-o FILE]\n"
    "\n"
    "Writes the layout file LAYOUT (for the keyboard of DIR/In/KeyDefs.txt) as an XKB symbols\n"
    "file: the US layout with the layout's characters on the keys it uses, each key giving\n"
    "its character with and without Shift (a to z give capitals with Shift). Key codes are\n"
    "read as US key legends (Q, ;, ', [, 1, `, Space, ...) or as XKB key names (AD01).\n"
    "Characters or keys that cannot be exported are listed on stderr.\n"
    "\n"
    "Put the file into a folder XKB/symbols/ under the name NAME and try it for the session\n"
    "(X11; note that -I takes no space before the folder):\n"
    "  setxkbmap -IXKB -layout NAME -print | xkbcomp -w0 -IXKB - \"$DISPLAY\"\n"
    "and go back with: setxkbmap us (or the layout 'setxkbmap -query' showed before).\n"
    "\n"
    "Options:\n"
    "  --xkb        write an XKB symbols file (the only format so far)\n"
    "  --dir DIR    the program folder holding In/ (default: the program's own folder, or\n"
    "               $ANTKEYS_HOME when set)\n"
    "  --name NAME  the layout's name: letters, digits, '_' and '-' (default: the layout\n"
    "               file's name without its extension)\n"
    "  -o FILE      write to FILE instead of standard output (its folder is made when\n"
    "               missing)\n"
    "  -h, --help   show this help\n"
    "\n"
    "Exit status: 0 when every placed character was exported, 1 when some were left out\n"
    "(the file is still written), 2 when nothing could be written.\n";

constexpr const char* kName = "antkeys-cli export: ";

int Usage(std::ostream& err, const std::string& error) {
    err << kName << error << "\nRun 'antkeys-cli export --help' for the options.\n";
    return 2;
}

}  // namespace

int RunExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ParsedArgs parsed;
    std::string error;
    if (!ParseArgs(
            args,
            {{{"--xkb"}, false}, {{"--dir"}, true}, {{"--name"}, true}, {{"-o", "--output"}, true}},
            parsed, error))
        return Usage(err, error);
    if (parsed.help) {
        out << kHelp;
        return 0;
    }
    if (!parsed.Has("--xkb")) return Usage(err, "choose a format: --xkb");
    if (parsed.positional.size() != 1) return Usage(err, "give exactly one LAYOUT file");
    const std::string layoutPath = parsed.positional.front();
    const std::string name =
        parsed.Has("--name") ? parsed.Value("--name") : XkbLayoutNameFor(layoutPath);
    if (!IsXkbLayoutName(name))
        return Usage(err, "the name '" + name + "' may hold only letters, digits, '_' and '-'");

    InputPaths paths;
    paths.folder = parsed.Has("--dir") ? parsed.Value("--dir") : ProgramFolder(nullptr);
    StderrSink sink(err);
    KeyTables keys;
    if (!LoadKeyDefs(paths.keyDefs(), keys, sink)) return 2;
    Layout lay{};
    if (!LoadKeyLay(layoutPath, keys, lay, sink)) return 2;

    const XkbSymbols symbols = MakeXkbSymbols(lay, keys, name, layoutPath);
    for (const std::string& problem : symbols.problems)
        err << kName << "not exported: " << problem << '\n';
    if (symbols.exported == 0) err << kName << "the layout places no character that XKB can take\n";

    if (parsed.Has("-o")) {
        // The usual target is XKB/symbols/NAME; the folders are made when missing.
        const std::string target = parsed.Value("-o");
        const std::string folder = std::filesystem::path(target).parent_path().string();
        if ((!folder.empty() && !EnsureFolder(folder, error)) ||
            !WriteWholeFile(target, symbols.text, error)) {
            err << kName << error << '\n';
            return 2;
        }
    } else {
        out << symbols.text;
    }
    return symbols.problems.empty() ? 0 : 1;
}

}  // namespace antkeys::cli
