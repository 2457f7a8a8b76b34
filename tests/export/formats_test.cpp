// Every export format written for the bundled reference layouts and for polished layouts,
// read back by an independent reader and compared key by key with the layout file.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamReader>
#include <map>
#include <set>

#include "export/keylayout_exporter.hpp"
#include "export/klc_exporter.hpp"
#include "export_fixture.hpp"
#include "klc_reader.hpp"

namespace antkeys {
namespace {

using test::ExportCaseAs;
using test::LoadCase;

class EveryLayout : public ::testing::TestWithParam<int> {
  protected:
    test::LoadedLayout l = LoadCase(test::ExportCases()[static_cast<std::size_t>(GetParam())]);
};

TEST_P(EveryLayout, KlcHasEveryCharacterAtItsScanCodeAndVirtualKey) {
    ExportOptions options;
    options.name = "antka";
    options.description = "Georgian (antkeys)";
    const ExportResult r = ExportCaseAs(ExportFormat::Klc, l, options);
    ASSERT_TRUE(r.problems.empty()) << r.problems.front();
    EXPECT_EQ(r.exported, l.placed);

    const test::KlcFile klc = test::ReadKlc(r.bytes);
    ASSERT_EQ(klc.error, "");
    EXPECT_EQ(klc.header.at("KBD"), "antka\t\"Georgian (antkeys)\"");
    EXPECT_EQ(klc.header.at("LOCALENAME"), "\"ka-GE\"");
    EXPECT_EQ(klc.header.at("LOCALEID"), "\"00000437\"");
    EXPECT_EQ(klc.sections,
              (std::vector<std::string>{"SHIFTSTATE", "LAYOUT", "KEYNAME", "KEYNAME_EXT",
                                        "DESCRIPTIONS", "LANGUAGENAMES", "ENDKBD"}));
    EXPECT_EQ(klc.descriptions, "0409\tGeorgian (antkeys)");
    EXPECT_EQ(klc.languageNames, "0409\tGeorgian (Georgia)");
    for (const std::string& name : klc.keyNames)
        for (char c : name) EXPECT_GE(static_cast<signed char>(c), 0) << name;  // ASCII only

    std::set<std::string> vks;
    for (std::size_t i = 0; i < kUsKeyCount; ++i) {
        const UsKey& key = UsKeys()[i];
        ASSERT_TRUE(klc.layout.count(key.scanCode)) << key.legend;
        const test::KlcRow& row = klc.layout.at(key.scanCode);
        EXPECT_EQ(row.vk, key.vk);
        EXPECT_EQ(row.base, l.expected[i]) << key.legend;
        // No case in Georgian: Shift gives the same letter; US letters keep their capitals.
        const bool latin = l.expected[i] >= U'a' && l.expected[i] <= U'z';
        EXPECT_EQ(row.shift, latin                       ? l.expected[i] - 32
                             : l.expected[i] == key.base ? key.shift
                                                         : l.expected[i]);
        EXPECT_EQ(row.cap, latin ? 1 : 0) << key.legend;
    }
    for (const auto& [sc, row] : klc.layout) EXPECT_TRUE(vks.insert(row.vk).second) << row.vk;
}

TEST_P(EveryLayout, KeylayoutIsWellFormedWithEveryCharacterAtItsKeyCode) {
    ExportOptions options;
    options.name = "antkeys ქართული";
    const ExportResult r = ExportCaseAs(ExportFormat::Keylayout, l, options);
    ASSERT_TRUE(r.problems.empty());

    QXmlStreamReader xml(QByteArray::fromStdString(r.bytes));
    std::map<int, std::map<int, QString>> maps;  // keyMap index -> key code -> output
    int map = -1;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto a = xml.attributes();
        if (xml.name() == u"keyboard") {
            EXPECT_EQ(a.value("group").toInt(), 126);
            EXPECT_EQ(a.value("name").toString().toStdString(), options.name);
            const int id = a.value("id").toInt();
            EXPECT_TRUE(id <= -2 && id >= -32768) << id;
        } else if (xml.name() == u"keyMap") {
            map = a.value("index").toInt();
        } else if (xml.name() == u"key") {
            EXPECT_TRUE(
                maps[map].emplace(a.value("code").toInt(), a.value("output").toString()).second);
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    ASSERT_EQ(maps.size(), 3u);
    for (std::size_t i = 0; i < kUsKeyCount; ++i) {
        const UsKey& key = UsKeys()[i];
        const char32_t want = l.expected[i];
        EXPECT_EQ(maps[0][key.macCode], QString::fromUcs4(&want, 1)) << key.legend;
        // The Command map keeps the US characters, for shortcuts.
        EXPECT_EQ(maps[2][key.macCode], QString::fromUcs4(&key.base, 1)) << key.legend;
    }
    EXPECT_EQ(maps[0][36], "\r");  // Return
}

TEST_P(EveryLayout, KleShowsEveryKeysUsLegendAndCharacter) {
    const ExportResult r = ExportCaseAs(ExportFormat::Kle, l);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(r.bytes), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonArray rows = doc.array();
    ASSERT_EQ(rows.size(), 6);  // metadata, then five rows
    EXPECT_TRUE(rows[0].isObject());
    QStringList labels;
    for (int row = 1; row < rows.size(); ++row)
        for (const QJsonValue& v : rows[row].toArray())
            if (v.isString()) labels << v.toString();
    for (std::size_t i = 0; i < kUsKeyCount; ++i) {
        const UsKey& key = UsKeys()[i];
        if (l.expected[i] == key.base) continue;
        const QString want =
            QString::fromUtf8(key.legend.data(), static_cast<qsizetype>(key.legend.size())) + "\n" +
            (l.expected[i] == U' ' ? QString() : QString::fromUcs4(&l.expected[i], 1));
        EXPECT_TRUE(labels.contains(want)) << want.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(ReferencesAndPolished, EveryLayout, ::testing::Range(0, 4));

// What no format can take is reported once per character, and the rest is still written.
TEST(Exporters, ReportEachCharacterTheyLeaveOutAndWriteTheRest) {
    test::LoadedLayout l;
    RecordingSink sink;
    ASSERT_TRUE(
        LoadKeyDefsText("h\r\nq\t0\t5\t5\t2\t0\r\nFn\t0\t5\t6\t2\t0\r\n"
                        ";\t1\t5\t5\t3\t0\r\nAC01\t0\t5\t5\t3\t0\r\n",
                        "KeyDefs.txt", l.keys, sink));
    // 97 on q; 193 on Fn (no key of the US keyboard); 7 a control code; 100 and 98 on AC01.
    ASSERT_TRUE(LoadKeyLayText("h\r\n97\tq\r\n193\tFn\r\n7\t;\r\n100\tAC01\r\n98\tAC01\r\n",
                               "lay.txt", l.keys, l.lay, sink));
    for (const Exporter* e : Exporters()) {
        ExportOptions options;
        options.name = e->NameFor("lay.txt");
        const ExportResult r = e->Export({l.lay, l.keys, CharacterMap::GeorgianPs(), options});
        EXPECT_EQ(r.exported, 2) << e->option();
        ASSERT_EQ(r.problems.size(), 3u) << e->option();
        EXPECT_NE(r.problems[0].find("character 7 "), std::string::npos) << r.problems[0];
        EXPECT_NE(r.problems[1].find("already carries character 98"), std::string::npos);
        EXPECT_NE(r.problems[2].find("'Fn'"), std::string::npos) << r.problems[2];
        EXPECT_FALSE(r.bytes.empty());
    }
}

TEST(KlcExporter, ChecksNameDescriptionAndLocale) {
    const Exporter& klc = KlcExporter();
    ExportOptions o;
    o.name = "antka123";
    EXPECT_EQ(klc.CheckOptions(o), "");
    for (const char* bad : {"", "antkeys12", "ant-ka", "ant ka", "ქართ"}) {
        o.name = bad;
        EXPECT_NE(klc.CheckOptions(o), "") << bad;
    }
    o.name = "antka";
    o.description = "say \"hi\"";
    EXPECT_NE(klc.CheckOptions(o), "");
    o.description = "ქართული (antkeys)";
    EXPECT_EQ(klc.CheckOptions(o), "");
    o.locale = "xx-XX";
    EXPECT_NE(klc.CheckOptions(o).find("ka-GE"), std::string::npos);
    EXPECT_EQ(klc.NameFor("/x/my best-layout.txt"), "mybestla");
    EXPECT_EQ(klc.NameFor("/x/ქართ.txt"), "antkeys");
}

TEST(KlcExporter, ShiftUsGivesTheUsCharactersWithShift) {
    const test::LoadedLayout l = LoadCase(test::ExportCases()[0]);
    ExportOptions options;
    options.name = "antka";
    options.usShift = true;
    const test::KlcFile klc = test::ReadKlc(ExportCaseAs(ExportFormat::Klc, l, options).bytes);
    const UsKey& q = UsKeys()[static_cast<std::size_t>(FindUsKey("Q"))];
    EXPECT_NE(klc.layout.at(q.scanCode).base, U'q');
    EXPECT_EQ(klc.layout.at(q.scanCode).shift, U'Q');
    EXPECT_EQ(klc.layout.at(q.scanCode).cap, 0);
}

TEST(KeylayoutExporter, TheIdFollowsTheName) {
    EXPECT_EQ(KeylayoutId("antka"), KeylayoutId("antka"));
    EXPECT_NE(KeylayoutId("antka"), KeylayoutId("antkb"));
}

}  // namespace
}  // namespace antkeys
