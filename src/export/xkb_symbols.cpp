#include "export/xkb_symbols.hpp"

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "export/dead_keys.hpp"
#include "export/key_assignment.hpp"
#include "export/xkb_names.hpp"

namespace antkeys {
namespace {

// Which compositions the Compose table holds, per dead keysym ("//   dead_acute: α→ά Α→Ά ..."),
// so that a reader of the file sees what its dead keys will type.
void ComposeComment(std::ostream& out, const ComposeCheck& check) {
    if (check.held.empty()) return;
    out << "// The dead keys compose through the system's Compose table;\n// " << kDefaultCompose
        << " holds:\n";
    std::vector<char32_t> deads;  // in the order of their first composition
    for (const Composition& c : check.held)
        if (std::find(deads.begin(), deads.end(), c.dead) == deads.end()) deads.push_back(c.dead);
    for (char32_t dead : deads) {
        std::string line = "//   " + DeadKeysym(dead) + ":";
        for (const Composition& c : CompositionsOf(check.held, dead)) {
            const std::string pair = " " + Utf8Of(c.base) + "→" + Utf8Of(c.composed);
            if (line.size() + pair.size() > 90) {
                out << line << '\n';
                line = "//    ";
            }
            line += pair;
        }
        out << line << '\n';
    }
}

// The keysym of a key's character: a dead keysym for a dead key's accent.
std::string KeysymOn(char32_t cp, const std::vector<Composition>& compositions) {
    if (IsDeadCharacter(compositions, cp))
        if (std::string dead = DeadKeysym(cp); !dead.empty()) return dead;
    return XkbKeysym(cp);
}

class Xkb final : public Exporter {
  public:
    Xkb() : Exporter({ExportFormat::Xkb, "xkb", "Linux (XKB)", ""}) {}

    std::string CheckOptions(const ExportOptions& options) const override {
        if (IsXkbLayoutName(options.name)) return {};
        return "the name '" + options.name + "' may hold only letters, digits, '_' and '-'";
    }

    std::string NameFor(const std::string& layoutPath) const override {
        return XkbLayoutNameFor(layoutPath);
    }

    ExportResult Export(const ExportInput& in) const override {
        const KeyAssignment keys =
            AssignKeys(in.lay, in.keys, in.chars, "XKB has no name for this key");
        const std::vector<Composition> compositions = Compositions(in.chars);
        const ComposeCheck compose = CheckCompose(compositions);
        std::ostringstream out;
        out << "// Keyboard layout \"" << in.options.name
            << "\" for XKB, made by antkeys-cli export from\n"
            << "// " << in.options.source << ".\n"
            << "// Keys the layout does not use keep the characters of the US layout.\n";
        ComposeComment(out, compose);
        out << "default partial alphanumeric_keys\n"
            << "xkb_symbols \"basic\" {\n"
            << "    include \"us(basic)\"\n"
            << "    name[Group1] = \"" << in.options.name << "\";\n\n";
        for (std::size_t i = 0; i < kUsKeyCount; ++i) {
            const char32_t cp = keys.chars[i];
            if (cp == KeyAssignment::kUs) continue;
            out << "    key <" << UsKeys()[i].xkb << "> { [ " << KeysymOn(cp, compositions) << ", "
                << KeysymOn(keys.Shifted(i, in.options.usShift), compositions) << " ] };";
            if (cp > 0x20) out << "  // " << in.chars.Utf8(keys.codes[i]);
            out << '\n';
        }
        out << "};\n";
        ExportResult result{out.str(), keys.exported, keys.problems};
        for (const std::string& p : compose.problems) result.problems.push_back(p);
        return result;
    }
};

}  // namespace

bool IsXkbLayoutName(const std::string& name) {
    if (name.empty()) return false;
    for (char c : name) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '_' || c == '-';
        if (!ok) return false;
    }
    return true;
}

std::string XkbLayoutNameFor(const std::string& path) {
    std::string name = std::filesystem::path(path).stem().string();
    for (char& c : name) {
        const std::string one(1, c);
        if (!IsXkbLayoutName(one)) c = '_';
    }
    return name.empty() ? "antkeys" : name;
}

const Exporter& XkbExporter() {
    static const Xkb exporter;
    return exporter;
}

}  // namespace antkeys
