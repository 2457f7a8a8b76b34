#pragma once
// Counts ordered pairs of consecutive characters of UTF-8 text, by single-byte character code:
// Georgian letters by their GEORGIAN-PS code, ASCII as itself, every run of white space as one
// space (32). Text is lower-cased first (A-Z, Georgian Mtavruli to Mkhedruli); characters
// without a code are dropped and counted.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace antkeys {

class DigraphCounter {
  public:
    DigraphCounter();

    // False when the system's iconv has no GEORGIAN-PS; error() says so.
    bool ready() const { return ready_; }
    const std::string& error() const { return error_; }

    // Any number of bytes; a character split between two calls is put together.
    void Feed(const char* data, std::size_t size);
    // The start or the end of a text: counts as white space. A character left incomplete
    // at the end of a text is dropped.
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

  private:
    void Decode(unsigned char byte);
    void Character(char32_t cp);
    void Put(int code);
    void Drop(char32_t cp);

    std::vector<std::uint64_t> counts_ = std::vector<std::uint64_t>(256 * 256, 0);
    std::array<unsigned char, 0x30> georgian_{};  // U+10D0.. -> code, 0 = none
    int last_ = -1;                               // code of the previous character, -1 at start
    int beforeLast_ = -1;                         // and of the one before it
    bool countTrigrams_ = false;
    std::unordered_map<std::uint32_t, std::uint64_t> trigrams_;
    char32_t cp_ = 0;   // character being decoded
    char32_t min_ = 0;  // smallest value its length may encode
    int need_ = 0;      // continuation bytes still expected
    std::uint64_t kept_ = 0;
    std::uint64_t dropped_ = 0;
    std::unordered_map<char32_t, std::uint64_t> droppedBy_;
    bool ready_ = false;
    std::string error_;
};

}  // namespace antkeys
