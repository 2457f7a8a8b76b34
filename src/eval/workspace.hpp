#pragma once
// Everything the main window owns: the tables loaded at start, the analyzer, the criteria.
#include <string>

#include "data/charset.hpp"
#include "data/key_tables.hpp"
#include "data/phero_table.hpp"
#include "data/program_folder.hpp"
#include "data/statistics_tables.hpp"
#include "data/types.hpp"
#include "data/unreadable_store.hpp"
#include "eval/criteria.hpp"
#include "eval/kernel_choice.hpp"
#include "eval/key_analizer.hpp"
#include "eval/panel.hpp"

namespace antkeys {

struct Workspace {
    InputPaths paths;
    KeyTables keys;
    DigraphTables digraphs;
    Weights weights;
    Layout refKeyLay{};
    LetterTables letters;
    PheroTable phero;
    CharacterMap chars = CharacterMap::GeorgianPs();  // In/Charset.txt, else GEORGIAN-PS
    KernelChoice kernels = KernelChoice::kFastest;    // the host's, for the analyzer and polishers
    KeyAnalizer analizer;
    CriteriaTable layV;
    Single refAbsolute = 0;  // the weighted sum of the reference figures
    CriteriaPanel panel;     // the main window's criteria panel, written by the window's host
    UnreadableStore unreadableStore;  // the store found at start could not be read
};

// "Error Loading Pheromones", where the fault lies, and where the store will be moved.
Message UnreadableStoreMessage(const std::string& description, const std::string& aside);

// InitAnalizer: builds the analyzer, loads the pheromone store, grades the reference layout
// and shows it in the reference column of the panel. False after a failure; the reference grading's
// failure is not shown in a message (the description goes to `why` when given).
bool InitAnalizer(Workspace& ws, MessageSink& sink, std::string* why = nullptr);

// The start-up load, in order: key definitions, digraphs, Kdi, Gj, reference layout, target
// load, character map, analyzer. Stops at the first failure and returns false.
bool LoadWorkspace(Workspace& ws, MessageSink& sink, std::string* why = nullptr);

}  // namespace antkeys
