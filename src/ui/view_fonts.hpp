#pragma once
// Fonts and texts of the layout and pheromone windows. The windows were designed for the face
// "Geo_Arial", which draws Georgian letters at the single-byte codes from 192 up. We turn the
// codes into Unicode (data/charset.hpp) and ask for a face that has Georgian glyphs, trying
// "Geo_Arial" first in case it is installed.
#include <QFont>
#include <QString>

#include "data/types.hpp"

namespace antkeys {

// Font sizes are given in points as designed and set in pixels at 96 dots per inch
// (12 pt = 16 px, 9.75 pt = 13 px, 14.25 pt = 19 px), so drawings do not depend on the
// screen's reported resolution.
int PointsToPixels(double points);

// "Geo_Arial" at the given size, falling back to faces with Georgian glyphs.
QFont GeorgianViewFont(double points, bool bold = false);

// A named face (e.g. "Tahoma") at the given size, falling back to a common sans face.
QFont NamedViewFont(const QString& face, double points, bool bold = false);

// The text of one character code: Georgian letters from 192 up, ASCII below 128.
QString CodeText(Byte code);

// A single-byte caption (ui/captions.hpp) as Unicode text.
QString CaptionText(const char* singleByte);

}  // namespace antkeys
