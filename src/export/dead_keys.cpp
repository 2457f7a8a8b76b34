#include "export/dead_keys.hpp"

#include <algorithm>
#include <array>
#include <fstream>
#include <map>
#include <utility>

#include <unicode/uchar.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>
#include <xkbcommon/xkbcommon.h>

namespace antkeys {
namespace {

// Accent characters (spacing, combining, Greek) and the dead keysyms of X that type them.
constexpr std::array<std::pair<char32_t, const char*>, 24> kDeadKeysyms{{
    {U'\u00B4', "dead_acute"},      {U'\u0384', "dead_acute"},       {U'\u0301', "dead_acute"},
    {U'\u0060', "dead_grave"},      {U'\u0300', "dead_grave"},       {U'\u005E', "dead_circumflex"},
    {U'\u02C6', "dead_circumflex"}, {U'\u0302', "dead_circumflex"},  {U'\u00A8', "dead_diaeresis"},
    {U'\u0308', "dead_diaeresis"},  {U'\u007E', "dead_tilde"},       {U'\u02DC', "dead_tilde"},
    {U'\u0303', "dead_tilde"},      {U'\u00B8', "dead_cedilla"},     {U'\u0327', "dead_cedilla"},
    {U'\u02C7', "dead_caron"},      {U'\u030C', "dead_caron"},       {U'\u02DB', "dead_ogonek"},
    {U'\u02DA', "dead_abovering"},  {U'\u02DD', "dead_doubleacute"}, {U'\u02D8', "dead_breve"},
    {U'\u02D9', "dead_abovedot"},   {U'\u00AF', "dead_macron"},      {U'\u0385', "dead_diaeresis"},
}};

char32_t Upper(char32_t cp) {
    return static_cast<char32_t>(u_toupper(static_cast<UChar32>(cp)));
}

// The character a keysym name of the Compose file types; 0 when none.
char32_t CharacterOfKeysym(const std::string& name) {
    const xkb_keysym_t sym = xkb_keysym_from_name(name.c_str(), XKB_KEYSYM_NO_FLAGS);
    return sym == XKB_KEY_NoSymbol ? 0 : static_cast<char32_t>(xkb_keysym_to_utf32(sym));
}

// "<dead_acute> <Greek_alpha> : "ά" ...": the dead keysym, the base character and the result.
using ComposeTable = std::map<std::pair<std::string, char32_t>, std::string>;

bool ReadCompose(const std::string& path, ComposeTable& table) {
    std::ifstream in(path);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.starts_with("<dead_")) continue;
        const auto colon = line.find(':');
        const auto close = line.find('>');
        const auto open2 = line.find('<', close);
        const auto close2 = line.find('>', open2);
        if (colon == line.npos || open2 == line.npos || close2 == line.npos || close2 > colon)
            continue;
        if (line.find('<', close2) < colon) continue;  // three keys or more
        const auto q1 = line.find('"', colon), q2 = line.find('"', q1 + 1);
        if (q1 == line.npos || q2 == line.npos) continue;
        const char32_t base = CharacterOfKeysym(line.substr(open2 + 1, close2 - open2 - 1));
        if (base == 0) continue;
        table.try_emplace({line.substr(1, close - 1), base}, line.substr(q1 + 1, q2 - q1 - 1));
    }
    return true;
}

}  // namespace

std::vector<Composition> Compositions(const CharacterMap& chars) {
    std::vector<Composition> all;
    for (const CharacterMap::Sequence& s : chars.sequences()) {
        all.push_back({s.dead, s.base, s.composed});
        const char32_t base = Upper(s.base), composed = Upper(s.composed);
        if (base != s.base && composed != s.composed) all.push_back({s.dead, base, composed});
    }
    return all;
}

std::vector<Composition> CompositionsOf(const std::vector<Composition>& all, char32_t dead) {
    std::vector<Composition> of;
    std::copy_if(all.begin(), all.end(), std::back_inserter(of),
                 [dead](const Composition& c) { return c.dead == dead; });
    return of;
}

bool IsDeadCharacter(const std::vector<Composition>& all, char32_t cp) {
    return std::any_of(all.begin(), all.end(), [cp](const Composition& c) { return c.dead == cp; });
}

std::string DeadKeysym(char32_t accent) {
    for (const auto& [cp, name] : kDeadKeysyms)
        if (cp == accent) return name;
    return {};
}

std::string DeadLegend(char32_t accent) {
    // The compatibility decomposition of a spacing accent is the space and its marks.
    const UChar32 one = static_cast<UChar32>(accent);
    UChar in[2], normal[16];
    UChar32 out[16];
    int32_t length = 0, n = 0;
    UErrorCode error = U_ZERO_ERROR;
    u_strFromUTF32(in, 2, &length, &one, 1, &error);
    const UNormalizer2* nfkd = unorm2_getNFKDInstance(&error);
    if (U_SUCCESS(error)) length = unorm2_normalize(nfkd, in, length, normal, 16, &error);
    if (U_SUCCESS(error)) u_strToUTF32(out, 16, &n, normal, length, &error);
    std::string marks;
    for (int32_t i = n > 0 && out[0] == U' ' ? 1 : 0; U_SUCCESS(error) && i < n; ++i) {
        if (u_charType(out[i]) != U_NON_SPACING_MARK) {
            marks.clear();
            break;
        }
        marks += Utf8Of(static_cast<char32_t>(out[i]));
    }
    return "\u25CC" + (marks.empty() ? Utf8Of(accent) : marks);
}

ComposeCheck CheckCompose(const std::vector<Composition>& all, const std::string& composePath) {
    ComposeCheck check;
    std::vector<std::string>& problems = check.problems;
    if (all.empty()) return check;
    ComposeTable table;
    if (!ReadCompose(composePath, table)) {
        problems.push_back("the Compose table " + composePath +
                           " cannot be read: the dead keys' compositions are not checked");
        return check;
    }
    for (const Composition& c : all) {
        const std::string sym = DeadKeysym(c.dead);
        const std::string what = "dead key " + CodePointName(c.dead) + " then " +
                                 CodePointName(c.base) + " (" + Utf8Of(c.composed) + "): ";
        if (sym.empty()) {
            problems.push_back(what + "X has no dead keysym for " + CodePointName(c.dead));
            continue;
        }
        const auto it = table.find({sym, c.base});
        if (it == table.end())
            problems.push_back(what + "not in the Compose table " + composePath);
        else if (it->second != Utf8Of(c.composed))
            problems.push_back(what + "the Compose table gives " + it->second + " instead");
        else
            check.held.push_back(c);
    }
    return check;
}

}  // namespace antkeys
