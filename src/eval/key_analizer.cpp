#include "eval/key_analizer.hpp"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "data/messages.hpp"

namespace antkeys {
namespace {

// A rule's outcome as a factor: the addend itself or 0.
constexpr double kZeroOne[2] = {0.0, 1.0};

bool Fail(std::string* why, std::string reason) {
    if (why) *why = std::move(reason);
    return false;
}

std::string InitProblem(const DigraphTables& digraphs, const KeyTables& keys) {
    const std::size_t nDi = digraphs.first.size();
    if (digraphs.second.size() != nDi || digraphs.count.size() != nDi)
        return "the digraph tables differ in size (" + std::to_string(nDi) + " first codes, " +
               std::to_string(digraphs.second.size()) + " second codes, " +
               std::to_string(digraphs.count.size()) + " counts)";
    const std::size_t n = keys.codes.size();
    if (n == 0) return "no key is defined";
    if (keys.hands.size() != n || keys.fingers.size() != n || keys.cols.size() != n ||
        keys.rows.size() != n || keys.alters.size() != n)
        return "the key tables differ in size";
    if (keys.nKeys() > kMaxKeys)
        return "the keyboard has " + std::to_string(keys.nKeys()) + " keys, at most " +
               std::to_string(kMaxKeys) + " are allowed";
    return {};
}

}  // namespace

bool KeyAnalizer::Init(const DigraphTables& digraphs, const BestLoadTable& bestLoad,
                       const KeyTables& keys, const KdiTable& kdi, MessageSink& sink) {
    nKeys_ = -1;  // not ready until every check has passed
    std::string problem = InitProblem(digraphs, keys);

    // Counts are added in index order into a Double, so the frequencies are the same
    // wherever the same file is read.
    double total = 0;
    if (problem.empty()) {
        for (Long c : digraphs.count) total += static_cast<double>(c);
        if (total == 0) problem = "the digraph counts add up to 0";
    }
    if (!problem.empty()) {
        sink.show({msg::kAnalizerTitle, WithDescription(msg::kAnalizerText, problem), true});
        return false;
    }

    first_ = digraphs.first;
    second_ = digraphs.second;
    count_ = digraphs.count;
    freq_.resize(count_.size());
    for (std::size_t i = 0; i < count_.size(); ++i)
        freq_[i] = static_cast<double>(count_[i]) / total;

    keys_.assign(keys.codes.size(), Key{});
    for (std::size_t k = 0; k < keys_.size(); ++k) {
        keys_[k].col = keys.cols[k];
        keys_[k].row = keys.rows[k];
        keys_[k].hand = keys.hands[k];
        keys_[k].finger = keys.fingers[k];
        keys_[k].alter = keys.alters[k] != 0 ? 1 : 0;
        keys_[k].kdiIndex = keys.fingers[k] <= 5 ? keys.fingers[k] : 6;
    }
    bestLoad_ = bestLoad;
    kdi_ = kdi;
    kdiWide_ = {};
    for (std::size_t i = 0; i <= 5; ++i)
        for (std::size_t j = 0; j <= 5; ++j) kdiWide_[i][j] = static_cast<double>(kdi[i][j]);

    // The characters the statistics use, to check a layout once per call instead of once per
    // digraph.
    std::array<bool, kCharCodes> used{};
    for (Byte c : first_) used[c] = true;
    for (Byte c : second_) used[c] = true;
    usedChars_.clear();
    for (std::size_t c = 0; c < used.size(); ++c)
        if (used[c]) usedChars_.push_back(static_cast<Byte>(c));

    // Whether any digraph could fail: a finger Kdi has no row for, or two keys too far apart
    // for a 16-bit distance. Keyboards that cannot take the faster pass without checks.
    int minCol = 0, maxCol = 0, minRow = 0, maxRow = 0;
    bool fingersInRange = true;
    for (const Key& k : keys_) {
        minCol = std::min<int>(minCol, k.col);
        maxCol = std::max<int>(maxCol, k.col);
        minRow = std::min<int>(minRow, k.row);
        maxRow = std::max<int>(maxRow, k.row);
        fingersInRange = fingersInRange && k.kdiIndex <= 5;
    }
    safe_ = fingersInRange && (maxCol - minCol) + (maxRow - minRow) <= 32767;
    nKeys_ = keys.nKeys();
    BuildPairs();
    return true;
}

void KeyAnalizer::BuildPairs() {
    pairs_.clear();
    if (!safe_) return;
    // Each rule of the checked pass becomes a factor of the key pair: the addend where the
    // rule applies, 0 where it does not.
    const std::size_t n = keys_.size();
    pairs_.resize(n * n);
    for (std::size_t k1 = 0; k1 < n; ++k1) {
        for (std::size_t k2 = 0; k2 < n; ++k2) {
            const Key& a = keys_[k1];
            const Key& b = keys_[k2];
            const bool oneHand = ((a.alter | b.alter) == 0) && a.hand == b.hand;
            const bool oneFinger = a.finger == b.finger;
            const int distance = std::abs(a.col - b.col) + std::abs(a.row - b.row);
            PairFactors& p = pairs_[k1 * n + k2];
            p.f[0] = oneHand ? 1.0f : 0.0f;
            p.f[1] = oneHand && oneFinger ? static_cast<float>(distance) : 0.0f;
            p.f[2] = oneHand && !oneFinger && a.row != b.row
                         ? static_cast<float>(kdiWide_[a.kdiIndex][b.kdiIndex])
                         : 0.0f;
            p.f[3] = oneHand && !oneFinger && b.finger > a.finger ? 1.0f : 0.0f;
        }
    }
}

bool KeyAnalizer::CalcV1_6(const Layout& lay, Criteria& v, std::string* why) const {
    v = Criteria{};
    v[2] = 1.0;
    if (nKeys_ < 0) return Fail(why, "the analyzer has not been set up");
    // Every character of the statistics must sit on a key of this keyboard (or on key 0).
    for (Byte c : usedChars_) {
        if (lay[c] > nKeys_)
            return Fail(why, "character " + std::to_string(c) + " is on key index " +
                                 std::to_string(lay[c]) + ", the keyboard has " +
                                 std::to_string(nKeys_) + " keys");
    }

    // Share of all keystrokes per key index; only the second character of a digraph counts.
    KeyLoadTable load{};
    if (safe_) {
        const PairPassInput in{first_.data(), second_.data(), freq_.data(), first_.size(),
                               pairs_.data(), keys_.size()};
        const PairSums sums = pairPass_(in, lay, load);
        v[3] = sums[0];
        v[4] = sums[1];
        v[5] = sums[2];
        v[6] = sums[3];
    } else if (!CheckedPass(lay, load, v, why)) {
        return false;
    }

    // A flagged key and its companion (the next index) are one physical key struck by either
    // hand: each gets half of their joint load.
    const auto nKeys = static_cast<unsigned>(nKeys_);
    for (unsigned k = 1; k <= nKeys;) {
        if (keys_[k].alter != 0 && k < nKeys) {
            const double shared = (load[k] + load[k + 1]) / 2;
            load[k] = shared;
            load[k + 1] = shared;
            k += 2;
        } else {
            ++k;
        }
    }

    double v1 = 0;
    for (unsigned j = 0; j <= nKeys; ++j) {
        const double d = load[j] - bestLoad_[j];
        v1 += d * d;
    }
    v[1] = v1;
    return true;
}

bool KeyAnalizer::CheckedPass(const Layout& lay, KeyLoadTable& load, Criteria& v,
                              std::string* why) const {
    // Sums are kept in locals, so they stay in registers, and are added in digraph order.
    double v3 = 0, v4 = 0, v5 = 0, v6 = 0;
    const Key* keys = keys_.data();
    const Byte* first = first_.data();
    const Byte* second = second_.data();
    const double* freq = freq_.data();
    const std::size_t nDi = first_.size();

    for (std::size_t i = 0; i < nDi; ++i) {
        const Byte k1 = lay[first[i]];
        const Byte k2 = lay[second[i]];
        const double f = freq[i];
        load[k2] += f;

        // Which sums this digraph adds to. Every sum gets an addend for every digraph, 0
        // where its rule does not apply, instead of a branch on data that changes from one
        // digraph to the next; adding 0 leaves a sum as it was, so the figures are the same.
        const Key& a = keys[k1];
        const Key& b = keys[k2];
        const bool oneHand = ((a.alter | b.alter) == 0) & (a.hand == b.hand);
        const bool oneFinger = a.finger == b.finger;
        const bool travel = oneHand & oneFinger;                            // V4
        const bool rowChange = oneHand & !oneFinger & (a.row != b.row);     // V5
        const bool outward = oneHand & !oneFinger & (b.finger > a.finger);  // V6
        // Column steps plus row steps, as 16-bit whole numbers.
        const int distance = std::abs(a.col - b.col) + std::abs(a.row - b.row);
        if (travel && distance > 32767) {
            v = {0, v[1], v[2], v3, v4, v5, v6};
            return Fail(why, "the distance between key indexes " + std::to_string(k1) + " and " +
                                 std::to_string(k2) + " does not fit a 16-bit number");
        }
        if (rowChange && (a.kdiIndex > 5 || b.kdiIndex > 5)) {
            v = {0, v[1], v[2], v3, v4, v5, v6};
            return Fail(why, "key index " + std::to_string(a.kdiIndex > 5 ? k1 : k2) +
                                 " has finger " +
                                 std::to_string(a.kdiIndex > 5 ? a.finger : b.finger) +
                                 ", fingers are numbered 1 to 5");
        }
        const double kdi = kdiWide_[a.kdiIndex][b.kdiIndex];
        v3 += f * kZeroOne[oneHand];
        v4 += static_cast<double>(distance) * f * kZeroOne[travel];
        v5 += kdi * f * kZeroOne[rowChange];
        v6 += f * kZeroOne[outward];
    }
    v[3] = v3;
    v[4] = v4;
    v[5] = v5;
    v[6] = v6;
    return true;
}

}  // namespace antkeys
