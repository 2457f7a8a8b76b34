#pragma once
// A layout file on the keyboard of an input set, exported in every format, and what each key
// of the US keyboard should type after it: the layout's character or the US one.
#include <array>
#include <string>

#include "data/charset.hpp"
#include "data/key_tables.hpp"
#include "data/loaders.hpp"
#include "export/exporter.hpp"
#include "export/us_keyboard.hpp"
#include "support/temp_folder.hpp"

namespace antkeys::test {

struct ExportCase {
    std::string set;     // bundled input set: "ka" or "en"
    std::string layout;  // path of the layout file
};

struct LoadedLayout {
    KeyTables keys;
    Layout lay{};
    // Per US key: the character it should type without Shift.
    std::array<char32_t, kUsKeyCount> expected{};
    int placed = 0;  // characters of the layout on the US keys
};

inline LoadedLayout LoadCase(const ExportCase& c) {
    LoadedLayout l;
    RecordingSink sink;
    LoadKeyDefs(BundledSet(c.set) + "/In/KeyDefs.txt", l.keys, sink);
    LoadKeyLay(c.layout, l.keys, l.lay, sink);
    for (std::size_t i = 0; i < kUsKeyCount; ++i) l.expected[i] = UsKeys()[i].base;
    for (int code = 0; code < kCharCodes; ++code) {
        const int k = l.lay[static_cast<std::size_t>(code)];
        if (k == 0) continue;
        const int key = FindUsKey(l.keys.codes[static_cast<std::size_t>(k)]);
        if (key < 0) continue;
        l.expected[static_cast<std::size_t>(key)] =
            CharacterMap::GeorgianPs().CodePoint(static_cast<Byte>(code));
        ++l.placed;
    }
    return l;
}

inline ExportResult ExportCaseAs(ExportFormat format, const LoadedLayout& l,
                                 ExportOptions options = {}) {
    const Exporter& e = ExporterFor(format);
    if (options.name.empty()) options.name = e.NameFor("layout.txt");
    return e.Export({l.lay, l.keys, CharacterMap::GeorgianPs(), options});
}

// The bundled reference layouts and the best layouts of two polished runs.
inline std::array<ExportCase, 4> ExportCases() {
    const std::string golden = std::string(ANTKEYS_TEST_DATA) + "/golden/expected/";
    return {{{"ka", BundledSet("ka") + "/In/RefKeyLay.txt"},
             {"en", BundledSet("en") + "/In/RefKeyLay.txt"},
             {"ka", golden + "run-ka-1-polish/029_2199.txt"},
             {"en", golden + "run-en-1-polish/185_7449.txt"}}};
}

}  // namespace antkeys::test
