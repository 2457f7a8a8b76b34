#pragma once
// Shared by the fuzz targets: a small fixed keyboard, a sink that only counts, and a check
// that stops the run when an invariant of a reader's result breaks.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/key_tables.hpp"
#include "data/loaders.hpp"
#include "data/message.hpp"

namespace antkeys::fuzz {

class CountingSink final : public MessageSink {
  public:
    void show(const Message&) override { ++count; }
    int count = 0;
};

inline void Check(bool ok) {
    if (!ok) __builtin_trap();
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Q on row 1, A and S on row 2, F flagged (companion at 5), J on row 3.
inline const KeyTables& FixedKeyboard() {
    static const KeyTables keys = [] {
        KeyTables k;
        CountingSink sink;
        LoadKeyDefsText(
            "Code\tHand\tFinger\tCol\tRow\tAlt\r\nQ\t0\t1\t0\t1\t0\r\nA\t0\t1\t0\t2\t0\r\n"
            "S\t0\t2\t1\t2\t0\r\nF\t0\t4\t3\t3\t1\r\nJ\t1\t1\t0\t3\t0\r\n",
            "KeyDefs.txt", k, sink);
        return k;
    }();
    return keys;
}

// Splits the input at its first NUL byte: key definitions before it, the file under test
// after it. Without a NUL, or when the key definitions do not load, the fixed keyboard is used.
inline KeyTables KeyboardAndRest(std::string_view input, std::string& rest) {
    const std::size_t nul = input.find('\0');
    if (nul == std::string_view::npos) {
        rest = std::string(input);
        return FixedKeyboard();
    }
    rest = std::string(input.substr(nul + 1));
    KeyTables keys;
    CountingSink sink;
    if (LoadKeyDefsText(std::string(input.substr(0, nul)), "KeyDefs.txt", keys, sink)) return keys;
    return FixedKeyboard();
}

}  // namespace antkeys::fuzz
