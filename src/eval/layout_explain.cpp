#include "eval/layout_explain.hpp"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <utility>

#include "data/charset.hpp"
#include "eval/key_loads.hpp"

namespace antkeys {
namespace {

bool Fail(std::string* why, std::string reason) {
    if (why) *why = std::move(reason);
    return false;
}

double Share(double part, double whole) {
    return whole == 0 ? 0.0 : part / whole;
}

int HandIndex(int hand) {
    return hand == 0 ? 0 : 1;
}

// Finger columns from the left little finger to the right one, as the hands sit.
struct FingerName {
    int hand, finger;
    const char* name;
};
constexpr FingerName kFingerNames[] = {
    {0, 5, "left_little"}, {0, 4, "left_ring"},    {0, 3, "left_middle"}, {0, 2, "left_index"},
    {0, 1, "left_thumb"},  {1, 1, "right_thumb"},  {1, 2, "right_index"}, {1, 3, "right_middle"},
    {1, 4, "right_ring"},  {1, 5, "right_little"},
};

// The lists in the order they are shown.
enum List { kSameFingerList, kOutRollList, kRowJumpList, kV3, kV4, kV5, kV6, kListCount };
constexpr const char* kListNames[kListCount] = {"same_finger", "out_rolls", "row_jumps", "V3",
                                                "V4",          "V5",        "V6"};

}  // namespace

std::vector<NamedFigure> NamedFigures(const LayoutFigures& f) {
    std::vector<NamedFigure> out = {
        {"same_finger", f.sameFinger}, {"repeats", f.repeats},
        {"same_hand", f.sameHand},     {"alternation", f.alternation},
        {"in_rolls", f.inRolls},       {"out_rolls", f.outRolls},
        {"row_jumps", f.rowJumps},     {"home_row", f.homeRow},
        {"top_row", f.topRow},         {"bottom_row", f.bottomRow},
        {"left_hand", f.handShare[0]}, {"right_hand", f.handShare[1]},
    };
    for (const FingerName& n : kFingerNames)
        out.push_back(
            {n.name,
             f.fingerShare[static_cast<std::size_t>(n.hand)][static_cast<std::size_t>(n.finger)]});
    out.push_back({"left_hand_target", f.handTarget[0]});
    out.push_back({"right_hand_target", f.handTarget[1]});
    for (const FingerName& n : kFingerNames)
        out.push_back(
            {std::string(n.name) + "_target",
             f.fingerTarget[static_cast<std::size_t>(n.hand)][static_cast<std::size_t>(n.finger)]});
    if (f.hasTrigrams) {
        out.push_back({"redirects", f.redirects});
        out.push_back({"one_hand_rolls", f.oneHandRolls});
        out.push_back({"alternating_trigrams", f.alternatingTrigrams});
    }
    return out;
}

std::string CharLabel(const CharacterMap& chars, Byte code) {
    if (code == ' ') return "\xE2\x90\xA3";  // U+2423 OPEN BOX
    if (!chars.Shows(code)) return "#" + std::to_string(code);
    return chars.Utf8(code);
}

bool LayoutExplainer::Init(const DigraphTables& digraphs, const KeyTables& keys,
                           const BestLoadTable& bestLoad, const KdiTable& kdi,
                           const TrigraphTables* trigraphs, std::string* why) {
    nKeys_ = -1;
    const std::size_t nDi = digraphs.first.size();
    if (digraphs.second.size() != nDi || digraphs.count.size() != nDi)
        return Fail(why, "the digraph tables differ in size");
    if (keys.nKeys() < 0 || keys.nKeys() > kMaxKeys) return Fail(why, "no keyboard to explain on");
    if (trigraphs && (trigraphs->second.size() != trigraphs->first.size() ||
                      trigraphs->third.size() != trigraphs->first.size() ||
                      trigraphs->count.size() != trigraphs->first.size()))
        return Fail(why, "the trigram tables differ in size");

    first_ = digraphs.first;
    second_ = digraphs.second;
    count_.assign(digraphs.count.begin(), digraphs.count.end());
    total_ = 0;
    for (std::int64_t c : count_) total_ += c;
    if (total_ == 0) return Fail(why, "the digraph counts add up to 0");

    // Pairs in order of their first line.
    std::map<std::pair<Byte, Byte>, std::size_t> index;
    pairs_.clear();
    pairCount_.clear();
    pairOf_.assign(nDi, 0);
    for (std::size_t i = 0; i < nDi; ++i) {
        auto [it, added] = index.try_emplace({first_[i], second_[i]}, pairs_.size());
        if (added) {
            pairs_.push_back({first_[i], second_[i]});
            pairCount_.push_back(0);
        }
        pairOf_[i] = it->second;
        pairCount_[it->second] += count_[i];
    }

    keys_.assign(static_cast<std::size_t>(keys.nKeys()) + 1, Key{});
    for (std::size_t k = 0; k < keys_.size(); ++k)
        keys_[k] = {keys.hands[k], keys.fingers[k], keys.cols[k], keys.rows[k],
                    keys.alters[k] != 0};
    alters_.assign(keys_.size(), 0);
    for (std::size_t k = 0; k < keys_.size(); ++k) alters_[k] = keys_[k].alter ? 1 : 0;
    rules_.Build(keys, kdi);
    bestLoad_ = bestLoad;

    hasTrigrams_ = trigraphs != nullptr;
    tri_ = hasTrigrams_ ? *trigraphs : TrigraphTables{};

    std::array<bool, kCharCodes> used{};
    for (Byte c : first_) used[c] = true;
    for (Byte c : second_) used[c] = true;
    for (const auto* codes : {&tri_.first, &tri_.second, &tri_.third})
        for (Byte c : *codes) used[c] = true;
    usedChars_.clear();
    for (std::size_t c = 0; c < used.size(); ++c)
        if (used[c]) usedChars_.push_back(static_cast<Byte>(c));
    nKeys_ = keys.nKeys();
    return true;
}

struct LayoutExplainer::Tally {
    // Counts of the named figures, over the digraphs whose characters are both placed.
    std::int64_t placed = 0, sameFinger = 0, repeats = 0, sameHand = 0, alternation = 0,
                 inRolls = 0, outRolls = 0, rowJumps = 0;
    // What each pair adds to each list, and V3..V6 summed in digraph order as the grade does.
    std::vector<std::array<double, kListCount>> parts;
    std::array<double, kListCount> totals{};
};

bool LayoutExplainer::Explain(const Layout& lay, int top, LayoutExplanation& out,
                              std::string* why) const {
    if (!CheckLayout(lay, why)) return false;
    LayoutFigures& f = out.figures;
    f = LayoutFigures{};
    Tally t;
    t.parts.assign(pairs_.size(), std::array<double, kListCount>{});
    TallyDigraphs(lay, t);
    SetShares(t, f, t.totals.data());
    KeystrokeFigures(lay, f);
    if (hasTrigrams_) TrigramFigures(lay, f);
    WorstLists(t, top, out);
    return true;
}

bool LayoutExplainer::CheckLayout(const Layout& lay, std::string* why) const {
    if (nKeys_ < 0) return Fail(why, "nothing to explain with: the tables were not set up");
    for (Byte c : usedChars_)
        if (lay[c] > nKeys_)
            return Fail(why, "character " + std::to_string(c) + " is on key index " +
                                 std::to_string(lay[c]) + ", the keyboard has " +
                                 std::to_string(nKeys_) + " keys");
    return true;
}

// V3..V6 of one digraph: every digraph, a character the layout does not place on key 0.
void LayoutExplainer::AddCriteria(const KeyPairRule& r, double freq, double* part, double* totals) {
    if (!r.oneHand) return;
    part[kV3] += freq;
    totals[kV3] += freq;
    if (r.travel) {
        const double travel = static_cast<double>(r.distance) * freq;
        part[kV4] += travel;
        totals[kV4] += travel;
        return;
    }
    if (r.rowChange && !r.kdiMissing) {
        const double cost = static_cast<double>(r.kdi) * freq;
        part[kV5] += cost;
        totals[kV5] += cost;
    }
    if (r.outward) {
        part[kV6] += freq;
        totals[kV6] += freq;
    }
}

void LayoutExplainer::TallyDigraphs(const Layout& lay, Tally& t) const {
    const double total = static_cast<double>(total_);
    for (std::size_t i = 0; i < first_.size(); ++i) {
        const Byte k1 = lay[first_[i]];
        const Byte k2 = lay[second_[i]];
        const Key& a = keys_[k1];
        const Key& b = keys_[k2];
        const std::int64_t n = count_[i];
        auto& part = t.parts[pairOf_[i]];
        AddCriteria(rules_.at(k1, k2), static_cast<double>(n) / total, part.data(),
                    t.totals.data());

        if (k1 == 0 || k2 == 0) continue;
        t.placed += n;
        if (k1 == k2) {
            t.repeats += n;
            continue;
        }
        if (a.alter || b.alter) continue;
        if (a.hand != b.hand) {
            t.alternation += n;
            continue;
        }
        t.sameHand += n;
        const auto dn = static_cast<double>(n);
        if (a.finger == b.finger) {
            t.sameFinger += n;
            part[kSameFingerList] += dn;
        } else if (a.row == b.row) {
            if (b.finger > a.finger) {
                t.outRolls += n;
                part[kOutRollList] += dn;
            } else {
                t.inRolls += n;
            }
        } else if (std::abs(a.row - b.row) >= 2) {
            t.rowJumps += n;
            part[kRowJumpList] += dn;
        }
    }
}

// The named figures as shares of the placed digraphs; their lists' totals are those shares.
void LayoutExplainer::SetShares(const Tally& t, LayoutFigures& f, double* totals) {
    const auto placedD = static_cast<double>(t.placed);
    auto share = [&](std::int64_t c) { return Share(static_cast<double>(c), placedD); };
    f.sameFinger = share(t.sameFinger);
    f.repeats = share(t.repeats);
    f.sameHand = share(t.sameHand);
    f.alternation = share(t.alternation);
    f.inRolls = share(t.inRolls);
    f.outRolls = share(t.outRolls);
    f.rowJumps = share(t.rowJumps);
    totals[kSameFingerList] = f.sameFinger;
    totals[kOutRollList] = f.outRolls;
    totals[kRowJumpList] = f.rowJumps;
}

// The lists: the named figures' parts are counts until here.
void LayoutExplainer::WorstLists(const Tally& t, int top, LayoutExplanation& out) const {
    const auto placedD = static_cast<double>(t.placed);
    const double total = static_cast<double>(total_);
    out.worst.resize(kListCount);
    std::vector<std::size_t> order;
    for (int list = 0; list < kListCount; ++list) {
        const auto at = static_cast<std::size_t>(list);
        WorstDigraphs& w = out.worst[at];
        w.figure = kListNames[list];
        w.total = t.totals[at];
        w.top.clear();
        order.clear();
        for (std::size_t p = 0; p < pairs_.size(); ++p)
            if (t.parts[p][at] != 0) order.push_back(p);
        const std::size_t n = std::min(order.size(), static_cast<std::size_t>(std::max(top, 0)));
        std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(n),
                          order.end(), [&](std::size_t x, std::size_t y) {
                              const double px = t.parts[x][at], py = t.parts[y][at];
                              return px != py ? px > py : x < y;
                          });
        for (std::size_t r = 0; r < n; ++r) {
            const std::size_t p = order[r];
            const double value = t.parts[p][at];
            DigraphPart dp{pairs_[p].first, pairs_[p].second, value, value};
            if (list < kV3) {
                dp.share = dp.adds = Share(value, placedD);
            } else if (list == kV4 || list == kV5) {
                // The pair's own frequency, without the distance or Kdi value.
                dp.share = static_cast<double>(pairCount_[p]) / total;
            }
            w.top.push_back(dp);
        }
    }
}

