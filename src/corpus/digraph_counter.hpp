#pragma once
// Counts ordered pairs of consecutive characters of UTF-8 text, by the character codes of a
// map. The text is put in NFC first, so a letter written as a base and a combining mark counts
// as the composed letter; a capital counts as its letter (CharacterMap::CodeOf), every run of
// white space as one space (32); a character the map types as a sequence counts as its dead key
// and its base. Characters with neither are dropped and counted.
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include "data/charset.hpp"

namespace antkeys {

class DigraphCounter {
  public:
    explicit DigraphCounter(const CharacterMap& map);

    // Any number of bytes; a character split between two calls is put together.
    void Feed(const char* data, std::size_t size);
    // The start or the end of a text: counts as white space. A character left incomplete
    // at the end of a text is malformed.
    void Boundary();

    std::uint64_t Count(int first, int second) const {
        return counts_[static_cast<std::size_t>(first * 256 + second)];
    }
    // Also counts three-character sequences from now on, in the same stream of codes.
    void CountTrigrams() { countTrigrams_ = true; }
    // The counted sequences by first * 65536 + second * 256 + third.
    const std::unordered_map<std::uint32_t, std::uint64_t>& trigrams() const { return trigrams_; }

    std::uint64_t kept() const { return kept_; }
    std::uint64_t dropped() const { return dropped_; }
    // Dropped characters by code point; malformed UTF-8 is listed as U+FFFD.
    const std::unordered_map<char32_t, std::uint64_t>& droppedByChar() const { return droppedBy_; }
    // Bytes fed so far, and where the first malformed sequence began (-1: none).
    std::uint64_t fed() const { return fed_; }
    std::int64_t firstMalformed() const { return firstMalformed_; }

  private:
    void Decode(unsigned char byte);
    void Malformed(std::uint64_t at);
    void Decoded(char32_t cp);
    void Flush();
    void Character(char32_t cp);
    void Put(int code);
    void Drop(char32_t cp);

    const CharacterMap& map_;
    const icu::Normalizer2* nfc_ = nullptr;
    icu::UnicodeString segment_;      // characters since the last NFC boundary
    std::vector<std::int16_t> near_;  // CodeOf for the first code points, -1 = none
    std::vector<std::uint64_t> counts_ = std::vector<std::uint64_t>(256 * 256, 0);
    int last_ = -1;        // code of the previous character, -1 at start
    int beforeLast_ = -1;  // and of the one before it
    bool textStart_ = true;
    bool countTrigrams_ = false;
    std::unordered_map<std::uint32_t, std::uint64_t> trigrams_;
    char32_t cp_ = 0;   // character being decoded
    char32_t min_ = 0;  // smallest value its length may encode
    int need_ = 0;      // continuation bytes still expected
    std::uint64_t fed_ = 0;
    std::uint64_t leadAt_ = 0;  // where the character being decoded began
    std::int64_t firstMalformed_ = -1;
    std::uint64_t kept_ = 0;
    std::uint64_t dropped_ = 0;
    std::unordered_map<char32_t, std::uint64_t> droppedBy_;
};

}  // namespace antkeys
