// antkeys-cli evaluate: grades the reference layout and layout files against it.
#include <ostream>

#include "cli/cli.hpp"
#include "cli/cli_options.hpp"
#include "cli/evaluation_table.hpp"
#include "cli/input_folder.hpp"
#include "cli/stderr_sink.hpp"
#include "data/loaders.hpp"
#include "eval/grading.hpp"
#include "eval/workspace.hpp"

namespace antkeys::cli {
namespace {

constexpr const char* kHelp =
    "Usage: antkeys-cli evaluate [--dir DIR] [--tsv] [--verbose] [LAYOUT ...]\n"
    "\n"
    "Loads DIR/In as the program does at start and grades the reference layout\n"
    "(In/RefKeyLay.txt) and every LAYOUT file against it. Prints one row per layout: the six\n"
    "figures V1..V6, each relative to the reference figure (dV1..dV6, higher is better), the\n"
    "weighted sum of the figures (absolute) and the grade (0.00% = as good as the reference).\n"
    "\n"
    "Options:\n"
    "  --dir DIR   the program folder holding In/ (default: see 'antkeys-cli --help')\n"
    "  --tsv       print tab-separated values: file, V1..V6 (17 significant digits),\n"
    "              absolute and grade (9 significant digits)\n"
    "  --verbose   say on standard error which program folder is used\n"
    "  -h, --help  show this help\n"
    "\n"
    "Exit status: 0 when every layout was graded, 1 when a layout file could not be read or\n"
    "graded (the others are still graded), 2 when the input folder could not be loaded.\n";

constexpr const char* kName = "antkeys-cli evaluate: ";

EvaluationRow RowOf(const std::string& file, const Criteria& v, const CriteriaPanel& panel,
                    Single absolute, Single grade) {
    EvaluationRow row;
    row.file = file;
    row.v = v;
    for (std::size_t i = 1; i <= 6; ++i) row.rel[i] = panel.vPerc[i].Text();
    row.absolute = absolute;
    row.grade = grade;
    row.gradeText = panel.difGrade.Text();
    return row;
}

}  // namespace

int RunEvaluate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ParsedArgs parsed;
    std::string error;
    if (!ParseArgs(args, {{{"--dir"}, true}, {{"--tsv"}, false}, {{"--verbose"}, false}}, parsed, error)) {
        err << kName << error << "\nRun 'antkeys-cli evaluate --help' for the options.\n";
        return 2;
    }
    if (parsed.help) {
        out << kHelp;
        return 0;
    }

    Workspace ws;
    const bool loaded = LoadInputFolder(parsed, kName, ws, err);
    if (parsed.Has("--verbose")) err << "Program folder: " << ws.paths.folder << '\n';
    if (!loaded) return 2;
    StderrSink sink(err);

    NoYield noYield;
    std::vector<EvaluationRow> rows;
    // The reference row's absolute figure is the weighted sum of all six reference figures,
    // as the reference column shows it.
    const GradeResult ref =
        EvaluateLay(ws.refKeyLay, ws.analizer, ws.weights, ws.layV, ws.panel, noYield);
    rows.push_back(RowOf("In/RefKeyLay.txt", ws.layV.ref, ws.panel,
                         static_cast<Single>(ws.panel.refGrade.value()), ref.grade));

    int status = 0;
    for (const std::string& file : parsed.positional) {
        Layout lay{};
        if (!LoadKeyLay(file, ws.keys, lay, sink)) {
            status = 1;
            continue;
        }
        const GradeResult g = EvaluateLay(lay, ws.analizer, ws.weights, ws.layV, ws.panel, noYield);
        if (!g.ok) {
            err << kName << file << ": cannot be graded: " << g.error << '\n';
            status = 1;
            continue;
        }
        rows.push_back(RowOf(file, ws.layV.last, ws.panel,
                             static_cast<Single>(ws.panel.currGrade.value()), g.grade));
    }

    if (parsed.Has("--tsv"))
        PrintTsv(rows, out);
    else
        PrintTable(rows, out);
    return status;
}

}  // namespace antkeys::cli
