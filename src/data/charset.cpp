#include "data/charset.hpp"

#include <cstdio>

#include <unicode/uchar.h>
#include <unicode/uscript.h>

#include "data/charset_iconv.hpp"

namespace antkeys {

const CharacterMap& CharacterMap::GeorgianPs() {
    static const CharacterMap map = [] {
        Table table;
        std::string why;
        if (!IconvCharsetTable("GEORGIAN-PS", table, why))
            for (char32_t c = 0; c < 128; ++c) table[c].base = c;  // ASCII still maps to itself
        // Georgian has no capitals on its keys: Shift gives the letter again, a to z their
        // capitals, as the exports have always written them.
        for (Entry& e : table)
            if (e.base != kNone) e.shift = e.base >= U'a' && e.base <= U'z' ? e.base - 32 : e.base;
        CharacterMap georgian("GEORGIAN-PS", table);
        georgian.builtIn_ = true;
        return georgian;
    }();
    return map;
}

CharacterMap::CharacterMap(std::string name, const Table& table, Sequences sequences)
    : name_(std::move(name)), table_(table), sequences_(std::move(sequences)) {
    for (int c = kCharCodes - 1; c >= 0; --c) {
        const auto code = static_cast<Byte>(c);
        const char32_t base = table_[code].base;
        if (base == kNone) continue;
        utf8_[code] = Utf8Of(base);
        byBase_[base] = code;
    }
    // A Shift character shared by several keys (Greek sigma and final sigma) counts as the
    // key whose character is its lower case, else as the lowest code.
    for (int c = 0; c < kCharCodes; ++c) {
        const auto code = static_cast<Byte>(c);
        const Entry& e = table_[code];
        if (e.base == kNone || e.shift == kNone || e.shift == e.base) continue;
        const auto [it, added] = byShift_.try_emplace(e.shift, code);
        if (!added && static_cast<char32_t>(u_tolower(static_cast<UChar32>(e.shift))) == e.base)
            it->second = code;
    }
    for (const Sequence& s : sequences_) {
        const int dead = CodeOf(s.dead), base = CodeOf(s.base);
        if (dead < 0 || base < 0 || CodeOf(s.composed) >= 0) continue;  // the reader refuses it
        bySequence_.try_emplace(s.composed, static_cast<Byte>(dead), static_cast<Byte>(base));
        deadKey_[static_cast<Byte>(dead)] = true;
    }
}

bool CharacterMap::SequenceOf(char32_t cp, Byte& dead, Byte& base) const {
    if (bySequence_.empty()) return false;
    auto it = bySequence_.find(cp);
    if (it == bySequence_.end())
        it = bySequence_.find(static_cast<char32_t>(u_tolower(static_cast<UChar32>(cp))));
    if (it == bySequence_.end()) return false;
    dead = it->second.first;
    base = it->second.second;
    return true;
}

char32_t CharacterMap::Shift(Byte code) const {
    const Entry& e = table_[code];
    return e.shift == kNone ? e.base : e.shift;
}

bool CharacterMap::Shows(Byte code) const {
    const char32_t cp = CodePoint(code);
    return cp != kNone && !IsUntypeable(cp);
}

std::string CharacterMap::Describe(Byte code) const {
    std::string text = "character " + std::to_string(code);
    if (!Shows(code) || CodePoint(code) == U' ') return text;
    return text + " '" + Utf8(code) + "' (" + CodePointName(CodePoint(code)) + ")";
}

std::string CharacterMap::ToUtf8(std::string_view codes) const {
    std::string out;
    out.reserve(codes.size() * 3);
    for (char c : codes) out += Utf8(static_cast<Byte>(c));
    return out;
}

int CharacterMap::CodeOf(char32_t cp) const {
    if (u_isUWhiteSpace(static_cast<UChar32>(cp))) return ' ';
    const auto lower = static_cast<char32_t>(u_tolower(static_cast<UChar32>(cp)));
    if (lower != cp)
        if (const auto it = byBase_.find(lower); it != byBase_.end()) return it->second;
    if (const auto it = byBase_.find(cp); it != byBase_.end()) return it->second;
    if (const auto it = byShift_.find(cp); it != byShift_.end()) return it->second;
    return -1;
}

char32_t DefaultShift(char32_t base) {
    UErrorCode status = U_ZERO_ERROR;
    if (uscript_getScript(static_cast<UChar32>(base), &status) == USCRIPT_GEORGIAN) return base;
    return static_cast<char32_t>(u_toupper(static_cast<UChar32>(base)));
}

bool IsCasePair(char32_t base, char32_t shifted) {
    return shifted != base && shifted <= 0x10FFFF &&
           static_cast<char32_t>(u_tolower(static_cast<UChar32>(shifted))) == base;
}

std::string Utf8Of(char32_t cp) {
    std::string s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (cp >> 18));
        s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}

std::string CodePointName(char32_t cp) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(cp));
    return hex;
}

bool IsUntypeable(char32_t cp) {
    return cp < 0x20 || (cp >= 0x7F && cp < 0xA0) || (cp >= 0xD800 && cp <= 0xDFFF) ||
           cp > 0x10FFFF;
}

}  // namespace antkeys
