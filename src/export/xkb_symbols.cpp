#include "export/xkb_symbols.hpp"

#include <filesystem>
#include <sstream>

#include "export/dead_keys.hpp"
#include "export/key_assignment.hpp"
#include "export/xkb_names.hpp"

namespace antkeys {
namespace {

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
        std::ostringstream out;
        out << "// Keyboard layout \"" << in.options.name
            << "\" for XKB, made by antkeys-cli export from\n"
            << "// " << in.options.source << ".\n"
            << "// Keys the layout does not use keep the characters of the US layout.\n"
            << "default partial alphanumeric_keys\n"
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
        for (std::string& p : ComposeProblems(compositions))
            result.problems.push_back(std::move(p));
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
