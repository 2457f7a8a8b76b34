#include "export/kle_exporter.hpp"

#include <array>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "export/dead_keys.hpp"
#include "export/key_assignment.hpp"

namespace antkeys {
namespace {

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (u < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", u);
            out += esc;
        } else {
            out += c;
        }
    }
    return out + '"';
}

// The keys around the typing keys, by row: what comes before the row's first typing key and
// after its last, with their widths in keys.
struct Edge {
    std::string_view label;
    double width;
};
constexpr std::array<Edge, 5> kRowStart{
    {{"", 0}, {"Tab", 1.5}, {"Caps Lock", 1.75}, {"Shift", 2.25}, {"", 0}}};
constexpr std::array<Edge, 5> kRowEnd{
    {{"Backspace", 2}, {"", 0}, {"Enter", 2.25}, {"Shift", 2.75}, {"", 0}}};
constexpr std::array<Edge, 3> kBottomLeft{{{"Ctrl", 1.25}, {"Win", 1.25}, {"Alt", 1.25}}};
constexpr std::array<Edge, 4> kBottomRight{
    {{"Alt", 1.25}, {"Win", 1.25}, {"Menu", 1.25}, {"Ctrl", 1.25}}};

class Kle final : public Exporter {
  public:
    Kle() : Exporter({ExportFormat::Kle, "kle", "the keyboard-layout-editor (JSON)", ".json"}) {}

    std::string CheckOptions(const ExportOptions&) const override { return {}; }

    std::string NameFor(const std::string& layoutPath) const override {
        const std::string name = std::filesystem::path(layoutPath).stem().string();
        return name.empty() ? "antkeys" : name;
    }

    ExportResult Export(const ExportInput& in) const override {
        const KeyAssignment keys =
            AssignKeys(in.lay, in.keys, in.chars, "the US keyboard has no such key");
        // A dead key shows its accent on a dotted circle. KLE legends are plain text, one line
        // per legend position; a property such as the text colour "t" would hold for every key
        // after it in the row until set again, so the mark is in the legend's text.
        const std::vector<Composition> dead = Compositions(in.chars);
        auto shown = [&dead](char32_t c) {
            return IsDeadCharacter(dead, c) ? DeadLegend(c) : Utf8Of(c);
        };
        std::ostringstream out;
        out << "[\n{\"name\":" << JsonString(in.options.name)
            << ",\"author\":\"antkeys\",\"notes\":"
            << JsonString(
                   "Each key shows its US legend and, below it, the layout's character; top right "
                   "the character Shift gives, where it differs.")
            << "}";
        std::size_t i = 0;
        for (std::size_t row = 0; row < kRowStart.size(); ++row) {
            out << ",\n[";
            bool first = true;
            auto key = [&](const std::string& label, double width) {
                if (!first) out << ',';
                first = false;
                if (width != 1) out << "{\"w\":" << width << "},";
                out << JsonString(label);
            };
            if (row == 4)
                for (const Edge& e : kBottomLeft) key(std::string(e.label), e.width);
            if (kRowStart[row].width > 0)
                key(std::string(kRowStart[row].label), kRowStart[row].width);
            for (; i < kUsKeyCount && UsKeys()[i].row == static_cast<int>(row); ++i) {
                const UsKey& us = UsKeys()[i];
                std::string label;
                if (keys.chars[i] != KeyAssignment::kUs) {
                    // The US legend top left, the character bottom left and its Shift
                    // character, where it differs, top right. The space bar shows only a
                    // character other than the space.
                    label = std::string(us.legend) + "\n" +
                            (keys.chars[i] == U' ' ? "" : shown(keys.chars[i]));
                    if (const char32_t shift = keys.Shifted(i, in.options.usShift);
                        shift != keys.chars[i])
                        label += "\n" + shown(shift);
                } else if (us.base >= U'a' && us.base <= U'z') {
                    label = Utf8Of(us.shift);
                } else if (us.base != U' ') {
                    label = Utf8Of(us.shift) + "\n" + Utf8Of(us.base);
                }
                // The space bar and the backslash key are the wide ones among the typing keys.
                key(label, row == 4 ? 6.25 : us.legend == "\\" ? 1.5 : 1);
            }
            if (kRowEnd[row].width > 0) key(std::string(kRowEnd[row].label), kRowEnd[row].width);
            if (row == 4)
                for (const Edge& e : kBottomRight) key(std::string(e.label), e.width);
            out << ']';
        }
        out << "\n]\n";
        return ExportResult{out.str(), keys.exported, keys.problems};
    }
};

}  // namespace

const Exporter& KleExporter() {
    static const Kle exporter;
    return exporter;
}

}  // namespace antkeys
