#include "export/klc_exporter.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "export/dead_keys.hpp"
#include "export/key_assignment.hpp"

namespace antkeys {
namespace {

constexpr std::array<WindowsLocale, 46> kLocales{{
    {"ka-GE", 0x0437, "Georgian (Georgia)"},
    {"en-US", 0x0409, "English (United States)"},
    {"en-GB", 0x0809, "English (United Kingdom)"},
    {"de-DE", 0x0407, "German (Germany)"},
    {"fr-FR", 0x040C, "French (France)"},
    {"es-ES", 0x0C0A, "Spanish (Spain)"},
    {"it-IT", 0x0410, "Italian (Italy)"},
    {"nl-NL", 0x0413, "Dutch (Netherlands)"},
    {"pt-BR", 0x0416, "Portuguese (Brazil)"},
    {"pt-PT", 0x0816, "Portuguese (Portugal)"},
    {"pl-PL", 0x0415, "Polish (Poland)"},
    {"ru-RU", 0x0419, "Russian (Russia)"},
    {"uk-UA", 0x0422, "Ukrainian (Ukraine)"},
    {"hy-AM", 0x042B, "Armenian (Armenia)"},
    {"az-Latn-AZ", 0x042C, "Azerbaijani (Latin, Azerbaijan)"},
    {"tr-TR", 0x041F, "Turkish (Turkey)"},
    {"el-GR", 0x0408, "Greek (Greece)"},
    {"bg-BG", 0x0402, "Bulgarian (Bulgaria)"},
    {"be-BY", 0x0423, "Belarusian (Belarus)"},
    {"mk-MK", 0x042F, "Macedonian (North Macedonia)"},
    {"sr-Cyrl-RS", 0x281A, "Serbian (Cyrillic, Serbia)"},
    {"sr-Latn-RS", 0x241A, "Serbian (Latin, Serbia)"},
    {"kk-KZ", 0x043F, "Kazakh (Kazakhstan)"},
    {"ky-KG", 0x0440, "Kyrgyz (Kyrgyzstan)"},
    {"tt-RU", 0x0444, "Tatar (Russia)"},
    {"cs-CZ", 0x0405, "Czech (Czech Republic)"},
    {"sk-SK", 0x041B, "Slovak (Slovakia)"},
    {"sl-SI", 0x0424, "Slovenian (Slovenia)"},
    {"hr-HR", 0x041A, "Croatian (Croatia)"},
    {"hu-HU", 0x040E, "Hungarian (Hungary)"},
    {"ro-RO", 0x0418, "Romanian (Romania)"},
    {"sq-AL", 0x041C, "Albanian (Albania)"},
    {"lt-LT", 0x0427, "Lithuanian (Lithuania)"},
    {"lv-LV", 0x0426, "Latvian (Latvia)"},
    {"et-EE", 0x0425, "Estonian (Estonia)"},
    {"fi-FI", 0x040B, "Finnish (Finland)"},
    {"sv-SE", 0x041D, "Swedish (Sweden)"},
    {"da-DK", 0x0406, "Danish (Denmark)"},
    {"nb-NO", 0x0414, "Norwegian, Bokmal (Norway)"},
    {"is-IS", 0x040F, "Icelandic (Iceland)"},
    {"de-CH", 0x0807, "German (Switzerland)"},
    {"fr-CA", 0x0C0C, "French (Canada)"},
    {"ca-ES", 0x0403, "Catalan (Catalan)"},
    {"eu-ES", 0x042D, "Basque (Basque)"},
    {"vi-VN", 0x042A, "Vietnamese (Vietnam)"},
    {"he-IL", 0x040D, "Hebrew (Israel)"},
}};

// Names of the keys that type no character, as the Layout Creator lists them: scan code and
// name; names with a space are quoted.
constexpr std::array<std::pair<int, std::string_view>, 37> kKeyNames{{
    {0x01, "Esc"},
    {0x0E, "Backspace"},
    {0x0F, "Tab"},
    {0x1C, "Enter"},
    {0x1D, "Ctrl"},
    {0x2A, "Shift"},
    {0x36, "\"Right Shift\""},
    {0x37, "\"Num *\""},
    {0x38, "Alt"},
    {0x39, "Space"},
    {0x3A, "\"Caps Lock\""},
    {0x3B, "F1"},
    {0x3C, "F2"},
    {0x3D, "F3"},
    {0x3E, "F4"},
    {0x3F, "F5"},
    {0x40, "F6"},
    {0x41, "F7"},
    {0x42, "F8"},
    {0x43, "F9"},
    {0x44, "F10"},
    {0x45, "Pause"},
    {0x46, "\"Scroll Lock\""},
    {0x47, "\"Num 7\""},
    {0x48, "\"Num 8\""},
    {0x49, "\"Num 9\""},
    {0x4A, "\"Num -\""},
    {0x4B, "\"Num 4\""},
    {0x4C, "\"Num 5\""},
    {0x4D, "\"Num 6\""},
    {0x4E, "\"Num +\""},
    {0x4F, "\"Num 1\""},
    {0x50, "\"Num 2\""},
    {0x51, "\"Num 3\""},
    {0x52, "\"Num 0\""},
    {0x53, "\"Num Del\""},
    {0x57, "F11"},
}};

constexpr std::array<std::pair<int, std::string_view>, 21> kExtendedKeyNames{{
    {0x1C, "\"Num Enter\""},
    {0x1D, "\"Right Ctrl\""},
    {0x35, "\"Num /\""},
    {0x37, "\"Prnt Scrn\""},
    {0x38, "\"Right Alt\""},
    {0x45, "\"Num Lock\""},
    {0x46, "Break"},
    {0x47, "Home"},
    {0x48, "Up"},
    {0x49, "\"Page Up\""},
    {0x4B, "Left"},
    {0x4D, "Right"},
    {0x4F, "End"},
    {0x50, "Down"},
    {0x51, "\"Page Down\""},
    {0x52, "Insert"},
    {0x53, "Delete"},
    {0x5B, "\"Left Windows\""},
    {0x5C, "\"Right Windows\""},
    {0x5D, "Application"},
    {0x58, "F12"},
}};

std::string Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*x", digits, value);
    return text;
}

bool IsKlcName(const std::string& name) {
    if (name.empty() || name.size() > 8) return false;
    for (char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    return true;
}

// One LAYOUT row: scan code, virtual key, Cap (1: Caps Lock acts as Shift), the characters
// without and with Shift, and a comment that shows them.
// A dead key's character is marked with '@'.
void LayoutRow(std::ostringstream& out, int scanCode, std::string_view vk, char32_t base,
               char32_t shifted, const std::vector<Composition>& dead = {}) {
    const bool cap = IsCasePair(base, shifted);
    out << Hex(static_cast<unsigned>(scanCode), 2) << '\t' << vk << '\t';
    if (vk.size() < 8) out << '\t';
    auto shown = [](char32_t c) { return c > U' ' ? Utf8Of(c) : "U+" + Hex(c, 4); };
    auto mark = [&dead](char32_t c) { return IsDeadCharacter(dead, c) ? "@" : ""; };
    out << (cap ? 1 : 0) << '\t' << Hex(base, 4) << mark(base) << '\t' << Hex(shifted, 4)
        << mark(shifted) << "\t// " << shown(base) << ", " << shown(shifted) << '\n';
}

std::vector<char32_t> DeadCharacters(const std::vector<Composition>& all) {
    std::vector<char32_t> dead;
    for (const Composition& c : all)
        if (std::find(dead.begin(), dead.end(), c.dead) == dead.end()) dead.push_back(c.dead);
    return dead;
}

// A DEADKEY block per dead character: each base and what it composes to, and the space giving
// the accent itself.
void DeadKeyBlocks(std::ostringstream& out, const std::vector<Composition>& all) {
    for (const char32_t d : DeadCharacters(all)) {
        out << "\nDEADKEY\t" << Hex(d, 4) << "\n\n";
        for (const Composition& c : CompositionsOf(all, d))
            out << Hex(c.base, 4) << '\t' << Hex(c.composed, 4) << "\t// " << Utf8Of(c.base)
                << " -> " << Utf8Of(c.composed) << '\n';
        out << "0020\t" << Hex(d, 4) << "\t// space -> " << Utf8Of(d) << '\n';
    }
}

// KEYNAME_DEAD: the name Windows shows for each dead key.
void DeadKeyNames(std::ostringstream& out, const std::vector<Composition>& all) {
    const std::vector<char32_t> dead = DeadCharacters(all);
    if (dead.empty()) return;
    out << "\nKEYNAME_DEAD\n\n";
    for (const char32_t d : dead) {
        std::string name = DeadKeysym(d);
        if (name.starts_with("dead_")) name = name.substr(5);
        for (char& ch : name) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        out << Hex(d, 4) << "\t\"" << (name.empty() ? "U+" + Hex(d, 4) : name) << "\"\n";
    }
}

class Klc final : public Exporter {
  public:
    Klc() : Exporter({ExportFormat::Klc, "klc", "Windows (KLC)", ".klc"}) {}

    std::string CheckOptions(const ExportOptions& options) const override {
        if (!IsKlcName(options.name))
            return "the name '" + options.name +
                   "' must be 1 to 8 ASCII letters or digits (it names the layout's DLL)";
        for (char c : options.description)
            if (c == '"' || static_cast<unsigned char>(c) < 0x20)
                return "the description may not hold quotes or control characters";
        if (FindWindowsLocale(options.locale) == nullptr)
            return "unknown locale '" + options.locale + "'; known: " + WindowsLocaleNames();
        return {};
    }

    std::string NameFor(const std::string& layoutPath) const override {
        std::string name;
        for (char c : std::filesystem::path(layoutPath).stem().string())
            if (name.size() < 8 && IsKlcName(std::string(1, c))) name += c;
        return name.empty() ? "antkeys" : name;
    }

    ExportResult Export(const ExportInput& in) const override {
        // LAYOUT holds one UTF-16 unit per character: the basic plane only.
        const KeyAssignment keys =
            AssignKeys(in.lay, in.keys, in.chars, "Windows has no scan code for this key", 0xFFFF);
        const ExportOptions& o = in.options;
        const WindowsLocale* locale = FindWindowsLocale(o.locale);
        if (locale == nullptr) locale = &kLocales[0];
        const std::string description = o.description.empty() ? o.name : o.description;

        const std::vector<Composition> dead = Compositions(in.chars);
        std::ostringstream out;
        out << "KBD\t" << o.name << "\t\"" << description << "\"\n\n"
            << "COPYRIGHT\t\"Made with antkeys\"\n\n"
            << "COMPANY\t\"antkeys\"\n\n"
            << "LOCALENAME\t\"" << locale->name << "\"\n\n"
            << "LOCALEID\t\"" << Hex(locale->id, 8) << "\"\n\n"
            << "VERSION\t1.0\n\n"
            << "SHIFTSTATE\n\n0\t//Column 4\n1\t//Column 5 : Shft\n\n"
            << "LAYOUT\t\t;an extra '@' at the end is a dead key\n\n"
            << "//SC\tVK_\t\tCap\t0\t1\n//--\t----\t\t----\t----\t----\n\n";
        // A key the layout leaves empty keeps its US characters, none of them dead.
        const std::vector<Composition> none;
        for (std::size_t i = 0; i < kUsKeyCount; ++i) {
            const UsKey& key = UsKeys()[i];
            LayoutRow(out, key.scanCode, key.vk, keys.Base(i), keys.Shifted(i, o.usShift),
                      keys.chars[i] != KeyAssignment::kUs ? dead : none);
        }
        // The key between the left Shift and Z on ISO boards, and the keypad's decimal point,
        // as the US layout has them.
        LayoutRow(out, 0x56, "OEM_102", U'\\', U'|');
        LayoutRow(out, 0x53, "DECIMAL", U'.', U'.');
        DeadKeyBlocks(out, dead);
        out << "\n\nKEYNAME\n\n";
        for (const auto& [sc, name] : kKeyNames)
            out << Hex(static_cast<unsigned>(sc), 2) << '\t' << name << '\n';
        out << "\nKEYNAME_EXT\n\n";
        for (const auto& [sc, name] : kExtendedKeyNames)
            out << Hex(static_cast<unsigned>(sc), 2) << '\t' << name << '\n';
        DeadKeyNames(out, dead);
        out << "\nDESCRIPTIONS\n\n0409\t" << description << "\n\n"
            << "LANGUAGENAMES\n\n0409\t" << locale->language << "\n\n"
            << "ENDKBD\n";
        return ExportResult{Utf16LeFile(out.str()), keys.exported, keys.problems};
    }
};

}  // namespace

const WindowsLocale* FindWindowsLocale(std::string_view name) {
    for (const WindowsLocale& locale : kLocales)
        if (locale.name == name) return &locale;
    return nullptr;
}

std::string WindowsLocaleNames() {
    std::string names;
    for (const WindowsLocale& locale : kLocales)
        names += (names.empty() ? "" : ", ") + std::string(locale.name);
    return names;
}

std::string Utf16LeFile(std::string_view utf8) {
    std::string out = "\xFF\xFE";
    auto unit = [&out](unsigned u) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    };
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t cp = length == 1 ? lead : lead & (0xFFu >> (length + 1));
        for (std::size_t j = 1; j < length && i + j < utf8.size(); ++j)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + j]) & 0x3Fu);
        i += length;
        if (cp == U'\n') unit(U'\r');
        if (cp >= 0x10000) {
            unit(0xD800 + ((cp - 0x10000) >> 10));
            unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            unit(cp);
        }
    }
    return out;
}

const Exporter& KlcExporter() {
    static const Klc exporter;
    return exporter;
}

}  // namespace antkeys
