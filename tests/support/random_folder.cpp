#include "support/random_folder.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <numeric>

namespace antkeys::test {
namespace {

// splitmix64: the same numbers everywhere, unlike the standard distributions.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <class T>
    void Shuffle(std::vector<T>& v) {
        for (std::size_t i = v.size(); i > 1; --i)
            std::swap(v[i - 1], v[static_cast<std::size_t>(Below(static_cast<int>(i)))]);
    }

  private:
    std::uint64_t state_;
};

// A weight with three decimals, as a person writes it.
std::string Weight(Random& rnd, int maxThousandths) {
    const int t = rnd.Between(1, maxThousandths);
    std::string frac = std::to_string(t % 1000);
    return std::to_string(t / 1000) + "." + std::string(3 - frac.size(), '0') + frac;
}

double Number(const std::string& text) {
    double d = 0;
    std::from_chars(text.data(), text.data() + text.size(), d);
    return d;
}

std::string LayoutText(const RandomFolder::LayoutLines& lines, bool withFlag) {
    std::string text = "Code\tKey\tFixed\r\n";
    for (const auto& p : lines)
        text += std::to_string(p.code) + "\t" + p.key +
                (withFlag ? (p.fixed ? "\t1" : "\t0") : "") + "\r\n";
    return text;
}

// The key index table the key definitions make: index 0 a dummy, a companion after every
// shared key (same finger, column and row, the other hand, no code).
struct PlainKey {
    std::string code;
    int hand = 0, finger = 0, col = 0, row = 0;
    bool alter = false;
};

std::vector<PlainKey> KeyIndexes(const RandomFolder& f) {
    std::vector<PlainKey> keys(1);
    for (const auto& d : f.keys) {
        keys.push_back({d.code, d.hand, d.finger, d.col, d.row, d.shared});
        if (d.shared) keys.push_back({"", d.hand == 0 ? 1 : 0, d.finger, d.col, d.row, true});
    }
    return keys;
}

}  // namespace

