#include "export/xkb_names.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include <xkbcommon/xkbcommon.h>

#include "data/charset.hpp"
#include "export/us_keyboard.hpp"

namespace antkeys {
namespace {

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
    const int key = FindUsKey(keyCode);
    return key < 0 ? std::string_view() : UsKeys()[static_cast<std::size_t>(key)].xkb;
}

std::string XkbKeysym(char32_t codePoint) {
    if (codePoint >= 0x20 && codePoint <= 0x7E) {
        const char c = static_cast<char>(codePoint);
        for (const auto& [punctuation, name] : kPunctuation)
            if (punctuation == c) return std::string(name);
        return std::string(1, c);  // a letter or a digit
    }
    if (IsUntypeable(codePoint)) return {};
    // The name X gives the character where it has one ("Cyrillic_shorti", "eacute"), so the
    // compiled keymap knows the letter's case; "U0439" otherwise.
    if (const xkb_keysym_t keysym = xkb_utf32_to_keysym(static_cast<uint32_t>(codePoint));
        keysym != XKB_KEY_NoSymbol) {
        char name[64];
        // Without a name of its own the library spells the number ("U0001F600", "0x...").
        const std::string_view spelt(name, static_cast<std::size_t>(std::max(
                                               0, xkb_keysym_get_name(keysym, name, sizeof name))));
        const bool number =
            spelt.empty() || spelt.starts_with("0x") ||
            (spelt[0] == 'U' && spelt.find_first_not_of("0123456789ABCDEF", 1) == spelt.npos);
        if (!number) return std::string(spelt);
    }
    char text[16];
    std::snprintf(text, sizeof text, "U%04X", static_cast<unsigned>(codePoint));
    return text;
}

}  // namespace antkeys
