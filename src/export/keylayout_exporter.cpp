#include "export/keylayout_exporter.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "export/dead_keys.hpp"
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

std::string Hex(char32_t cp) {
    char text[16];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(cp));
    return text;
}

// The dead keys as the keylayout has them: each dead character (the base and the Shift
// character of a dead key alike) is a state of its own, which the dead key's action enters.
// Every key whose character is a dead one or the base of a composition goes through an action
// named after its character: its character in no state, the composed one in each dead state it
// composes in. The space gives the accent itself, as on the other systems.
struct DeadStates {
    std::vector<Composition> all;  // one per dead character and base, the space's included
    std::vector<char32_t> dead;    // the dead characters, in the map's order
    std::vector<char32_t> acting;  // the characters with an action: dead ones and bases

    explicit DeadStates(const std::vector<Composition>& compositions) {
        for (const Composition& c : compositions) {
            const bool known = std::any_of(all.begin(), all.end(), [&c](const Composition& a) {
                return a.dead == c.dead && a.base == c.base;
            });
            if (!known) all.push_back(c);
            Add(dead, c.dead);
        }
        for (const char32_t d : dead) {
            if (std::none_of(all.begin(), all.end(),
                             [d](const Composition& a) { return a.dead == d && a.base == U' '; }))
                all.push_back({d, U' ', d});
            Add(acting, d);
        }
        for (const Composition& c : all) Add(acting, c.base);
    }
    bool Acts(char32_t c) const { return Holds(acting, c); }
    bool IsDead(char32_t c) const { return Holds(dead, c); }

  private:
    static bool Holds(const std::vector<char32_t>& in, char32_t c) {
        return std::find(in.begin(), in.end(), c) != in.end();
    }
    static void Add(std::vector<char32_t>& to, char32_t c) {
        if (!Holds(to, c)) to.push_back(c);
    }
};

// The names of a dead character's state and of a character's action. Action ids are XML ids,
// so they begin with a letter and differ from the ids "Modifiers" and "ANSI".
std::string StateOf(char32_t dead) {
    return "dead_" + Hex(dead);
}
std::string ActionOf(char32_t c) {
    return "U" + Hex(c);
}

// A key the layout leaves empty keeps its US character, which is never dead there (as in XKB,
// where such keys are the US ones); it composes as a base like any other key.
void KeyLine(std::ostringstream& out, int code, char32_t c, const DeadStates& dead, bool placed) {
    out << "      <key code=\"" << code << "\" ";
    if (dead.Acts(c) && (placed || !dead.IsDead(c)))
        out << "action=\"" << ActionOf(c) << "\"/>\n";
    else
        out << "output=\"" << XmlEscape(Utf8Of(c)) << "\"/>\n";
}

void Header(std::ostringstream& out, const std::string& name, const DeadStates& dead) {
    // maxout counts UTF-16 units: 2 for a composed character beyond the basic plane.
    const bool wide = std::any_of(dead.all.begin(), dead.all.end(),
                                  [](const Composition& c) { return c.composed > 0xFFFF; });
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<!DOCTYPE keyboard SYSTEM "
           "\"file://localhost/System/Library/DTDs/KeyboardLayout.dtd\">\n"
        << "<!-- Keyboard layout for macOS, made by antkeys-cli export. Keys the layout "
           "does not use keep the characters of the US layout. -->\n"
        << "<keyboard group=\"126\" id=\"" << KeylayoutId(name) << "\" name=\"" << XmlEscape(name)
        << "\" maxout=\"" << (wide ? 2 : 1) << "\">\n"
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
}

// One action per acting character; a dead key typed twice gives its accent. The terminators:
// a key that does not compose in a dead state gives the accent first, then its own character.
void ActionsAndTerminators(std::ostringstream& out, const DeadStates& dead) {
    if (dead.dead.empty()) return;
    auto when = [&out](const std::string& state, const std::string& what, char32_t c,
                       std::string_view indent = "      ") {
        out << indent << "<when state=\"" << state << "\" " << what << "=\""
            << (what == "next" ? StateOf(c) : XmlEscape(Utf8Of(c))) << "\"/>\n";
    };
    out << "  <actions>\n";
    for (const char32_t c : dead.acting) {
        const bool isDead = dead.IsDead(c);
        out << "    <action id=\"" << ActionOf(c) << "\">\n";
        when("none", isDead ? "next" : "output", c);
        bool twice = false;
        for (const Composition& k : dead.all) {
            if (k.base != c) continue;
            when(StateOf(k.dead), "output", k.composed);
            twice = twice || k.dead == c;
        }
        if (isDead && !twice) when(StateOf(c), "output", c);
        out << "    </action>\n";
    }
    out << "  </actions>\n  <terminators>\n";
    for (const char32_t d : dead.dead) when(StateOf(d), "output", d, "    ");
    out << "  </terminators>\n";
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
        const DeadStates dead(Compositions(in.chars));
        const DeadStates none({});  // the Command map's keys: shortcuts, no dead keys
        std::ostringstream out;
        Header(out, in.options.name, dead);
        // Without modifiers, with Shift, with Command (the US keys, for shortcuts), with
        // Caps Lock (capitals of cased letters).
        for (int map = 0; map < 4; ++map) {
            out << "    <keyMap index=\"" << map << "\">\n";
            for (std::size_t i = 0; i < kUsKeyCount; ++i) {
                const char32_t c = map == 0   ? keys.Base(i)
                                   : map == 1 ? keys.Shifted(i, in.options.usShift)
                                   : map == 2 ? UsKeys()[i].base
                                              : keys.CapsLocked(i);
                KeyLine(out, UsKeys()[i].macCode, c, map == 2 ? none : dead,
                        keys.chars[i] != KeyAssignment::kUs);
            }
            for (const auto& [code, output] : kFixedKeys)
                out << "      <key code=\"" << code << "\" output=\"" << output << "\"/>\n";
            for (const auto& [code, output] : kKeypadHigh)
                out << "      <key code=\"" << code << "\" output=\"" << output << "\"/>\n";
            out << "    </keyMap>\n";
        }
        out << "  </keyMapSet>\n";
        ActionsAndTerminators(out, dead);
        out << "</keyboard>\n";
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
