#include "data/key_geometry.hpp"

#include <algorithm>

namespace antkeys {
namespace {

// How far a row's keys lie right of the number row's on an ANSI board: Tab is 1.5 keys
// wide, Caps Lock 1.75, the left Shift 2.25.
double RowShift(int row) {
    switch (row) {
        case 2:
            return 0.5;
        case 3:
            return 0.75;
        case 4:
            return 1.25;
        default:
            return 0;
    }
}

// The space bar of an ANSI board spans from 3.75 to 10 key widths.
constexpr double kThumbLeft = 3.75;
constexpr double kThumbRight = 10.0;

}  // namespace

int KeyCol2ScrCol(Byte hand, Integer col) {
    return hand == 0 ? 6 - int{col} : int{col} + 5;
}

std::vector<KeyBox> KeyBoxes(const KeyTables& keys) {
    std::vector<KeyBox> boxes;
    const int nKeys = keys.nKeys();
    for (int k = 1; k <= nKeys; ++k) {
        const auto i = static_cast<std::size_t>(k);
        KeyBox box;
        box.key = k;
        box.y = keys.rows[i];
        if (keys.cols[i] <= 0) {
            // A thumb key: the whole bar when both hands share it, else its hand's half.
            const double middle = (kThumbLeft + kThumbRight) / 2;
            const bool shared = keys.alters[i] != 0;
            box.x = shared || keys.hands[i] == 0 ? kThumbLeft : middle;
            box.w = shared ? kThumbRight - kThumbLeft : middle - kThumbLeft;
        } else {
            box.x = KeyCol2ScrCol(keys.hands[i], keys.cols[i]) + RowShift(keys.rows[i]);
        }
        boxes.push_back(box);
        if (keys.alters[i] != 0) ++k;  // its companion is the same key
    }
    if (boxes.empty()) return boxes;
    double minX = boxes.front().x, minY = boxes.front().y;
    for (const KeyBox& b : boxes) {
        minX = std::min(minX, b.x);
        minY = std::min(minY, b.y);
    }
    for (KeyBox& b : boxes) {
        b.x -= minX;
        b.y -= minY;
    }
    return boxes;
}

}  // namespace antkeys
