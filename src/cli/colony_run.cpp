#include "cli/colony_run.hpp"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <barrier>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <memory>
#include <ostream>
#include <thread>
#include <vector>

#include "cli/colony_host.hpp"
#include "cli/keyboard_text.hpp"
#include "cli/run_host.hpp"
#include "cli/run_report.hpp"
#include "cli/stderr_sink.hpp"
#include "cli/stop_signals.hpp"
#include "data/charset.hpp"
#include "data/loaders.hpp"
#include "data/messages.hpp"
#include "data/random.hpp"
#include "data/text_file.hpp"
#include "data/unreadable_store.hpp"
#include "search/search_engine.hpp"
#include "search/search_messages.hpp"

namespace antkeys::cli {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::uint64_t SplitMix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// The colonies' own Out folders, under the system's temporary folder, removed at the end:
// the real Out gets only what the run as a whole found.
class ScratchFolder {
  public:
    ScratchFolder() {
        static std::atomic<int> counter{0};
        path_ = (fs::temp_directory_path() / ("antkeys-colonies-" + std::to_string(::getpid()) +
                                              "-" + std::to_string(counter++)))
                    .string();
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    ~ScratchFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

class ColonyRun;

// The barrier's completion: the end of a round, run while every colony waits.
struct RoundEndStep {
    ColonyRun* run;
    void operator()() noexcept;
};
using RoundBarrier = std::barrier<RoundEndStep>;

struct Colony {
    Colony(const Workspace& loaded, std::uint64_t seed) : ws(loaded), random(seed) {}
    Workspace ws;
    Random random;
    std::unique_ptr<SearchEngine> engine;
    std::unique_ptr<ColonyHost> host;
};

class ColonyRun {
  public:
    ColonyRun(const Workspace& ws, const RunOptions& options, std::uint64_t seed, int n,
              std::ostream& out, std::ostream& err)
        : options_(options),
          seed_(seed),
          out_(out),
          err_(err),
          sink_(err),
          outPaths_(ws.paths),
          unreadable_(ws.unreadableStore),
          live_(!options.quiet && &err == &std::cerr && ::isatty(STDERR_FILENO) == 1) {
        options_.colonies = n;
        for (int i = 0; i < n; ++i) {
            auto colony = std::make_unique<Colony>(ws, ColonySeed(seed, i));
            colony->ws.paths.folder = scratch_.path() + "/colony-" + std::to_string(i + 1);
            colony->ws.unreadableStore = {};  // the real store is this run's to move
            if (setupError_.empty()) EnsureFolder(colony->ws.paths.OutFolder(), setupError_);
            colony->engine = std::make_unique<SearchEngine>(colony->ws, colony->random);
            colony->engine->SetPolish(options.polish);
            colonies_.push_back(std::move(colony));
        }
    }

    int Run();
    void RoundEnd() noexcept;

  private:
    void RunColony(Colony& colony, RoundBarrier& barrier);
    std::size_t BestColony() const;
    void WriteBest(bool storeAnyway);
    void PrintSummary(double seconds);

    RunOptions options_;
    const std::uint64_t seed_;
    std::ostream& out_;
    std::ostream& err_;
    StderrSink sink_;
    const InputPaths outPaths_;
    UnreadableStore unreadable_;
    SaveFailures saveFailures_;
    const bool live_;
    ScratchFolder scratch_;
    std::vector<std::unique_ptr<Colony>> colonies_;
    RoundControl control_;
    std::atomic<bool> failed_{false};
    Clock::time_point start_{};
    Clock::time_point lastStoreWrite_{};
    Single writtenGrade_ = 0;
    std::string writtenBest_;
    bool progressShown_ = false;
    std::string setupError_;  // the colonies' scratch folders could not be made
};

void ColonyRun::RunColony(Colony& colony, RoundBarrier& barrier) {
    colony.host = std::make_unique<ColonyHost>(*colony.engine, options_, control_,
                                               [&barrier] { barrier.arrive_and_wait(); });
    colony.engine->RunEvaluation(*colony.host);
    if (!colony.host->stoppedByRounds()) {
        // An error ended this colony's run: the others stop at the end of the round.
        failed_ = true;
        barrier.arrive_and_drop();
    }
}

// Runs on one colony's thread while every other colony waits.
void ColonyRun::RoundEnd() noexcept {
    std::int64_t layouts = 0;
    for (const auto& c : colonies_) layouts = std::max(layouts, c->host->layoutsThisRun());
    const double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
    const bool done = (options_.layouts && layouts >= *options_.layouts) ||
                      (options_.seconds && seconds >= *options_.seconds) ||
                      StopSignals::Received() || failed_;
    control_.stop = done;
    control_.roundEnd = layouts + kColonyRound;
    if (options_.layouts) control_.roundEnd = std::min(control_.roundEnd, *options_.layouts);

    // Out holds what the run as a whole has found so far, as a single run's Out would.
    const bool storeDue = Clock::now() - lastStoreWrite_ >= std::chrono::seconds(61);
    WriteBest(storeDue);
    if (live_) {
        const std::size_t best = BestColony();
        const std::string grade = colonies_[best]->engine->bestKeyGrade() > 0
                                      ? colonies_[best]->ws.panel.bestGrade.Text()
                                      : std::string();
        err_ << '\r' << ProgressText(layouts, seconds, grade, options_) << " per colony"
             << "\x1b[K" << std::flush;
        progressShown_ = true;
    }
}

void RoundEndStep::operator()() noexcept {
    run->RoundEnd();
}

std::size_t ColonyRun::BestColony() const {
    std::size_t best = 0;
    for (std::size_t i = 1; i < colonies_.size(); ++i)
        if (colonies_[i]->engine->bestKeyGrade() > colonies_[best]->engine->bestKeyGrade())
            best = i;
    return best;
}

void ColonyRun::WriteBest(bool storeAnyway) {
    const Colony& best = *colonies_[BestColony()];
    const SearchEngine& engine = *best.engine;
    const bool improved = engine.bestKeyGrade() > writtenGrade_;
    if (improved && !engine.lastBestLayPath().empty()) {
        // The best colony's own file, under its own name: grade and that colony's counter.
        std::string text, error;
        const std::string name = fs::path(engine.lastBestLayPath()).filename().string();
        const std::string target = outPaths_.Out(name);
        if (ReadWholeFile(engine.lastBestLayPath(), text, error) &&
            WriteFileAtomically(target, text, error)) {
            writtenGrade_ = engine.bestKeyGrade();
            writtenBest_ = target;
        } else {
            const Message failed{msg::kWriteTitle, WithDescription(msg::kBestLayWriteText, error),
                                 true};
            if (saveFailures_.Add(SavedFile::BestLayout, failed)) sink_.show(failed);
        }
    }
    if (improved || storeAnyway) {
        RecordingSink failed;
        const bool wasPending = unreadable_.pending();
        SavePheroKeeping(outPaths_.pheromones(), options_.aco, best.ws.phero, unreadable_, failed);
        for (const Message& m : failed.messages)
            if (saveFailures_.Add(SavedFile::Store, m)) sink_.show(m);
        if (wasPending && unreadable_.moved)
            sink_.show(Message{msg::kProgramTitle, StoreMovedText(unreadable_.aside), false});
        lastStoreWrite_ = Clock::now();
    }
}

int ColonyRun::Run() {
    if (!setupError_.empty()) {
        sink_.show(Message{msg::kWriteTitle, setupError_, true});
        return 2;
    }
    const auto n = static_cast<std::ptrdiff_t>(colonies_.size());
    RoundBarrier barrier(n, RoundEndStep{this});
    control_.roundEnd = options_.layouts ? std::min(kColonyRound, *options_.layouts) : kColonyRound;
    PrintRunParameters(out_, outPaths_.folder, options_, seed_, static_cast<int>(colonies_.size()));
    start_ = lastStoreWrite_ = Clock::now();
    {
        std::vector<std::jthread> threads;
        for (auto& colony : colonies_)
            threads.emplace_back([this, &colony, &barrier] { RunColony(*colony, barrier); });
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
    if (progressShown_) err_ << "\r\x1b[K" << std::flush;
    WriteBest(true);  // the end of a run saves the store
    if (saveFailures_.any()) sink_.show(saveFailures_.Summary());
    PrintSummary(seconds);
    if (saveFailures_.any()) return kExitNotSaved;
    return failed_ ? 1 : 0;
}

void ColonyRun::PrintSummary(double seconds) {
    for (std::size_t i = 0; i < colonies_.size(); ++i) {
        const ColonyHost& host = *colonies_[i]->host;
        for (const Message& m : host.messages()) {
            err_ << "colony " << i + 1 << ": ";
            sink_.show(m);
        }
        for (const auto& [letter, times] : host.noCandidate())
            err_ << "colony " << i + 1 << ": " << msg::kGenRndKeyTitle << ": letter " << letter
                 << " found no free key in " << times << (times == 1 ? " layout\n" : " layouts\n");
    }

    // Equal unless a colony's run ended through an error.
    std::int64_t perColony = 0, fewest = -1, total = 0;
    for (const auto& c : colonies_) {
        const std::int64_t layouts = c->host->layoutsThisRun();
        perColony = std::max(perColony, layouts);
        fewest = fewest < 0 ? layouts : std::min(fewest, layouts);
        total += layouts;
    }
    out_ << "\nLayouts: " << total << " ("
         << (fewest == perColony ? "" : std::to_string(fewest) + " to ") << perColony
         << " per colony) in " << FormatDuration(seconds);
    if (seconds > 0)
        out_ << " (" << std::llround(static_cast<double>(total) / seconds) << " layouts/s)";
    out_ << '\n';
    const std::size_t best = BestColony();
    for (std::size_t i = 0; i < colonies_.size(); ++i) {
        const Colony& c = *colonies_[i];
        out_ << "  colony " << i + 1 << "  seed " << ColonySeed(seed_, static_cast<int>(i))
             << "  best "
             << (c.engine->bestKeyGrade() > 0 ? c.ws.panel.bestGrade.Text() : std::string("none"))
             << '\n';
    }
    const Colony& winner = *colonies_[best];
    if (winner.engine->bestKeyGrade() > 0) {
        out_ << "Best grade: " << winner.ws.panel.bestGrade.Text() << " (colony " << best + 1;
        if (writtenGrade_ == winner.engine->bestKeyGrade() && !writtenBest_.empty())
            out_ << ", " << writtenBest_;
        else
            out_ << ", NOT SAVED";
        out_ << ")\n";
        if (!options_.quiet) {
            out_ << '\n';
            for (const std::string& line :
                 KeyboardText(winner.engine->bestKeyLay(), winner.ws.keys))
                out_ << "  " << line << '\n';
            out_ << '\n';
        }
    } else {
        out_ << "Best grade: no layout graded above the reference layout\n";
    }
    PrintSaveReport(out_, saveFailures_, unreadable_);
    out_ << "Repeat: " << RepeatCommand(outPaths_.folder, options_, seed_, perColony) << '\n';
}

}  // namespace

std::uint64_t ColonySeed(std::uint64_t seed, int index) {
    std::uint64_t state = seed;
    std::uint64_t value = seed;
    for (int i = 0; i < index; ++i) value = SplitMix64(state);
    return value;
}

int ColonyCount(int option) {
    if (option > 0) return option;
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 0 ? static_cast<int>(cores) : 1;
}

int RunColonies(const Workspace& ws, const RunOptions& options, std::uint64_t seed,
                std::ostream& out, std::ostream& err) {
    const int n = ColonyCount(options.colonies.value_or(0));
    StopSignals signals;
    ColonyRun run(ws, options, seed, n, out, err);
    return run.Run();
}

}  // namespace antkeys::cli
