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

}  // namespace antkeys::test
