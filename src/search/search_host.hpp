#pragma once
// What the search needs from whoever runs it: the window or the command-line tool.
#include <string>
#include <string_view>

#include "data/key_tables.hpp"
#include "data/message.hpp"
#include "data/phero_table.hpp"
#include "data/types.hpp"
#include "eval/grading.hpp"

namespace antkeys {

enum class ParamBox { Ants, PheroSens, PheroModifK };  // txtAnts, txtPheroSens, txtPheroModifK
enum class CheckBox { Aco, DrawGraph };                // chkACO, chkDrawGraph

// Names of the boxes as the user sees them in messages about their texts.
const char* ParamBoxName(ParamBox box);

class SearchHost : public Yielder, public MessageSink {
public:
    // Yield() (from Yielder): run pending events. Called four times per layout and twice more
    // inside each grading. show() (from MessageSink): a modal message.

    // The current text of a parameter box; read when the search needs the value.
    virtual std::string_view ParamText(ParamBox box) = 0;
    // Whether a check box is ticked; read at every layout.
    virtual bool IsChecked(CheckBox box) = 0;

    // The run has started (true: cmdRun disabled, cmdStop enabled) or ended (false).
    virtual void OnRunStateChanged(bool running) = 0;
    // The window caption: remembered when a run starts, shows the best grade during a run,
    // restored at its end.
    virtual std::string Caption() = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // The panel changed (new best, graph point, counter). The host may repaint lazily.
    virtual void OnPanelChanged() {}

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
