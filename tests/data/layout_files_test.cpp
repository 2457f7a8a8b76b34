// The reference layout, layout files and best-layout files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/loaders.hpp"
#include "support/keyboards.hpp"
#include "support/text.hpp"

namespace antkeys {
namespace {

using test::CrLf;

// Key 1 (Q) on row 1; keys 2 to 4 (A, S, D) on row 2; key 5 (F) flagged, its companion at 6;
// key 7 (J) on row 3. The open keys of a free letter are A, S, D and J.
KeyTables RefKeyboard() {
    return test::Keyboard({"Q\t0\t1\t0\t1\t0", "A\t0\t1\t0\t2\t0", "S\t0\t2\t1\t2\t0",
                           "D\t0\t3\t2\t2\t0", "F\t0\t4\t3\t3\t1", "J\t1\t1\t0\t3\t0"});
}

constexpr int kQ = 1, kA = 2, kS = 3, kF = 5, kJ = 7;
const double kOpen = static_cast<double>(0.1f);

struct RefLoad {
    Layout lay{};
    LetterTables letters;
    PheroTable phero;
    RecordingSink sink;
    bool ok = false;
};

RefLoad LoadRef(const std::string& content) {
    RefLoad r;
    r.ok = LoadRefKeyLayText(content, "In/RefKeyLay.txt", RefKeyboard(), r.lay, r.letters, r.phero,
                             r.sink);
    return r;
}

std::vector<double> Column(const PheroTable& phero, int j) {
    return std::vector<double>(phero.column(j), phero.column(j) + phero.nKeys() + 1);
}

// Q (row 1) and F (flagged) are closed keys: a free letter named on one, or on no key, shares
// the open keys equally.
TEST(LoadRefKeyLay, AFreeLetterStartsOnItsOpenKeyWithSingleTenthsOnTheOthersOrSharesThemEqually) {
    const RefLoad r = LoadRef(CrLf({"h", "115\tS\t0", "113\tQ\t0", "102\tF\t0", "122\tnone\t0"}));
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.sink.messages.empty());
    EXPECT_EQ(r.letters.letFixKey, (std::vector<Integer>{0, 0, 0, 0}));
    EXPECT_EQ(r.lay[115], kS);
    EXPECT_EQ(r.lay[113], kQ);
    EXPECT_EQ(r.lay[102], kF);
    EXPECT_EQ(r.lay[122], 0);
    const double sum = ((kOpen + 1) + kOpen) + kOpen;  // summed in key order: A, S, D, J
    EXPECT_EQ(Column(r.phero, 0),
              (std::vector<double>{0, 0, kOpen / sum, 1 / sum, kOpen / sum, 0, 0, kOpen / sum}));
    for (int j = 1; j < 4; ++j) {
        EXPECT_EQ(Column(r.phero, j), (std::vector<double>{0, 0, 0.25, 0.25, 0.25, 0, 0, 0.25}))
            << j;
    }
}

// A fixed letter has all its pheromone on its key, or on key 0 when the key is unknown, and its
// key is closed to the free letters of later lines. A character listed twice is two letters,
// and the later key wins.
TEST(LoadRefKeyLay, AFixedLetterHasAllItsPheromoneOnItsKeyWhichLaterFreeLettersCannotTake) {
    const RefLoad r = LoadRef(CrLf({"Code\tKey\tFixed", "100\tJ\t0", "97\tA\t1", "122\tnone\t1",
                                    "115\tS\t0", "106\tJ\t1", "97\tS\t0", "98\tA\t0"}));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.letters.letSet, (std::vector<Byte>{100, 97, 122, 115, 106, 97, 98}));
    EXPECT_EQ(r.letters.letFixKey, (std::vector<Integer>{0, kA, 0, 0, kJ, 0, 0}));
    EXPECT_EQ(r.lay[97], kS);
    EXPECT_EQ(r.lay[122], 0);
    EXPECT_EQ(Column(r.phero, 1), (std::vector<double>{0, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Column(r.phero, 2), (std::vector<double>{1, 0, 0, 0, 0, 0, 0, 0}));
    // Letter 0 came before both fixed lines: A and J stay open for it.
    const double sum0 = ((kOpen + kOpen) + kOpen) + 1;  // A, S, D, J
    EXPECT_EQ(Column(r.phero, 0), (std::vector<double>{0, 0, kOpen / sum0, kOpen / sum0,
                                                       kOpen / sum0, 0, 0, 1 / sum0}));
    // Letter 3 comes after A was fixed: A is left at 0; J is fixed later and stays open.
    const double sum3 = (1 + kOpen) + kOpen;  // S, D, J
    EXPECT_EQ(Column(r.phero, 3),
              (std::vector<double>{0, 0, 0, 1 / sum3, kOpen / sum3, 0, 0, kOpen / sum3}));
    // The second a comes after both: only S and D are open.
    EXPECT_EQ(Column(r.phero, 5),
              (std::vector<double>{0, 0, 0, 1 / (1 + kOpen), kOpen / (1 + kOpen), 0, 0, 0}));
    // A free letter named on a key an earlier line fixed gets nothing there either: its
    // column is the open keys S and D, equally.
    EXPECT_EQ(r.lay[98], kA);
    EXPECT_EQ(Column(r.phero, 6), (std::vector<double>{0, 0, 0, 0.5, 0.5, 0, 0, 0}));
}

// Keys 1 (A), 2 (S, flagged) with its companion at 3, 4 (D).
KeyTables LayKeyboard() {
    return test::Keyboard({"A\t0\t1\t0\t2\t0", "S\t0\t2\t1\t2\t1", "D\t0\t3\t2\t2\t0"});
}

TEST(LoadKeyLay, ClearsTheLayoutAndPlacesEveryListedCharacter) {
    Layout lay{};
    lay[10] = 4;
    RecordingSink sink;
    ASSERT_TRUE(LoadKeyLayText(CrLf({"12.5", "97\tA", "", "98\tD\tignored", "99\tnone"}), "p",
                               LayKeyboard(), lay, sink));
    EXPECT_TRUE(sink.messages.empty());
    Layout expected{};
    expected[97] = 1;
    expected[98] = 4;
    EXPECT_EQ(lay, expected);

    ASSERT_TRUE(LoadKeyLayText("header only", "p", LayKeyboard(), lay, sink));
    EXPECT_EQ(lay, Layout{});
}

TEST(BestLayFileName, RoundsTheGradeHalfAwayFromZeroToAtLeastThreeDigits) {
    EXPECT_EQ(BestLayFileName(12.34f, 4711), "012_4711.txt");
    EXPECT_EQ(BestLayFileName(-3.2f, 7), "-003_7.txt");
    EXPECT_EQ(BestLayFileName(2.5f, 1), "003_1.txt");
    EXPECT_EQ(BestLayFileName(-2.5f, 1), "-003_1.txt");
    EXPECT_EQ(BestLayFileName(0.4f, 0), "000_0.txt");
    EXPECT_EQ(BestLayFileName(-0.4f, 0), "000_0.txt");
    EXPECT_EQ(BestLayFileName(99.5f, 0), "100_0.txt");
    EXPECT_EQ(BestLayFileName(1234.5f, 2147483647), "1235_2147483647.txt");
}

}  // namespace
}  // namespace antkeys
