#pragma once
// The share of keystrokes on each key, as the grading counts it: the second character of
// every digraph, a flagged key's load shared half and half with its companion.
#include <array>

#include "data/key_tables.hpp"
#include "data/statistics_tables.hpp"
#include "data/types.hpp"

namespace antkeys {

using KeyLoadTable = std::array<double, kMaxKeys + 1>;

// A flagged key and its companion (the next index) are one key struck by either hand: each
// gets half of their joint load. `alters[k]` is nonzero for a flagged key and its companion;
// keys 1..nKeys are read. The one statement of this rule for every load the program counts.
void ShareCompanionLoads(const Byte* alters, int nKeys, KeyLoadTable& load);

// Characters on a key index beyond the table count for no key. All 0 when the counts add
// up to 0.
KeyLoadTable KeyLoads(const DigraphTables& digraphs, const KeyTables& keys, const Layout& lay);

}  // namespace antkeys
