#pragma once
// Character maps made from the single-byte character sets the system's iconv knows (KOI8-R,
// CP1251, ISO-8859-7, ARMSCII-8, ...). Only the commands that write a map use iconv: a folder's
// own map is read from its file.
#include <string>

#include "data/charset.hpp"

namespace antkeys {

// The character of every code of `name`, Shift left unset. False with the reason in `why`
// when iconv does not know the name or the set is not single-byte.
bool IconvCharsetTable(const std::string& name, CharacterMap::Table& table, std::string& why);

// The same with each Shift character as DefaultShift gives it.
bool IconvCharsetMap(const std::string& name, CharacterMap& map, std::string& why);

}  // namespace antkeys
