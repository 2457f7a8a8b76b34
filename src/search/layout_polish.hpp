#pragma once
// Local search for the iteration's best layout: steepest descent over swaps of two free
// letters, in the manner of MAX-MIN Ant System for assignment problems. Fixed letters never
// move, and no free letter goes to a key whose pheromone for it is not positive.
//
// Swaps are ranked by an incremental figure: only the digraphs that touch the two letters
// change V3..V6 and only the two keys change V1. The swap ranked best is then graded in
// full, and taken only when that grade beats the layout's: the grade of a polished layout is
// always a full grading's, and polishing never makes a layout worse.
#include <vector>

#include "data/types.hpp"
#include "eval/criteria.hpp"
#include "eval/grading.hpp"
#include "eval/workspace.hpp"
#include "search/swap_lanes.hpp"

namespace antkeys {

class LayoutPolisher {
  public:
    // Reads the keyboard, statistics, weights and reference figures of `ws` now, and its
    // letters and pheromones at every Polish (the pheromones change during a run).
    explicit LayoutPolisher(const Workspace& ws);

    struct Result {
        Single grade = 0;  // the full grading of the layout as it is now
        int swaps = 0;     // swaps taken
        bool ok = false;   // false when the layout could not be graded; it is left as it was
    };

    // Improves `lay` in place until no allowed swap grades better. Allocation-free.
    Result Polish(Layout& lay);

    // The ranking figure of a layout: the sum of Gj(i) * Vi / Vi(ref) over the criteria with
    // a positive reference figure (the grade is GjSum over it, minus 1).
    double RatioSum(const Criteria& v) const;

    // Counts the key loads of `lay` and the cost of each digraph on it, for SwappedRatioSum.
    void Prepare(const Layout& lay);

    // The ratio sum after swapping the characters a and b of `lay`, worked out incrementally
    // from `lay`'s figures `v`; `lay` must be the layout last prepared. This is how Polish
    // ranks the swaps.
    double SwappedRatioSum(const Layout& lay, const Criteria& v, Byte a, Byte b) const;

    // Ranks every allowed swap of the free letters of `lay`, which must be the layout last
    // prepared, at once (eight side by side); RankedSwap then gives each figure, the same
    // bits as SwappedRatioSum.
    void RankSwaps(const Layout& lay, const Criteria& v);

    // After RankSwaps: whether the swap of the letters a and b was allowed, and its figure as
    // SwappedRatioSum gives it with the letter first in the letter table as a.
    bool RankedSwap(Byte a, Byte b, double& sum) const;

    // The figures of moving the letter a of the prepared layout `lay` to each of the `count`
    // empty `keys`, into `sums`: the same bits as SwappedRatioSum on `lay` with `standIn`
    // placed on the key, where `standIn` is a code that no digraph uses. Only the keys marked
    // in `wanted` (all when null) get a figure; the others get infinity. Pass the same keys
    // for every letter where possible: their tables are built again when the keys change.
    void RankMoves(const Layout& lay, const Criteria& v, Byte a, Byte standIn, const int* keys,
                   const bool* wanted, std::size_t count, double* sums);

    // Whether a swap of the letters with codes a and b in `lay` is allowed: both free, each
    // going to a key whose pheromone for it is positive.
    bool SwapAllowed(const Layout& lay, Byte a, Byte b) const;

    // Grades `lay` in full.
    bool FullGrade(const Layout& lay, Single& grade, Criteria& v);

    // The letter index of a code listed once in the letters, -1 for any other code.
    int LetterOf(Byte c) const { return letterOf_[c]; }
    // The codes of the letters that may move (free, listed once), in letter-table order.
    const std::vector<Byte>& Movable() const { return movable_; }

  private:
    // The constructor's steps: the weighted cost of every key pair, per character the
    // digraphs it is part of, and the letters that may move.
    void BuildPairCosts();
    void BuildTouchLists();
    void BuildMovable();
    double DigraphDelta(Byte a, Byte b, Byte ka, Byte kb) const;
    double LoadDelta(Byte a, Byte b, Byte ka, Byte kb) const;

    const Workspace& ws_;
    int nKeys_ = -1;
    std::vector<double> cost_;  // (nKeys+1)^2: weighted V3..V6 cost of a key pair
    std::vector<Byte> alter_;   // per key index: flagged key or companion
    std::vector<Byte> first_, second_;
    std::vector<double> freq_;
    // Per character code: the digraphs it is part of, as [touchStart_[c], touchStart_[c+1]),
    // in digraph order, each with its cost on the prepared layout.
    std::vector<int> touchStart_;
    std::vector<TouchEntry> touch_;
    SwapLaneKernels lanes_ = ChosenSwapLanes(ws_.kernels);
    std::vector<LaneBlock> letterBlocks_;  // the free letters, eight a block, on their keys
    std::vector<LaneBlock> moveBlocks_;    // the keys RankMoves was last given
    std::vector<int> moveKeys_;
    // Per pair of movable letters (i, j), i < j, at i * m + j: how the swap is ranked
    // (kNotAllowed, kInLanes, kAlone), the running sum of its digraph terms, its ratio sum.
    enum : unsigned char { kNotAllowed, kInLanes, kAlone };
    // The steps of RankSwaps (swap_ranking.cpp).
    struct LaneRun;
    void BuildLetterBlocks(const Layout& lay);
    void SumFirstLetter(const Layout& lay, const Criteria& v, std::size_t i, LaneRun& r);
    void SumPartner(std::size_t j, LaneRun& r);
    void FinishRanks(const Layout& lay, const Criteria& v);
    std::vector<unsigned char> plan_;
    std::vector<double> partial_, rank_;
    std::array<double, kCharCodes> secondShare_{};  // share of digraphs ending in the code
    std::array<double, 7> w_{};                     // Gj(i) / Vi(ref), 0 where not counted
    std::array<double, kMaxKeys + 1> load_{};       // of the layout being polished
    std::array<int, kCharCodes> letterOf_{};        // letter index of a code, -1 if none
    std::vector<Byte> movable_;                     // codes of free letters, each once
    std::array<int, kCharCodes> movableAt_{};       // index in movable_ of a code, -1 if none

    CriteriaTable layV_;  // the reference figures it was made with
};

}  // namespace antkeys
