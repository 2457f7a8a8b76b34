#pragma once
// A Windows keyboard layout source file (.klc), as the Microsoft Keyboard Layout Creator
// opens it and builds an installable layout from it: UTF-16LE with a byte order mark, CR LF
// line ends, TAB-separated fields. Every key keeps its US scan code and virtual key, so
// shortcuts such as Ctrl+C stay where they are; the characters are 4-hex-digit code points.
#include <string>
#include <string_view>

#include "export/exporter.hpp"

namespace antkeys {

struct WindowsLocale {
    std::string_view name;      // "ka-GE"
    unsigned id;                // LCID, 0x0437
    std::string_view language;  // "Georgian (Georgia)"
};

// The locales --locale takes; nullptr for one it does not know.
const WindowsLocale* FindWindowsLocale(std::string_view name);
// Their names, comma-separated, for messages.
std::string WindowsLocaleNames();

// UTF-8 text as UTF-16LE with a byte order mark, each "\n" written as CR LF.
std::string Utf16LeFile(std::string_view utf8);

const Exporter& KlcExporter();

}  // namespace antkeys
