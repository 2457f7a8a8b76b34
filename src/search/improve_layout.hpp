#pragma once
// Improving any layout to a local optimum: the swaps and relocations of the polishers, with
// letters pinned to their keys, until no single allowed move grades better. The window's
// "Improve from here" and `antkeys-cli improve` both call it.
//
// Each step ranks every allowed move by the polishers' incremental figure, then grades the
// moves in full in that order and takes the first whose grade beats the layout's. A layout
// is thus left only when every allowed move has been graded in full and none is better: the
// result is a local optimum of the grade itself, never worse than the start, and the same
// start always gives the same moves.
#include <atomic>
#include <string>
#include <vector>

#include "data/types.hpp"
#include "eval/grading.hpp"
#include "eval/workspace.hpp"
#include "search/layout_moves.hpp"

namespace antkeys {

struct ImproveStep {
    LayoutMove move;
    Single grade = 0;  // the grade after the move
};

struct ImproveResult {
    bool ok = false;     // false when the start could not be graded
    std::string error;   // why, when !ok
    Layout layout{};     // the improved layout (the start when !ok)
    GradeReport before;  // the start's grading
    GradeReport after;   // the improved layout's grading
    std::vector<ImproveStep> steps;
    bool stopped = false;  // `stop` was set before the local optimum was reached
};

// Improves `start`; the letters marked in `pinned`, those the reference fixes and characters
// that are no letter never move. `stop`, when given, is read between steps.
ImproveResult ImproveLayout(const Workspace& ws, const Layout& start, const CharFlags& pinned,
                            const std::atomic<bool>* stop = nullptr);

}  // namespace antkeys
