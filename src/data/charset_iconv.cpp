#include "data/charset_iconv.hpp"

#include <cerrno>
#include <memory>
#include <unordered_set>

#include <iconv.h>

namespace antkeys {
namespace {

enum class Convert { One, None, Incomplete };

// One byte through the converter: a single character, none, or the first byte of a longer
// sequence.
Convert ConvertByte(iconv_t cd, int byte, char32_t& cp) {
    char in[1] = {static_cast<char>(byte)};
    unsigned char out[16] = {};
    char* inPtr = in;
    char* outPtr = reinterpret_cast<char*>(out);
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const std::size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    if (done == static_cast<std::size_t>(-1))
        return errno == EINVAL ? Convert::Incomplete : Convert::None;
    // A stateful set may still hold the byte back; flushing it out counts as the same byte.
    iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    if (sizeof out - outLeft != 4)
        return sizeof out == outLeft ? Convert::Incomplete : Convert::None;
    cp = static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
    return Convert::One;
}

}  // namespace

bool IconvCharsetTable(const std::string& name, CharacterMap::Table& table, std::string& why) {
    iconv_t cd = iconv_open("UTF-32LE", name.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        why = "the system's iconv does not know the character set " + name;
        return false;
    }
    std::unique_ptr<void, int (*)(iconv_t)> closer(cd, &iconv_close);
    table = {};
    std::unordered_set<char32_t> seen;
    for (int c = 0; c < kCharCodes; ++c) {
        char32_t cp = 0;
        switch (ConvertByte(cd, c, cp)) {
            case Convert::Incomplete:
                why = name + " is not a single-byte character set (code " + std::to_string(c) +
                      " starts a longer sequence)";
                return false;
            case Convert::One:
                // Some sets (ARMSCII-8) repeat ASCII punctuation higher up: a character keeps
                // its first code, as a map gives each character one.
                if (!IsUntypeable(cp) && seen.insert(cp).second)
                    table[static_cast<std::size_t>(c)].base = cp;
                break;
            case Convert::None:
                break;
        }
    }
    if (table[' '].base != U' ') {
        why = name + " does not have the space at code 32";
        return false;
    }
    return true;
}

bool IconvCharsetMap(const std::string& name, CharacterMap& map, std::string& why) {
    CharacterMap::Table table;
    if (!IconvCharsetTable(name, table, why)) return false;
    for (CharacterMap::Entry& e : table)
        if (e.base != CharacterMap::kNone) e.shift = DefaultShift(e.base);
    map = CharacterMap(name, table);
    return true;
}

}  // namespace antkeys
