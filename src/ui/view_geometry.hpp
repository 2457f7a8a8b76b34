#pragma once
// Where the layout and pheromone windows print on their keyboard pictures. Both windows use
// one scheme: a key size taken from a key template, a shift of the first row up, and a shift
// to the right per row, since each row of the picture lies half a key right of the row above.
// All values are pixels of the window (1 px = 15 twips at 96 dots per inch).
#include <array>

#include "data/key_geometry.hpp"
#include "data/types.hpp"

namespace antkeys {

struct ScreenPoint {
    double x = 0;
    double y = 0;
};

struct KeyGrid {
    double keyW = 0;
    double keyH = 0;
    double topShift = 0;
    std::array<double, 4> rowShift{};  // rows 1..4 of the keyboard

    // The point at `fraction` of a key across and down from the key's grid origin (0.5 for
    // the top-left of a printed label, 0.65 for a pheromone mark). False for a row outside
    // 1..4: the pictures have no place for it.
    bool At(Byte hand, Integer col, Integer row, double fraction, ScreenPoint& point) const;
};

// frmLay: a 480-twip (32 px) key template; KeyW = KeyH = 0.94 x 32 = 30.08 px, TopShift =
// -0.3 x KeyH = -9.024 px, RowShift = -0.1 x KeyW + r x 0.5 x KeyW = -3.008, 12.032, 27.072,
// 42.112 px (451.2, -135.36, -45.12, 180.48, 406.08, 631.68 twips).
KeyGrid LayWindowGrid();

// frmPhero: a 705-twip (47 px) key template; KeyW = KeyH = 0.96 x 47 = 45.12 px, TopShift =
// -0.17 x KeyH = -7.6704 px, RowShift = -9.024, 13.536, 36.096, 58.656 px.
KeyGrid PheroWindowGrid();

}  // namespace antkeys
