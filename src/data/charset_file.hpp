#pragma once
// In/Charset.txt, a program folder's own character map: a header line, then one line per code,
// "code<TAB>character<TAB>Shift character". A character is written as itself in UTF-8 or as
// U+XXXX; without the Shift field Shift gives the Unicode upper case. Code 32 is the space
// whether listed or not; codes not listed stand for no character.
#include <string>

#include "data/charset.hpp"
#include "data/message.hpp"
#include "data/program_folder.hpp"

namespace antkeys {

bool LoadCharset(const std::string& path, CharacterMap& map, MessageSink& sink);
bool LoadCharsetText(std::string content, const std::string& name, CharacterMap& map,
                     MessageSink& sink);

// The folder's In/Charset.txt, or GEORGIAN-PS when the folder has none.
bool LoadFolderCharset(const InputPaths& paths, CharacterMap& map, MessageSink& sink);

// The file text of a map, lines ended by CR LF.
std::string CharsetFileText(const CharacterMap& map);

}  // namespace antkeys
