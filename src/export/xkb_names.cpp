#include "export/xkb_names.hpp"

#include <array>
#include <cstdio>
#include <utility>

namespace antkeys {
namespace {

// Legends of the US keyboard, row by row, with the XKB names of their keys.
constexpr std::array<std::pair<std::string_view, std::string_view>, 48> kKeys{{
    {"`", "TLDE"}, {"1", "AE01"},  {"2", "AE02"}, {"3", "AE03"}, {"4", "AE04"}, {"5", "AE05"},
    {"6", "AE06"}, {"7", "AE07"},  {"8", "AE08"}, {"9", "AE09"}, {"0", "AE10"}, {"-", "AE11"},
    {"=", "AE12"}, {"Q", "AD01"},  {"W", "AD02"}, {"E", "AD03"}, {"R", "AD04"}, {"T", "AD05"},
    {"Y", "AD06"}, {"U", "AD07"},  {"I", "AD08"}, {"O", "AD09"}, {"P", "AD10"}, {"[", "AD11"},
    {"]", "AD12"}, {"\\", "BKSL"}, {"A", "AC01"}, {"S", "AC02"}, {"D", "AC03"}, {"F", "AC04"},
    {"G", "AC05"}, {"H", "AC06"},  {"J", "AC07"}, {"K", "AC08"}, {"L", "AC09"}, {";", "AC10"},
    {"'", "AC11"}, {"Z", "AB01"},  {"X", "AB02"}, {"C", "AB03"}, {"V", "AB04"}, {"B", "AB05"},
    {"N", "AB06"}, {"M", "AB07"},  {",", "AB08"}, {".", "AB09"}, {"/", "AB10"}, {"Space", "SPCE"},
}};

// XKB names of the printable ASCII characters that are neither letters nor digits (those
// are their own names).
constexpr std::array<std::pair<char, std::string_view>, 33> kPunctuation{{
    {' ', "space"},      {'!', "exclam"},       {'"', "quotedbl"},    {'#', "numbersign"},
    {'$', "dollar"},     {'%', "percent"},      {'&', "ampersand"},   {'\'', "apostrophe"},
    {'(', "parenleft"},  {')', "parenright"},   {'*', "asterisk"},    {'+', "plus"},
    {',', "comma"},      {'-', "minus"},        {'.', "period"},      {'/', "slash"},
    {':', "colon"},      {';', "semicolon"},    {'<', "less"},        {'=', "equal"},
    {'>', "greater"},    {'?', "question"},     {'@', "at"},          {'[', "bracketleft"},
    {'\\', "backslash"}, {']', "bracketright"}, {'^', "asciicircum"}, {'_', "underscore"},
    {'`', "grave"},      {'{', "braceleft"},    {'|', "bar"},         {'}', "braceright"},
    {'~', "asciitilde"},
}};

}  // namespace

std::string_view XkbKeyName(std::string_view keyCode) {
    if (keyCode.size() == 1 && keyCode[0] >= 'a' && keyCode[0] <= 'z') {
        const char upper[1] = {static_cast<char>(keyCode[0] - 'a' + 'A')};
        return XkbKeyName(std::string_view(upper, 1));
    }
    for (const auto& [legend, xkb] : kKeys)
        if (legend == keyCode || xkb == keyCode) return xkb;
    if (keyCode.size() > 2 && keyCode.front() == '<' && keyCode.back() == '>') {
        const std::string_view inner = keyCode.substr(1, keyCode.size() - 2);
        for (const auto& [legend, xkb] : kKeys)
            if (xkb == inner) return xkb;
    }
    return {};
}

std::string XkbKeysym(char32_t codePoint) {
    if (codePoint >= 0x20 && codePoint <= 0x7E) {
        const char c = static_cast<char>(codePoint);
        for (const auto& [punctuation, name] : kPunctuation)
            if (punctuation == c) return std::string(name);
        return std::string(1, c);  // a letter or a digit
    }
    const bool control = codePoint < 0x20 || (codePoint >= 0x7F && codePoint < 0xA0);
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (control || surrogate || codePoint > 0x10FFFF) return {};
    char text[16];
    std::snprintf(text, sizeof text, "U%04X", static_cast<unsigned>(codePoint));
    return text;
}

std::string XkbShiftedKeysym(char32_t codePoint) {
    if (codePoint >= 'a' && codePoint <= 'z') return XkbKeysym(codePoint - 'a' + 'A');
    return XkbKeysym(codePoint);
}

bool SingleCodePoint(std::string_view utf8, char32_t& codePoint) {
    if (utf8.empty()) return false;
    const auto lead = static_cast<unsigned char>(utf8[0]);
    std::size_t length = 0;
    char32_t value = 0;
    if (lead < 0x80) {
        length = 1;
        value = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07u;
    } else {
        return false;
    }
    if (utf8.size() != length) return false;
    for (std::size_t i = 1; i < length; ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if ((c & 0xC0) != 0x80) return false;
        value = (value << 6) | (c & 0x3Fu);
    }
    codePoint = value;
    return true;
}

}  // namespace antkeys
