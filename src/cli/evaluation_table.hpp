#pragma once
// The rows printed by `antkeys-cli evaluate`: one per graded layout, as a table for people
// or as tab-separated values for programs.
#include <array>
#include <iosfwd>
#include <string>
#include <vector>

#include "data/types.hpp"
#include "eval/criteria.hpp"
#include "eval/panel.hpp"

namespace antkeys::cli {

struct EvaluationRow {
    std::string file;
    Criteria v{};                      // V1..V6
    std::array<std::string, 7> rel{};  // the relative figures as the panel shows them
    Single absolute = 0;               // weighted sum of the figures
    Single grade = 0;                  // relative grade; 0 when undefined
    std::string gradeText;             // the grade as the panel shows it
};

// Shortest text of `value` as printf's "%.<digits>g" gives it, whatever the locale.
std::string General(double value, int digits);

// Characters on screen: UTF-8 continuation bytes take no room.
std::size_t Width(const std::string& s);

// Rows of cells in aligned columns, two spaces apart: the first column left-aligned, the
// others right-aligned; no trailing blanks.
void PrintAligned(const std::vector<std::vector<std::string>>& cells, std::ostream& out);

// Columns file, V1..V6, dV1..dV6, absolute, grade, aligned, in the panel's formats.
void PrintTable(const std::vector<EvaluationRow>& rows, std::ostream& out);

// Header "file V1 .. V6 absolute grade"; figures with 17 significant digits, absolute and
// grade with 9, '.' as the decimal separator.
void PrintTsv(const std::vector<EvaluationRow>& rows, std::ostream& out);

}  // namespace antkeys::cli
