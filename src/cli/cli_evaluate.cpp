// antkeys-cli evaluate: grades the reference layout and layout files against it.
#include <ostream>

#include "cli/cli.hpp"
#include "cli/cli_explain.hpp"
#include "cli/cli_options.hpp"
#include "cli/evaluation_table.hpp"
#include "cli/input_folder.hpp"
#include "cli/layout_argument.hpp"
#include "cli/stderr_sink.hpp"
#include "data/loaders.hpp"
#include "eval/grading.hpp"
#include "eval/panel.hpp"
#include "eval/workspace.hpp"

namespace antkeys::cli {
namespace {

constexpr const char* kHelp =
    "Usage: antkeys-cli evaluate [--dir DIR] [--tsv] [--verbose] [LAYOUT ...]\n"
    "       antkeys-cli evaluate --explain [--dir DIR] [--tsv] [--top N] [LAYOUT ...]\n"
    "\n"
    "Loads DIR/In as the program does at start and grades the reference layout\n"
    "(In/RefKeyLay.txt) and every LAYOUT file against it. Prints one row per layout: the six\n"
    "figures V1..V6, each relative to the reference figure (dV1..dV6, higher is better), the\n"
    "weighted sum of the figures (absolute) and the grade (0.00% = as good as the reference).\n"
    "\n"
    "With --explain it prints instead the figures layouts are compared by, for the reference\n"
    "and each LAYOUT side by side: same-finger digraphs, repeats, same hand, alternation,\n"
    "inward and outward rolls, row jumps, the use of rows, hands and fingers beside their\n"
    "targets, and with In/TriGraphs.txt the trigram figures; then for each layout the digraphs\n"
    "that add most to same_finger, out_rolls, row_jumps and V3..V6. docs/metrics.md defines\n"
    "every figure.\n"
    "\n"
    "Options:\n"
    "  --dir DIR   the program folder holding In/ (default: see 'antkeys-cli --help')\n"
    "  --tsv       print tab-separated values: file, V1..V6 (17 significant digits),\n"
    "              absolute and grade (9 significant digits)\n"
    "  --verbose   say on standard error which program folder is used\n"
    "  --explain   print the figures and the digraphs behind them (see above); with --tsv one\n"
    "              row per layout, the figures as fractions of 1 with 17 significant digits\n"
    "  --top N     with --explain: how many digraphs each list shows (default 10)\n"
    "  -h, --help  show this help\n"
    "\n"
    "Exit status: 0 when every layout was graded, 1 when a layout file could not be read or\n"
    "graded (the others are still graded), 2 when the input folder could not be loaded\n"
    "(with --explain also when In/TriGraphs.txt is broken).\n";

constexpr const char* kName = "antkeys-cli evaluate: ";

EvaluationRow RowOf(const std::string& file, const GradeReport& report, Single absolute) {
    EvaluationRow row;
    row.file = file;
    row.v = report.v;
    for (std::size_t i = 1; i <= 6; ++i) row.rel[i] = RelativeText(report, i).Text();
    row.absolute = absolute;
    row.grade = report.grade;
    row.gradeText = GradeText(report).Text();
    return row;
}

}  // namespace

int RunEvaluate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const CliServices& services) {
    ParsedArgs parsed;
    std::string error;
    if (!ParseArgs(args,
                   {{{"--dir"}, true},
                    {{"--tsv"}, false},
                    {{"--verbose"}, false},
                    {{"--explain"}, false},
                    {{"--top"}, true}},
                   parsed, error)) {
        err << kName << error << "\nRun 'antkeys-cli evaluate --help' for the options.\n";
        return 2;
    }
    if (parsed.help) {
        out << kHelp;
        return 0;
    }

    if (parsed.Has("--explain")) return RunExplain(parsed, out, err, services.kernels);
    if (parsed.Has("--top")) {
        err << kName << "--top goes with --explain\n";
        return 2;
    }

    Workspace ws;
    const bool loaded = LoadInputFolder(parsed, kName, services.kernels, ws, err);
    if (parsed.Has("--verbose")) err << "Program folder: " << ws.paths.folder << '\n';
    if (!loaded) return 2;
    StderrSink sink(err);

    std::vector<EvaluationRow> rows;
    // The reference row's absolute figure is the weighted sum of all six reference figures,
    // as the reference column shows it.
    GradeReport ref = Grade(ws.refKeyLay, ws.analizer, ws.weights, ws.layV.ref);
    ref.v = ws.layV.ref;
    rows.push_back(RowOf("In/RefKeyLay.txt", ref, ws.refAbsolute));

    int status = 0;
    for (const std::string& file : parsed.positional) {
        Layout lay{};
        if (!LoadLayoutArgument(file, ws.keys, lay, sink)) {
            status = 1;
            continue;
        }
        const GradeReport g = Grade(lay, ws.analizer, ws.weights, ws.layV.ref);
        if (!g.ok) {
            err << kName << file << ": cannot be graded: " << g.error << '\n';
            status = 1;
            continue;
        }
        rows.push_back(RowOf(file, g, g.absolute));
    }

    if (parsed.Has("--tsv"))
        PrintTsv(rows, out);
    else
        PrintTable(rows, out);
    return status;
}

}  // namespace antkeys::cli
