#include "search/layout_polish.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace antkeys {
namespace {

// A swap must lower the ratio sum by more than rounding can account for.
constexpr double kRelativeTolerance = 1e-12;
// Steepest descent always improves, so it ends; this only bounds a pathological table.
constexpr int kMaxSwaps = 10000;

}  // namespace

LayoutPolisher::LayoutPolisher(const Workspace& ws) : ws_(ws) {
    nKeys_ = std::min(ws.keys.nKeys(), kMaxKeys);
    layV_.ref = ws.layV.ref;
    for (std::size_t i = 1; i <= 6; ++i)
        w_[i] = ws.layV.ref[i] > 0 ? ws.weights.gj[i] / ws.layV.ref[i] : 0;
    BuildPairCosts();
    BuildTouchLists();
    BuildMovable();
}

void LayoutPolisher::BuildPairCosts() {
    // The analyzer's key-pair rules, weighted into one figure per pair.
    const KeyTables& keys = ws_.keys;
    const KeyPairRules& rules = ws_.analizer.pairRules();
    const auto n = static_cast<std::size_t>(nKeys_ + 1);
    alter_.assign(n, 0);
    cost_.assign(n * n, 0);
    for (std::size_t k = 0; k < n; ++k) alter_[k] = keys.alters[k] != 0 ? 1 : 0;
    if (rules.stride() != n) return;  // an analyzer that was never set up grades nothing
    for (std::size_t k1 = 0; k1 < n; ++k1) {
        for (std::size_t k2 = 0; k2 < n; ++k2) {
            const KeyPairRule& r = rules.at(k1, k2);
            if (!r.oneHand) continue;
            double c = w_[3];
            if (r.travel) {
                c += w_[4] * static_cast<double>(r.distance);
            } else {
                // A finger Kdi has no row for fails the full grading, which rejects the swap.
                if (r.rowChange && !r.kdiMissing) c += w_[5] * static_cast<double>(r.kdi);
                if (r.outward) c += w_[6];
            }
            cost_[k1 * n + k2] = c;
        }
    }
}

void LayoutPolisher::BuildTouchLists() {
    first_ = ws_.digraphs.first;
    second_ = ws_.digraphs.second;
    freq_ = ws_.analizer.frequencies();
    const std::size_t nDi = std::min({first_.size(), second_.size(), freq_.size()});
    std::array<int, kCharCodes + 1> counts{};
    for (std::size_t i = 0; i < nDi; ++i) {
        ++counts[first_[i]];
        if (second_[i] != first_[i]) ++counts[second_[i]];
        secondShare_[second_[i]] += freq_[i];
    }
    touchStart_.assign(kCharCodes + 1, 0);
    for (std::size_t c = 0; c < kCharCodes; ++c) touchStart_[c + 1] = touchStart_[c] + counts[c];
    touch_.assign(static_cast<std::size_t>(touchStart_[kCharCodes]), TouchEntry{});
    std::array<int, kCharCodes> fill{};
    const auto stride = static_cast<std::int32_t>(nKeys_ + 1);
    for (std::size_t i = 0; i < nDi; ++i) {
        const auto add = [&](Byte self, Byte other) {
            TouchEntry& e = touch_[static_cast<std::size_t>(touchStart_[self] + fill[self]++)];
            const bool withItself = first_[i] == second_[i];
            const bool selfFirst = first_[i] == self;
            e.freq = freq_[i];
            e.other = withItself ? TouchEntry::kNoCode : other;
            e.mulSelf = withItself ? stride + 1 : selfFirst ? stride : 1;
            e.mulOther = withItself ? 0 : selfFirst ? 1 : stride;
            e.rowBase = selfFirst ? 0 : stride;
            e.row = withItself ? 2 * stride : 0;
        };
        add(first_[i], second_[i]);
        if (second_[i] != first_[i]) add(second_[i], first_[i]);
    }
}

void LayoutPolisher::BuildMovable() {
    // The letters that may move: free, and each code once (a code listed twice is one
    // character in a layout). The letters never change after the start.
    const LetterTables& letters = ws_.letters;
    letterOf_.fill(-1);
    std::array<int, kCharCodes> seen{};
    for (Byte c : letters.letSet) ++seen[c];
    for (int j = 0; j <= letters.nLet(); ++j) {
        const Byte c = letters.letSet[static_cast<std::size_t>(j)];
        letterOf_[c] = seen[c] == 1 ? j : -1;
        if (seen[c] == 1 && letters.letFixKey[static_cast<std::size_t>(j)] == 0)
            movable_.push_back(c);
    }
    const std::size_t m = movable_.size();
    movableAt_.fill(-1);
    for (std::size_t i = 0; i < m; ++i) movableAt_[movable_[i]] = static_cast<int>(i);
    plan_.assign(m * m, 0);
    partial_.assign(m * m, 0);
    rank_.assign(m * m, 0);
}

