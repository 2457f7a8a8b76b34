#pragma once
// Text checks and text building shared by the tests.
#include <initializer_list>
#include <string>

namespace antkeys::test {

// How many times `what` occurs in `text`, overlapping occurrences included.
inline int CountOf(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The lines, each ended by `end`.
inline std::string Ended(std::initializer_list<std::string> lines, const char* end) {
    std::string text;
    for (const auto& line : lines) text += line + end;
    return text;
}

// The lines ended by CR LF, as the program writes its files, or by LF only.
inline std::string CrLf(std::initializer_list<std::string> lines) {
    return Ended(lines, "\r\n");
}
inline std::string Lf(std::initializer_list<std::string> lines) {
    return Ended(lines, "\n");
}

// The characters of valid UTF-8 text.
inline std::u32string Utf32(const std::string& utf8) {
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const int n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t cp = n == 1 ? b : static_cast<char32_t>(b & (0x7Fu >> n));
        for (int k = 1; k < n; ++k)
            cp = cp << 6 |
                 (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3Fu);
        out += cp;
        i += static_cast<std::size_t>(n);
    }
    return out;
}

}  // namespace antkeys::test
