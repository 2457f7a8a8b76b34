#pragma once
// Helpers for the view-window tests: a small keyboard and pixel checks on grabbed images.
#include <string>

#include "data/key_tables.hpp"
#include "data/types.hpp"
#include "support/pixels.hpp"

namespace antkeys::test {

struct KeySpec {
    const char* code;
    Byte hand;
    Integer col;
    Integer row;
};

// Key tables from a list of keys; index 0 is the dummy key.
inline KeyTables MakeKeys(std::initializer_list<KeySpec> specs) {
    KeyTables keys;
    keys.Resize(static_cast<int>(specs.size()));
    std::size_t i = 1;
    for (const KeySpec& s : specs) {
        keys.codes[i] = s.code;
        keys.hands[i] = s.hand;
        keys.fingers[i] = 1;
        keys.cols[i] = s.col;
        keys.rows[i] = s.row;
        ++i;
    }
    return keys;
}

}  // namespace antkeys::test
