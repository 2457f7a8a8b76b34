#include "ui/key_cells.hpp"

#include <algorithm>

namespace antkeys {

bool KeyCell(const KeyGrid& grid, const KeyTables& keys, int k, QRectF& cell) {
    const auto known = std::min({keys.hands.size(), keys.rows.size(), keys.cols.size()});
    if (k < 1 || static_cast<std::size_t>(k) >= known) return false;
    const auto i = static_cast<std::size_t>(k);
    ScreenPoint origin;
    if (!grid.At(keys.hands[i], keys.cols[i], keys.rows[i], 0.0, origin)) return false;
    // The grid's origin carries the print shifts: without them it is the picture's key.
    cell = QRectF(origin.x - grid.rowShift[0], origin.y - grid.topShift, grid.keyW, grid.keyH);
    return true;
}

int KeyAt(const KeyGrid& grid, const KeyTables& keys, QPointF p) {
    for (int k = 1; k <= keys.nKeys(); ++k) {
        QRectF cell;
        if (keys.codes[static_cast<std::size_t>(k)].empty()) continue;
        if (KeyCell(grid, keys, k, cell) && cell.contains(p)) return k;
    }
    return 0;
}

int TopCharOn(const Layout& lay, int k) {
    if (k < 1) return -1;
    for (int ch = kCharCodes - 1; ch >= 33; --ch)
        if (lay[static_cast<std::size_t>(ch)] == k) return ch;
    return -1;
}

}  // namespace antkeys
