#pragma once
// Number to text, always in the C locale ('.' as the decimal separator).
#include <string>

namespace antkeys {

// General form of a Single: up to 7 significant digits, trailing zeros dropped, a plain "0"
// for zero, exponent form ("1.5E-07", "1E+10") below 1E-05 and from 1E+07 on.
std::string FormatSingle(float value);

// General form of a Double: up to 15 significant digits, exponent form below 1E-05 and from
// 1E+15 on ("1E-100").
std::string FormatDouble(double value);

// The display patterns. The value is first taken to its type's precision (7 significant
// digits for a Single, 15 for a Double), then rounded half away from zero.
// "0.00": 0.1234 -> "0.12", -1.005 -> "-1.01".
std::string FormatFixed2(double value);
std::string FormatFixed2(float value);
// "Percent": the value times 100 with two decimals and '%': 0.1234 -> "12.34%".
std::string FormatPercent(double value);
std::string FormatPercent(float value);
// "000": the nearest whole number with at least three digits: 12.34 -> "012", -3.2 -> "-003".
std::string Format000(float value);

}  // namespace antkeys
