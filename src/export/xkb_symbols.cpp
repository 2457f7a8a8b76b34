#include "export/xkb_symbols.hpp"

#include <array>
#include <filesystem>
#include <sstream>

#include "data/charset.hpp"
#include "export/xkb_names.hpp"

namespace antkeys {
namespace {

std::string Shown(Byte code) {
    const std::string& utf8 = CodeToUtf8(code);
    std::string text = "character " + std::to_string(code);
    char32_t cp = 0;
    if (SingleCodePoint(utf8, cp) && !XkbKeysym(cp).empty() && cp > 0x20) text += " '" + utf8 + "'";
    return text;
}

std::string KeyShown(const KeyTables& keys, int k) {
    const std::string& code = keys.codes[static_cast<std::size_t>(k)];
    return code.empty() ? "key index " + std::to_string(k) + " (no key code)"
                        : "key '" + code + "'";
}

}  // namespace

bool IsXkbLayoutName(const std::string& name) {
    if (name.empty()) return false;
    for (char c : name) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '_' || c == '-';
        if (!ok) return false;
    }
    return true;
}

std::string XkbLayoutNameFor(const std::string& path) {
    std::string name = std::filesystem::path(path).stem().string();
    for (char& c : name) {
        const std::string one(1, c);
        if (!IsXkbLayoutName(one)) c = '_';
    }
    return name.empty() ? "antkeys" : name;
}

XkbSymbols MakeXkbSymbols(const Layout& lay, const KeyTables& keys, const std::string& name,
                          const std::string& source) {
    XkbSymbols result;
    // The character each key carries: the lowest code placed on it.
    std::array<int, kMaxKeys + 1> charOnKey;
    charOnKey.fill(-1);
    const int nKeys = keys.nKeys();

    for (int c = 0; c < kCharCodes; ++c) {
        const Byte code = static_cast<Byte>(c);
        const int k = lay[code];
        if (k == 0) continue;
        if (k > nKeys || k > kMaxKeys) {
            result.problems.push_back(Shown(code) + " is on key index " + std::to_string(k) +
                                      ", which the keyboard does not have");
            continue;
        }
        char32_t cp = 0;
        if (!SingleCodePoint(CodeToUtf8(code), cp) || XkbKeysym(cp).empty()) {
            result.problems.push_back(Shown(code) + " on " + KeyShown(keys, k) +
                                      ": the character set has no printable character for it");
            continue;
        }
        if (XkbKeyName(keys.codes[static_cast<std::size_t>(k)]).empty()) {
            result.problems.push_back(Shown(code) + " on " + KeyShown(keys, k) +
                                      ": XKB has no name for this key");
            continue;
        }
        auto& slot = charOnKey[static_cast<std::size_t>(k)];
        if (slot >= 0) {
            result.problems.push_back(Shown(code) + " on " + KeyShown(keys, k) + ": the key " +
                                      "already carries " + Shown(static_cast<Byte>(slot)));
            continue;
        }
        slot = c;
    }

    std::ostringstream out;
    out << "// Keyboard layout \"" << name << "\" for XKB, made by antkeys-cli export from\n"
        << "// " << source << ".\n"
        << "// Keys the layout does not use keep the characters of the US layout.\n"
        << "default partial alphanumeric_keys\n"
        << "xkb_symbols \"basic\" {\n"
        << "    include \"us(basic)\"\n"
        << "    name[Group1] = \"" << name << "\";\n\n";
    for (int k = 1; k <= nKeys && k <= kMaxKeys; ++k) {
        const int c = charOnKey[static_cast<std::size_t>(k)];
        if (c < 0) continue;
        const Byte code = static_cast<Byte>(c);
        char32_t cp = 0;
        SingleCodePoint(CodeToUtf8(code), cp);
        out << "    key <" << XkbKeyName(keys.codes[static_cast<std::size_t>(k)]) << "> { [ "
            << XkbKeysym(cp) << ", " << XkbShiftedKeysym(cp) << " ] };";
        if (cp > 0x20) out << "  // " << CodeToUtf8(code);
        out << '\n';
        ++result.exported;
    }
    out << "};\n";
    result.text = out.str();
    return result;
}

}  // namespace antkeys
