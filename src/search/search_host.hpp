#pragma once
// What the search needs from whoever runs it: the window or the command-line tool.
#include <optional>
#include <string>

#include "data/key_tables.hpp"
#include "data/message.hpp"
#include "data/phero_table.hpp"
#include "data/types.hpp"
#include "eval/grading.hpp"
#include "search/run_params.hpp"

namespace antkeys {

class SearchHost : public Yielder, public MessageSink {
  public:
    // Yield() (from Yielder): run pending events. Called four times per layout and twice more
    // inside each grading. show() (from MessageSink): a modal message.

    // The parameters a run starts with, read once when it starts. Nothing when one cannot be
    // used: the host has said why, and the run does not start.
    virtual std::optional<RunParams> StartParams() = 0;
    // The sensitivity for the next layout and the factor for the next reinforcement: a host
    // whose user may change them during a run reads them again at each use.
    virtual double Sensitivity() = 0;
    virtual double Reinforcement() = 0;
    // Learning (reinforcement, OnRndKeyGen, the store) and the progress graph's data: read at
    // every layout.
    virtual bool AcoOn() = 0;
    virtual bool GraphOn() = 0;

    // The run has started (true: Run disabled, Stop enabled) or ended (false).
    virtual void OnRunStateChanged(bool running) = 0;
    // The window caption: remembered when a run starts, shows the best grade during a run,
    // restored at its end.
    virtual std::string Caption() = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // The panel changed (new best, graph point, counter). The host may repaint lazily.
    virtual void OnPanelChanged() {}

    // A layout was graded; called after the two yields a grading makes room for.
    virtual void OnGraded(const GradeReport& report) { (void)report; }
    // A new best layout and its grade, before it is written to Out.
    virtual void OnNewBest(const Layout& lay, Single grade) { (void)lay, (void)grade; }
    // A point of the progress graph is complete: the average grade of its group.
    virtual void OnGraphPoint(Single average) { (void)average; }

    // OnRndKeyGen: once per layout in ACO mode, with the layout just generated and its grade.
    virtual void OnRndKeyGen(const Layout& antLay, Single grade, const KeyTables& keys) {
        (void)antLay, (void)grade, (void)keys;
    }
    // OnPheroModif: once per reinforcement, after all updates.
    virtual void OnPheroModif(const PheroTable& phero) { (void)phero; }
    // A letter found no free key with positive pheromone. The window shows the fixed
    // "Unexpected Error In GenRndKey!" box; a batch host counts instead.
    virtual void OnNoCandidate(int letter) = 0;
    // The run ended with ExitFlag set: the host closes the window and ends the program.
    virtual void OnExitRequested() {}
    // A message that must not hold up the run (a save that failed again, a file moved aside):
    // the window writes it to stderr only. By default it is shown like any other.
    virtual void ShowQuietly(const Message& message) { show(message); }
};

}  // namespace antkeys
