#pragma once
// The keyboard: one entry per key index, entry 0 being the dummy key (empty code, all 0).
// Before the key definitions are loaded the tables are empty and nKeys() is -1.
#include <string>
#include <string_view>
#include <vector>

#include "data/message.hpp"
#include "data/types.hpp"

namespace antkeys {

struct KeyTables {
    std::vector<std::string> codes;  // KeyCodes: empty at 0 and for companions
    std::vector<Byte> hands;         // KeyHands: 0 = left, 1 = right
    std::vector<Byte> fingers;       // KeyFingers: 1..5
    std::vector<Integer> cols;       // KeyCols: column within the hand, outward from the middle
    std::vector<Integer> rows;       // KeyRows: counted from the top
    std::vector<Byte> alters;        // KeyAlters: 1 = flagged key or its companion

    // Upper bound of the key tables (KeyCodes), -1 when never filled.
    int nKeys() const { return static_cast<int>(codes.size()) - 1; }
    // Resizes every table to 0..upper, keeping contents; new entries are empty/0.
    void Resize(int upper);
};

// KeyCode2KeyID: the first key index whose code equals `code` exactly, 0 when `code` is empty,
// unknown, or the first match lies beyond what a Byte can hold.
Byte KeyCode2KeyID(const KeyTables& keys, std::string_view code);

// The same for the layout readers, which report a lookup that cannot work ("Unexpected Error",
// "Error in KeyCode2KeyID"): a non-empty code while the key tables were never filled, or a
// code whose key lies beyond what a Byte can hold. Both give 0.
Byte KeyCode2KeyID(const KeyTables& keys, std::string_view code, MessageSink& sink);

}  // namespace antkeys
