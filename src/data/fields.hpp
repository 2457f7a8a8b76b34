#pragma once
// Splitting a line into TAB-separated fields and turning fields into numbers.
// Numbers are always read in the C locale ('.' as the decimal separator).
#include <cstdint>
#include <string>
#include <string_view>

namespace antkeys {

// Next TAB-separated field of line, starting at the 1-based position pos; advances pos past
// the TAB. Returns false when the line has no further field (one field more than it holds).
bool NextField(int& pos, std::string_view line, std::string_view& field);

// A text as messages show it: in double quotes, cut after 40 characters with "...".
std::string Quoted(std::string_view text);

// A number field. Leading and trailing blanks are allowed; nothing else around the number.
// On failure the result is false and why says what was wrong, e.g. "\"x\" is not a number".
bool ParseDouble(std::string_view field, double& value, std::string& why);

// A whole number in [min, max]. A fraction is rounded to the nearest whole number (halves to
// the even one), so 1.6 reads as 2; a value outside the range after rounding fails.
bool ParseWhole(std::string_view field, long min, long max, long& value, std::string& why);

// A count typed on a command line: decimal digits only (no sign, blank or fraction), at most
// `max`. The one rule for option values; file fields use ParseWhole.
bool ParseCount(std::string_view text, std::uint64_t max, std::uint64_t& value);

// Splits the next field of a line and converts it, for the loaders: on failure why holds
// "field N: ..." naming the 1-based field number.
class FieldCursor {
  public:
    explicit FieldCursor(std::string_view line) : line_(line) {}

    bool Text(std::string_view& field, std::string& why);
    bool Double(double& value, std::string& why);
    bool Whole(long min, long max, long& value, std::string& why);
    int FieldNumber() const { return number_; }

  private:
    std::string_view line_;
    int pos_ = 1;
    int number_ = 0;
};

}  // namespace antkeys
