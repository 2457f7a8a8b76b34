#include "export/keylayout_exporter.hpp"

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "export/key_assignment.hpp"
#include "export/layout_svg.hpp"

namespace antkeys {
namespace {

// Keys beyond the typing keys that type the same in every map: key code and output, written
// as XML character references where they are not printable.
constexpr std::array<std::pair<int, std::string_view>, 20> kFixedKeys{{
    {36, "&#x000D;"},   // Return
    {48, "&#x0009;"},   // Tab
    {51, "&#x007F;"},   // Delete (backward)
    {117, "&#x007F;"},  // forward delete
    {52, "&#x000D;"},   // Enter of the laptop keyboards
    {76, "&#x000D;"},   // keypad Enter
    {65, "."},         {67, "*"}, {69, "+"}, {75, "/"}, {78, "-"}, {81, "="}, {82, "0"},
    {83, "1"},         {84, "2"}, {85, "3"}, {86, "4"}, {87, "5"}, {88, "6"}, {89, "7"},
}};
constexpr std::array<std::pair<int, std::string_view>, 2> kKeypadHigh{{{91, "8"}, {92, "9"}}};

bool HasControl(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
    return false;
}

class Keylayout final : public Exporter {
  public:
    Keylayout()
        : Exporter({ExportFormat::Keylayout, "keylayout", "macOS (keylayout)", ".keylayout"}) {}

    std::string CheckOptions(const ExportOptions& options) const override {
        if (options.name.empty() || HasControl(options.name))
            return "the name must be a non-empty text without control characters";
        return {};
    }

    std::string NameFor(const std::string& layoutPath) const override {
        std::string name;
        for (char c : std::filesystem::path(layoutPath).stem().string())
            if (!HasControl(std::string(1, c))) name += c;
        return name.empty() ? "antkeys" : name;
    }

    ExportResult Export(const ExportInput& in) const override {
        const KeyAssignment keys =
            AssignKeys(in.lay, in.keys, in.chars, "macOS has no key code for this key");
        const ExportOptions& o = in.options;
        std::ostringstream out;
        out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            << "<!DOCTYPE keyboard SYSTEM "
               "\"file://localhost/System/Library/DTDs/KeyboardLayout.dtd\">\n"
            << "<!-- Keyboard layout for macOS, made by antkeys-cli export. Keys the layout "
               "does not use keep the characters of the US layout. -->\n"
            << "<keyboard group=\"126\" id=\"" << KeylayoutId(o.name) << "\" name=\""
            << XmlEscape(o.name) << "\" maxout=\"1\">\n"
            << "  <layouts>\n"
            << "    <layout first=\"0\" last=\"17\" modifiers=\"Modifiers\" mapSet=\"ANSI\"/>\n"
            << "  </layouts>\n"
            << "  <modifierMap id=\"Modifiers\" defaultIndex=\"0\">\n"
            << "    <keyMapSelect mapIndex=\"0\">\n"
            << "      <modifier keys=\"\"/>\n"
            << "    </keyMapSelect>\n"
            << "    <keyMapSelect mapIndex=\"1\">\n"
            << "      <modifier keys=\"anyShift caps?\"/>\n"
            << "    </keyMapSelect>\n"
            << "    <keyMapSelect mapIndex=\"2\">\n"
            << "      <modifier keys=\"anyShift? caps? anyOption? command anyControl?\"/>\n"
            << "    </keyMapSelect>\n"
            << "    <keyMapSelect mapIndex=\"3\">\n"
            << "      <modifier keys=\"caps\"/>\n"
            << "    </keyMapSelect>\n"
            << "  </modifierMap>\n"
            << "  <keyMapSet id=\"ANSI\">\n";
        // Without modifiers, with Shift, with Command (the US keys, for shortcuts), with
        // Caps Lock (capitals of cased letters).
        for (int map = 0; map < 4; ++map) {
            out << "    <keyMap index=\"" << map << "\">\n";
            for (std::size_t i = 0; i < kUsKeyCount; ++i) {
                const char32_t c = map == 0   ? keys.Base(i)
                                   : map == 1 ? keys.Shifted(i, o.usShift)
                                   : map == 2 ? UsKeys()[i].base
                                              : keys.CapsLocked(i);
                out << "      <key code=\"" << UsKeys()[i].macCode << "\" output=\""
                    << XmlEscape(Utf8Of(c)) << "\"/>\n";
            }
            for (const auto& [code, output] : kFixedKeys)
                out << "      <key code=\"" << code << "\" output=\"" << output << "\"/>\n";
            for (const auto& [code, output] : kKeypadHigh)
                out << "      <key code=\"" << code << "\" output=\"" << output << "\"/>\n";
            out << "    </keyMap>\n";
        }
        out << "  </keyMapSet>\n</keyboard>\n";
        return ExportResult{out.str(), keys.exported, keys.problems};
    }
};

}  // namespace

int KeylayoutId(const std::string& name) {
    std::uint32_t hash = 2166136261u;  // FNV-1a: the same name always gets the same id
    for (char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return -2 - static_cast<int>(hash % 32767u);
}

const Exporter& KeylayoutExporter() {
    static const Keylayout exporter;
    return exporter;
}

}  // namespace antkeys
