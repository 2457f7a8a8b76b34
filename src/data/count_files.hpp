#pragma once
// The files of counted texts: DiGraphs.txt and TriGraphs.txt as text, beside their readers
// (digraphs_file.cpp, trigraphs_file.cpp), and the characters a layout file places, which
// choose the pairs kept.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>

namespace antkeys {

using PlacedCodes = std::array<bool, 256>;

// The codes a layout file lists with a non-empty key code. False with `error` (the file and
// line first) when the file cannot be read.
bool LoadPlacedCodes(const std::string& path, PlacedCodes& placed, std::string& error);

// DiGraphs.txt: a header, then "code1 TAB code2 TAB count" CR LF for every pair of placed codes
// counted at least once, sorted by codes. False with `error` when a count is beyond a Long.
struct CountsWritten {
    std::string text;
    std::uint64_t lines = 0;
    std::uint64_t occurrences = 0;
};
bool DigraphsText(const std::function<std::uint64_t(int, int)>& count, const PlacedCodes& placed,
                  CountsWritten& written, std::string& error);

// TriGraphs.txt from (code1 << 16 | code2 << 8 | code3, count) pairs: the sequences of three
// placed codes, sorted by codes. False with `error` when a count is beyond a Long.
bool TrigraphsText(const std::unordered_map<std::uint32_t, std::uint64_t>& counts,
                   const PlacedCodes& placed, CountsWritten& written, std::string& error);

}  // namespace antkeys
