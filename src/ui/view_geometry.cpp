#include "ui/view_geometry.hpp"

#include "ui/twips.hpp"

namespace antkeys {
namespace {

KeyGrid MakeGrid(double templatePx, double keyFactor, double topFactor, double rowFactor) {
    KeyGrid grid;
    grid.keyW = keyFactor * templatePx;
    grid.keyH = keyFactor * templatePx;
    grid.topShift = topFactor * grid.keyH;
    grid.rowShift[0] = rowFactor * grid.keyW;
    for (std::size_t r = 1; r < grid.rowShift.size(); ++r)
        grid.rowShift[r] = grid.rowShift[r - 1] + 0.5 * grid.keyW;
    return grid;
}

}  // namespace

bool KeyGrid::At(Byte hand, Integer col, Integer row, double fraction, ScreenPoint& point) const {
    const int r = int{row} - 1;
    if (r < 0 || r >= static_cast<int>(rowShift.size())) return false;
    const int c = KeyCol2ScrCol(hand, col);
    point.x = (c + fraction) * keyW + rowShift[static_cast<std::size_t>(r)];
    point.y = (r + fraction) * keyH + topShift;
    return true;
}

KeyGrid LayWindowGrid() {
    return MakeGrid(480.0 / kTwipsPerPixel, 0.94, -0.3, -0.1);
}

KeyGrid PheroWindowGrid() {
    return MakeGrid(705.0 / kTwipsPerPixel, 0.96, -0.17, -0.2);
}

}  // namespace antkeys
