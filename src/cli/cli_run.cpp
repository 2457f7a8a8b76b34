// antkeys-cli run: the search without a window.
#include <unistd.h>

#include <cmath>
#include <iostream>
#include <ostream>

#include "cli/cli.hpp"
#include "cli/cli_folder.hpp"
#include "cli/keyboard_text.hpp"
#include "cli/run_colonies.hpp"
#include "cli/run_host.hpp"
#include "cli/run_options.hpp"
#include "cli/run_report.hpp"
#include "cli/stderr_sink.hpp"
#include "cli/stop_signals.hpp"
#include "data/messages.hpp"
#include "data/out_folder.hpp"
#include "data/program_folder.hpp"
#include "data/random.hpp"
#include "data/text_file.hpp"
#include "eval/workspace.hpp"
#include "search/search_engine.hpp"

namespace antkeys::cli {
namespace {

void PrintSummary(std::ostream& out, const SearchEngine& engine, const CliRunHost& host,
                  const RunOptions& options, const std::string& folder, std::uint64_t seed) {
    const std::int64_t layouts = host.layoutsThisRun();
    const double seconds = host.runSeconds();
    out << "\nLayouts: " << layouts << " in " << FormatDuration(seconds);
    if (seconds > 0)
        out << " (" << std::llround(static_cast<double>(layouts) / seconds) << " layouts/s)";
    out << '\n';
    const SaveFailures& failures = engine.saveFailures();
    if (engine.bestKeyGrade() > 0) {
        out << "Best grade: " << engine.bestGradeText();
        if (!engine.lastBestLayPath().empty())
            out << "  (" << engine.lastBestLayPath() << ")";
        else
            out << "  (NOT SAVED: " << failures.firstReason(SavedFile::BestLayout) << ")";
        out << '\n';
        if (!options.quiet) {
            out << '\n';
            for (const std::string& line : KeyboardText(
                     engine.bestKeyLay(), engine.workspace().keys, engine.workspace().chars))
                out << "  " << line << '\n';
            out << '\n';
        }
    } else {
        out << "Best grade: no layout graded above the reference layout\n";
    }
    PrintSaveReport(out, failures, engine.workspace().unreadableStore);
    out << "Repeat: " << RepeatCommand(folder, options, seed, layouts) << '\n';
}

}  // namespace

int RunSearch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const CliServices& services) {
    RunOptions options;
    std::string error;
    if (!ParseRunOptions(args, options, error)) {
        err << "antkeys-cli run: " << error << "\n\n" << kRunUsage;
        return 2;
    }
    if (options.help) {
        out << kRunUsage;
        return 0;
    }

    Workspace ws;
    ws.kernels = services.kernels;
    ws.paths.folder = CommandFolder(options.dir, "antkeys-cli run: ", err);
    StderrSink sink(err);
    if (!LoadWorkspace(ws, sink)) return 2;
    // Found now rather than at the first new best, which may come after hours.
    if (!CheckOutFolder(ws.paths.OutFolder(), error)) {
        sink.show(Message{
            msg::kWriteTitle,
            WithDescription(msg::kOutFolderText, error + "\r\nThe run was not started."), true});
        return 2;
    }
    RemoveStaleTemporaries(ws.paths.OutFolder());

    const std::uint64_t seed = options.seed ? *options.seed : Random::ClockSeed();
    if (options.colonies) return RunColonies(ws, options, seed, out, err);
    Random random(seed);
    SearchEngine engine(ws, random);
    engine.SetPolish(options.polish);
    const bool live = !options.quiet && &err == &std::cerr && ::isatty(STDERR_FILENO) == 1;
    CliRunHost host(engine, options, err, live);
    StopSignals signals;

    PrintRunParameters(out, ws.paths.folder, options, seed);
    if (!engine.RunEvaluation(host)) return 2;
    PrintSummary(out, engine, host, options, ws.paths.folder, seed);
    host.PrintRepeats(err);
    if (engine.saveFailures().any()) return kExitNotSaved;
    return engine.lastRunEnd() == SearchEngine::RunEnd::Stopped ? 0 : 1;
}

}  // namespace antkeys::cli
