#pragma once
// Small in-memory keyboards and digraph lists for the analyzer and grading tests.
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "data/key_tables.hpp"
#include "data/loaders.hpp"
#include "data/message.hpp"
#include "data/statistics_tables.hpp"
#include "data/types.hpp"
#include "eval/key_analizer.hpp"
#include "support/keyboards.hpp"

namespace antkeys::test {

namespace letters {
constexpr int a = 97, b = 98, c = 99, d = 100, e = 101, x = 120, sp = 32;
}  // namespace letters

// 1 A left index home, 2 B left middle home, 3 C left index top (one column out),
// 4 D left ring bottom, 5 E right index home, 6 the space bar (flagged), 7 its companion.
inline KeyTables SixKeys() {
    return MakeKeys({{"A", 0, 2, 1, 3},
                     {"B", 0, 3, 2, 3},
                     {"C", 0, 2, 2, 2},
                     {"D", 0, 4, 3, 4},
                     {"E", 1, 2, 1, 3},
                     {"Space", 0, 1, 0, 5, true}});
}

// Digraphs given as (first code, second code, count).
inline DigraphTables MakeDigraphs(std::initializer_list<std::tuple<int, int, Long>> list) {
    DigraphTables d;
    for (const auto& [a, b, n] : list) {
        d.first.push_back(static_cast<Byte>(a));
        d.second.push_back(static_cast<Byte>(b));
        d.count.push_back(n);
    }
    return d;
}

inline KdiTable MakeKdi(int base = 1) {
    KdiTable kdi{};
    for (std::size_t i = 1; i <= 5; ++i)
        for (std::size_t j = 1; j <= 5; ++j)
            kdi[i][j] = static_cast<Byte>(base + static_cast<int>(10 * i + j));
    return kdi;
}

// Places characters on key indexes: {code, key index}.
inline Layout MakeLayout(std::initializer_list<std::pair<int, int>> places) {
    Layout lay{};
    for (const auto& [c, k] : places) lay[static_cast<std::size_t>(c)] = static_cast<Byte>(k);
    return lay;
}

// a to e and the space on their keys of SixKeys().
inline Layout SixPlaced() {
    using namespace letters;
    return MakeLayout({{a, 1}, {b, 2}, {c, 3}, {d, 4}, {e, 5}, {sp, 6}});
}

inline KeyAnalizer MakeAnalizer(const DigraphTables& d, const KeyTables& keys,
                                const BestLoadTable& bestLoad = {},
                                const KdiTable& kdi = MakeKdi()) {
    KeyAnalizer a;
    RecordingSink sink;
    if (!a.Init(d, bestLoad, keys, kdi, sink)) throw std::runtime_error("Init failed");
    return a;
}

}  // namespace antkeys::test
