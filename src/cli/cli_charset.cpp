// antkeys-cli charset: a character map (In/Charset.txt) from a single-byte character set.
#include <ostream>

#include "cli/cli.hpp"
#include "cli/cli_options.hpp"
#include "data/charset_file.hpp"
#include "data/charset_iconv.hpp"
#include "data/text_file.hpp"

namespace antkeys::cli {
namespace {

constexpr const char* kHelp =
    "Usage: antkeys-cli charset [-o FILE] NAME\n"
    "\n"
    "Writes a character map, the In/Charset.txt of a program folder, from the single-byte\n"
    "character set NAME as the system's iconv knows it (KOI8-R, KOI8-U, CP1251, ISO-8859-7,\n"
    "ARMSCII-8, ISO-8859-15, CP1250, GEORGIAN-PS, ...; 'iconv --list' names them all).\n"
    "\n"
    "The map says for each code the character it stands for and the character Shift gives\n"
    "on the same key: the Unicode upper case (a Georgian letter itself). A header line, then\n"
    "'code<TAB>character<TAB>Shift character' per code, the characters in UTF-8 (U+XXXX for\n"
    "the space and invisible ones), lines ended by CR LF. Edit it by hand to suit a keyboard;\n"
    "a folder's map is read from the file alone, so the folder does not need iconv later.\n"
    "\n"
    "Options:\n"
    "  -o, --output FILE  write to FILE instead of standard output (- is standard output)\n"
    "  -h, --help         show this help\n"
    "\n"
    "Exit status: 0 when the map was written, 1 when it could not be written, 2 for a wrong\n"
    "command line or a name that is not a single-byte character set.\n";

constexpr const char* kName = "antkeys-cli charset: ";

}  // namespace

int RunCharset(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ParsedArgs parsed;
    std::string error;
    if (!ParseArgs(args, {{{"-o", "--output"}, true}}, parsed, error)) {
        err << kName << error << "\nRun 'antkeys-cli charset --help' for the options.\n";
        return 2;
    }
    if (parsed.help) {
        out << kHelp;
        return 0;
    }
    if (parsed.positional.size() != 1) {
        err << kName << "give one character set name\n\n" << kHelp;
        return 2;
    }
    CharacterMap map;
    if (!IconvCharsetMap(parsed.positional.front(), map, error)) {
        err << kName << error << '\n';
        return 2;
    }
    const std::string text = CharsetFileText(map);
    if (parsed.ToStandardOutput()) {
        out << text << std::flush;
        return 0;
    }
    if (!WriteWholeFile(parsed.Value("-o"), text, error)) {
        err << kName << error << '\n';
        return 1;
    }
    return 0;
}

}  // namespace antkeys::cli
