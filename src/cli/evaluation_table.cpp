#include "cli/evaluation_table.hpp"

#include <algorithm>
#include <charconv>
#include <ostream>

#include "data/number_format.hpp"

namespace antkeys::cli {

std::string General(double value, int digits) {
    char buf[64];
    auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, digits);
    return ec == std::errc() ? std::string(buf, end) : std::string("nan");
}

std::size_t Width(const std::string& s) {
    return static_cast<std::size_t>(std::count_if(
        s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void PrintAligned(const std::vector<std::vector<std::string>>& cells, std::ostream& out) {
    std::vector<std::size_t> widths;
    for (const auto& line : cells) {
        if (widths.size() < line.size()) widths.resize(line.size(), 0);
        for (std::size_t c = 0; c < line.size(); ++c)
            widths[c] = std::max(widths[c], Width(line[c]));
    }
    for (const auto& line : cells) {
        std::string text;
        for (std::size_t c = 0; c < line.size(); ++c) {
            const std::string pad(widths[c] - Width(line[c]), ' ');
            // The first column is left-aligned, the others right-aligned.
            text += c == 0 ? line[c] + pad : "  " + pad + line[c];
        }
        while (!text.empty() && text.back() == ' ') text.pop_back();
        out << text << '\n';
    }
}

void PrintTable(const std::vector<EvaluationRow>& rows, std::ostream& out) {
    std::vector<std::vector<std::string>> cells;
    std::vector<std::string> header = {"layout"};
    for (int i = 1; i <= 6; ++i) header.push_back("V" + std::to_string(i));
    for (int i = 1; i <= 6; ++i) header.push_back("dV" + std::to_string(i));
    header.push_back("absolute");
    header.push_back("grade");
    cells.push_back(header);
    for (const EvaluationRow& row : rows) {
        std::vector<std::string> line = {row.file};
        for (std::size_t i = 1; i <= 6; ++i) line.push_back(FormatFixed2(row.v[i]));
        for (std::size_t i = 1; i <= 6; ++i) line.push_back(row.rel[i]);
        line.push_back(FormatFixed2(row.absolute));
        line.push_back(row.gradeText);
        cells.push_back(std::move(line));
    }
    PrintAligned(cells, out);
}

void PrintTsv(const std::vector<EvaluationRow>& rows, std::ostream& out) {
    out << "file\tV1\tV2\tV3\tV4\tV5\tV6\tabsolute\tgrade\n";
    for (const EvaluationRow& row : rows) {
        out << row.file;
        for (std::size_t i = 1; i <= 6; ++i) out << '\t' << General(row.v[i], 17);
        out << '\t' << General(row.absolute, 9) << '\t' << General(row.grade, 9) << '\n';
    }
}

}  // namespace antkeys::cli
