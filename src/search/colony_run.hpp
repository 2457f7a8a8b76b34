#pragma once
// N independent colonies, each a search of its own (its own copy of the tables and
// pheromones, its own random numbers) on its own thread.
//
// The colonies run in lock step: each stops every kColonyStep layouts until all have
// reached the same count, and only there is the run's end decided (layout limit, time limit,
// a stop request). Every colony therefore runs the same number of layouts, and the result
// depends on the seed, N and that number only, never on the threads' timing. Out is written
// and progress reported every kColonyRound layouts and at the end, so a run cut short by
// time writes what a run of its final layout count writes.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/message.hpp"
#include "data/random.hpp"
#include "data/unreadable_store.hpp"
#include "eval/workspace.hpp"
#include "search/colony_host.hpp"
#include "search/result_writer.hpp"
#include "search/run_settings.hpp"
#include "search/save_failures.hpp"
#include "search/search_engine.hpp"

namespace antkeys {

inline constexpr std::int64_t kColonyRound = 50000;
// Small enough that a time limit or a stop request ends the run well within half a second.
inline constexpr std::int64_t kColonyStep = 2000;

// The seed of colony `index` (0-based): the run's seed for the first, so one colony repeats
// a plain run; for the others the index-th number of a splitmix64 sequence begun at it.
std::uint64_t ColonySeed(std::uint64_t seed, int index);

// The number of colonies an option value stands for: 0 means one per core.
int ColonyCount(int option);

// What the host of the colonies hears. The round calls come on one colony's thread while
// every colony waits.
class ColonyWatcher {
  public:
    virtual ~ColonyWatcher() = default;
    // True ends the run at the next step (Ctrl+C, a Stop button).
    virtual bool StopRequested() { return false; }
    // Layouts per colony so far, seconds since the start, the best grade's text ("" before
    // any layout graded above the reference).
    virtual void OnRoundEnd(std::int64_t layouts, double seconds, const std::string& bestGrade) {
        (void)layouts, (void)seconds, (void)bestGrade;
    }
    // Every colony has ended; the last write of Out follows.
    virtual void OnRunEnd() {}
};

struct Colony {
    Colony(const Workspace& loaded, std::uint64_t seed) : ws(loaded), random(seed) {}
    Workspace ws;
    Random random;
    std::unique_ptr<SearchEngine> engine;
    std::unique_ptr<ColonyHost> host;
};

// The colonies of one run. They start from copies of the loaded workspace; their engines
// write nothing. The run's one writer puts in its Out folder what one run would: the best
// layout found (by the best colony, the lowest of equal ones) and that colony's pheromone
// store, at the end of every round that improved the best and at the end. Messages about Out
// go to `sink`: the first failure of each kind and the store moved aside.
class ColonyRun {
  public:
    ColonyRun(const Workspace& ws, const RunSettings& settings, std::uint64_t seed, int n,
              MessageSink& sink);
    ~ColonyRun();
    ColonyRun(const ColonyRun&) = delete;
    ColonyRun& operator=(const ColonyRun&) = delete;

    // Runs every colony to the end.
    void Run(ColonyWatcher& watcher);
    // Whether a colony's run ended through an error.
    bool failed() const { return failed_; }

    const std::vector<std::unique_ptr<Colony>>& colonies() const { return colonies_; }
    std::size_t BestColony() const;
    // The best-layout file that holds the best grade; empty when none does (nothing better
    // than the reference was found, or its file could not be written).
    const std::string& writtenBest() const { return writtenBest_; }
    // What could not be written to Out; the first failure of each kind went to the sink.
    const SaveFailures& saveFailures() const { return writer_.failures(); }
    // The store found unreadable at start, moved aside at the first save.
    const UnreadableStore& unreadableStore() const { return unreadable_; }
    double seconds() const { return seconds_; }

    // The end of a step, run while every colony waits.
    void StepEnd() noexcept;

  private:
    class RoundBarrier;
    // Repeated failures are only counted: the summary at the end gives them.
    class SinkReporter final : public OutReporter {
      public:
        explicit SinkReporter(MessageSink& sink) : sink_(sink) {}
        void FirstFailure(const Message& message) override { sink_.show(message); }
        void Repeated(const Message& /*message*/) override {}
        void Moved(const Message& message) override { sink_.show(message); }

      private:
        MessageSink& sink_;
    };

    void RunColony(Colony& colony, RoundBarrier& barrier);
    void WriteBest(bool storeAnyway);

    using Clock = std::chrono::steady_clock;

    const RunSettings settings_;
    const InputPaths outPaths_;
    std::vector<std::unique_ptr<Colony>> colonies_;
    RoundControl control_;
    ColonyWatcher* watcher_ = nullptr;
    std::atomic<bool> failed_{false};
    Clock::time_point start_{};
    Clock::time_point lastStoreWrite_{};
    double seconds_ = 0;
    Single writtenGrade_ = 0;
    std::string writtenBest_;
    UnreadableStore unreadable_;
    SinkReporter reporter_;
    ResultWriter writer_;
};

}  // namespace antkeys