RandomFolder MakeRandomFolder(std::uint64_t seed) {
    Random rnd(seed * 0x2545F4914F6CDD1Dull + 17);
    RandomFolder f;

    // The keyboard: 10..64 key indexes, 1..3 of the definitions shared anywhere in the table.
    const int shared = rnd.Between(1, 3);
    const int defs = rnd.Between(10, 64) - shared;
    std::vector<int> order(static_cast<std::size_t>(defs));
    std::iota(order.begin(), order.end(), 0);
    rnd.Shuffle(order);
    const bool oddFinger = rnd.Chance(12), farApart = rnd.Chance(8), idleFinger = rnd.Chance(12);
    for (int i = 0; i < defs; ++i) {
        RandomFolder::KeyDef k;
        k.code = "K" + std::to_string(i);
        k.hand = rnd.Below(2);
        k.finger = rnd.Between(1, 5);
        k.col = rnd.Chance(90) ? rnd.Between(0, 8) : rnd.Between(-2, 12);
        k.row = rnd.Chance(90) ? rnd.Between(1, 5) : rnd.Between(-1, 7);
        k.shared = std::find(order.begin(), order.begin() + shared, i) != order.begin() + shared;
        f.keys.push_back(k);
    }
    f.keys[0].row = 3;  // some key has a target share
    f.keys[0].col = 1;
    if (oddFinger) f.keys[static_cast<std::size_t>(rnd.Below(defs))].finger = rnd.Between(6, 9);
    if (idleFinger) f.keys[static_cast<std::size_t>(rnd.Below(defs))].finger = 0;
    if (farApart) {
        auto& a = f.keys[1];
        auto& b = f.keys[2];
        a.col = 30000;
        b.col = -3000;
        b.hand = a.hand;
        b.finger = a.finger;
    }

    // Characters: the letters of the reference and a few codes no layout of it places.
    std::vector<int> codes(256);
    std::iota(codes.begin(), codes.end(), 0);
    rnd.Shuffle(codes);
    const int nLet = rnd.Between(3, std::min(40, defs));
    const int extra = rnd.Between(1, 6);
    const std::vector<int> letters(codes.begin(), codes.begin() + nLet);
    const std::vector<int> chars(codes.begin(), codes.begin() + nLet + extra);

    // Digraphs in no order; some lines repeat an earlier pair.
    const bool negative = rnd.Chance(5);
    const int nDi = rnd.Between(20, 1500);
    for (int i = 0; i < nDi; ++i) {
        RandomFolder::Digraph d;
        if (i > 0 && rnd.Chance(20)) {
            d = f.digraphs[static_cast<std::size_t>(rnd.Below(i))];
        } else {
            d.first = chars[static_cast<std::size_t>(rnd.Below(static_cast<int>(chars.size())))];
            d.second = chars[static_cast<std::size_t>(rnd.Below(static_cast<int>(chars.size())))];
        }
        d.count = rnd.Chance(2) ? 0 : rnd.Between(1, 100000);
        if (negative && rnd.Chance(3)) d.count = -rnd.Between(1, 50);
        f.digraphs.push_back(d);
    }

    for (auto& w : f.colW) w = Weight(rnd, 3000);
    for (auto& w : f.rowW) w = Weight(rnd, 3000);
    for (auto& row : f.kdi)
        for (int& v : row) v = rnd.Below(256);
    for (auto& w : f.gj) w = rnd.Chance(10) ? "0" : Weight(rnd, 3000);

    // The reference: every letter on a key of its own, some fixed.
    std::vector<int> keyOrder(static_cast<std::size_t>(defs));
    std::iota(keyOrder.begin(), keyOrder.end(), 0);
    rnd.Shuffle(keyOrder);
    for (int j = 0; j < nLet; ++j)
        f.reference.push_back(
            {letters[static_cast<std::size_t>(j)],
             f.keys[static_cast<std::size_t>(keyOrder[static_cast<std::size_t>(j)])].code,
             rnd.Chance(25)});

    f.layouts["empty.txt"] = {};
    f.layouts["ref.txt"] = f.reference;
    // Full: every key carries a character, the digraphs' own first.
    std::vector<int> fill(codes.begin(), codes.begin() + defs);
    rnd.Shuffle(fill);
    RandomFolder::LayoutLines full;
    for (int i = 0; i < defs; ++i)
        full.push_back(
            {fill[static_cast<std::size_t>(i)], f.keys[static_cast<std::size_t>(i)].code, false});
    f.layouts["full.txt"] = full;
    // Wild: characters left out, sharing a key, on codes that name no key, listed twice.
    for (int n = 1; n <= 4; ++n) {
        RandomFolder::LayoutLines wild;
        for (int c : chars) {
            if (rnd.Chance(15)) continue;
            const std::string key =
                rnd.Chance(5) ? "nowhere" : f.keys[static_cast<std::size_t>(rnd.Below(defs))].code;
            wild.push_back({c, key, false});
        }
        if (!wild.empty()) wild.push_back({wild.front().code, f.keys[0].code, false});
        rnd.Shuffle(wild);
        f.layouts["wild_" + std::to_string(n) + ".txt"] = wild;
    }
    return f;
}

std::map<std::string, std::string> RandomFolder::Files() const {
    std::map<std::string, std::string> files;
    std::string text = "Code\tHand\tFinger\tCol\tRow\tAlt\r\n";
    for (const auto& k : keys)
        text += k.code + "\t" + std::to_string(k.hand) + "\t" + std::to_string(k.finger) + "\t" +
                std::to_string(k.col) + "\t" + std::to_string(k.row) + "\t" +
                (k.shared ? "1" : "0") + "\r\n";
    files["In/KeyDefs.txt"] = text;
    text = "C1\tC2\tCount\r\n";
    for (const auto& d : digraphs)
        text += std::to_string(d.first) + "\t" + std::to_string(d.second) + "\t" +
                std::to_string(d.count) + "\r\n";
    files["In/DiGraphs.txt"] = text;
    text = "Col\tColW\tRowW\r\n";
    for (std::size_t i = 0; i < 9; ++i)
        text += "C" + std::to_string(i) + "\t" + colW[i] + (i < 6 ? "\t" + rowW[i] : "") + "\r\n";
    files["In/BestLoad.txt"] = text;
    text = "Kdi\tF1\tF2\tF3\tF4\tF5\r\n";
    for (std::size_t i = 0; i < 5; ++i) {
        text += "F" + std::to_string(i + 1);
        for (int v : kdi[i]) text += "\t" + std::to_string(v);
        text += "\r\n";
    }
    files["In/Kdi.txt"] = text;
    text = "V\tGj\r\n";
    for (std::size_t i = 0; i < 6; ++i) text += "V" + std::to_string(i + 1) + "\t" + gj[i] + "\r\n";
    files["In/Gj.txt"] = text;
    files["In/RefKeyLay.txt"] = LayoutText(reference, true);
    for (const auto& [name, lines] : layouts) files["layouts/" + name] = LayoutText(lines, false);
    return files;
}

