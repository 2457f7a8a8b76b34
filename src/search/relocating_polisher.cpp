#include "search/relocating_polisher.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace antkeys {
namespace {

// A move must lower the ratio sum by more than rounding can account for.
constexpr double kRelativeTolerance = 1e-12;
// Steepest descent always improves, so it ends; this only bounds a pathological table.
constexpr int kMaxMoves = 10000;

}  // namespace

RelocatingPolisher::RelocatingPolisher(const Workspace& ws) : ws_(ws), swaps_(ws) {
    nKeys_ = std::min(ws.keys.nKeys(), kMaxKeys);

    // The stand-in: a code that neither the statistics nor the letters use, so no grading
    // ever sees it.
    std::array<bool, kCharCodes> taken{};
    for (Byte c : ws.digraphs.first) taken[c] = true;
    for (Byte c : ws.digraphs.second) taken[c] = true;
    for (Byte c : ws.letters.letSet) taken[c] = true;
    for (int c = kCharCodes - 1; c >= 0 && standIn_ < 0; --c)
        if (!taken[static_cast<std::size_t>(c)]) standIn_ = c;
}

bool RelocatingPolisher::RelocationAllowed(const Layout& lay, Byte a, int key) const {
    const int j = swaps_.LetterOf(a);
    if (j < 0 || ws_.letters.letFixKey[static_cast<std::size_t>(j)] != 0) return false;
    const int from = lay[a];
    if (from < 1 || from > nKeys_ || key < 1 || key > nKeys_) return false;
    for (std::size_t c = 0; c < kCharCodes; ++c)
        if (lay[c] == key && static_cast<int>(c) != standIn_) return false;
    const PheroTable& phero = ws_.phero;
    return key <= phero.nKeys() && j <= phero.nLet() && phero.at(key, j) > 0;
}

void RelocatingPolisher::Prepare(const Layout& lay) {
    swaps_.Prepare(lay);
    used_.fill(false);
    for (std::size_t c = 0; c < kCharCodes; ++c)
        if (lay[c] <= kMaxKeys && static_cast<int>(c) != standIn_) used_[lay[c]] = true;
    probe_ = lay;
}

double RelocatingPolisher::RelocatedRatioSum(const Criteria& v, Byte a, int key) {
    if (standIn_ < 0) return std::numeric_limits<double>::infinity();
    const auto s = static_cast<std::size_t>(standIn_);
    probe_[s] = static_cast<Byte>(key);
    const double sum = swaps_.SwappedRatioSum(probe_, v, a, static_cast<Byte>(standIn_));
    probe_[s] = 0;
    return sum;
}

RelocatingPolisher::Result RelocatingPolisher::Polish(Layout& lay) {
    Result result;
    Criteria v{};
    if (!swaps_.FullGrade(lay, result.grade, v)) return result;
    result.ok = true;
    if (standIn_ >= 0) lay[static_cast<std::size_t>(standIn_)] = 0;

    Prepare(lay);
    const std::size_t m = swaps_.Movable().size();
    const int lastKey = std::min(nKeys_, ws_.phero.nKeys());
    while (result.moves() < kMaxMoves) {
        const double current = swaps_.RatioSum(v);
        Move best;
        best.sum = current - kRelativeTolerance * std::abs(current);
        swaps_.RankSwaps(lay, v);
        for (std::size_t i = 0; i < m; ++i) {
            ConsiderSwaps(i, best);
            const Byte a = swaps_.Movable()[i];
            if (lay[a] < 1 || lay[a] > nKeys_) continue;  // unplaced: left as generated
            ConsiderMoves(v, i, lastKey, best);
        }
        if (best.i < 0 || !TakeMove(lay, v, best, result)) break;
    }
    return result;
}

void RelocatingPolisher::ConsiderSwaps(std::size_t i, Move& best) const {
    const std::vector<Byte>& movable = swaps_.Movable();
    const Byte a = movable[i];
    for (std::size_t j = i + 1; j < movable.size(); ++j) {
        double s = 0;
        if (!swaps_.RankedSwap(a, movable[j], s)) continue;
        if (s < best.sum) best = Move{s, static_cast<int>(i), static_cast<int>(j), -1};
    }
}

void RelocatingPolisher::ConsiderMoves(const Criteria& v, std::size_t i, int lastKey, Move& best) {
    const Byte a = swaps_.Movable()[i];
    const int letter = swaps_.LetterOf(a);
    // Every empty key is passed (the same keys for every letter, so the ranking's tables are
    // built once); the pheromones decide which ones are ranked.
    std::size_t count = 0;
    for (int key = 1; key <= lastKey; ++key) {
        if (used_[static_cast<std::size_t>(key)]) continue;
        moveWanted_[count] = ws_.phero.at(key, letter) > 0;
        moveKeys_[count++] = key;
    }
    if (standIn_ < 0) count = 0;  // no stand-in to rank a relocation with
    if (count > 0)
        swaps_.RankMoves(probe_, v, a, static_cast<Byte>(standIn_), moveKeys_.data(),
                         moveWanted_.data(), count, moveSums_.data());
    for (std::size_t k = 0; k < count; ++k)
        if (moveWanted_[k] && moveSums_[k] < best.sum)
            best = Move{moveSums_[k], static_cast<int>(i), -1, moveKeys_[k]};
}

bool RelocatingPolisher::TakeMove(Layout& lay, Criteria& v, const Move& best, Result& result) {
    const std::vector<Byte>& movable = swaps_.Movable();
    Layout trial = lay;
    const Byte a = movable[static_cast<std::size_t>(best.i)];
    if (best.j >= 0) {
        const Byte b = movable[static_cast<std::size_t>(best.j)];
        trial[a] = lay[b];
        trial[b] = lay[a];
    } else {
        trial[a] = static_cast<Byte>(best.key);
    }
    Single grade = 0;
    Criteria vt{};
    if (!swaps_.FullGrade(trial, grade, vt) || !(grade > result.grade)) return false;
    lay = trial;
    v = vt;
    result.grade = grade;
    ++(best.j >= 0 ? result.swaps : result.relocations);
    Prepare(lay);
    return true;
}

}  // namespace antkeys
