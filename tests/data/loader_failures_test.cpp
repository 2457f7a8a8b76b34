// What every reader does with a broken or missing file: one message, the reader's fixed title
// and text, CR LF and a description naming the file, the line and the field.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "data/charset_file.hpp"
#include "data/loaders.hpp"
#include "support/keyboards.hpp"
#include "support/temp_folder.hpp"
#include "support/text.hpp"

namespace antkeys {
namespace {

using test::CrLf;

std::string Repeat(const std::string& line, int times, const char* end = "\r\n") {
    std::string text;
    for (int i = 0; i < times; ++i) text += line + end;
    return text;
}

// Keys A (plain) and B (weighted by the target load below) on row 3.
const KeyTables kKeys = test::Keyboard({"A\t0\t1\t1\t3\t0", "B\t0\t2\t2\t3\t0"});

// Where the readers put what they read; each reader clears what it fills.
struct Tables {
    KeyTables keys;
    DigraphTables digraphs;
    KdiTable kdi{};
    GjTable gj{};
    Double gjSum = 0;
    BestLoadTable bestLoad{};
    Layout lay{};
    LetterTables letters;
    PheroTable phero;
    CharacterMap chars;
} tables;

using Name = const std::string&;
using Sink = MessageSink&;

bool RefText(const KeyTables& keys, std::string c, Name n, Sink s) {
    return LoadRefKeyLayText(c, n, keys, tables.lay, tables.letters, tables.phero, s);
}

// One reader in both forms, with its fixed title and text (spelt as the user sees them) and a
// small valid file.
struct Reader {
    struct {
        const char* name;
        const char* title;
        const char* text;
    } fixed;
    std::function<bool(std::string content, Name name, Sink)> fromText;
    std::function<bool(Name path, Sink)> fromFile;
    std::string valid;  // LF ends, so every reader is also shown to take them

