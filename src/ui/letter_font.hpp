#pragma once
// The characters a layout places, as the views print them: in the folder's character map and
// a face that holds its script. The built-in GEORGIAN-PS map keeps the Georgian caption face.
#include <QFont>
#include <QString>

#include "data/charset.hpp"
#include "data/types.hpp"

namespace antkeys {

QString LetterText(const CharacterMap& chars, Byte code);

// The first installed face that has every character of the map (DejaVu Sans, then the Noto
// faces of single scripts); the Georgian caption face for the built-in map.
QFont LetterFont(const CharacterMap& chars, double pointSize);

}  // namespace antkeys
