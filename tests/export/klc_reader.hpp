#pragma once
// A small reader of Windows keyboard layout source files, written from the format's rules,
// to check what the exporter writes: a UTF-16LE file with a byte order mark and CR LF line
// ends, header keywords with their values, and the LAYOUT rows by scan code.
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "data/charset.hpp"

namespace antkeys::test {

struct KlcRow {
    std::string vk;
    int cap = 0;
    char32_t base = 0;
    char32_t shift = 0;
};

struct KlcFile {
    std::string error;                          // empty when the file follows the rules
    std::map<std::string, std::string> header;  // "KBD" -> "name\t\"description\"", ...
    std::vector<std::string> sections;          // section keywords in file order
    std::map<int, KlcRow> layout;               // by scan code
    std::vector<std::string> keyNames;          // KEYNAME and KEYNAME_EXT names
    std::string descriptions, languageNames;    // their first entries
};

inline KlcFile ReadKlc(const std::string& bytes) {
    KlcFile f;
    if (bytes.size() < 2 || bytes[0] != '\xFF' || bytes[1] != '\xFE') {
        f.error = "no UTF-16LE byte order mark";
        return f;
    }
    if (bytes.size() % 2 != 0) {
        f.error = "odd number of bytes";
        return f;
    }
    // UTF-16LE to UTF-8, surrogate pairs joined.
    std::string text;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const auto unit = [&bytes](std::size_t at) {
            return static_cast<char32_t>(static_cast<unsigned char>(bytes[at])) |
                   static_cast<char32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8;
        };
        char32_t u = unit(i);
        if (u >= 0xD800 && u < 0xDC00 && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            u = 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        text += Utf8Of(u);
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find('\n', start)) != std::string::npos; start = at + 1) {
        if (at == 0 || text[at - 1] != '\r') {
            f.error = "a line ends without CR LF";
            return f;
        }
        lines.push_back(text.substr(start, at - 1 - start));
    }
    if (start != text.size()) {
        f.error = "the last line has no line end";
        return f;
    }
    static const std::vector<std::string> kSections{"SHIFTSTATE",  "LAYOUT",       "KEYNAME",
                                                    "KEYNAME_EXT", "DESCRIPTIONS", "LANGUAGENAMES",
                                                    "ENDKBD"};
    std::string section;
    for (std::string line : lines) {
        if (const auto c = line.find("//"); c != std::string::npos) line.resize(c);
        std::istringstream fields(line);
        std::string first;
        if (!(fields >> first) || first[0] == ';') continue;
        bool isSection = false;
        for (const std::string& s : kSections) isSection = isSection || s == first;
        if (isSection) {
            section = first;
            f.sections.push_back(first);
            continue;
        }
        std::string rest;
        std::getline(fields, rest);
        rest.erase(0, rest.find_first_not_of(" \t"));
        if (section.empty()) {
            f.header[first] = rest;
        } else if (section == "LAYOUT") {
            KlcRow row;
            std::string base, shift;
            std::istringstream values(rest);
            values >> row.vk >> row.cap >> base >> shift;
            row.base = static_cast<char32_t>(std::stoul(base, nullptr, 16));
            row.shift = static_cast<char32_t>(std::stoul(shift, nullptr, 16));
            f.layout[static_cast<int>(std::stoul(first, nullptr, 16))] = row;
        } else if (section == "KEYNAME" || section == "KEYNAME_EXT") {
            f.keyNames.push_back(rest);
        } else if (section == "DESCRIPTIONS" && f.descriptions.empty()) {
            f.descriptions = first + "\t" + rest;
        } else if (section == "LANGUAGENAMES" && f.languageNames.empty()) {
            f.languageNames = first + "\t" + rest;
        }
    }
    return f;
}

}  // namespace antkeys::test
