#include "eval/key_analizer.hpp"

#include <array>
#include <cstdlib>

#include "data/messages.hpp"

namespace antkeys {
namespace {

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
    }
    bestLoad_ = bestLoad;
    kdi_ = kdi;
    nKeys_ = keys.nKeys();
    return true;
}

bool KeyAnalizer::CalcV1_6(const Layout& lay, Criteria& v, std::string* why) const {
    v = Criteria{};
    v[2] = 1.0;
    if (nKeys_ < 0) return Fail(why, "the analyzer has not been set up");

    // Share of all keystrokes per key index; only the second character of a digraph counts.
    std::array<double, kMaxKeys + 1> load{};
    // Sums are kept in locals (the caller's array may alias nothing, but the compiler
    // cannot know) and always added in digraph order.
    double v3 = 0, v4 = 0, v5 = 0, v6 = 0;
    const auto flush = [&] {
        v[3] = v3;
        v[4] = v4;
        v[5] = v5;
        v[6] = v6;
    };

    const Key* keys = keys_.data();
    const Byte* first = first_.data();
    const Byte* second = second_.data();
    const double* freq = freq_.data();
    const std::size_t nDi = first_.size();
    const auto nKeys = static_cast<unsigned>(nKeys_);

    for (std::size_t i = 0; i < nDi; ++i) {
        const Byte k1 = lay[first[i]];
        const Byte k2 = lay[second[i]];
        if (k1 > nKeys || k2 > nKeys) {
            flush();
            const Byte c = k1 > nKeys ? first[i] : second[i];
            return Fail(why, "character " + std::to_string(c) + " is on key index " +
                                 std::to_string(lay[c]) + ", the keyboard has " +
                                 std::to_string(nKeys_) + " keys");
        }
        const double f = freq[i];
        load[k2] += f;

        const Key& a = keys[k1];
        const Key& b = keys[k2];
        if (a.alter != 0 || b.alter != 0 || a.hand != b.hand) continue;
        v3 += f;
        if (a.finger == b.finger) {
            // Column steps plus row steps, as 16-bit whole numbers.
            const int distance = std::abs(a.col - b.col) + std::abs(a.row - b.row);
            if (distance > 32767) {
                flush();
                return Fail(why, "the distance between key indexes " + std::to_string(k1) +
                                     " and " + std::to_string(k2) +
                                     " does not fit a 16-bit number");
            }
            v4 += static_cast<double>(distance) * f;
        } else {
            if (a.row != b.row) {
                if (a.finger > 5 || b.finger > 5) {
                    flush();
                    return Fail(why, "key index " + std::to_string(a.finger > 5 ? k1 : k2) +
                                         " has finger " +
                                         std::to_string(a.finger > 5 ? a.finger : b.finger) +
                                         ", fingers are numbered 1 to 5");
                }
                v5 += static_cast<double>(kdi_[a.finger][b.finger]) * f;
            }
            if (b.finger > a.finger) v6 += f;
        }
    }
    flush();

    // A flagged key and its companion (the next index) are one physical key struck by either
    // hand: each gets half of their joint load.
    for (unsigned k = 1; k <= nKeys;) {
        if (keys[k].alter != 0 && k < nKeys) {
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

}  // namespace antkeys
