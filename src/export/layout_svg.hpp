#pragma once
// A picture of a layout on its keyboard: each key with its characters, shaded by its share
// of keystrokes, with that share and the key's target share; a heading with the grade and a
// legend. Plain SVG.
#include <string>
#include <utility>
#include <vector>

#include "data/charset.hpp"
#include "data/key_tables.hpp"
#include "data/statistics_tables.hpp"
#include "data/types.hpp"
#include "eval/key_loads.hpp"
#include "eval/workspace.hpp"

namespace antkeys {

struct LayoutPictureData {
    std::string title;      // the layout's name
    std::string gradeLine;  // the grade against the reference, as a sentence
    // The relative figures: ("dV1", "12.34%"), ...
    std::vector<std::pair<std::string, std::string>> figures;
    Layout lay{};
    KeyLoadTable load{};         // per key index, after load sharing
    BestLoadTable target{};      // BestLoad
    std::vector<Byte> unplaced;  // letters the layout leaves off the keyboard
    const CharacterMap* chars = &CharacterMap::GeorgianPs();
};

struct SvgPicture {
    std::string text;
    int width = 0;
    int height = 0;
};

SvgPicture LayoutSvg(const LayoutPictureData& data, const KeyTables& keys);

// The text of one character code in the picture: its UTF-8 form, "␣" for the space,
// "#code" for a code the character set cannot show. Escaped for XML.
std::string CharacterLabel(Byte code, const CharacterMap& chars);

// The picture's tables for a layout on the loaded keyboard: the key loads from the digraph
// counts, the target loads, and the reference layout's letters it leaves off the keyboard.
// The title, grade line and figures stay for the caller.
LayoutPictureData PictureOfLayout(const Layout& lay, const Workspace& ws);

// Text made safe for XML character data and attribute values.
std::string XmlEscape(const std::string& text);

}  // namespace antkeys
