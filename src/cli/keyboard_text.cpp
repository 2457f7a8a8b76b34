#include "cli/keyboard_text.hpp"

#include <algorithm>
#include <climits>
#include <map>

#include "data/charset.hpp"
#include "data/key_geometry.hpp"

namespace antkeys::cli {

std::vector<std::string> KeyboardText(const Layout& lay, const KeyTables& keys,
                                      const CharacterMap& chars) {
    const int nKeys = keys.nKeys();
    if (nKeys < 1) return {};

    // The character each key carries: the highest code wins, as it is drawn last.
    std::vector<int> carried(static_cast<std::size_t>(nKeys) + 1, -1);
    for (int ch = 32; ch < kCharCodes; ++ch) {
        const int k = lay[static_cast<std::size_t>(ch)];
        if (k > 0 && k <= nKeys) carried[static_cast<std::size_t>(k)] = ch;
    }

    // (row, screen column) -> the character shown there, -1 for a key without one. A key
    // carrying a character beats one that shares its place without one (a companion).
    std::map<std::pair<int, int>, int> cells;
    int minCol = INT_MAX;
    int maxCol = INT_MIN;
    for (int k = 1; k <= nKeys; ++k) {
        const auto at = static_cast<std::size_t>(k);
        const int col = KeyCol2ScrCol(keys.hands[at], keys.cols[at]);
        minCol = std::min(minCol, col);
        maxCol = std::max(maxCol, col);
        auto [it, added] = cells.emplace(std::make_pair(int{keys.rows[at]}, col), carried[at]);
        if (!added && it->second < 0) it->second = carried[at];
    }

    std::vector<std::string> lines;
    const int firstRow = cells.begin()->first.first;
    const int lastRow = cells.rbegin()->first.first;
    for (int row = firstRow; row <= lastRow; ++row) {
        // Half a key (one character) further right per row, as on the keyboard.
        std::string line(static_cast<std::size_t>(row - firstRow), ' ');
        bool any = false;
        for (int col = minCol; col <= maxCol; ++col) {
            if (col == 6 && minCol < 6) line += "  ";  // between the hands
            const auto it = cells.find({row, col});
            if (it == cells.end()) {
                line += "  ";
                continue;
            }
            if (it->second < 0) {
                line += "\u00B7";
            } else if (it->second == ' ') {
                line += "\u2423";  // the space bar
            } else if (chars.Shows(static_cast<Byte>(it->second))) {
                line += chars.Utf8(static_cast<Byte>(it->second));
            } else {
                line += '?';
            }
            line += ' ';
            any = true;
        }
        if (!any) continue;
        while (!line.empty() && line.back() == ' ') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

}  // namespace antkeys::cli
