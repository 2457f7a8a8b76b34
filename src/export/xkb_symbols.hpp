#pragma once
// An XKB symbols file for a layout: the US basic layout with the layout's characters on
// the keys it uses. Every placed character goes on its key's XKB name at level 1 and, shifted,
// at level 2.
#include <string>

#include "export/exporter.hpp"

namespace antkeys {

// A valid name for the symbols file and its layout: letters, digits, '_' and '-'.
bool IsXkbLayoutName(const std::string& name);

// A layout name made from a file name: its stem with other characters turned into '_',
// "antkeys" when nothing is left.
std::string XkbLayoutNameFor(const std::string& path);

const Exporter& XkbExporter();

}  // namespace antkeys
