#pragma once
// Key tables for the tests, always made by the key definitions reader, which adds a companion
// after every flagged key.
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/key_tables.hpp"
#include "data/loaders.hpp"
#include "data/message.hpp"

namespace antkeys::test {

// Key tables from definition lines "code TAB hand TAB finger TAB column TAB row TAB flag".
inline KeyTables Keyboard(const std::vector<std::string>& definitions) {
    std::string text = "Code\tHand\tFinger\tCol\tRow\tAlt\r\n";
    for (const auto& line : definitions) text += line + "\r\n";
    KeyTables keys;
    RecordingSink sink;
    if (!LoadKeyDefsText(text, "KeyDefs.txt", keys, sink) || !sink.messages.empty())
        throw std::runtime_error("the test's key definitions do not load");
    return keys;
}

struct KeySpec {
    std::string code;
    int hand = 0;
    int finger = 2;
    int col = 1;
    int row = 3;
    bool alter = false;
};

inline KeyTables MakeKeys(std::initializer_list<KeySpec> specs) {
    std::vector<std::string> lines;
    for (const KeySpec& s : specs)
        lines.push_back(s.code + "\t" + std::to_string(s.hand) + "\t" + std::to_string(s.finger) +
                        "\t" + std::to_string(s.col) + "\t" + std::to_string(s.row) + "\t" +
                        (s.alter ? "1" : "0"));
    return Keyboard(lines);
}

}  // namespace antkeys::test
