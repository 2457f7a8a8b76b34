#pragma once
// Small in-memory keyboards and digraph lists for the analyzer and grading tests.
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "data/key_tables.hpp"
#include "data/message.hpp"
#include "data/statistics_tables.hpp"
#include "data/types.hpp"
#include "eval/key_analizer.hpp"

namespace antkeys::test {

struct KeySpec {
    std::string code;
    int hand = 0;
    int finger = 2;
    int col = 1;
    int row = 3;
    bool alter = false;
};

// Key tables as the key definitions loader builds them: entry 0 empty, a companion after
// every flagged key.
inline KeyTables MakeKeys(std::initializer_list<KeySpec> specs) {
    KeyTables keys;
    keys.Resize(0);
    int i = 0;
    for (const KeySpec& s : specs) {
        keys.Resize(++i);
        const auto k = static_cast<std::size_t>(i);
        keys.codes[k] = s.code;
        keys.hands[k] = static_cast<Byte>(s.hand);
        keys.fingers[k] = static_cast<Byte>(s.finger);
        keys.cols[k] = static_cast<Integer>(s.col);
        keys.rows[k] = static_cast<Integer>(s.row);
        keys.alters[k] = s.alter ? 1 : 0;
        if (s.alter) {
            keys.Resize(++i);
            const auto c = static_cast<std::size_t>(i);
            keys.hands[c] = s.hand == 0 ? 1 : 0;
            keys.fingers[c] = keys.fingers[k];
            keys.cols[c] = keys.cols[k];
            keys.rows[c] = keys.rows[k];
            keys.alters[c] = 1;
        }
    }
    return keys;
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

inline KeyAnalizer MakeAnalizer(const DigraphTables& d, const KeyTables& keys,
                                const BestLoadTable& bestLoad = {},
                                const KdiTable& kdi = MakeKdi()) {
    KeyAnalizer a;
    RecordingSink sink;
    if (!a.Init(d, bestLoad, keys, kdi, sink)) throw std::runtime_error("Init failed");
    return a;
}

}  // namespace antkeys::test
