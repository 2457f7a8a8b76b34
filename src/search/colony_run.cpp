#include "search/colony_run.hpp"

#include <algorithm>
#include <barrier>
#include <thread>

namespace antkeys {
namespace {

// The barrier's completion: the end of a step, run while every colony waits.
struct StepEndCall {
    ColonyRun* run;
    void operator()() noexcept { run->StepEnd(); }
};

}  // namespace

class ColonyRun::RoundBarrier : public std::barrier<StepEndCall> {
  public:
    using std::barrier<StepEndCall>::barrier;
};

ColonyRun::ColonyRun(const Workspace& ws, const RunSettings& settings, std::uint64_t seed, int n,
                     MessageSink& sink)
    : settings_(settings),
      outPaths_(ws.paths),
      unreadable_(ws.unreadableStore),
      reporter_(sink),
      writer_(outPaths_, ws.keys, unreadable_, reporter_) {
    for (int i = 0; i < n; ++i) {
        auto colony = std::make_unique<Colony>(ws, ColonySeed(seed, i));
        colony->ws.unreadableStore = {};  // the real store is this run's to move
        colony->engine = std::make_unique<SearchEngine>(colony->ws, colony->random);
        colony->engine->WriteOut(false);  // Out is this run's to write
        colony->engine->SetPolish(settings.polish);
        colonies_.push_back(std::move(colony));
    }
}

ColonyRun::~ColonyRun() = default;

void ColonyRun::RunColony(Colony& colony, RoundBarrier& barrier) {
    colony.host = std::make_unique<ColonyHost>(*colony.engine, settings_, control_,
                                               [&barrier] { barrier.arrive_and_wait(); });
    colony.engine->RunEvaluation(*colony.host);
    if (!colony.host->stoppedByRounds()) {
        // An error ended this colony's run: the others stop at the end of the round.
        failed_ = true;
        barrier.arrive_and_drop();
    }
}

// Runs on one colony's thread while every other colony waits.
void ColonyRun::StepEnd() noexcept {
    std::int64_t layouts = 0;
    for (const auto& c : colonies_) layouts = std::max(layouts, c->host->layoutsThisRun());
    const double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
    const bool done =
        settings_.stopRules().Reached(layouts, seconds, watcher_->StopRequested()) || failed_;
    control_.stop = done;
    control_.roundEnd = layouts + kColonyStep;
    if (settings_.layouts) control_.roundEnd = std::min(control_.roundEnd, *settings_.layouts);
    // Out and the progress report wait for a round's end (or the run's), whatever ended it.
    if (!done && layouts % kColonyRound != 0) return;

    // Out holds what the run as a whole has found so far, as a single run's Out would.
    const bool storeDue =
        Clock::now() - lastStoreWrite_ >= std::chrono::seconds(AutosaveClock::kSeconds);
    WriteBest(storeDue);
    const std::size_t best = BestColony();
    const std::string grade = colonies_[best]->engine->bestGradeText();
    watcher_->OnRoundEnd(layouts, seconds, grade);
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
    if (improved) {
        // Named as the best colony would have named it: the grade and that colony's counter.
        writtenBest_ =
            writer_.WriteBest(engine.bestKeyLay(), engine.bestKeyGrade(), engine.bestCounter());
        if (!writtenBest_.empty()) writtenGrade_ = engine.bestKeyGrade();
    }
    if (improved || storeAnyway) {
        writer_.WriteStore(best.ws.phero, settings_.aco);
        lastStoreWrite_ = Clock::now();
    }
}

void ColonyRun::Run(ColonyWatcher& watcher) {
    watcher_ = &watcher;
    const auto n = static_cast<std::ptrdiff_t>(colonies_.size());
    RoundBarrier barrier(n, StepEndCall{this});
    control_.roundEnd = settings_.layouts ? std::min(kColonyStep, *settings_.layouts) : kColonyStep;
    start_ = lastStoreWrite_ = Clock::now();
    {
        std::vector<std::jthread> threads;
        for (auto& colony : colonies_)
            threads.emplace_back([this, &colony, &barrier] { RunColony(*colony, barrier); });
    }
    seconds_ = std::chrono::duration<double>(Clock::now() - start_).count();
    watcher.OnRunEnd();
    WriteBest(true);  // the end of a run saves the store
    writer_.ShowFailures();
}

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

}  // namespace antkeys
