#pragma once
// An XKB symbols file for a layout: the US basic layout with the layout's characters on
// the keys it uses.
#include <string>
#include <vector>

#include "data/key_tables.hpp"
#include "data/types.hpp"

namespace antkeys {

struct XkbSymbols {
    std::string text;                   // the whole file
    int exported = 0;                   // characters written
    std::vector<std::string> problems;  // one line per character or key left out
};

// A valid name for the symbols file and its layout: letters, digits, '_' and '-'.
bool IsXkbLayoutName(const std::string& name);

// A layout name made from a file name: its stem with other characters turned into '_',
// "antkeys" when nothing is left.
std::string XkbLayoutNameFor(const std::string& path);

// Every placed character goes on its key's XKB name at level 1 and, shifted, at level 2;
// keys the layout leaves empty keep their US characters. `source` names the layout in
// the file's comment.
XkbSymbols MakeXkbSymbols(const Layout& lay, const KeyTables& keys, const std::string& name,
                          const std::string& source);

}  // namespace antkeys
