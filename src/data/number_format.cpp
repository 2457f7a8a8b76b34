#include "data/number_format.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace antkeys {
namespace {

// Decimal digits and exponent of a value rounded to `precision` significant digits:
// value = 0.d1d2d3... x 10^(exponent+1), i.e. d1 is the digit of 10^exponent.
struct Decimal {
    bool negative = false;
    std::string digits;  // no leading zeros; empty for zero
    int exponent = 0;
};

Decimal ToDecimal(double value, int precision) {
    Decimal d;
    if (value == 0 || !std::isfinite(value)) return d;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", precision - 1, value);
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') d.digits += *p;
    d.exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    if (d.digits.empty()) d = Decimal{};
    return d;
}

std::string General(double value, int precision) {
    Decimal d = ToDecimal(value, precision);
    if (d.digits.empty()) return "0";
    std::string out = d.negative ? "-" : "";
    const int n = static_cast<int>(d.digits.size());
    if (d.exponent < -5 || d.exponent >= precision) {
        out += d.digits[0];
        if (n > 1) out += "." + d.digits.substr(1);
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
        return out + exp;
    }
    if (d.exponent < 0)
        return out + "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    if (n <= d.exponent + 1)
        return out + d.digits + std::string(static_cast<std::size_t>(d.exponent + 1 - n), '0');
    return out + d.digits.substr(0, static_cast<std::size_t>(d.exponent + 1)) + "." +
           d.digits.substr(static_cast<std::size_t>(d.exponent + 1));
}

// Fixed notation with `decimals` decimals after shifting the decimal point `shift` places
// right, rounding half away from zero on the decimal digits.
std::string Fixed(double value, int precision, int shift, int decimals) {
    Decimal d = ToDecimal(value, precision);
    d.exponent += shift;
    // Digits as an integer count of 10^-decimals units.
    const int keep = d.exponent + 1 + decimals;  // digits that stay before rounding
    std::string units;
    if (!d.digits.empty() && keep >= 0) {
        units = d.digits.substr(
            0, static_cast<std::size_t>(std::min<int>(keep, static_cast<int>(d.digits.size()))));
        if (static_cast<int>(units.size()) < keep)
            units += std::string(static_cast<std::size_t>(keep) - units.size(), '0');
        const bool roundUp = keep < static_cast<int>(d.digits.size()) &&
                             d.digits[static_cast<std::size_t>(keep)] >= '5';
        if (roundUp) {
            int i = static_cast<int>(units.size()) - 1;
            for (; i >= 0; --i) {
                if (units[static_cast<std::size_t>(i)] == '9') {
                    units[static_cast<std::size_t>(i)] = '0';
                } else {
                    ++units[static_cast<std::size_t>(i)];
                    break;
                }
            }
            if (i < 0) units.insert(units.begin(), '1');
        }
    }
    // Round-up for a value whose first digit sits just below the kept range (e.g. 0.006 -> 0.01).
    if (!d.digits.empty() && keep == 0 && d.digits[0] >= '5') units = "1";
    while (units.size() > 1 && units[0] == '0') units.erase(0, 1);
    if (units.empty()) units = "0";
    if (static_cast<int>(units.size()) <= decimals)
        units.insert(0, std::string(static_cast<std::size_t>(decimals + 1) - units.size(), '0'));
    const bool zero = units.find_first_not_of('0') == std::string::npos;
    std::string out = d.negative && !zero ? "-" : "";
    out += units.substr(0, units.size() - static_cast<std::size_t>(decimals));
    if (decimals > 0) out += "." + units.substr(units.size() - static_cast<std::size_t>(decimals));
    return out;
}

}  // namespace

std::string FormatSingle(float value) {
    return General(value, 7);
}
std::string FormatDouble(double value) {
    return General(value, 15);
}

std::string FormatFixed2(double value) {
    return Fixed(value, 15, 0, 2);
}
std::string FormatFixed2(float value) {
    return Fixed(value, 7, 0, 2);
}
std::string FormatPercent(double value) {
    return Fixed(value, 15, 2, 2) + "%";
}
std::string FormatPercent(float value) {
    return Fixed(value, 7, 2, 2) + "%";
}

std::string Format000(float value) {
    std::string whole = Fixed(value, 7, 0, 0);
    bool negative = !whole.empty() && whole[0] == '-';
    if (negative) whole.erase(0, 1);
    if (whole.size() < 3) whole.insert(0, 3 - whole.size(), '0');
    return negative ? "-" + whole : whole;
}

}  // namespace antkeys
