#include "eval/explain_text.hpp"

#include <algorithm>
#include <charconv>

#include "data/number_format.hpp"

namespace antkeys {
namespace {

// V4 and V5 are not shares: four decimals, '.' whatever the locale.
std::string Fixed4(double value) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 4);
    return ec == std::errc() ? std::string(buf, end) : std::string("nan");
}

bool IsShare(const std::string& figure) {
    return figure != "V4" && figure != "V5";
}

}  // namespace

TextRows FigureRows(const std::vector<std::string>& names,
                    const std::vector<const LayoutExplanation*>& layouts) {
    TextRows rows;
    std::vector<std::string> header = {"figure"};
    header.insert(header.end(), names.begin(), names.end());
    rows.push_back(std::move(header));
    std::vector<std::vector<NamedFigure>> columns;
    for (const LayoutExplanation* l : layouts) columns.push_back(NamedFigures(l->figures));
    const std::size_t nFigures = columns.empty() ? 0 : columns.front().size();
    for (std::size_t f = 0; f < nFigures; ++f) {
        std::vector<std::string> row = {columns.front()[f].name};
        for (const auto& column : columns) row.push_back(FormatPercent(column[f].value));
        rows.push_back(std::move(row));
    }
    return rows;
}

TextRows WorstRows(const LayoutExplanation& layout, const CharacterMap& chars) {
    std::size_t depth = 0;
    for (const WorstDigraphs& w : layout.worst) depth = std::max(depth, w.top.size());
    TextRows rows(depth + 2);
    rows[0].push_back("");
    rows[1].push_back("total");
    for (std::size_t r = 0; r < depth; ++r) rows[r + 2].push_back(std::to_string(r + 1));
    for (const WorstDigraphs& w : layout.worst) {
        const bool share = IsShare(w.figure);
        rows[0].push_back(w.figure);
        rows[1].push_back(share ? FormatPercent(w.total) : Fixed4(w.total));
        for (std::size_t r = 0; r < depth; ++r) {
            std::string cell;
            if (r < w.top.size()) {
                const DigraphPart& p = w.top[r];
                cell = CharLabel(chars, p.first) + CharLabel(chars, p.second) + " " +
                       (share ? FormatPercent(p.adds) : Fixed4(p.adds));
            }
            rows[r + 2].push_back(std::move(cell));
        }
    }
    return rows;
}

}  // namespace antkeys
