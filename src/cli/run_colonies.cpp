#include "cli/run_colonies.hpp"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <ostream>

#include "cli/keyboard_text.hpp"
#include "cli/run_host.hpp"
#include "cli/run_report.hpp"
#include "cli/stderr_sink.hpp"
#include "cli/stop_signals.hpp"
#include "data/messages.hpp"
#include "search/colony_run.hpp"
#include "search/search_messages.hpp"

namespace antkeys::cli {
namespace {

// Ctrl+C ends the colonies at a round's end; a terminal shows a progress line meanwhile.
class ColonyProgress final : public ColonyWatcher {
  public:
    ColonyProgress(const RunOptions& options, std::ostream& err, bool live)
        : options_(options), err_(err), live_(live) {}

    bool StopRequested() override { return StopSignals::Received(); }
    void OnRoundEnd(std::int64_t layouts, double seconds, const std::string& grade) override {
        if (!live_) return;
        err_ << '\r' << ProgressText(layouts, seconds, grade, options_) << " per colony"
             << "\x1b[K" << std::flush;
        shown_ = true;
    }
    void OnRunEnd() override {
        if (shown_) err_ << "\r\x1b[K" << std::flush;
    }

  private:
    const RunOptions& options_;
    std::ostream& err_;
    const bool live_;
    bool shown_ = false;
};

void PrintSummary(const ColonyRun& run, const RunOptions& options, const std::string& folder,
                  std::uint64_t seed, std::ostream& out, std::ostream& err, MessageSink& sink) {
    const auto& colonies = run.colonies();
    for (std::size_t i = 0; i < colonies.size(); ++i) {
        const ColonyHost& host = *colonies[i]->host;
        for (const Message& m : host.messages()) {
            err << "colony " << i + 1 << ": ";
            sink.show(m);
        }
        for (const auto& [letter, times] : host.noCandidate())
            err << "colony " << i + 1 << ": " << msg::kGenRndKeyTitle << ": letter " << letter
                << " found no free key in " << times << (times == 1 ? " layout\n" : " layouts\n");
    }

    // Equal unless a colony's run ended through an error.
    std::int64_t perColony = 0, fewest = -1, total = 0;
    for (const auto& c : colonies) {
        const std::int64_t layouts = c->host->layoutsThisRun();
        perColony = std::max(perColony, layouts);
        fewest = fewest < 0 ? layouts : std::min(fewest, layouts);
        total += layouts;
    }
    const double seconds = run.seconds();
    out << "\nLayouts: " << total << " ("
        << (fewest == perColony ? "" : std::to_string(fewest) + " to ") << perColony
        << " per colony) in " << FormatDuration(seconds);
    if (seconds > 0)
        out << " (" << std::llround(static_cast<double>(total) / seconds) << " layouts/s)";
    out << '\n';
    const std::size_t best = run.BestColony();
    for (std::size_t i = 0; i < colonies.size(); ++i) {
        const Colony& c = *colonies[i];
        out << "  colony " << i + 1 << "  seed " << ColonySeed(seed, static_cast<int>(i))
            << "  best "
            << (c.engine->bestKeyGrade() > 0 ? c.engine->bestGradeText() : std::string("none"))
            << '\n';
    }
    const Colony& winner = *colonies[best];
    if (winner.engine->bestKeyGrade() > 0) {
        out << "Best grade: " << winner.engine->bestGradeText() << " (colony " << best + 1;
        if (!run.writtenBest().empty())
            out << ", " << run.writtenBest();
        else
            out << ", NOT SAVED: " << run.saveFailures().firstReason(SavedFile::BestLayout);
        out << ")\n";
        if (!options.quiet) {
            out << '\n';
            for (const std::string& line :
                 KeyboardText(winner.engine->bestKeyLay(), winner.ws.keys, winner.ws.chars))
                out << "  " << line << '\n';
            out << '\n';
        }
    } else {
        out << "Best grade: no layout graded above the reference layout\n";
    }
    PrintSaveReport(out, run.saveFailures(), run.unreadableStore());
    out << "Repeat: " << RepeatCommand(folder, options, seed, perColony) << '\n';
}

}  // namespace

int RunColonies(const Workspace& ws, const RunOptions& options, std::uint64_t seed,
                std::ostream& out, std::ostream& err) {
    RunOptions colonyOptions = options;
    colonyOptions.colonies = ColonyCount(options.colonies.value_or(0));
    StopSignals signals;
    StderrSink sink(err);
    ColonyRun run(ws, colonyOptions, seed, *colonyOptions.colonies, sink);
    PrintRunParameters(out, ws.paths.folder, colonyOptions, seed, *colonyOptions.colonies);
    const bool live = !options.quiet && &err == &std::cerr && ::isatty(STDERR_FILENO) == 1;
    ColonyProgress progress(colonyOptions, err, live);
    run.Run(progress);
    PrintSummary(run, colonyOptions, ws.paths.folder, seed, out, err, sink);
    if (run.saveFailures().any()) return kExitNotSaved;
    return run.failed() ? 1 : 0;
}

}  // namespace antkeys::cli
