// antkeys-cli improve: polishes a layout file to a local optimum of the grade, its fixed
// letters kept, and writes the result.
#include <filesystem>
#include <ostream>

#include "cli/cli.hpp"
#include "cli/cli_options.hpp"
#include "cli/input_folder.hpp"
#include "cli/layout_argument.hpp"
#include "cli/stderr_sink.hpp"
#include "data/loaders.hpp"
#include "data/text_file.hpp"
#include "eval/panel.hpp"
#include "search/improve_layout.hpp"

namespace antkeys::cli {
namespace {

constexpr const char* kHelp =
    "Usage: antkeys-cli improve [--dir DIR] LAYOUT [-o FILE]\n"
    "\n"
    "Loads DIR/In as the program does at start and improves the layout file LAYOUT move by\n"
    "move: a letter swaps keys with another letter or goes to an empty key, each time the\n"
    "best move as 'run --polish' ranks them that grades better in full, until no single swap\n"
    "or move grades better (a local optimum). Letters with the fixed flag (third field not\n"
    "0) and the letters the reference layout fixes stay on their keys, and no letter goes to\n"
    "a key its pheromones forbid. Prints the grade before, each move taken with the grade\n"
    "after it, and the grade after.\n"
    "\n"
    "Writes the improved layout as a layout file with the fixed flag (grade on the header\n"
    "line). The same LAYOUT always gives the same moves and the same file.\n"
    "\n"
    "Options:\n"
    "  --dir DIR          the program folder holding In/ (default: see 'antkeys-cli --help')\n"
    "  -o, --output FILE  where the improved layout goes (default: LAYOUT's name with\n"
    "                     \"-improved\" before its extension, e.g. best-improved.txt beside\n"
    "                     best.txt); '-' writes it to standard output and the report to\n"
    "                     standard error. The input file itself is never overwritten.\n"
    "  -h, --help         show this help\n"
    "\n"
    "Exit status: 0 when the layout was improved (or already a local optimum) and written,\n"
    "1 when LAYOUT could not be read or graded or the result could not be written, 2 when\n"
    "the input folder could not be loaded or the arguments are wrong.\n";

constexpr const char* kName = "antkeys-cli improve: ";

std::string DefaultOutput(const std::string& layout) {
    std::filesystem::path p(layout);
    const std::string ext = p.has_extension() ? p.extension().string() : ".txt";
    return (p.parent_path() / (p.stem().string() + "-improved" + ext)).string();
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec)) return true;
    return std::filesystem::weakly_canonical(a, ec) == std::filesystem::weakly_canonical(b, ec);
}

std::string GradeLine(const GradeReport& g) {
    return GradeText(g).Text() + " (absolute " + AbsoluteText(g.absolute).Text() + ")";
}

void PrintReport(const ImproveResult& r, const KeyTables& keys, const CharacterMap& chars,
                 std::ostream& report) {
    report << "Before: " << GradeLine(r.before) << '\n';
    for (std::size_t i = 0; i < r.steps.size(); ++i)
        report << "  " << i + 1 << ". " << DescribeMove(r.steps[i].move, keys, chars) << ": "
               << GradeText(r.steps[i].grade).Text() << '\n';
    report << "After:  " << GradeLine(r.after) << ", " << r.steps.size()
           << (r.steps.size() == 1 ? " move" : " moves") << '\n';
}

}  // namespace

int RunImprove(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const CliServices& services) {
    ParsedArgs parsed;
    std::string error;
    if (!ParseArgs(args, {{{"--dir"}, true}, {{"-o", "--output"}, true}}, parsed, error) ||
        (!parsed.help && parsed.positional.size() != 1)) {
        if (error.empty()) error = "give one LAYOUT file";
        err << kName << error << "\nRun 'antkeys-cli improve --help' for the options.\n";
        return 2;
    }
    if (parsed.help) {
        out << kHelp;
        return 0;
    }
    const std::string& input = parsed.positional[0];
    const std::string output = parsed.Value("-o", DefaultOutput(input));
    if (output != "-" && SameFile(output, input)) {
        err << kName << "will not overwrite the input " << input << "; name another file with -o\n";
        return 2;
    }

    Workspace ws;
    if (!LoadInputFolder(parsed, kName, services.kernels, ws, err)) return 2;
    StderrSink sink(err);
    Layout lay{};
    CharFlags fixed{};
    if (!LoadLayoutArgument(input, ws.keys, lay, sink, &fixed)) return 1;
    const ImproveResult result = ImproveLayout(ws, lay, fixed);
    if (!result.ok) {
        err << kName << input << ": cannot be graded: " << result.error << '\n';
        return 1;
    }

    std::ostream& report = output == "-" ? err : out;
    PrintReport(result, ws.keys, ws.chars, report);
    CharFlags flags = ReferenceFixed(ws);
    for (std::size_t c = 0; c < flags.size(); ++c) flags[c] = flags[c] || fixed[c];
    const std::string text =
        GradeText(result.after).Text() + "\r\n" + GetFixedLayStr(result.layout, ws.keys, flags);
    if (output == "-") {
        out << text;
        return 0;
    }
    if (!WriteWholeFile(output, text, error)) {
        err << kName << error << '\n';
        return 1;
    }
    report << "Written: " << output << '\n';
    return 0;
}

}  // namespace antkeys::cli
