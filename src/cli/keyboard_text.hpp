#pragma once
// A layout drawn as a keyboard in plain text: one line per key row, the keys in screen
// order (left hand outward-in, then right hand inward-out), each row shifted half a key to
// the right of the row above, as on the keyboard picture.
#include <string>
#include <vector>

#include "data/charset.hpp"
#include "data/key_tables.hpp"
#include "data/types.hpp"

namespace antkeys::cli {

// Each key shows the character it carries (UTF-8), "␣" for the space, "·" when it carries
// none; control codes (below 32) are not drawn. Lines carry no trailing blanks.
std::vector<std::string> KeyboardText(const Layout& lay, const KeyTables& keys,
                                      const CharacterMap& chars);

}  // namespace antkeys::cli
