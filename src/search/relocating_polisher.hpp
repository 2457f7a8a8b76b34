#pragma once
// Local search over two kinds of move: swaps of two free letters (as LayoutPolisher) and
// relocations of one free letter to an empty key whose pheromone for it is positive. The
// second reaches layouts a swap never can when the keyboard has more keys than letters.
//
// Both kinds are ranked by LayoutPolisher's incremental figure. A relocation is ranked as a
// swap with a stand-in character that no digraph uses, parked on the empty key: the swap
// then moves the letter there and changes nothing else. The move ranked best is graded in
// full and taken only when that grade beats the layout's, as LayoutPolisher does.
#include <array>
#include <vector>

#include "data/types.hpp"
#include "eval/criteria.hpp"
#include "eval/grading.hpp"
#include "eval/workspace.hpp"
#include "search/layout_polish.hpp"

namespace antkeys {

class RelocatingPolisher {
  public:
    explicit RelocatingPolisher(const Workspace& ws);

    struct Result {
        Single grade = 0;     // the full grading of the layout as it is now
        int swaps = 0;        // swaps taken
        int relocations = 0;  // relocations taken
        bool ok = false;      // false when the layout could not be graded; it is left as it was
        int moves() const { return swaps + relocations; }
    };

    // Improves `lay` in place until no allowed swap or relocation grades better.
    // Allocation-free.
    Result Polish(Layout& lay);

    // Whether moving the letter with code `a` of `lay` to key `key` is an allowed relocation:
    // the letter is free and placed, the key is a real key no character of `lay` holds, and
    // the letter's pheromone for it is positive.
    bool RelocationAllowed(const Layout& lay, Byte a, int key) const;

    // Notes the layout that RelocatedRatioSum works from.
    void Prepare(const Layout& lay);

    // The ranking figure of the prepared layout with letter `a` moved to the empty key `key`,
    // from the prepared layout's figures `v`. Infinity when no stand-in code is free.
    double RelocatedRatioSum(const Criteria& v, Byte a, int key);

  private:
    // The best move found so far in one step of the descent: a swap of the movable letters
    // i and j, or letter i to `key`.
    struct Move {
        double sum = 0;
        int i = -1, j = -1, key = -1;
    };
    void ConsiderSwaps(std::size_t i, Move& best) const;
    void ConsiderMoves(const Criteria& v, std::size_t i, int lastKey, Move& best);
    // Grades the move in full and takes it when it beats the grade so far.
    bool TakeMove(Layout& lay, Criteria& v, const Move& best, Result& result);

    const Workspace& ws_;
    LayoutPolisher swaps_;
    int nKeys_ = -1;
    int standIn_ = -1;                          // a code in no digraph and no letter
    std::array<bool, kMaxKeys + 1> used_{};     // keys holding a character in the prepared layout
    Layout probe_{};                            // the prepared layout with the stand-in placed
    std::array<int, kMaxKeys + 1> moveKeys_{};  // the empty keys a letter may move to
    std::array<bool, kMaxKeys + 1> moveWanted_{};  // whether the letter's pheromone allows it
    std::array<double, kMaxKeys + 1> moveSums_{};  // and their figures
};

}  // namespace antkeys
