#include <gtest/gtest.h>

#include <string>

#include "data/loaders.hpp"
#include "data/messages.hpp"
#include "loader_test_support.hpp"
#include "test_support.hpp"

namespace antkeys {
namespace {

using test::CrLf;

// Key 1 (Q) on row 1; keys 2 to 4 (A, S, D) on row 2; key 5 (F) flagged, its companion at 6;
// key 7 (J) on row 3. The open keys of a free letter are A, S, D and J.
KeyTables TestKeyboard() {
    return test::Keyboard({"Q\t0\t1\t0\t1\t0", "A\t0\t1\t0\t2\t0", "S\t0\t2\t1\t2\t0",
                           "D\t0\t3\t2\t2\t0", "F\t0\t4\t3\t3\t1", "J\t1\t1\t0\t3\t0"});
}

constexpr int kQ = 1, kA = 2, kS = 3, kD = 4, kF = 5, kJ = 7;
const double kOpen = static_cast<double>(0.1f);

struct RefLoad {
    Layout lay{};
    LetterTables letters;
    PheroTable phero;
    RecordingSink sink;
    bool ok = false;
};

RefLoad LoadRef(const std::string& content, const KeyTables& keys,
                const std::string& path = "In/RefKeyLay.txt") {
    RefLoad r;
    r.ok = LoadRefKeyLayText(content, path, keys, r.lay, r.letters, r.phero, r.sink);
    return r;
}

std::vector<double> Column(const PheroTable& phero, int j) {
    return std::vector<double>(phero.column(j), phero.column(j) + phero.nKeys() + 1);
}

TEST(LoadRefKeyLay, AFixedLetterHasAllItsPheromoneOnItsKey) {
    const RefLoad r = LoadRef(CrLf({"Code\tKey\tFixed", "97\tA\t1"}), TestKeyboard());
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.letters.letSet, (std::vector<Byte>{97}));
    EXPECT_EQ(r.letters.letFixKey, (std::vector<Integer>{kA}));
    EXPECT_EQ(r.lay[97], kA);
    EXPECT_EQ(r.phero.nKeys(), 7);
    EXPECT_EQ(Column(r.phero, 0), (std::vector<double>{0, 0, 1, 0, 0, 0, 0, 0}));
}

TEST(LoadRefKeyLay, AFreeLetterStartsOnItsKeyWithSingleTenthsOnTheOpenKeys) {
    const RefLoad r = LoadRef(CrLf({"h", "115\tS\t0"}), TestKeyboard());
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.letters.letFixKey, (std::vector<Integer>{0}));
    EXPECT_EQ(r.lay[115], kS);
    const double sum = ((kOpen + 1) + kOpen) + kOpen;  // summed in key order: A, S, D, J
    const std::vector<double> col = Column(r.phero, 0);
    EXPECT_EQ(col[kS], 1 / sum);
    for (int k : {kA, kD, kJ}) EXPECT_EQ(col[static_cast<std::size_t>(k)], kOpen / sum) << k;
    for (int k : {0, kQ, kF, kF + 1}) EXPECT_EQ(col[static_cast<std::size_t>(k)], 0) << k;
}

TEST(LoadRefKeyLay, AFreeLetterNamedOnAClosedKeyOrNoKeySharesTheOpenKeysEqually) {
    const RefLoad r =
        LoadRef(CrLf({"h", "113\tQ\t0", "102\tF\t0", "122\tnone\t0"}), TestKeyboard());
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.lay[113], kQ);
    EXPECT_EQ(r.lay[102], kF);
    EXPECT_EQ(r.lay[122], 0);
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(Column(r.phero, j), (std::vector<double>{0, 0, 0.25, 0.25, 0.25, 0, 0, 0.25}))
            << j;
    }
    EXPECT_TRUE(r.sink.messages.empty());
}

