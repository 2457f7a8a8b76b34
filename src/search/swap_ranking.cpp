// LayoutPolisher::RankSwaps: every allowed swap of the free letters ranked at once, eight
// side by side, in named steps: the letters in lane blocks, the first letters' digraph sums,
// the partners' sums continuing them, the ratio sums.
#include <array>

#include "search/layout_polish.hpp"

namespace antkeys {

// A run of up to kMaxBlocks blocks: which blocks, their lanes' sums.
struct LayoutPolisher::LaneRun {
    std::array<const LaneBlock*, kMaxBlocks> run{};
    std::array<std::size_t, kMaxBlocks> runBlock{};
    std::array<double, kMaxBlocks * kLanes> sums{};
    std::size_t used = 0;
};

void LayoutPolisher::RankSwaps(const Layout& lay, const Criteria& v) {
    BuildLetterBlocks(lay);
    LaneRun run;
    for (std::size_t i = 0; i < movable_.size(); ++i) SumFirstLetter(lay, v, i, run);
    for (std::size_t j = 1; j < movable_.size(); ++j) SumPartner(j, run);
    FinishRanks(lay, v);
}

void LayoutPolisher::BuildLetterBlocks(const Layout& lay) {
    const std::size_t m = movable_.size();
    const auto n = static_cast<std::size_t>(nKeys_ + 1);
    // Keys outside the keyboard are never swapped to (SwapAllowed); key 0 stands in for them
    // so the tables stay inside the cost table.
    const auto keyOf = [&](Byte c) { return lay[c] < n ? static_cast<std::int32_t>(lay[c]) : 0; };
    letterBlocks_.resize((m + kLanes - 1) / kLanes);
    for (std::size_t k = 0; k < letterBlocks_.size(); ++k) {
        LaneBlock& block = letterBlocks_[k];
        for (std::size_t l = 0; l < kLanes; ++l) {
            const std::size_t i = k * kLanes + l;
            block.letter[l] = i < m ? movable_[i] : -1;
            block.key[l] = keyOf(movable_[i < m ? i : k * kLanes]);
        }
        block.Build(cost_.data(), n);
    }
}

// The digraphs of the first letter a = movable_[i], for every partner b after it: lane l of
// block k is the partner movable_[k * 8 + l]. Plans each swap of a first.
void LayoutPolisher::SumFirstLetter(const Layout& lay, const Criteria& v, std::size_t i,
                                    LaneRun& r) {
    const std::size_t m = movable_.size();
    const TouchEntry* touch = touch_.data();
    const Byte a = movable_[i], ka = lay[a];
    for (std::size_t j = i + 1; j < m; ++j) {
        const Byte b = movable_[j], kb = lay[b];
        const std::size_t p = i * m + j;
        plan_[p] = !SwapAllowed(lay, a, b)              ? kNotAllowed
                   : alter_[ka] != 0 || alter_[kb] != 0 ? kAlone
                                                        : kInLanes;
        if (plan_[p] == kAlone) rank_[p] = SwappedRatioSum(lay, v, a, b);
    }
    const auto inLanes = [&](std::size_t j) {
        return j > i && j < m && plan_[i * m + j] == kInLanes;
    };
    const auto flush = [&] {
        r.sums.fill(0);
        lanes_.own(touch + touchStart_[a], touch + touchStart_[a + 1], r.run.data(), r.used, ka,
                   r.sums.data());
        for (std::size_t q = 0; q < r.used; ++q)
            for (std::size_t l = 0; l < kLanes; ++l)
                if (inLanes(r.runBlock[q] * kLanes + l))
                    partial_[i * m + r.runBlock[q] * kLanes + l] = r.sums[q * kLanes + l];
        r.used = 0;
    };
    for (std::size_t k = (i + 1) / kLanes; k < letterBlocks_.size(); ++k) {
        bool any = false;
        for (std::size_t l = 0; l < kLanes; ++l) any = any || inLanes(k * kLanes + l);
        if (!any) continue;
        r.run[r.used] = &letterBlocks_[k];
        r.runBlock[r.used++] = k;
        if (r.used == kMaxBlocks) flush();
    }
    if (r.used > 0) flush();
}

// The digraphs of the partner b = movable_[j], continuing each sum, for every first letter a
// before it: lane l of block k is the first letter movable_[k * 8 + l].
void LayoutPolisher::SumPartner(std::size_t j, LaneRun& r) {
    const std::size_t m = movable_.size();
    const TouchEntry* touch = touch_.data();
    const Byte b = movable_[j];
    const auto inLanes = [&](std::size_t i) { return i < j && plan_[i * m + j] == kInLanes; };
    const auto flush = [&] {
        lanes_.partner(touch + touchStart_[b], touch + touchStart_[b + 1], r.run.data(), r.used,
                       r.sums.data());
        for (std::size_t q = 0; q < r.used; ++q)
            for (std::size_t l = 0; l < kLanes; ++l)
                if (inLanes(r.runBlock[q] * kLanes + l))
                    partial_[(r.runBlock[q] * kLanes + l) * m + j] = r.sums[q * kLanes + l];
        r.used = 0;
    };
    for (std::size_t k = 0; k * kLanes < j; ++k) {
        bool any = false;
        for (std::size_t l = 0; l < kLanes; ++l) {
            const std::size_t i = k * kLanes + l;
            r.sums[r.used * kLanes + l] = inLanes(i) ? partial_[i * m + j] : 0;
            any = any || inLanes(i);
        }
        if (!any) continue;
        r.run[r.used] = &letterBlocks_[k];
        r.runBlock[r.used++] = k;
        if (r.used == kMaxBlocks) flush();
    }
    if (r.used > 0) flush();
}

// The ratio sum of each swap summed in lanes: the layout's, the load's change, its digraphs'.
void LayoutPolisher::FinishRanks(const Layout& lay, const Criteria& v) {
    const std::size_t m = movable_.size();
    const double sum = RatioSum(v);
    for (std::size_t i = 0; i < m; ++i) {
        const Byte a = movable_[i];
        for (std::size_t j = i + 1; j < m; ++j) {
            const std::size_t p = i * m + j;
            if (plan_[p] != kInLanes) continue;
            const Byte b = movable_[j];
            rank_[p] = sum + w_[1] * LoadDelta(a, b, lay[a], lay[b]) + partial_[p];
        }
    }
}

}  // namespace antkeys