double LayoutPolisher::RatioSum(const Criteria& v) const {
    double s = 0;
    for (std::size_t i = 1; i <= 6; ++i) s += w_[i] * v[i];
    return s;
}

bool LayoutPolisher::SwapAllowed(const Layout& lay, Byte a, Byte b) const {
    const int ja = letterOf_[a], jb = letterOf_[b];
    if (ja < 0 || jb < 0 || a == b) return false;
    const LetterTables& letters = ws_.letters;
    if (letters.letFixKey[static_cast<std::size_t>(ja)] != 0 ||
        letters.letFixKey[static_cast<std::size_t>(jb)] != 0)
        return false;
    const int ka = lay[a], kb = lay[b];
    if (ka == kb || ka > nKeys_ || kb > nKeys_) return false;
    const PheroTable& phero = ws_.phero;
    if (ka > phero.nKeys() || kb > phero.nKeys() || ja > phero.nLet() || jb > phero.nLet())
        return false;
    return phero.at(kb, ja) > 0 && phero.at(ka, jb) > 0;
}

void LayoutPolisher::Prepare(const Layout& lay) {
    load_.fill(0);
    for (std::size_t i = 0; i < freq_.size(); ++i) {
        const Byte k = lay[second_[i]];
        if (k <= kMaxKeys) load_[k] += freq_[i];
    }
    // Each digraph's cost as the layout stands, once for all the swaps ranked against it.
    const auto n = static_cast<std::size_t>(nKeys_ + 1);
    for (std::size_t c = 0; c < kCharCodes; ++c) {
        const std::size_t k = lay[c];
        for (auto t = static_cast<std::size_t>(touchStart_[c]);
             t < static_cast<std::size_t>(touchStart_[c + 1]); ++t) {
            TouchEntry& e = touch_[t];
            const bool withItself = e.other == TouchEntry::kNoCode;
            const std::size_t ko = withItself ? k : lay[static_cast<std::size_t>(e.other)];
            e.otherKey = static_cast<std::int32_t>(ko);
            if (!withItself) e.row = e.rowBase + e.otherKey;
            e.before = k < n && ko < n ? cost_[k * static_cast<std::size_t>(e.mulSelf) +
                                               ko * static_cast<std::size_t>(e.mulOther)]
                                       : 0;
        }
    }
}

double LayoutPolisher::DigraphDelta(Byte a, Byte b, Byte ka, Byte kb) const {
    const double* cost = cost_.data();
    const TouchEntry* touch = touch_.data();
    // The terms in the order of the digraphs of a, then those of b without a.
    double d = 0;
    for (const TouchEntry* e = touch + touchStart_[a]; e != touch + touchStart_[a + 1]; ++e) {
        const std::int32_t other = e->other == b ? ka : e->otherKey;
        d += e->freq * (cost[kb * e->mulSelf + other * e->mulOther] - e->before);
    }
    for (const TouchEntry* e = touch + touchStart_[b]; e != touch + touchStart_[b + 1]; ++e) {
        if (e->other == a) continue;  // counted with a
        d += e->freq * (cost[ka * e->mulSelf + e->otherKey * e->mulOther] - e->before);
    }
    return d;
}

double LayoutPolisher::LoadDelta(Byte a, Byte b, Byte ka, Byte kb) const {
    const BestLoadTable& best = ws_.weights.bestLoad;
    const double la = load_[ka], lb = load_[kb];
    const double na = la - secondShare_[a] + secondShare_[b];
    const double nb = lb - secondShare_[b] + secondShare_[a];
    const auto sq = [](double x) { return x * x; };
    return sq(na - best[ka]) + sq(nb - best[kb]) - sq(la - best[ka]) - sq(lb - best[kb]);
}

double LayoutPolisher::SwappedRatioSum(const Layout& lay, const Criteria& v, Byte a, Byte b) const {
    const Byte ka = lay[a], kb = lay[b];
    if (alter_[ka] != 0 || alter_[kb] != 0) {
        // A shared key splits its load with its companion: grade the swap in full.
        Layout trial = lay;
        trial[a] = kb;
        trial[b] = ka;
        Criteria vt{};
        if (!ws_.analizer.CalcV1_6(trial, vt)) return std::numeric_limits<double>::infinity();
        return RatioSum(vt);
    }
    return RatioSum(v) + w_[1] * LoadDelta(a, b, ka, kb) + DigraphDelta(a, b, ka, kb);
}

