#include "data/charset_file.hpp"

#include <array>
#include <filesystem>
#include <string_view>

#include <unicode/uchar.h>

#include "data/fields.hpp"
#include "data/input_file.hpp"
#include "data/messages.hpp"
#include "data/text_file.hpp"

namespace antkeys {
namespace {

// Length of the UTF-8 sequence at the start of `s`, 0 when it is not a valid one; cp receives
// the character.
std::size_t DecodeUtf8(std::string_view s, char32_t& cp) {
    const auto b = static_cast<unsigned char>(s[0]);
    std::size_t n = b < 0x80                 ? 1
                    : b >= 0xC2 && b <= 0xDF ? 2
                    : b >= 0xE0 && b <= 0xEF ? 3
                    : b >= 0xF0 && b <= 0xF4 ? 4
                                             : 0;
    if (n == 0 || s.size() < n) return 0;
    cp = n == 1 ? b : static_cast<char32_t>(b & (0x7Fu >> n));
    for (std::size_t i = 1; i < n; ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if ((c & 0xC0) != 0x80) return 0;
        cp = cp << 6 | (c & 0x3Fu);
    }
    static constexpr std::array<char32_t, 5> kMin{0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[n] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return 0;
    return n;
}

// One character: itself in UTF-8, or U+ and 4 to 6 hex digits.
bool ParseCharacter(std::string_view field, int number, char32_t& cp, std::string& why) {
    const std::string where = "field " + std::to_string(number) + ": ";
    bool ok = false;
    if (field.size() >= 6 && field.size() <= 8 && field.substr(0, 2) == "U+") {
        ok = field.find_first_not_of("0123456789ABCDEFabcdef", 2) == std::string_view::npos;
        if (ok) cp = static_cast<char32_t>(std::stoul(std::string(field.substr(2)), nullptr, 16));
        ok = ok && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
    } else if (!field.empty()) {
        ok = DecodeUtf8(field, cp) == field.size();
    }
    if (!ok) {
        why = where + Quoted(field) + " is not one character (a character in UTF-8 or U+XXXX)";
        return false;
    }
    if (IsUntypeable(cp)) {
        why = where + CodePointName(cp) + " is a control character";
        return false;
    }
    return true;
}

struct Seen {
    std::array<int, kCharCodes> lineOfCode{};
    std::unordered_map<char32_t, std::pair<int, int>> codeOfChar;  // character -> code, line
    std::unordered_map<char32_t, int> lineOfSequence;              // composed -> line
};

// A character of a code line above: its base or its Shift character, never the space.
bool IsKeyCharacter(const CharacterMap::Table& table, char32_t cp) {
    if (cp == U' ') return false;
    for (const CharacterMap::Entry& e : table)
        if (e.base == cp || (e.shift != CharacterMap::kNone && e.shift == cp)) return true;
    return false;
}

// "COMPOSED<TAB>DEAD<TAB>BASE": a character typed as the dead key, then the base.
bool ReadSequenceLine(const InputFile& in, std::string_view line, const CharacterMap::Table& table,
                      Seen& seen, CharacterMap::Sequences& sequences, std::string& description) {
    FieldCursor fields(line);
    std::string why;
    std::string_view text[3];
    CharacterMap::Sequence s;
    char32_t* at[3] = {&s.composed, &s.dead, &s.base};
    bool ok = true;
    for (int i = 0; ok && i < 3; ++i)
        ok = fields.Text(text[i], why) && ParseCharacter(text[i], i + 1, *at[i], why);
    if (ok && IsKeyCharacter(table, s.composed)) {
        why = "field 1: " + CodePointName(s.composed) +
              " has a code of its own; a character is typed by its key or as a sequence";
        ok = false;
    }
    if (ok)
        if (const auto it = seen.lineOfSequence.find(s.composed); it != seen.lineOfSequence.end()) {
            why = "field 1: " + CodePointName(s.composed) + " is already a sequence (line " +
                  std::to_string(it->second) + ")";
            ok = false;
        }
    for (int i = 1; ok && i < 3; ++i)
        if (!IsKeyCharacter(table, *at[i])) {
            why = "field " + std::to_string(i + 1) + ": " + CodePointName(*at[i]) +
                  " is not a character of a code listed above";
            ok = false;
        }
    if (!ok) {
        description = in.FieldFault(why);
        return false;
    }
    seen.lineOfSequence[s.composed] = in.lineNumber();
    sequences.push_back(s);
    return true;
}

// A character of a code line that a sequence line above types already; `why` says so, `field`
// first.
bool IsTypedAsSequence(const Seen& seen, char32_t cp, std::string_view field, std::string& why) {
    const auto it = seen.lineOfSequence.find(cp);
    if (it == seen.lineOfSequence.end()) return false;
    why = std::string(field) + CodePointName(cp) + " is typed as a sequence (line " +
          std::to_string(it->second) + ")";
    return true;
}

bool ReadCharsetLine(const InputFile& in, std::string_view line, CharacterMap::Table& table,
                     Seen& seen, std::string& description) {
    FieldCursor fields(line);
    std::string why;
    long code = 0;
    std::string_view text;
    char32_t base = 0, shift = 0;
    bool ok = fields.Whole(0, kCharCodes - 1, code, why) && fields.Text(text, why) &&
              ParseCharacter(text, 2, base, why);
    const auto at = static_cast<std::size_t>(code);
    if (ok && seen.lineOfCode[at] != 0) {
        why = "field 1: code " + std::to_string(code) + " is listed twice (first on line " +
              std::to_string(seen.lineOfCode[at]) + ")";
        ok = false;
    }
    if (ok && (code == ' ') != (base == U' ')) {
        why = code == ' ' ? "field 2: code 32 must be the space"
                          : "field 2: the space must be code 32";
        ok = false;
    }
    if (ok && IsTypedAsSequence(seen, base, "field 2: ", why)) ok = false;
    if (ok)
        if (const auto it = seen.codeOfChar.find(base); it != seen.codeOfChar.end()) {
            why = "field 2: " + CodePointName(base) + " is already code " +
                  std::to_string(it->second.first) + " (line " + std::to_string(it->second.second) +
                  ")";
            ok = false;
        }
    shift = DefaultShift(base);
    std::string_view shiftText;
    std::string absent;
    const bool written = ok && fields.Text(shiftText, absent) && !shiftText.empty();
    if (written) ok = ParseCharacter(shiftText, 3, shift, why);
    if (ok && IsTypedAsSequence(seen, shift,
                                written ? "field 3: " : "field 2: its Shift character ", why))
        ok = false;
    if (!ok) {
        description = in.FieldFault(why);
        return false;
    }
    seen.lineOfCode[at] = in.lineNumber();
    seen.codeOfChar[base] = {static_cast<int>(code), in.lineNumber()};
    table[at] = {base, shift};
    return true;
}

// A code line starts with a digit; any other line is a sequence.
bool IsSequenceLine(std::string_view line) {
    const auto start = line.find_first_not_of(" ");
    return start != std::string_view::npos && (line[start] < '0' || line[start] > '9');
}

bool ParseCharset(InputFile& in, CharacterMap::Table& table, CharacterMap::Sequences& sequences,
                  std::string& description) {
    if (!in.ReadHeader(description)) return false;
    table = {};
    sequences.clear();
    Seen seen;
    std::string line;
    while (!in.AtEnd()) {
        if (!in.ReadFieldLine(line, description)) return false;
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        if (IsSequenceLine(line) ? !ReadSequenceLine(in, line, table, seen, sequences, description)
                                 : !ReadCharsetLine(in, line, table, seen, description))
            return false;
    }
    if (table[' '].base == CharacterMap::kNone) table[' '] = {U' ', U' '};
    return true;
}

bool IsShownAsItself(char32_t cp) {
    const auto type = u_charType(static_cast<UChar32>(cp));
    return cp != U' ' && u_isgraph(static_cast<UChar32>(cp)) && type != U_NON_SPACING_MARK &&
           type != U_ENCLOSING_MARK && type != U_FORMAT_CHAR;
}

std::string CharacterField(char32_t cp) {
    return IsShownAsItself(cp) ? Utf8Of(cp) : CodePointName(cp);
}

}  // namespace

bool LoadCharsetText(std::string content, const std::string& name, CharacterMap& map,
                     MessageSink& sink) {
    InputFile in(std::move(content), name);
    std::string description;
    CharacterMap::Table table;
    CharacterMap::Sequences sequences;
    if (ParseCharset(in, table, sequences, description)) {
        map = CharacterMap(name, table, std::move(sequences));
        return true;
    }
    ReportLoadFailure(sink, msg::kCharsetTitle, msg::kCharsetText, description);
    return false;
}

bool LoadCharset(const std::string& path, CharacterMap& map, MessageSink& sink) {
    std::string content, description;
    if (!ReadWholeFile(path, content, description)) {
        ReportLoadFailure(sink, msg::kCharsetTitle, msg::kCharsetText, description);
        return false;
    }
    return LoadCharsetText(std::move(content), path, map, sink);
}

bool LoadFolderCharset(const InputPaths& paths, CharacterMap& map, MessageSink& sink) {
    std::error_code ec;
    if (!std::filesystem::exists(paths.charset(), ec)) {
        map = CharacterMap::GeorgianPs();
        return true;
    }
    return LoadCharset(paths.charset(), map, sink);
}

std::string CharsetFileText(const CharacterMap& map) {
    std::string text = "Code\tChar\tShift\r\n";
    for (int c = 0; c < kCharCodes; ++c) {
        const auto code = static_cast<Byte>(c);
        if (!map.Shows(code)) continue;
        text += std::to_string(c) + '\t' + CharacterField(map.CodePoint(code)) + '\t' +
                CharacterField(map.Shift(code)) + "\r\n";
    }
    for (const CharacterMap::Sequence& s : map.sequences())
        text += CharacterField(s.composed) + '\t' + CharacterField(s.dead) + '\t' +
                CharacterField(s.base) + "\r\n";
    return text;
}

}  // namespace antkeys
