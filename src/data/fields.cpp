#include "data/fields.hpp"

#include <charconv>
#include <cmath>

namespace antkeys {

bool NextField(int& pos, std::string_view line, std::string_view& field) {
    if (pos < 1) return false;
    const auto start = static_cast<std::size_t>(pos - 1);
    std::size_t tab = start <= line.size() ? line.find('\t', start) : std::string_view::npos;
    // 1-based position of the TAB, or one past the end of the line when there is none.
    const long i = tab == std::string_view::npos ? static_cast<long>(line.size()) + 1
                                                 : static_cast<long>(tab) + 1;
    const long length = i - pos;
    if (length < 0) return false;
    field = line.substr(start, static_cast<std::size_t>(length));
    pos = static_cast<int>(i + 1);
    return true;
}

std::string Quoted(std::string_view text) {
    constexpr std::size_t kMax = 40;
    std::string shown(text.substr(0, kMax));
    if (text.size() > kMax) shown += "...";
    return "\"" + shown + "\"";
}

bool ParseDouble(std::string_view field, double& value, std::string& why) {
    std::string_view t = field;
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    if (t.empty()) {
        why = field.empty() ? "the field is empty, a number was expected"
                            : Quoted(field) + " is not a number";
        return false;
    }
    if (t.front() == '+') t.remove_prefix(1);  // from_chars takes no plus sign
    double parsed = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), parsed);
    if (ec == std::errc::result_out_of_range) {
        why = Quoted(field) + " is out of range";
        return false;
    }
    if (ec != std::errc() || end != t.data() + t.size() || !std::isfinite(parsed)) {
        why = Quoted(field) + " is not a number";
        return false;
    }
    value = parsed;
    return true;
}

bool ParseWhole(std::string_view field, long min, long max, long& value, std::string& why) {
    double parsed = 0;
    if (!ParseDouble(field, parsed, why)) return false;
    const double rounded = std::nearbyint(parsed);
    if (rounded < static_cast<double>(min) || rounded > static_cast<double>(max)) {
        why = Quoted(field) + " is outside " + std::to_string(min) + ".." + std::to_string(max);
        return false;
    }
    value = static_cast<long>(rounded);
    return true;
}

bool FieldCursor::Text(std::string_view& field, std::string& why) {
    ++number_;
    if (!NextField(pos_, line_, field)) {
        why = "field " + std::to_string(number_) + " is missing";
        return false;
    }
    return true;
}

bool FieldCursor::Double(double& value, std::string& why) {
    std::string_view field;
    if (!Text(field, why)) return false;
    if (!ParseDouble(field, value, why)) {
        why = "field " + std::to_string(number_) + ": " + why;
        return false;
    }
    return true;
}

bool FieldCursor::Whole(long min, long max, long& value, std::string& why) {
    std::string_view field;
    if (!Text(field, why)) return false;
    if (!ParseWhole(field, min, max, value, why)) {
        why = "field " + std::to_string(number_) + ": " + why;
        return false;
    }
    return true;
}

bool ParseCount(std::string_view text, std::uint64_t max, std::uint64_t& value) {
    const char* end = text.data() + text.size();
    std::uint64_t parsed = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), end, parsed);
    if (text.empty() || ec != std::errc() || ptr != end || parsed > max) return false;
    value = parsed;
    return true;
}

}  // namespace antkeys