bool LayoutPolisher::RankedSwap(Byte a, Byte b, double& sum) const {
    int i = movableAt_[a], j = movableAt_[b];
    if (i < 0 || j < 0 || i == j) return false;
    if (i > j) std::swap(i, j);
    const std::size_t p =
        static_cast<std::size_t>(i) * movable_.size() + static_cast<std::size_t>(j);
    if (plan_[p] == kNotAllowed) return false;
    sum = rank_[p];
    return true;
}

void LayoutPolisher::RankMoves(const Layout& lay, const Criteria& v, Byte a, Byte standIn,
                               const int* keys, const bool* wanted, std::size_t count,
                               double* sums) {
    // The key tables depend only on the keys: built again only when the keys change.
    const auto n = static_cast<std::size_t>(nKeys_ + 1);
    if (!std::equal(keys, keys + count, moveKeys_.begin(), moveKeys_.end())) {
        moveKeys_.assign(keys, keys + count);
        moveBlocks_.resize((count + kLanes - 1) / kLanes);
        for (std::size_t k = 0; k < moveBlocks_.size(); ++k) {
            LaneBlock& block = moveBlocks_[k];
            block.letter.fill(-1);  // no letter on these keys: nothing to swap with
            for (std::size_t l = 0; l < kLanes; ++l) {
                const std::size_t at = k * kLanes + l < count ? k * kLanes + l : k * kLanes;
                block.key[l] = static_cast<std::size_t>(keys[at]) < n ? keys[at] : 0;
            }
            block.Build(cost_.data(), n);
        }
    }
    const Byte ka = lay[a];
    const TouchEntry* begin = touch_.data() + touchStart_[a];
    const TouchEntry* end = touch_.data() + touchStart_[a + 1];
    const double sum = RatioSum(v);
    std::array<const LaneBlock*, kMaxBlocks> run{};
    std::array<double, kMaxBlocks * kLanes> lanes{};
    for (std::size_t k0 = 0; k0 < moveBlocks_.size(); k0 += kMaxBlocks) {
        const std::size_t used = std::min(kMaxBlocks, moveBlocks_.size() - k0);
        for (std::size_t r = 0; r < used; ++r) run[r] = &moveBlocks_[k0 + r];
        lanes.fill(0);
        lanes_.own(begin, end, run.data(), used, ka, lanes.data());
        for (std::size_t at = k0 * kLanes; at < std::min((k0 + used) * kLanes, count); ++at) {
            const auto key = static_cast<Byte>(keys[at]);
            if (wanted && !wanted[at]) {
                sums[at] = std::numeric_limits<double>::infinity();
            } else if (alter_[ka] != 0 || alter_[key] != 0) {
                Layout probe = lay;
                probe[standIn] = key;
                sums[at] = SwappedRatioSum(probe, v, a, standIn);
            } else {
                // The stand-in is in no digraph, so its own list adds nothing.
                sums[at] = sum + w_[1] * LoadDelta(a, standIn, ka, key) + lanes[at - k0 * kLanes];
            }
        }
    }
}

bool LayoutPolisher::FullGrade(const Layout& lay, Single& grade, Criteria& v) {
    const GradeReport g = Grade(lay, ws_.analizer, ws_.weights, layV_.ref);
    if (!g.ok) return false;
    grade = g.grade;
    v = g.v;
    return true;
}

LayoutPolisher::Result LayoutPolisher::Polish(Layout& lay) {
    Result result;
    Criteria v{};
    if (!FullGrade(lay, result.grade, v)) return result;
    result.ok = true;

    Prepare(lay);
    const std::size_t m = movable_.size();
    while (result.swaps < kMaxSwaps) {
        const double current = RatioSum(v);
        double bestSum = current - kRelativeTolerance * std::abs(current);
        int bestI = -1, bestJ = -1;
        RankSwaps(lay, v);
        for (std::size_t i = 0; i < m; ++i) {
            for (std::size_t j = i + 1; j < m; ++j) {
                if (plan_[i * m + j] == kNotAllowed) continue;
                const double s = rank_[i * m + j];
                if (s < bestSum) {
                    bestSum = s;
                    bestI = static_cast<int>(i);
                    bestJ = static_cast<int>(j);
                }
            }
        }
        if (bestI < 0) break;

        Layout trial = lay;
        const Byte a = movable_[static_cast<std::size_t>(bestI)];
        const Byte b = movable_[static_cast<std::size_t>(bestJ)];
        trial[a] = lay[b];
        trial[b] = lay[a];
        Single grade = 0;
        Criteria vt{};
        if (!FullGrade(trial, grade, vt) || !(grade > result.grade)) break;
        lay = trial;
        v = vt;
        result.grade = grade;
        ++result.swaps;
        Prepare(lay);
    }
    return result;
}

}  // namespace antkeys
