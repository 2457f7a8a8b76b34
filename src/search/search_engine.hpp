#pragma once
// The search: the run loop and the state that lives from one run to the next.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "data/random.hpp"
#include "data/types.hpp"
#include "eval/workspace.hpp"
#include "search/gen_rnd_key.hpp"
#include "search/polish_mode.hpp"
#include "search/progress_ring.hpp"
#include "search/result_writer.hpp"
#include "search/save_failures.hpp"
#include "search/search_host.hpp"
#include "search/search_observer.hpp"
#include "search/stop_rules.hpp"
#include "search/trail_limits.hpp"

namespace antkeys {

class LayoutPolisher;
class RelocatingPolisher;

class SearchEngine {
  public:
    // Why the last run ended.
    enum class RunEnd {
        None,           // no run yet
        NotStarted,     // the parameters could not be used, or a run was already in progress
        Stopped,        // StopFlag or ExitFlag
        GradingFailed,  // the analyzer could not grade a generated layout
        CounterFull,    // IterN reached the largest Long
    };

    // The engine writes the workspace's Out through a ResultWriter of its own unless told
    // otherwise (WriteOut).
    SearchEngine(Workspace& ws, Random& random);
    ~SearchEngine();

    // Observers hear of new bests, iteration ends, changed pheromones and the store's moments,
    // in the order added (the engine's own writer first). They must outlive the engine's runs.
    void AddObserver(SearchObserver& observer) { observers_.push_back(&observer); }
    // Off: the engine writes nothing to Out; whoever runs it keeps the results (the colonies).
    void WriteOut(bool on);

    // Polishes each iteration's best layout by swaps of free letters before it reinforces
    // (antkeys-cli run --polish; the window never turns this on). While on, an iteration's
    // best is kept whatever its grade, since the polished layout may beat the reference where
    // no ant did; a polished layout that beats the best so far becomes the new best.
    void SetPolish(bool on);
    // The polish by mode. Full also relocates letters to empty keys, keeps the pheromones of
    // free letters within trail limits and resets them when the iteration bests stagnate; the
    // best layout found stays the best through a reset.
    void SetPolish(PolishMode mode);
    bool polish() const { return polishMode_ != PolishMode::Off; }
    PolishMode polishMode() const { return polishMode_; }
    // Pheromone resets so far (Full polish only).
    int restarts() const { return restarts_; }

    // RunEvaluation: runs until RequestStop or RequestExit, then saves the store, sums up the
    // files it could not save, restores the buttons and the caption. The host gives the
    // parameters (ants at least 1), else the run does not start. Returns false when the run
    // could not start.
    bool RunEvaluation(SearchHost& host);

    bool running() const { return running_; }
    void RequestStop() { stopFlag_ = true; }  // the Stop button
    void RequestExit() { exitFlag_ = true; }  // a close during a run
    bool exitRequested() const { return exitFlag_; }
    bool stopRequested() const { return stopFlag_; }
    RunEnd lastRunEnd() const { return lastRunEnd_; }

    // Call every second. During a run every 61st tick saves the store (when ACO is
    // ticked); ticks at rest are not counted; the count carries over between runs.
    void SecondTick(SearchHost& host);
    Integer autosaveTicks() const { return autosave_.ticks(); }

    // The clear-pheromones button.
    void ClearPheromones();

    // The store is due: SavePhero, only while ACO is on; failures are reported through the host
    // and change nothing.
    void SavePhero(SearchHost& host);

    Long iterN() const { return iterN_; }
    // Iterations of the colony ended (ACO mode), since the program started.
    Long iterations() const { return iterations_; }
    const Layout& bestKeyLay() const { return bestKeyLay_; }
    Single bestKeyGrade() const { return bestKeyGrade_; }
    // The layouts counted before the best one: the counter in its file's name.
    Long bestCounter() const { return bestCounter_; }
    // The best grade as every host shows it; empty before a layout beat the reference.
    std::string bestGradeText() const;
    const ProgressRing& ring() const { return ring_; }
    Workspace& workspace() { return ws_; }
    const Workspace& workspace() const { return ws_; }
    // The file that holds the best grade; empty before the first best and when the best
    // layout could not be saved.
    const std::string& lastBestLayPath() const;
    // The files the last run (or the run in progress) could not write.
    const SaveFailures& saveFailures() const;

    // State of the run in progress (or of the last one): the ants per iteration read at its
    // start, the ants done in the current iteration and the iteration's best grade.
    Integer antCount() const { return run_.antCount; }
    Integer antIdx() const { return run_.antIdx; }
    Single iterBestGrade() const { return run_.iterBestGrade; }

  private:
    // The engine's writer reports through the host of the call in progress.
    class HostReporter final : public OutReporter {
      public:
        SearchHost* host = nullptr;
        void FirstFailure(const Message& message) override { host->show(message); }
        void Repeated(const Message& message) override { host->ShowQuietly(message); }
        void Moved(const Message& message) override { host->ShowQuietly(message); }
    };

    // Created when a run starts.
    struct RunState {
        Integer antCount = 0;
        Integer antIdx = 0;
        Single iterBestGrade = 0;
        bool iterHasBest = false;  // polishing: iterBestLay_ holds this iteration's best
        int polishMoves = 0;       // the moves that polished this iteration's best
        double sensitivity = 0;    // as last read, for the trail limits
        Single groupMin = 10.0f;
        Single groupMax = -10.0f;
        std::string caption;  // the window caption to restore
    };

    // A pass; false when the run must end at once.
    bool RunPass(SearchHost& host);
    void TakeNewBest(SearchHost& host, const Layout& lay, Single grade);
    void GenerateAnt(SearchHost& host);
    void CountAnt(SearchHost& host, Single grade);
    void ChooseIterationBest(Single grade);
    void EndIteration(SearchHost& host);
    void Reinforce(SearchHost& host);
    void PolishIterationBest(SearchHost& host);
    bool KeepTrails(SearchHost& host, bool reinforced);
    GradeReport GradeAndShow(SearchHost& host, const Layout& lay);
    void GraphStep(SearchHost& host, Single grade);
    void EndRun(SearchHost& host);
    bool ReadStartParams(SearchHost& host);
    void TellPheroChanged(SearchHost& host);

    Workspace& ws_;
    Random& random_;
    GenScratch scratch_;
    Layout antLay_{};
    Layout iterBestLay_{};
    RunState run_;

    Long iterN_ = 0;
    Long iterations_ = 0;  // iterations ended since the program started
    Layout bestKeyLay_{};
    Single bestKeyGrade_ = 0;
    Long bestCounter_ = 0;
    ProgressRing ring_;
    AutosaveClock autosave_;

    bool stopFlag_ = false;
    bool exitFlag_ = false;
    bool running_ = false;
    RunEnd lastRunEnd_ = RunEnd::None;
    HostReporter reporter_;
    std::unique_ptr<ResultWriter> writer_;  // null when the engine writes nothing
    std::vector<SearchObserver*> observers_;
    PolishMode polishMode_ = PolishMode::Off;
    std::unique_ptr<LayoutPolisher> polisher_;
    std::unique_ptr<RelocatingPolisher> relocator_;
    StagnationWatch stagnation_;
    int restarts_ = 0;
};

}  // namespace antkeys
