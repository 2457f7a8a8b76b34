#pragma once
// Which character of a layout each key of the US keyboard carries, the step every export
// begins with. A key the layout leaves empty keeps its US characters.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "data/charset.hpp"
#include "data/key_tables.hpp"
#include "data/types.hpp"
#include "export/us_keyboard.hpp"

namespace antkeys {

struct KeyAssignment {
    static constexpr char32_t kUs = 0;  // the key keeps its US characters
    std::array<char32_t, kUsKeyCount> chars{};
    std::array<char32_t, kUsKeyCount> shifts{};  // the map's Shift character of each of them
    std::array<Byte, kUsKeyCount> codes{};       // the layout's code on the key
    int exported = 0;
    std::vector<std::string> problems;

    // The characters a key gives without and with Shift. With `usShift` Shift gives the key's
    // US character; otherwise the map's Shift character of the layout's character.
    char32_t Base(std::size_t key) const;
    char32_t Shifted(std::size_t key, bool usShift) const;
    // What Caps Lock gives: the capital of a cased letter, the character itself otherwise.
    char32_t CapsLocked(std::size_t key) const;
};

// Every placed character goes on its key; one problem per character that cannot: a control
// code or a code the mapping has none for, a character beyond `maxCodePoint`, a key the US
// keyboard has no place for (`noKey` says so in the format's words: "XKB has no name for this
// key"), or a key that already carries a lower code.
KeyAssignment AssignKeys(const Layout& lay, const KeyTables& keys, const CharacterMap& chars,
                         std::string_view noKey, char32_t maxCodePoint = 0x10FFFF);

}  // namespace antkeys