std::optional<PlainFigures> PlainCalcV1_6(const RandomFolder& folder,
                                          const RandomFolder::LayoutLines& layout) {
    const std::vector<PlainKey> keys = KeyIndexes(folder);
    const int nKeys = static_cast<int>(keys.size()) - 1;

    // The target share: rows, then columns, then keys, each product added to the sum.
    std::array<double, 65> best{};
    double sum = 0;
    for (int r = 0; r <= 5; ++r)
        for (int q = 0; q <= 8; ++q)
            for (int k = 1; k <= nKeys; ++k)
                if (keys[static_cast<std::size_t>(k)].row == r &&
                    keys[static_cast<std::size_t>(k)].col == q) {
                    best[static_cast<std::size_t>(k)] =
                        Number(folder.rowW[static_cast<std::size_t>(r)]) *
                        Number(folder.colW[static_cast<std::size_t>(q)]);
                    sum += best[static_cast<std::size_t>(k)];
                }
    for (int k = 1; k <= 64; ++k) best[static_cast<std::size_t>(k)] /= sum;

    // The layout: a later line wins; a code no key has places nothing.
    std::array<int, 256> lay{};
    for (const auto& p : layout) {
        int k = 0;
        for (int x = 1; x <= nKeys && k == 0; ++x)
            if (keys[static_cast<std::size_t>(x)].code == p.key) k = x;
        lay[static_cast<std::size_t>(p.code)] = k;
    }

    double total = 0;
    for (const auto& d : folder.digraphs) total += static_cast<double>(d.count);

    PlainFigures v{};
    v[2] = 1.0;
    std::array<double, 65> load{};
    for (const auto& d : folder.digraphs) {
        const double f = static_cast<double>(d.count) / total;
        const int k1 = lay[static_cast<std::size_t>(d.first)],
                  k2 = lay[static_cast<std::size_t>(d.second)];
        const PlainKey& a = keys[static_cast<std::size_t>(k1)];
        const PlainKey& b = keys[static_cast<std::size_t>(k2)];
        load[static_cast<std::size_t>(k2)] += f;
        if (a.alter || b.alter || a.hand != b.hand) continue;
        v[3] += f;
        if (a.finger == b.finger) {
            const int distance = std::abs(a.col - b.col) + std::abs(a.row - b.row);
            if (distance > 32767) return std::nullopt;
            v[4] += distance * f;
        } else {
            if (a.row != b.row) {
                if (a.finger > 5 || b.finger > 5) return std::nullopt;
                const int kdi = a.finger == 0 || b.finger == 0
                                    ? 0
                                    : folder.kdi[static_cast<std::size_t>(a.finger - 1)]
                                                [static_cast<std::size_t>(b.finger - 1)];
                v[5] += kdi * f;
            }
            if (b.finger > a.finger) v[6] += f;
        }
    }
    // A shared key and its companion each take half of their joint load.
    for (int k = 1; k < nKeys; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (keys[i].alter && !keys[i].code.empty()) {
            const double half = (load[i] + load[i + 1]) / 2;
            load[i] = load[i + 1] = half;
        }
    }
    for (int j = 0; j <= nKeys; ++j) {
        const double d = load[static_cast<std::size_t>(j)] - best[static_cast<std::size_t>(j)];
        v[1] += d * d;
    }
    return v;
}

float PlainGrade(const RandomFolder& folder, const PlainFigures& v, const PlainFigures& ref) {
    double gjSum = 0;
    float ratioSum = 0;
    for (std::size_t i = 1; i <= 6; ++i) {
        const double gj = Number(folder.gj[i - 1]);
        gjSum += gj;
        if (!(ref[i] > 0)) continue;
        const auto r = static_cast<float>(v[i] / ref[i]);
        ratioSum = static_cast<float>(static_cast<double>(ratioSum) + static_cast<double>(r) * gj);
    }
    const auto grade = static_cast<float>(gjSum / static_cast<double>(ratioSum) - 1.0);
    return ratioSum == 0 || !std::isfinite(grade) ? 0.0f : grade;
}

}  // namespace antkeys::test
