// Every export format written for the bundled reference layouts and for polished layouts,
// read back by an independent reader and compared key by key with the layout file.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>
#include <QXmlStreamReader>
#include <array>
#include <map>
#include <set>

#include "data/charset_file.hpp"
#include "data/charset_iconv.hpp"
#include "data/loaders.hpp"
#include "export/dead_keys.hpp"
#include "export/keylayout_exporter.hpp"
#include "export/klc_exporter.hpp"
#include "export/layout_svg.hpp"
#include "export/us_keyboard.hpp"
#include "support/temp_folder.hpp"
#include "support/xkb_compile.hpp"

namespace antkeys {
namespace {

// A reader of Windows keyboard layout source files, written from the format's rules: UTF-16LE
// with a byte order mark (decoded by Qt, not the exporter), CR LF line ends, header keywords
// with their values, and the LAYOUT rows by scan code.
struct KlcRow {
    std::string vk;
    int cap = 0;
    char32_t base = 0;
    char32_t shift = 0;
    bool deadBase = false, deadShift = false;  // marked '@': a dead key
};

struct KlcFile {
    std::string error;                          // empty when the file follows the rules
    std::map<std::string, std::string> header;  // "KBD" -> "name\t\"description\"", ...
    std::vector<std::string> sections;          // section keywords in file order
    std::map<int, KlcRow> layout;               // by scan code
    std::vector<std::string> keyNames;          // KEYNAME and KEYNAME_EXT names
    std::string descriptions, languageNames;    // their first entries
    std::map<char32_t, std::map<char32_t, char32_t>> deadKeys;  // DEADKEY: base -> composed
};

inline KlcFile ReadKlc(const std::string& bytes) {
    KlcFile f;
    QStringDecoder utf16(QStringConverter::Utf16LE);
    const QString text = utf16(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (bytes.rfind("\xFF\xFE", 0) != 0 || bytes.size() % 2 != 0 || utf16.hasError())
        f.error = "not UTF-16LE with a byte order mark";
    else if (!text.endsWith("\r\n") || text.count('\n') != text.count("\r\n") ||
             text.count('\r') != text.count("\r\n"))
        f.error = "a line does not end in CR LF";
    if (!f.error.empty()) return f;

    static const QStringList kSections{"SHIFTSTATE",   "LAYOUT",        "KEYNAME",
                                       "KEYNAME_EXT",  "KEYNAME_DEAD",  "DEADKEY",
                                       "DESCRIPTIONS", "LANGUAGENAMES", "ENDKBD"};
    char32_t dead = 0;
    static const QRegularExpression kKeywordAndRest(R"(^\s*(\S+)\s*(.*)$)");
    QString section;
    for (const QString& line : text.split("\r\n")) {
        // A comment runs from // to the line's end; a line starting with ; is one too.
        const QRegularExpressionMatch m = kKeywordAndRest.match(line.section("//", 0, 0));
        if (!m.hasMatch() || m.captured(1).startsWith(';')) continue;
        const QString first = m.captured(1);
        const std::string rest = m.captured(2).toStdString();
        if (kSections.contains(first)) {
            section = first;
            f.sections.push_back(first.toStdString());
            if (first == "DEADKEY") f.deadKeys[dead = m.captured(2).toUInt(nullptr, 16)];
        } else if (section.isEmpty()) {
            f.header[first.toStdString()] = rest;
        } else if (section == "LAYOUT") {
            QStringList v = m.captured(2).split(QRegularExpression(R"(\s+)"));
            const bool deadBase = v.value(2).endsWith('@'), deadShift = v.value(3).endsWith('@');
            v[2].remove('@');
            v[3].remove('@');
            f.layout[first.toInt(nullptr, 16)] = {
                v.value(0).toStdString(),       v.value(1).toInt(), v.value(2).toUInt(nullptr, 16),
                v.value(3).toUInt(nullptr, 16), deadBase,           deadShift};
        } else if (section == "DEADKEY") {
            f.deadKeys[dead][first.toUInt(nullptr, 16)] =
                m.captured(2).section('\t', 0, 0).toUInt(nullptr, 16);
        } else if (section.startsWith("KEYNAME")) {
            f.keyNames.push_back(rest);
        } else if (section == "DESCRIPTIONS" && f.descriptions.empty()) {
            f.descriptions = first.toStdString() + "\t" + rest;
        } else if (section == "LANGUAGENAMES" && f.languageNames.empty()) {
            f.languageNames = first.toStdString() + "\t" + rest;
        }
    }
    return f;
}

// A reader of macOS keyboard layouts: the keyboard's attributes, each key map's keys with their
// output or action, the actions' outputs and next states by state, and the terminators.
struct KeylayoutWhen {
    QString output, next;
};

struct KeylayoutFile {
    std::string error;  // empty when the file is well-formed
    QXmlStreamAttributes keyboard;
    std::map<int, std::map<int, QString>> outputs;  // keyMap index -> key code -> output
    std::map<int, std::map<int, QString>> actions;  // keyMap index -> key code -> action id
    std::map<QString, std::map<QString, KeylayoutWhen>> when;  // action id -> state -> result
    std::map<QString, QString> terminators;                    // state -> output

    // What a key gives in a state: the output of its action there, or its own in "none".
    KeylayoutWhen Typed(int map, int code, const QString& state = "none") const {
        if (const auto o = outputs.at(map).find(code); o != outputs.at(map).end())
            return {state == "none" ? o->second : QString(), {}};
        const auto& a = when.at(actions.at(map).at(code));
        const auto it = a.find(state);
        return it == a.end() ? KeylayoutWhen{} : it->second;
    }
};

KeylayoutFile ReadKeylayout(const std::string& bytes) {
    KeylayoutFile f;
    QXmlStreamReader xml(QByteArray::fromStdString(bytes));
    int map = -1;
    QString action;
    bool terminators = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto a = xml.attributes();
        const int code = a.value("code").toInt();
        if (xml.name() == u"keyboard") {
            f.keyboard = a;
        } else if (xml.name() == u"keyMap") {
            map = a.value("index").toInt();
        } else if (xml.name() == u"key") {
            const bool once =
                a.hasAttribute("output")
                    ? f.outputs[map].emplace(code, a.value("output").toString()).second
                    : f.actions[map].emplace(code, a.value("action").toString()).second;
            EXPECT_TRUE(once && a.hasAttribute("output") != a.hasAttribute("action")) << code;
        } else if (xml.name() == u"action") {
            action = a.value("id").toString();
            EXPECT_TRUE(f.when.emplace(action, std::map<QString, KeylayoutWhen>{}).second);
        } else if (xml.name() == u"terminators") {
            terminators = true;
        } else if (xml.name() == u"when") {
            const QString state = a.value("state").toString();
            if (terminators)
                EXPECT_TRUE(f.terminators.emplace(state, a.value("output").toString()).second);
            else
                EXPECT_TRUE(f.when[action]
                                .emplace(state, KeylayoutWhen{a.value("output").toString(),
                                                              a.value("next").toString()})
                                .second);
        }
    }
    if (xml.hasError()) f.error = xml.errorString().toStdString();
    for (const auto& [index, keys] : f.actions)
        for (const auto& [code, id] : keys) EXPECT_EQ(f.when.count(id), 1u) << id.toStdString();
    return f;
}

// A layout file on the keyboard of an input set, and what each key of the US keyboard should
// type after it without Shift: the layout's character or the US one.
struct LoadedLayout {
    KeyTables keys;
    Layout lay{};
    CharacterMap chars = CharacterMap::GeorgianPs();
    std::array<char32_t, kUsKeyCount> expected{};
    std::array<char32_t, kUsKeyCount> expectedShift{};
    std::array<bool, kUsKeyCount> dead{};  // the key holds a dead key of the map
    int placed = 0;                        // characters of the layout on the US keys
};

// A Cyrillic map in place of GEORGIAN-PS: the Georgian reference's codes 192..224 become
// KOI8-R's small letters (and one capital), each with its capital on Shift.
CharacterMap Koi8r() {
    CharacterMap map;
    std::string why;
    EXPECT_TRUE(IconvCharsetMap("KOI8-R", map, why)) << why;
    return map;
}

// What each US key should type: the layout's character where it places one, the US one else.
void FillExpected(LoadedLayout& l) {
    for (std::size_t i = 0; i < kUsKeyCount; ++i) {
        l.expected[i] = UsKeys()[i].base;
        l.expectedShift[i] = UsKeys()[i].shift;
    }
    for (int code = 0; code < kCharCodes; ++code) {
        const int k = l.lay[static_cast<std::size_t>(code)];
        const int key = k == 0 ? -1 : FindUsKey(l.keys.codes[static_cast<std::size_t>(k)]);
        if (key < 0) continue;
        l.expected[static_cast<std::size_t>(key)] = l.chars.CodePoint(static_cast<Byte>(code));
        l.expectedShift[static_cast<std::size_t>(key)] = l.chars.Shift(static_cast<Byte>(code));
        l.dead[static_cast<std::size_t>(key)] = l.chars.IsDeadKey(static_cast<Byte>(code));
        ++l.placed;
    }
}

// The bundled reference layouts and the best layouts of two polished runs: input set, layout;
// case 4 reads the Georgian reference through a Cyrillic map.
constexpr int kGreekCase = 8;
LoadedLayout LoadCase(int index) {
    const std::string golden = std::string(ANTKEYS_TEST_DATA) + "/golden/expected/";
    const std::array<std::pair<std::string, std::string>, 10> cases{
        {{"ka", test::BundledSet("ka") + "/In/RefKeyLay.txt"},
         {"en", test::BundledSet("en") + "/In/RefKeyLay.txt"},
         {"ka", golden + "run-ka-1-polish/029_2199.txt"},
         {"en", golden + "run-en-1-polish/185_7449.txt"},
         {"ka", test::BundledSet("ka") + "/In/RefKeyLay.txt"},
         {"ru", test::BundledSet("ru") + "/In/RefKeyLay.txt"},
         {"hy", test::BundledSet("hy") + "/In/RefKeyLay.txt"},
         {"de", test::BundledSet("de") + "/In/RefKeyLay.txt"},
         {"el", test::BundledSet("el") + "/In/RefKeyLay.txt"},
         {"fr", test::BundledSet("fr") + "/In/RefKeyLay.txt"}}};
    const auto& [set, layout] = cases[static_cast<std::size_t>(index)];
    LoadedLayout l;
    RecordingSink sink;
    if (index == 4)
        l.chars = Koi8r();
    else
        EXPECT_TRUE(LoadFolderCharset({test::BundledSet(set)}, l.chars, sink));
    LoadKeyDefs(test::BundledSet(set) + "/In/KeyDefs.txt", l.keys, sink);
    LoadKeyLay(layout, l.keys, l.lay, sink);
    FillExpected(l);
    return l;
}

ExportOptions Options(std::string name, std::string description = {},
                      std::string locale = "ka-GE") {
    ExportOptions o;
    o.name = std::move(name);
    o.description = std::move(description);
    o.locale = std::move(locale);
    return o;
}

ExportResult ExportCaseAs(ExportFormat format, const LoadedLayout& l,
                          const ExportOptions& options) {
    return ExporterFor(format).Export({l.lay, l.keys, l.chars, options});
}

class EveryLayout : public ::testing::TestWithParam<int> {
  protected:
    LoadedLayout l = LoadCase(GetParam());
};

TEST_P(EveryLayout, KlcHasEveryCharacterAtItsScanCodeAndVirtualKey) {
    ExportOptions options = Options("antka", "Georgian (antkeys)");
    const ExportResult r = ExportCaseAs(ExportFormat::Klc, l, options);
    ASSERT_TRUE(r.problems.empty()) << r.problems.front();
    EXPECT_EQ(r.exported, l.placed);

    const KlcFile klc = ReadKlc(r.bytes);
    ASSERT_EQ(klc.error, "");
    EXPECT_EQ(klc.header.at("KBD"), "antka\t\"Georgian (antkeys)\"");
    EXPECT_EQ(klc.header.at("LOCALENAME"), "\"ka-GE\"");
    EXPECT_EQ(klc.header.at("LOCALEID"), "\"00000437\"");
    // A DEADKEY block per dead character the layout places, and their names.
    std::vector<std::string> sections{"SHIFTSTATE", "LAYOUT"};
    const std::vector<Composition> compositions = Compositions(l.chars);
    std::set<char32_t> dead;
    for (const Composition& c : compositions) dead.insert(c.dead);
    sections.insert(sections.end(), dead.size(), "DEADKEY");
    sections.insert(sections.end(), {"KEYNAME", "KEYNAME_EXT"});
    if (!dead.empty()) sections.push_back("KEYNAME_DEAD");
    sections.insert(sections.end(), {"DESCRIPTIONS", "LANGUAGENAMES", "ENDKBD"});
    EXPECT_EQ(klc.sections, sections);
    EXPECT_EQ(klc.descriptions, "0409\tGeorgian (antkeys)");
    EXPECT_EQ(klc.languageNames, "0409\tGeorgian (Georgia)");
    for (const std::string& name : klc.keyNames)
        for (char c : name) EXPECT_GE(static_cast<signed char>(c), 0) << name;  // ASCII only

    std::set<std::string> vks;
    for (const auto& [sc, row] : klc.layout) EXPECT_TRUE(vks.insert(row.vk).second) << row.vk;
    // --shift us: the same characters, with Shift the US ones. Without a description Windows
    // shows the name.
    options.usShift = true;
    options.description.clear();
    const KlcFile us = ReadKlc(ExportCaseAs(ExportFormat::Klc, l, options).bytes);
    EXPECT_EQ(us.header.at("KBD"), "antka\t\"antka\"");
    for (std::size_t i = 0; i < kUsKeyCount; ++i) {
        const UsKey& key = UsKeys()[i];
        const KlcRow& row = klc.layout.at(key.scanCode);
        // No case in Georgian: Shift gives the same letter; Latin and Cyrillic letters have
        // their capitals on Shift, and Caps Lock gives them too.
        const bool cased = l.expectedShift[i] != l.expected[i] &&
                           QString::fromUcs4(&l.expectedShift[i], 1).toLower() ==
                               QString::fromUcs4(&l.expected[i], 1);
        EXPECT_EQ(row.vk, key.vk);
        EXPECT_EQ(row.base, l.expected[i]) << key.legend;
        EXPECT_EQ(row.shift, l.expectedShift[i]) << key.legend;
        EXPECT_EQ(row.cap, cased ? 1 : 0) << key.legend;
        const KlcRow& usRow = us.layout.at(key.scanCode);
        EXPECT_EQ(usRow.base, l.expected[i]) << key.legend;
        EXPECT_EQ(usRow.shift, key.shift) << key.legend;
        EXPECT_EQ(usRow.cap, cased && key.shift == l.expectedShift[i] ? 1 : 0) << key.legend;
    }
}

TEST_P(EveryLayout, KeylayoutIsWellFormedWithEveryCharacterAtItsKeyCode) {
    const ExportOptions options = Options("antkeys ქართული");
    const ExportResult r = ExportCaseAs(ExportFormat::Keylayout, l, options);
    ASSERT_TRUE(r.problems.empty());

    const KeylayoutFile k = ReadKeylayout(r.bytes);
    ASSERT_EQ(k.error, "");
    EXPECT_EQ(k.keyboard.value("group").toInt(), 126);
    EXPECT_EQ(k.keyboard.value("name").toString().toStdString(), options.name);
    // A fixed id in the range for user layouts, made from the name.
    const int id = k.keyboard.value("id").toInt();
    EXPECT_TRUE(id <= -2 && id >= -32768) << id;
    EXPECT_EQ(id, KeylayoutId(options.name));
    EXPECT_NE(id, KeylayoutId("antkeys other"));
    ASSERT_EQ(k.outputs.size(), 4u);
    const std::vector<Composition> compositions = Compositions(l.chars);
    // A character, or on a dead key the dead state of a dead character.
    const auto expectTyped = [&](int map, std::size_t i, const QString& ch) {
        const KeylayoutWhen typed = k.Typed(map, UsKeys()[i].macCode);
        const std::string_view legend = UsKeys()[i].legend;
        if (l.dead[i] && IsDeadCharacter(compositions, ch.toUcs4().front()))
            EXPECT_TRUE(typed.output.isEmpty() && !typed.next.isEmpty()) << legend;
        else
            EXPECT_EQ(typed.output, ch) << legend;
    };
    for (std::size_t i = 0; i < kUsKeyCount; ++i) {
        const UsKey& key = UsKeys()[i];
        const QString want = QString::fromUcs4(&l.expected[i], 1);
        const QString shifted = QString::fromUcs4(&l.expectedShift[i], 1);
        expectTyped(0, i, want);
        expectTyped(1, i, shifted);
        // Caps Lock gives the capital of a cased letter only.
        expectTyped(3, i, shifted.toLower() == want ? shifted : want);
        // The Command map keeps the US characters, for shortcuts.
        EXPECT_EQ(k.Typed(2, key.macCode).output, QString::fromUcs4(&key.base, 1)) << key.legend;
    }
    EXPECT_EQ(k.Typed(0, 36).output, "\r");  // Return
}

// The legends of a keyboard-layout-editor file's keys, row by row.
QStringList KleLabels(const std::string& bytes) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(bytes), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonArray rows = doc.array();
    EXPECT_EQ(rows.size(), 6);  // metadata, then five rows
    EXPECT_TRUE(rows[0].isObject());
    QStringList labels;
    for (int row = 1; row < rows.size(); ++row)
        for (const QJsonValue& v : rows[row].toArray())
            if (v.isString()) labels << v.toString();
    return labels;
}

TEST_P(EveryLayout, KleShowsEveryKeysUsLegendAndCharacter) {
    const QStringList labels =
        KleLabels(ExportCaseAs(ExportFormat::Kle, l, Options("layout")).bytes);
    const std::vector<Composition> compositions = Compositions(l.chars);
    // A dead key's characters show as marks on a dotted circle.
    const auto shown = [&](std::size_t i, char32_t ch) {
        return QString::fromStdString(
            l.dead[i] && IsDeadCharacter(compositions, ch) ? DeadLegend(ch) : Utf8Of(ch));
    };
    for (std::size_t i = 0; i < kUsKeyCount; ++i) {
        const UsKey& key = UsKeys()[i];
        if (l.expected[i] == key.base) continue;
        QString want =
            QString::fromUtf8(key.legend.data(), static_cast<qsizetype>(key.legend.size())) + "\n" +
            (l.expected[i] == U' ' ? QString() : shown(i, l.expected[i]));
        if (l.expectedShift[i] != l.expected[i]) want += "\n" + shown(i, l.expectedShift[i]);
        EXPECT_TRUE(labels.contains(want)) << want.toStdString();
    }
}

// The picture of a layout is well-formed XML, whatever its title and letters hold.
TEST_P(EveryLayout, PictureIsWellFormedXml) {
    LayoutPictureData data;
    data.title = "<a & \"b\">.txt";
    data.gradeLine = "Grade 1.00% against the reference layout";
    data.figures = {{"dV1", "1.00%"}, {"dV2", "<2%>"}};
    data.lay = l.lay;
    data.unplaced = {'<', '&', '"'};
    QXmlStreamReader xml(QByteArray::fromStdString(LayoutSvg(data, l.keys).text));
    xml.readNextStartElement();
    EXPECT_EQ(xml.name(), u"svg");
    while (!xml.atEnd()) xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(ReferencesAndPolished, EveryLayout, ::testing::Range(0, 10));

// The Greek reference: the tonos dead key on ';' (scan code 27, XKB AC10, macOS key code 41),
// dialytika on Shift; every letter the map types as a sequence composes from it, in XKB
// (compiled, and held by the Compose table), in KLC's DEADKEY blocks and in the keylayout's
// dead key states, and the key editor shows the key as a dead one.
TEST(DeadKeys, GreekReferenceComposesEveryAccentedLetter) {
    const LoadedLayout l = LoadCase(kGreekCase);
    ASSERT_EQ(l.chars.sequences().size(), 9u);

    const ExportResult xkb = ExportCaseAs(ExportFormat::Xkb, l, Options("gr_ant"));
    EXPECT_TRUE(xkb.problems.empty()) << xkb.problems.front();
    // The file's head names every composition the Compose table makes of its dead keys.
    const std::string head = xkb.bytes.substr(0, xkb.bytes.find("xkb_symbols"));
    for (const Composition& c : Compositions(l.chars))
        EXPECT_NE(head.find(Utf8Of(c.base) + "→" + Utf8Of(c.composed)), std::string::npos)
            << Utf8Of(c.composed);
    test::TempFolder dir;
    dir.Write("symbols/gr_ant", xkb.bytes);
    std::string compiled, error;
    if (test::HaveXkbcomp()) {
        ASSERT_TRUE(test::CompileXkbSymbols(dir, "gr_ant", compiled, error)) << error;
        EXPECT_TRUE(QString::fromStdString(compiled).contains(
            QRegularExpression(R"(<AC10>\s*\{\s*\[\s*dead_acute,\s*dead_diaeresis\s*\])")))
            << compiled;
    }

    const KlcFile klc = ReadKlc(ExportCaseAs(ExportFormat::Klc, l, Options("grant")).bytes);
    ASSERT_EQ(klc.error, "");
    const KlcRow& semicolon = klc.layout.at(0x27);
    EXPECT_EQ(semicolon.base, U'\u0384');
    EXPECT_TRUE(semicolon.deadBase && semicolon.deadShift);
    int compositions = 0;
    for (const CharacterMap::Sequence& s : l.chars.sequences()) {
        SCOPED_TRACE(Utf8Of(s.composed));
        const auto& block = klc.deadKeys.at(s.dead);
        EXPECT_EQ(block.at(s.base), s.composed);
        EXPECT_EQ(block.at(static_cast<char32_t>(QChar::toUpper(s.base))),
                  static_cast<char32_t>(QChar::toUpper(s.composed)));
        compositions += 2;
    }
    EXPECT_EQ(klc.deadKeys.at(U'\u0384').size() + klc.deadKeys.at(U'\u00A8').size(),
              static_cast<std::size_t>(compositions) + 2);  // and the space: the accent itself

    // The keylayout: the dead key enters a state per accent; a key whose character a composition
    // starts from gives the composed one in that state, its own otherwise; the terminator and
    // the space give the accent.
    const KeylayoutFile mac =
        ReadKeylayout(ExportCaseAs(ExportFormat::Keylayout, l, Options("Greek")).bytes);
    ASSERT_EQ(mac.error, "");
    std::map<char32_t, QString> state{{U'\u0384', mac.Typed(0, 41).next},
                                      {U'\u00A8', mac.Typed(1, 41).next}};
    ASSERT_NE(state[U'\u0384'], "");
    EXPECT_NE(state[U'\u0384'], state[U'\u00A8']);
    for (const auto& [accent, name] : state) {
        EXPECT_EQ(mac.terminators.at(name), QString::fromUcs4(&accent, 1));
        EXPECT_EQ(mac.Typed(0, 49, name).output, QString::fromUcs4(&accent, 1));
    }
    for (const Composition& c : Compositions(l.chars)) {
        SCOPED_TRACE(Utf8Of(c.composed));
        int keys = 0;
        for (std::size_t i = 0; i < kUsKeyCount; ++i)
            for (int map : {0, 1})
                if ((map == 0 ? l.expected[i] : l.expectedShift[i]) == c.base) {
                    const int code = UsKeys()[i].macCode;
                    EXPECT_EQ(mac.Typed(map, code).output, QString::fromUcs4(&c.base, 1));
                    EXPECT_EQ(mac.Typed(map, code, state[c.dead]).output,
                              QString::fromUcs4(&c.composed, 1));
                    ++keys;
                }
        EXPECT_GT(keys, 0);
    }

    // keyboard-layout-editor: the accents on a dotted circle, as combining marks.
    EXPECT_TRUE(KleLabels(ExportCaseAs(ExportFormat::Kle, l, Options("Greek")).bytes)
                    .contains(";\n\u25CC\u0301\n\u25CC\u0308"));
}

// A dead key the layout does not place: the keys it leaves empty keep their US characters, so
// Shift+6 types a plain ^ although the map's circumflex is a dead key.
TEST(DeadKeys, KeysTheLayoutLeavesEmptyAreNeverDead) {
    LoadedLayout l = LoadCase(1);
    RecordingSink sink;
    ASSERT_TRUE(
        LoadCharsetText(CharsetFileText(l.chars) + "\u00E2\t^\ta\r\n", "c.txt", l.chars, sink));
    const KlcFile klc = ReadKlc(ExportCaseAs(ExportFormat::Klc, l, Options("antus")).bytes);
    EXPECT_FALSE(klc.layout.at(0x07).deadShift);
    const KeylayoutFile mac =
        ReadKeylayout(ExportCaseAs(ExportFormat::Keylayout, l, Options("us")).bytes);
    EXPECT_EQ(mac.Typed(1, 22).output, "^");
    EXPECT_TRUE(
        KleLabels(ExportCaseAs(ExportFormat::Kle, l, Options("us")).bytes).contains("^\n6"));
}

TEST(KlcExporter, ChecksNameDescriptionAndLocale) {
    const Exporter& klc = KlcExporter();
    EXPECT_EQ(klc.CheckOptions(Options("antka123", "ქართული (antkeys)")), "");
    for (const char* bad : {"", "antkeys12", "ant-ka", "ant ka", "ქართ"})
        EXPECT_NE(klc.CheckOptions(Options(bad)), "") << bad;
    EXPECT_NE(klc.CheckOptions(Options("antka", "say \"hi\"")), "");
    const std::string locale = klc.CheckOptions(Options("antka", "", "xx-XX"));
    EXPECT_NE(locale.find("ka-GE"), std::string::npos) << locale;
    EXPECT_EQ(klc.NameFor("/x/my best-layout.txt"), "mybestla");
    EXPECT_EQ(klc.NameFor("/x/ქართ.txt"), "antkeys");
}

// A dead key's key has a dashed outline and the legend says what it means; a picture without
// dead keys has neither.
TEST(LayoutPicture, MarksTheDeadKeysAlone) {
    for (int index : {0, 1, 5}) {  // ka, en, ru: no dead keys
        const LoadedLayout l = LoadCase(index);
        LayoutPictureData data;
        data.lay = l.lay;
        data.chars = &l.chars;
        const std::string svg = LayoutSvg(data, l.keys).text;
        EXPECT_EQ(svg.find("stroke-dasharray"), std::string::npos) << index;
        EXPECT_EQ(svg.find("dead key"), std::string::npos) << index;
    }
    const LoadedLayout el = LoadCase(kGreekCase);
    LayoutPictureData data;
    data.lay = el.lay;
    data.chars = &el.chars;
    data.unplaced = {225};
    const SvgPicture picture = LayoutSvg(data, el.keys);
    const QString svg = QString::fromStdString(picture.text);
    EXPECT_EQ(svg.count("stroke-dasharray"), 1);
    EXPECT_TRUE(svg.contains("Dashed outline: a dead key"));
    // Both notes below the scale fit in the picture.
    const QRegularExpression notPlaced(R"re(y="([0-9.]+)"[^>]*>Not placed)re");
    const double y = notPlaced.match(svg).captured(1).toDouble();
    EXPECT_GT(y, 0);
    EXPECT_LT(y + 10, picture.height);
}

}  // namespace
}  // namespace antkeys
