#pragma once
// What the character codes stand for: for each of the 256 codes the character it types and the
// character typed with Shift on the same key. A program folder may hold its own map
// (In/Charset.txt); without one it is the Georgian typewriter charset GEORGIAN-PS (codes 192 and
// up Georgian letters, below 128 ASCII). Everything that turns codes into characters or back
// (exports, pictures, drawings, messages, the digraph counter) goes through one map.
#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "data/types.hpp"

namespace antkeys {

class CharacterMap {
  public:
    static constexpr char32_t kNone = 0xFFFFFFFF;

    struct Entry {
        char32_t base = kNone;   // the character the code stands for
        char32_t shift = kNone;  // the character typed with Shift; kNone: as base
    };
    using Table = std::array<Entry, kCharCodes>;

    // A character without a code of its own, typed as a dead key and then a base character;
    // both are characters of the map (the base or Shift character of a code).
    struct Sequence {
        char32_t composed = kNone;
        char32_t dead = kNone;
        char32_t base = kNone;
    };
    using Sequences = std::vector<Sequence>;

    // The map of a folder without In/Charset.txt: GEORGIAN-PS as the system's iconv knows it
    // (ASCII only without it); Shift gives the capital of a to z and the same character
    // otherwise.
    static const CharacterMap& GeorgianPs();

    CharacterMap() : CharacterMap("", Table{}) {}
    CharacterMap(std::string name, const Table& table, Sequences sequences = {});

    const std::string& name() const { return name_; }
    // The map of folders without a file of their own, or a copy of it.
    bool builtIn() const { return builtIn_; }
    // The Unicode code point of a code; kNone when the map has no character for it.
    char32_t CodePoint(Byte code) const { return table_[code].base; }
    // The character Shift gives on the key of a code; kNone when the code has none.
    char32_t Shift(Byte code) const;
    // UTF-8 text of a code; empty when the map has no character for it.
    const std::string& Utf8(Byte code) const { return utf8_[code]; }
    // A code a person can be shown: it stands for a character that is not a control code.
    bool Shows(Byte code) const;
    // How a message names a code: "character 193 'ბ' (U+10D1)", without the character and
    // code point when it is a control code or has none.
    std::string Describe(Byte code) const;
    // UTF-8 text of a string of codes; codes without a character are dropped.
    std::string ToUtf8(std::string_view codes) const;

    // The code a character of a text counts as, -1 when none: a run of white space is the
    // space (32); a capital is its letter (the Unicode lower case, or the code whose Shift
    // character it is); otherwise the code that stands for the character.
    int CodeOf(char32_t cp) const;

    // The characters typed as sequences, in the order of the map's file.
    const Sequences& sequences() const { return sequences_; }
    // The codes of the dead key and of the base that type `cp` (a capital as its letter);
    // false when `cp` is not typed as a sequence.
    bool SequenceOf(char32_t cp, Byte& dead, Byte& base) const;
    // A code that is the dead key of some sequence.
    bool IsDeadKey(Byte code) const { return deadKey_[code]; }

  private:
    std::string name_;
    bool builtIn_ = false;
    Table table_;
    std::array<std::string, kCharCodes> utf8_{};
    std::unordered_map<char32_t, Byte> byBase_;
    std::unordered_map<char32_t, Byte> byShift_;
    Sequences sequences_;
    std::unordered_map<char32_t, std::pair<Byte, Byte>> bySequence_;
    std::array<bool, kCharCodes> deadKey_{};
};

// The Shift character of a key when a map does not say: the Unicode upper case; a Georgian
// letter itself, as Georgian keyboards have no capitals.
char32_t DefaultShift(char32_t base);

// `shifted` is the capital of the cased letter `base`: Caps Lock gives it too.
bool IsCasePair(char32_t base, char32_t shifted);

// UTF-8 of a code point (no check that it is a character).
std::string Utf8Of(char32_t codePoint);

// "U+00AB".
std::string CodePointName(char32_t codePoint);

// A control code (C0, DEL, C1), a surrogate or beyond Unicode: nothing a key can type.
bool IsUntypeable(char32_t codePoint);

}  // namespace antkeys
