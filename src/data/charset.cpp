#include "data/charset.hpp"

#include <array>

#include <iconv.h>

namespace antkeys {
namespace {

std::array<std::string, 256> BuildTable() {
    std::array<std::string, 256> table;
    iconv_t cd = iconv_open("UTF-8", "GEORGIAN-PS");
    for (int c = 0; c < 256; ++c) {
        if (cd == reinterpret_cast<iconv_t>(-1)) {
            // Without the charset, ASCII still maps to itself.
            if (c < 128) table[static_cast<std::size_t>(c)] = std::string(1, static_cast<char>(c));
            continue;
        }
        char in[1] = {static_cast<char>(c)};
        char out[8] = {};
        char* inPtr = in;
        char* outPtr = out;
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1))
            table[static_cast<std::size_t>(c)] = std::string(out, sizeof out - outLeft);
    }
    if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
    return table;
}

}  // namespace

const std::string& CodeToUtf8(Byte code) {
    static const std::array<std::string, 256> table = BuildTable();
    return table[code];
}

std::string SingleByteToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 3);
    for (char c : bytes) out += CodeToUtf8(static_cast<Byte>(c));
    return out;
}

}  // namespace antkeys
