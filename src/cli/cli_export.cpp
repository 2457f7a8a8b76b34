// antkeys-cli export: a layout file as a keyboard layout a system can install.
#include <filesystem>
#include <ostream>

#include "cli/cli.hpp"
#include "cli/cli_options.hpp"
#include "cli/layout_argument.hpp"
#include "cli/stderr_sink.hpp"
#include "data/charset_file.hpp"
#include "data/loaders.hpp"
#include "data/program_folder.hpp"
#include "data/text_file.hpp"
#include "export/exporter.hpp"

namespace antkeys::cli {
namespace {

constexpr const char* kHelp =
    "Usage: antkeys-cli export (--xkb | --klc | --keylayout | --kle) [--dir DIR]\n"
    "                          [--name NAME] [--description TEXT] [--locale LOCALE]\n"
    "                          [--shift us] LAYOUT [-o FILE]\n"
    "\n"
    "Writes the layout file LAYOUT (for the keyboard of DIR/In/KeyDefs.txt) as a keyboard\n"
    "layout: the US layout with the layout's characters on the keys it uses. Each key gives\n"
    "its character with and without Shift (a to z give capitals with Shift). Key codes are\n"
    "read as US key legends (Q, ;, ', [, 1, `, Space, ...) or as XKB key names (AD01).\n"
    "Characters or keys that cannot be exported are listed on stderr.\n"
    "See docs/install-a-layout.md for installing and removing the file on each system.\n"
    "\n"
    "Formats:\n"
    "  --xkb        Linux: an XKB symbols file. Put it into a folder XKB/symbols/ under the\n"
    "               name NAME and try it for the session (X11; -I takes no space):\n"
    "                 setxkbmap -IXKB -layout NAME -print | xkbcomp -w0 -IXKB - \"$DISPLAY\"\n"
    "               and go back with: setxkbmap us\n"
    "  --klc        Windows: a Microsoft Keyboard Layout Creator source file (UTF-16)\n"
    "  --keylayout  macOS: a .keylayout file for ~/Library/Keyboard Layouts\n"
    "  --kle        keyboard-layout-editor.com JSON, to show the layout in a browser\n"
    "\n"
    "Options:\n"
    "  --dir DIR           the program folder holding In/ (default: see 'antkeys-cli --help')\n"
    "  --name NAME         the layout's name (default: made from the layout file's name).\n"
    "                      XKB: letters, digits, '_' and '-'; KLC: 1 to 8 ASCII letters\n"
    "                      or digits\n"
    "  --description TEXT  KLC: the name Windows shows (default: NAME)\n"
    "  --locale LOCALE     KLC: the language the layout is for (default ka-GE)\n"
    "  --shift us          Shift gives the key's US character instead of the layout's\n"
    "  -o FILE             write to FILE instead of standard output (its folder is made\n"
    "                      when missing; - is standard output)\n"
    "  -h, --help          show this help\n"
    "\n"
    "Exit status: 0 when every placed character was exported, 1 when some were left out\n"
    "(the file is still written), 2 when nothing could be written.\n";

constexpr const char* kName = "antkeys-cli export: ";

int Usage(std::ostream& err, const std::string& error) {
    err << kName << error << "\nRun 'antkeys-cli export --help' for the options.\n";
    return 2;
}

// The one format asked for; null with the reason when none or several were.
const Exporter* ChooseExporter(const ParsedArgs& parsed, std::string& error) {
    const Exporter* exporter = nullptr;
    for (const Exporter* e : Exporters()) {
        if (!parsed.Has("--" + std::string(e->option()))) continue;
        if (exporter) {
            error = "choose one format";
            return nullptr;
        }
        exporter = e;
    }
    if (!exporter) error = "choose a format: --xkb, --klc, --keylayout or --kle";
    return exporter;
}

// The options of the export; the reason when one cannot be used, else empty.
std::string ReadExportOptions(const ParsedArgs& parsed, const Exporter& exporter,
                              const std::string& layoutPath, ExportOptions& options) {
    options.source = layoutPath;
    options.name = parsed.Has("--name") ? parsed.Value("--name") : exporter.NameFor(layoutPath);
    options.description =
        parsed.Value("--description", std::filesystem::path(layoutPath).stem().string());
    options.locale = parsed.Value("--locale", options.locale);
    if (parsed.Has("--shift")) {
        if (parsed.Value("--shift") != "us") return "--shift takes only 'us'";
        options.usShift = true;
    }
    return exporter.CheckOptions(options);
}

// The exported bytes to -o or to `out`, with what could not be exported on `err`.
int Deliver(const ParsedArgs& parsed, const Exporter& exporter, const ExportResult& result,
            std::ostream& out, std::ostream& err) {
    for (const std::string& problem : result.problems)
        err << kName << "not exported: " << problem << '\n';
    if (result.exported == 0)
        err << kName << "the layout places no character that " << exporter.title() << " can take\n";
    if (parsed.ToStandardOutput()) {
        out << result.bytes;
        return result.problems.empty() ? 0 : 1;
    }
    // The usual targets are XKB/symbols/NAME or NAME.klc; folders are made when missing.
    const std::string target = parsed.Value("-o");
    const std::string folder = std::filesystem::path(target).parent_path().string();
    std::string error;
    if ((!folder.empty() && !EnsureFolder(folder, error)) ||
        !WriteWholeFile(target, result.bytes, error)) {
        err << kName << error << '\n';
        return 2;
    }
    return result.problems.empty() ? 0 : 1;
}

}  // namespace

int RunExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<OptionSpec> specs{{{"--dir"}, true},         {{"--name"}, true},
                                  {{"--description"}, true}, {{"--locale"}, true},
                                  {{"--shift"}, true},       {{"-o", "--output"}, true}};
    for (const Exporter* e : Exporters())
        specs.push_back({{"--" + std::string(e->option())}, false});
    ParsedArgs parsed;
    std::string error;
    if (!ParseArgs(args, specs, parsed, error)) return Usage(err, error);
    if (parsed.help) {
        out << kHelp;
        return 0;
    }
    const Exporter* exporter = ChooseExporter(parsed, error);
    if (!exporter) return Usage(err, error);
    if (parsed.positional.size() != 1) return Usage(err, "give exactly one LAYOUT file");
    const std::string layoutPath = parsed.positional.front();
    ExportOptions options;
    if (const std::string why = ReadExportOptions(parsed, *exporter, layoutPath, options);
        !why.empty())
        return Usage(err, why);

    InputPaths paths;
    paths.folder = parsed.Has("--dir") ? parsed.Value("--dir") : ProgramFolder(nullptr);
    StderrSink sink(err);
    KeyTables keys;
    if (!LoadKeyDefs(paths.keyDefs(), keys, sink)) return 2;
    CharacterMap chars;
    if (!LoadFolderCharset(paths, chars, sink)) return 2;
    Layout lay{};
    if (!LoadLayoutArgument(layoutPath, keys, lay, sink)) return 2;
    return Deliver(parsed, *exporter, exporter->Export({lay, keys, chars, options}), out, err);
}

}  // namespace antkeys::cli
