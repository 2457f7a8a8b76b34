#pragma once
// Names XKB gives to the keys of a US (ANSI) keyboard and to characters.
#include <string>
#include <string_view>

namespace antkeys {

// The XKB key name (without the angle brackets) of a key code: the key's unshifted US legend
// ("Q" or "q", ";", "`", "1"), "Space", or the XKB name itself ("AD01" or "<AD01>").
// Empty for a code XKB has no name for.
std::string_view XkbKeyName(std::string_view keyCode);

// The keysym of a Unicode code point: the XKB name for printable ASCII ("a", "semicolon"),
// above it the name libxkbcommon knows ("Cyrillic_shorti", "Georgian_an"), else "U1F600". Empty for control characters and code points that are not
// characters (surrogates, beyond U+10FFFF).
std::string XkbKeysym(char32_t codePoint);

}  // namespace antkeys