    // The layout readers put the path right after their text.
    std::string Expected(Name path, Name description) const {
        const bool layout = std::string(fixed.title) == "Error Loading Layout";
        return fixed.text + (layout ? path : "") + "\r\n" + description;
    }
};

const Reader kKeyDefs{
    {"KeyDefs", "Fatal Error", "Error Loading KeyDefinitions!!!"},
    [](std::string c, Name n, Sink s) { return LoadKeyDefsText(c, n, tables.keys, s); },
    [](Name p, Sink s) { return LoadKeyDefs(p, tables.keys, s); },
    test::Lf({"h", "Q\t0\t5\t4\t2\t0"})};
const Reader kDiGraphs{
    {"DiGraphs", "Error Loading  Digraphs", "Error Loading Dirgaphs"},
    [](std::string c, Name n, Sink s) { return LoadDiGraphsText(c, n, tables.digraphs, s); },
    [](Name p, Sink s) { return LoadDiGraphs(p, tables.digraphs, s); },
    test::Lf({"h", "1\t2\t3"})};
const Reader kKdi{{"Kdi", "Error Loading  Kdi", "Error Loading Kdi"},
                  [](std::string c, Name n, Sink s) { return LoadKdiText(c, n, tables.kdi, s); },
                  [](Name p, Sink s) { return LoadKdi(p, tables.kdi, s); },
                  "h\n" + Repeat("F\t1\t1\t1\t1\t1", 5, "\n")};
const Reader kGj{
    {"Gj", "Error Loading  KGj", "Error Loading Gj"},
    [](std::string c, Name n, Sink s) { return LoadGjText(c, n, tables.gj, tables.gjSum, s); },
    [](Name p, Sink s) { return LoadGj(p, tables.gj, tables.gjSum, s); },
    test::Lf({"h", "a\t1", "b\t1", "c\t1", "d\t1", "e\t1", "f\t1.5"})};
const Reader kBestLoad{
    {"BestLoad", "Error Loading  Best Load", "Error Loading Best Load"},
    [](std::string c, Name n, Sink s) { return LoadBestLoadText(c, n, kKeys, tables.bestLoad, s); },
    [](Name p, Sink s) { return LoadBestLoad(p, kKeys, tables.bestLoad, s); },
    "h\n" + Repeat("L\t0\t0", 2, "\n") + "L\t1\t0\nL\t0\t1\n" + Repeat("L\t0\t0", 5, "\n")};
const Reader kKeyLay{
    {"KeyLay", "Error Loading Layout", "Error Loading Custom Layout from:"},
    [](std::string c, Name n, Sink s) { return LoadKeyLayText(c, n, kKeys, tables.lay, s); },
    [](Name p, Sink s) { return LoadKeyLay(p, kKeys, tables.lay, s); },
    test::Lf({"1.5", "97\tA"})};
const Reader kRefKeyLay{
    {"RefKeyLay", "Error Loading Layout", "Error Reference Loading Layout from:"},
    [](std::string c, Name n, Sink s) { return RefText(kKeys, c, n, s); },
    [](Name p, Sink s) {
        return LoadRefKeyLay(p, kKeys, tables.lay, tables.letters, tables.phero, s);
    },
    test::Lf({"h", "97\tA\t1"})};
// The reference layout needs key definitions to look its key codes up.
const Reader kRefWithoutKeys{
    {"RefKeyLay without keys", "Error Loading Layout", "Error Reference Loading Layout from:"},
    [](std::string c, Name n, Sink s) { return RefText({}, c, n, s); },
    nullptr,
    ""};

const Reader kCharset{
    {"Charset", "Error Loading Character Map", "Error Loading Character Map"},
    [](std::string c, Name n, Sink s) { return LoadCharsetText(c, n, tables.chars, s); },
    [](Name p, Sink s) { return LoadCharset(p, tables.chars, s); },
    test::Lf({"h", "97\ta\tA", "98\tU+0062"})};

const Reader* const kReaders[] = {&kKeyDefs,  &kDiGraphs, &kKdi,       &kGj,
                                  &kBestLoad, &kKeyLay,   &kRefKeyLay, &kCharset};

struct Broken {
    const Reader& reader;
    std::string content;
    std::string description;  // the file is always "f.txt"
};

TEST(Readers, BrokenFilesFailWithTheirFixedTitleAndText) {
    const std::string kh = "Code\tHand\tFinger\tCol\tRow\tAlt";
    const Broken cases[] = {
        // Key definitions: empty lines anywhere, an empty or missing sixth field, ranges.
        {kKeyDefs, "", "f.txt: the file is empty, a header line was expected"},
        {kKeyDefs, CrLf({kh, "Q\t0\t5\t4\t2\t0", ""}),
         "f.txt, line 3: the line is empty, a key definition was expected"},
        {kKeyDefs, CrLf({kh, "", "Q\t0\t5\t4\t2\t0"}),
         "f.txt, line 2: the line is empty, a key definition was expected"},
        {kKeyDefs, CrLf({kh, "Q\t0\t5\t4\t2\t"}),
         "f.txt, line 2, field 6: the field is empty, a number was expected"},
        {kKeyDefs, CrLf({kh, "Q\t0\t5\t4\t2"}), "f.txt, line 2, field 6 is missing"},
        {kKeyDefs, CrLf({kh, "Q\t256\t5\t4\t2\t0"}),
         "f.txt, line 2, field 2: \"256\" is outside 0..255"},
        {kKeyDefs, CrLf({kh, "Q\t0\t5\t4\t-32769\t0"}),
         "f.txt, line 2, field 5: \"-32769\" is outside -32768..32767"},
        {kKeyDefs, CrLf({kh, std::string(40000, 'Q') + "\t0\t5\t4\t2\t0"}),
         "f.txt, line 2: the line has 40010 characters, at most 32766 are allowed"},
        // Digraphs.
        {kDiGraphs, CrLf({"h", "97\t98\t1", ""}),
         "f.txt, line 3: the line is empty, a digraph was expected"},
        {kDiGraphs, CrLf({"h", "97\t256\t1"}), "f.txt, line 2, field 2: \"256\" is outside 0..255"},
        {kDiGraphs, CrLf({"h", "97\t98\t2147483648"}),
         "f.txt, line 2, field 3: \"2147483648\" is outside -2147483648..2147483647"},
        {kDiGraphs, CrLf({"h", "97\t98"}), "f.txt, line 2, field 3 is missing"},
        // Kdi: byte values, five data lines.
        {kKdi, CrLf({"h", "F1\t0\t1\t2\t3\t-1"}),
         "f.txt, line 2, field 6: \"-1\" is outside 0..255"},
        {kKdi, CrLf({"h", "F1\t0\t1\t2\t3"}), "f.txt, line 2, field 6 is missing"},
        {kKdi, CrLf({"h", "F1\t0\t1\t2\t3\t4"}),
         "f.txt, line 3: missing, the file ends after line 2 (5 data lines follow the header)"},
        // Gj: six data lines, C-locale numbers.
        {kGj, "h\r\n" + Repeat("V\t1", 5),
         "f.txt, line 7: missing, the file ends after line 6 (6 data lines follow the header)"},
        {kGj, CrLf({"h", "V1\t1", "V2"}), "f.txt, line 3, field 2 is missing"},
        {kGj, CrLf({"h", "V1\t1", "V2\t0,5"}), "f.txt, line 3, field 2: \"0,5\" is not a number"},
        // Target load: nine data lines, the first six with a row weight.
        {kBestLoad, "h\r\n" + Repeat("L\t0\t0", 8),
         "f.txt, line 10: missing, the file ends after line 9 (9 data lines follow the header)"},
        {kBestLoad, "h\r\n" + Repeat("L\t0\t0", 5) + "L\t0\r\n",
         "f.txt, line 7, field 3 is missing"},
        // Layout files.
        {kKeyLay, "", "f.txt: the file is empty, a header line was expected"},
        {kKeyLay, CrLf({"h", "97"}), "f.txt, line 2, field 2 is missing"},
        {kKeyLay, CrLf({"h", "-1\tA"}), "f.txt, line 2, field 1: \"-1\" is outside 0..255"},
        {kRefKeyLay, CrLf({"h", "97\tA\t1", ""}),
         "f.txt, line 3: the line is empty, a character code, a key code and a fixed flag were "
         "expected"},
        {kRefKeyLay, CrLf({"h", "97\tA"}), "f.txt, line 2, field 3 is missing"},
        {kRefKeyLay, CrLf({"h", "97\tA\tyes"}), "f.txt, line 2, field 3: \"yes\" is not a number"},
        {kRefKeyLay, CrLf({"h", "256\tA\t0"}), "f.txt, line 2, field 1: \"256\" is outside 0..255"},
        {kRefWithoutKeys, CrLf({"h", "97\tA\t1"}),
         "f.txt: no key definitions are loaded, so no key code can be looked up"},
        // Character maps: one character per field, each code and character once, no control
        // characters, the space at 32 only.
        {kCharset, CrLf({"h", "97\ta", "97\tb"}),
         "f.txt, line 3, field 1: code 97 is listed twice (first on line 2)"},
        {kCharset, CrLf({"h", "97\ta", "98\tU+0061"}),
         "f.txt, line 3, field 2: U+0061 is already code 97 (line 2)"},
        {kCharset, CrLf({"h", "7\tU+0007"}),
         "f.txt, line 2, field 2: U+0007 is a control character"},
        {kCharset, CrLf({"h", "97\ta\tU+009B"}),
         "f.txt, line 2, field 3: U+009B is a control character"},
        {kCharset, CrLf({"h", "32\t_"}), "f.txt, line 2, field 2: code 32 must be the space"},
        {kCharset, CrLf({"h", "160\tU+0020"}), "f.txt, line 2, field 2: the space must be code 32"},
        {kCharset, CrLf({"h", "97\tab"}),
         "f.txt, line 2, field 2: \"ab\" is not one character (a character in UTF-8 or U+XXXX)"},
        {kCharset, CrLf({"h", "97\t\xC3"}),
         "f.txt, line 2, field 2: \"\xC3\" is not one character (a character in UTF-8 or U+XXXX)"},
        {kCharset, CrLf({"h", "256\ta"}), "f.txt, line 2, field 1: \"256\" is outside 0..255"},
        // Sequences: a character without a code, typed as two characters of the codes above.
        {kCharset, CrLf({"h", "97\ta", "98\tb", "b\ta\ta"}),
         "f.txt, line 4, field 1: U+0062 has a code of its own; a character is typed by its key or "
         "as a sequence"},
        {kCharset, CrLf({"h", "97\ta", "98\tb", "U+00E1\tb\ta", "U+00E1\tb\ta"}),
         "f.txt, line 5, field 1: U+00E1 is already a sequence (line 4)"},
        {kCharset, CrLf({"h", "97\ta", "U+00E1\tU+00B4\ta"}),
         "f.txt, line 3, field 2: U+00B4 is not a character of a code listed above"},
        {kCharset, CrLf({"h", "98\tb", "U+00E1\tb\ta"}),
         "f.txt, line 3, field 3: U+0061 is not a character of a code listed above"},
        {kCharset, CrLf({"h", "97\ta", "98\tb", "U+00E1\tb\ta", "99\tU+00E1"}),
         "f.txt, line 5, field 2: U+00E1 is typed as a sequence (line 4)"},
        {kCharset, CrLf({"h", "97\ta", "98\tb", "U+00E1\tb\ta", "99\tc\tU+00E1"}),
         "f.txt, line 5, field 3: U+00E1 is typed as a sequence (line 4)"},
        {kCharset, CrLf({"h", "97\ta", "98\tb", "U+00C1\tb\ta", "99\tU+00E1"}),
         "f.txt, line 5, field 2: its Shift character U+00C1 is typed as a sequence (line 4)"},
        {kCharset, CrLf({"h", "97\ta", "98\tb", "U+00E1\tb"}), "f.txt, line 4, field 3 is missing"},
    };
    for (const Broken& c : cases) {
        SCOPED_TRACE(std::string(c.reader.fixed.name) + ": " + c.description);
        RecordingSink sink;
        EXPECT_FALSE(c.reader.fromText(c.content, "f.txt", sink));
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0],
                  (Message{c.reader.fixed.title, c.reader.Expected("f.txt", c.description)}));
    }
}

TEST(Readers, AMissingFileIsReportedWithItsPathAndAWrittenOneLoads) {
    test::TempFolder folder;
    for (const Reader* reader : kReaders) {
        SCOPED_TRACE(reader->fixed.name);
        const std::string path = folder.path() + "/In/" + reader->fixed.name + ".txt";
        RecordingSink sink;
        EXPECT_FALSE(reader->fromFile(path, sink));
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].title, reader->fixed.title);
        EXPECT_EQ(sink.messages[0].text.rfind(reader->Expected(path, "cannot open " + path), 0), 0u)
            << sink.messages[0].text;

        folder.Write(std::string("In/") + reader->fixed.name + ".txt", reader->valid);
        EXPECT_TRUE(reader->fromFile(path, sink));
        EXPECT_EQ(sink.messages.size(), 1u);
    }
}

}  // namespace
}  // namespace antkeys
