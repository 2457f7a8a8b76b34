#include "eval/key_analizer.hpp"

#include <array>

#include "data/messages.hpp"
#include "eval/key_loads.hpp"

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

    fingers_ = keys.fingers;
    alters_.assign(keys.alters.size(), 0);
    for (std::size_t k = 0; k < alters_.size(); ++k) alters_[k] = keys.alters[k] != 0 ? 1 : 0;
    bestLoad_ = bestLoad;
    rules_.Build(keys, kdi);

    // The characters the statistics use, to check a layout once per call instead of once per
    // digraph.
    std::array<bool, kCharCodes> used{};
    for (Byte c : first_) used[c] = true;
    for (Byte c : second_) used[c] = true;
    usedChars_.clear();
    for (std::size_t c = 0; c < used.size(); ++c)
        if (used[c]) usedChars_.push_back(static_cast<Byte>(c));

    nKeys_ = keys.nKeys();
    BuildPairs();
    return true;
}

void KeyAnalizer::BuildPairs() {
    // Each rule becomes a factor of the key pair: the addend where the rule applies, 0 where
    // it does not.
    const std::size_t n = rules_.stride();
    pairs_.assign(n * n, PairFactors{});
    for (std::size_t k1 = 0; k1 < n; ++k1) {
        for (std::size_t k2 = 0; k2 < n; ++k2) {
            const KeyPairRule& r = rules_.at(k1, k2);
            PairFactors& p = pairs_[k1 * n + k2];
            p.f[0] = r.oneHand ? 1.0f : 0.0f;
            p.f[1] = r.travel ? static_cast<float>(r.distance) : 0.0f;
            p.f[2] = r.rowChange ? static_cast<float>(r.kdi) : 0.0f;
            p.f[3] = r.outward ? 1.0f : 0.0f;
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
    if (rules_.NoneFails()) {
        const PairPassInput in{first_.data(), second_.data(), freq_.data(),
                               first_.size(), pairs_.data(),  rules_.stride()};
        const PairSums sums = pairPass_(in, lay, load);
        v[3] = sums[0];
        v[4] = sums[1];
        v[5] = sums[2];
        v[6] = sums[3];
    } else if (!CheckedPass(lay, load, v, why)) {
        return false;
    }

    ShareCompanionLoads(alters_.data(), nKeys_, load);

    double v1 = 0;
    for (std::size_t j = 0; j <= static_cast<std::size_t>(nKeys_); ++j) {
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
    const Byte* first = first_.data();
    const Byte* second = second_.data();
    const double* freq = freq_.data();
    const std::size_t nDi = first_.size();

    for (std::size_t i = 0; i < nDi; ++i) {
        const Byte k1 = lay[first[i]];
        const Byte k2 = lay[second[i]];
        const double f = freq[i];
        load[k2] += f;

        // Every sum gets an addend for every digraph, 0 where its rule does not apply;
        // adding 0 leaves a sum as it was, so the figures are those of the pass without checks.
        const KeyPairRule& r = rules_.at(k1, k2);
        if (r.TooFar()) {
            v = {0, v[1], v[2], v3, v4, v5, v6};
            return Fail(why, "the distance between key indexes " + std::to_string(k1) + " and " +
                                 std::to_string(k2) + " does not fit a 16-bit number");
        }
        if (r.kdiMissing) {
            v = {0, v[1], v[2], v3, v4, v5, v6};
            const Byte k = fingers_[k1] > 5 ? k1 : k2;
            return Fail(why, "key index " + std::to_string(k) + " has finger " +
                                 std::to_string(fingers_[k]) + ", fingers are numbered 1 to 5");
        }
        v3 += f * kZeroOne[r.oneHand];
        v4 += static_cast<double>(r.distance) * f * kZeroOne[r.travel];
        v5 += static_cast<double>(r.kdi) * f * kZeroOne[r.rowChange];
        v6 += f * kZeroOne[r.outward];
    }
    v[3] = v3;
    v[4] = v4;
    v[5] = v5;
    v[6] = v6;
    return true;
}

}  // namespace antkeys
