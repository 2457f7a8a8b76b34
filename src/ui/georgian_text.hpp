#pragma once
// The Georgian captions are single-byte strings of the Georgian typewriter charset. Where the
// single-byte face "Geo_Arial" is installed they are shown as they are in that face; elsewhere
// they are converted to Unicode and shown in a face that has Georgian letters.
#include <string_view>

#include <QFont>
#include <QString>

namespace antkeys {

// The display text of a caption held as single-byte Georgian.
QString GeorgianText(std::string_view bytes);

// The caption face at the given size: "Geo_Arial" when installed, otherwise the first of
// "DejaVu Sans", "Noto Sans Georgian" that is installed, otherwise the application's face.
QFont GeorgianFont(double pointSize);

// The face GeorgianFont uses, for messages and tests.
QString GeorgianFamily();

// The point sizes of the caption fonts, before any fitting.
inline constexpr double kCaptionPointSize = 9.75;
inline constexpr double kSmallCaptionPointSize = 8.25;

}  // namespace antkeys
