#pragma once
// Window geometry is given in twips (1/1440 inch); at 96 dots per inch 15 twips make a pixel.
#include <cmath>

#include <QPoint>
#include <QRect>

namespace antkeys {

inline constexpr int kTwipsPerPixel = 15;

inline int TwipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

// Left, top, width and height in twips, as a rectangle in pixels.
inline QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace antkeys