TEST(LoadRefKeyLay, AFixedLetterOnAnUnknownKeyHasItsPheromoneOnKeyZero) {
    const RefLoad r = LoadRef(CrLf({"h", "122\tnone\t1"}), TestKeyboard());
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.letters.letFixKey, (std::vector<Integer>{0}));
    EXPECT_EQ(r.lay[122], 0);
    EXPECT_EQ(Column(r.phero, 0), (std::vector<double>{1, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(LoadRefKeyLay, KeysFixedOnEarlierLinesAreClosedToLaterFreeLetters) {
    const RefLoad r =
        LoadRef(CrLf({"h", "100\tJ\t0", "97\tA\t1", "115\tS\t0", "106\tJ\t1"}), TestKeyboard());
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.letters.letFixKey, (std::vector<Integer>{0, kA, 0, kJ}));
    // Letter 0 came before both fixed lines: A and J stay open for it.
    const double sum0 = ((kOpen + kOpen) + kOpen) + 1;  // A, S, D, J
    EXPECT_EQ(Column(r.phero, 0), (std::vector<double>{0, 0, kOpen / sum0, kOpen / sum0,
                                                       kOpen / sum0, 0, 0, 1 / sum0}));
    // Letter 2 comes after A was fixed: A is left at 0; J is fixed later and stays open.
    const double sum2 = (1 + kOpen) + kOpen;  // S, D, J
    EXPECT_EQ(Column(r.phero, 2),
              (std::vector<double>{0, 0, 0, 1 / sum2, kOpen / sum2, 0, 0, kOpen / sum2}));
    for (int j = 0; j < 4; ++j) {
        double total = 0;
        for (double v : Column(r.phero, j)) total += v;
        EXPECT_NEAR(total, 1, 1e-15) << j;
    }
}

TEST(LoadRefKeyLay, ACharacterListedTwiceIsTwoLettersAndTheLaterKeyWins) {
    const RefLoad r = LoadRef(CrLf({"h", "97\tA\t0", "97\tS\t0"}), TestKeyboard());
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.letters.letSet, (std::vector<Byte>{97, 97}));
    EXPECT_EQ(r.lay[97], kS);
    EXPECT_EQ(r.phero.nLet(), 1);
}

TEST(LoadRefKeyLay, HeaderOnlyDefinesNoLettersAndClearsEarlierOnes) {
    RefLoad r;
    r.lay[5] = 3;
    r.letters.letSet = {1, 2};
    r.letters.letFixKey = {0, 0};
    r.phero.Resize(7, 1);
    ASSERT_TRUE(LoadRefKeyLayText("Code\tKey\tFixed\r\n", "p", TestKeyboard(), r.lay, r.letters,
                                  r.phero, r.sink));
    EXPECT_EQ(r.lay, Layout{});
    EXPECT_EQ(r.letters.nLet(), -1);
    EXPECT_TRUE(r.letters.letFixKey.empty());
    EXPECT_TRUE(r.phero.empty());
}

TEST(LoadRefKeyLay, BrokenFilesFailWithTheFixedTextAndThePath) {
    const std::pair<std::string, std::string> cases[] = {
        {CrLf({"h", "97\tA\t1", ""}),
         "p/RefKeyLay.txt, line 3: the line is empty, a character code, a key code and a fixed "
         "flag were expected"},
        {CrLf({"h", "97\tA"}), "p/RefKeyLay.txt, line 2, field 3 is missing"},
        {CrLf({"h", "97\tA\tyes"}), "p/RefKeyLay.txt, line 2, field 3: \"yes\" is not a number"},
        {CrLf({"h", "256\tA\t0"}), "p/RefKeyLay.txt, line 2, field 1: \"256\" is outside 0..255"},
        {"", "p/RefKeyLay.txt: the file is empty, a header line was expected"},
    };
    for (const auto& [content, description] : cases) {
        const RefLoad r = LoadRef(content, TestKeyboard(), "p/RefKeyLay.txt");
        EXPECT_FALSE(r.ok);
        ASSERT_EQ(r.sink.messages.size(), 1u);
        EXPECT_EQ(r.sink.messages[0].title, "Error Loading Layout");
        EXPECT_EQ(r.sink.messages[0].text,
                  "Error Reference Loading Layout from:p/RefKeyLay.txt\r\n" + description);
    }
}

TEST(LoadRefKeyLay, FailsWithoutKeyDefinitions) {
    const RefLoad r = LoadRef(CrLf({"h", "97\tA\t1"}), KeyTables{});
    EXPECT_FALSE(r.ok);
    ASSERT_EQ(r.sink.messages.size(), 1u);
    EXPECT_EQ(r.sink.messages[0].text,
              "Error Reference Loading Layout from:In/RefKeyLay.txt\r\nIn/RefKeyLay.txt: no key "
              "definitions are loaded, so no key code can be looked up");
}

TEST(LoadRefKeyLay, ReadsAFileAndReportsAMissingOne) {
    test::TempFolder folder;
    RefLoad r;
    const std::string missing = folder.path() + "/In/RefKeyLay.txt";
    EXPECT_FALSE(LoadRefKeyLay(missing, TestKeyboard(), r.lay, r.letters, r.phero, r.sink));
    ASSERT_EQ(r.sink.messages.size(), 1u);
    EXPECT_EQ(r.sink.messages[0].text.rfind(
                  std::string(msg::kRefLayoutText) + missing + "\r\ncannot open " + missing, 0),
              0u);

    const std::string path = folder.Write("In/RefKeyLay.txt", test::Lf({"h", "97\tA\t1"}));
    EXPECT_TRUE(LoadRefKeyLay(path, TestKeyboard(), r.lay, r.letters, r.phero, r.sink));
    EXPECT_EQ(r.lay[97], kA);
}

}  // namespace
}  // namespace antkeys
