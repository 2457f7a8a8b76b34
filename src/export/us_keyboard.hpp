#pragma once
// The typing keys of a US (ANSI) keyboard and what each system calls them: the one table of
// keys every export shares. Layout files name a key by its US legend ("Q" or "q", ";",
// "Space") or by its XKB name ("AD01", "<AD01>").
#include <cstddef>
#include <span>
#include <string_view>

namespace antkeys {

struct UsKey {
    std::string_view legend;  // the unshifted US legend: "Q", ";", "Space"
    std::string_view xkb;     // XKB key name: "AD01"
    char32_t base;            // the US characters without and with Shift
    char32_t shift;
    int scanCode;         // Windows scan code (set 1)
    std::string_view vk;  // Windows virtual key without "VK_": "Q", "OEM_1", "SPACE"
    int macCode;          // macOS virtual key code of the ANSI keyboard
    int row;              // 0 = the digit row ... 4 = the space bar's row
};

inline constexpr std::size_t kUsKeyCount = 48;

// In rows from the top, each row from the left.
std::span<const UsKey, kUsKeyCount> UsKeys();

// The index in UsKeys() of the key a key code names; -1 for none.
int FindUsKey(std::string_view keyCode);

}  // namespace antkeys