void LayoutExplainer::KeystrokeFigures(const Layout& lay, LayoutFigures& f) const {
    // Keystrokes as the grade counts them: the second character of every digraph.
    KeyLoadTable load{};
    std::int64_t placed = 0;
    for (std::size_t i = 0; i < second_.size(); ++i) {
        const Byte k = lay[second_[i]];
        if (k == 0) continue;
        load[k] += static_cast<double>(count_[i]);
        placed += count_[i];
    }
    // A flagged key and its companion share their load half and half, as in the grade.
    const int nKeys = nKeys_;
    ShareCompanionLoads(alters_.data(), nKeys, load);
    const auto placedD = static_cast<double>(placed);
    double home = 0, topRow = 0, bottom = 0;
    for (int k = 1; k <= nKeys; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const Key& key = keys_[i];
        const double l = load[i];
        if (key.row == kHomeRow) home += l;
        if (key.row == kTopRow) topRow += l;
        if (key.row == kBottomRow) bottom += l;
        const auto hand = static_cast<std::size_t>(HandIndex(key.hand));
        f.handShare[hand] += l;
        f.handTarget[hand] += bestLoad_[i];
        if (key.finger >= 1 && key.finger <= 5) {
            const auto finger = static_cast<std::size_t>(key.finger);
            f.fingerShare[hand][finger] += l;
            f.fingerTarget[hand][finger] += bestLoad_[i];
        }
    }
    f.homeRow = Share(home, placedD);
    f.topRow = Share(topRow, placedD);
    f.bottomRow = Share(bottom, placedD);
    for (auto& s : f.handShare) s = Share(s, placedD);
    for (auto& hand : f.fingerShare)
        for (auto& s : hand) s = Share(s, placedD);
}

