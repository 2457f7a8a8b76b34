#pragma once
// A macOS keyboard layout (.keylayout) for ~/Library/Keyboard Layouts: XML with the ANSI
// virtual key codes, a map without and one with Shift, and a map for the Command key that
// keeps the US characters, so shortcuts stay where they are. The keyboard's id is negative,
// as for Unicode layouts made outside Apple, and follows from the name.
//
// The file is XML 1.0, so any XML reader can check it. XML 1.0 cannot carry most control
// characters, so the keys that type them (Escape, the arrows, Home, End, the function keys)
// are left to the system; Return, Tab, Delete and the keypad are in the maps.
#include <string>

#include "export/exporter.hpp"

namespace antkeys {

// The keyboard id of a layout name: -2 down to -32768.
int KeylayoutId(const std::string& name);

const Exporter& KeylayoutExporter();

}  // namespace antkeys
