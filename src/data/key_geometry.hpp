#pragma once
// Where each key of a keyboard sits in a picture, in key widths, from its row, hand and
// column: the rows staggered as on an ANSI board, thumb keys (column 0) as a space bar.
#include <vector>

#include "data/key_tables.hpp"
#include "data/types.hpp"

namespace antkeys {

// KeyCol2ScrCol: screen column of a key, 0 = leftmost. Left-hand columns 1..6 become 5..0,
// right-hand columns 1..6 become 6..11. Worked out in int, so no column can overflow.
int KeyCol2ScrCol(Byte hand, Integer col);

struct KeyBox {
    int key = 0;  // key index; a flagged key's box stands for its companion too
    double x = 0, y = 0, w = 1, h = 1;
};

// One box per key index 1..nKeys except companions, in key index order, moved so that the
// leftmost and topmost boxes touch 0.
std::vector<KeyBox> KeyBoxes(const KeyTables& keys);

}  // namespace antkeys
