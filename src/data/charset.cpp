#include "data/charset.hpp"

#include <cstdio>

#include <iconv.h>

namespace antkeys {

const CharacterMap& CharacterMap::GeorgianPs() {
    static const CharacterMap map = [] {
        CharacterMap m;
        m.name_ = "GEORGIAN-PS";
        m.codePoints_.fill(kNone);
        iconv_t cd = iconv_open("UTF-32LE", "GEORGIAN-PS");
        const bool have = cd != reinterpret_cast<iconv_t>(-1);
        for (int c = 0; c < 256; ++c) {
            const auto at = static_cast<std::size_t>(c);
            if (!have) {
                // Without the charset, ASCII still maps to itself.
                if (c < 128) m.codePoints_[at] = static_cast<char32_t>(c);
            } else {
                char in[1] = {static_cast<char>(c)};
                unsigned char out[8] = {};
                char* inPtr = in;
                char* outPtr = reinterpret_cast<char*>(out);
                std::size_t inLeft = 1;
                std::size_t outLeft = sizeof out;
                iconv(cd, nullptr, nullptr, nullptr, nullptr);
                if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) &&
                    sizeof out - outLeft == 4)
                    m.codePoints_[at] =
                        static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
            }
            if (m.codePoints_[at] != kNone) m.utf8_[at] = Utf8Of(m.codePoints_[at]);
        }
        if (have) iconv_close(cd);
        return m;
    }();
    return map;
}

std::string CharacterMap::Describe(Byte code) const {
    std::string text = "character " + std::to_string(code);
    const char32_t cp = CodePoint(code);
    if (cp == kNone || IsUntypeable(cp) || cp == U' ') return text;
    char hex[16];
    std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(cp));
    return text + " '" + Utf8(code) + "' (" + hex + ")";
}

const std::string& CodeToUtf8(Byte code) {
    return CharacterMap::GeorgianPs().Utf8(code);
}

std::string SingleByteToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 3);
    for (char c : bytes) out += CodeToUtf8(static_cast<Byte>(c));
    return out;
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

bool IsUntypeable(char32_t cp) {
    return cp < 0x20 || (cp >= 0x7F && cp < 0xA0) || (cp >= 0xD800 && cp <= 0xDFFF) ||
           cp > 0x10FFFF;
}

}  // namespace antkeys