void LayoutExplainer::TrigramFigures(const Layout& lay, LayoutFigures& f) const {
    f.hasTrigrams = true;
    std::int64_t placed = 0, redirects = 0, rolls = 0, alternating = 0;
    for (std::size_t i = 0; i < tri_.first.size(); ++i) {
        const Byte k1 = lay[tri_.first[i]], k2 = lay[tri_.second[i]], k3 = lay[tri_.third[i]];
        if (k1 == 0 || k2 == 0 || k3 == 0) continue;
        const std::int64_t n = tri_.count[i];
        placed += n;
        const Key &a = keys_[k1], &b = keys_[k2], &c = keys_[k3];
        // A flagged key is struck by either hand, so it neither keeps nor changes the hand.
        if (a.alter || b.alter || c.alter) continue;
        if (a.hand != b.hand && b.hand != c.hand) {
            alternating += n;
            continue;
        }
        if (a.hand != b.hand || b.hand != c.hand) continue;
        if (a.finger == b.finger || b.finger == c.finger || a.finger == c.finger) continue;
        if ((b.finger > a.finger) == (c.finger > b.finger))
            rolls += n;
        else
            redirects += n;
    }
    const auto placedD = static_cast<double>(placed);
    f.redirects = Share(static_cast<double>(redirects), placedD);
    f.oneHandRolls = Share(static_cast<double>(rolls), placedD);
    f.alternatingTrigrams = Share(static_cast<double>(alternating), placedD);
}

}  // namespace antkeys
