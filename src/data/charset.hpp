#pragma once
// The single-byte character set of the character codes: the Georgian typewriter charset
// (GEORGIAN-PS: codes 192 and up are Georgian letters, below 128 ASCII). Everything that shows
// a character code to a person (exports, pictures, drawings, messages) goes through this one
// mapping.
#include <array>
#include <string>
#include <string_view>

#include "data/types.hpp"

namespace antkeys {

class CharacterMap {
  public:
    // GEORGIAN-PS as the system's iconv knows it; without it, ASCII only.
    static const CharacterMap& GeorgianPs();

    const std::string& name() const { return name_; }
    // The Unicode code point of a code; kNone when the set has no character for it.
    static constexpr char32_t kNone = 0xFFFFFFFF;
    char32_t CodePoint(Byte code) const { return codePoints_[code]; }
    // UTF-8 text of a code; empty when the set has no character for it.
    const std::string& Utf8(Byte code) const { return utf8_[code]; }
    // How a message names a code: "character 193 'ბ' (U+10D1)", without the character and
    // code point when it is a control code or has none.
    std::string Describe(Byte code) const;

  private:
    CharacterMap() = default;
    std::string name_;
    std::array<char32_t, 256> codePoints_{};
    std::array<std::string, 256> utf8_{};
};

// UTF-8 text of one character code in GEORGIAN-PS; empty when it has no character for it.
const std::string& CodeToUtf8(Byte code);

// UTF-8 text of a single-byte string; characters without a mapping are dropped.
std::string SingleByteToUtf8(std::string_view bytes);

// UTF-8 of a code point (no check that it is a character).
std::string Utf8Of(char32_t codePoint);

// A control code (C0, DEL, C1), a surrogate or beyond Unicode: nothing a key can type.
bool IsUntypeable(char32_t codePoint);

}  // namespace antkeys
