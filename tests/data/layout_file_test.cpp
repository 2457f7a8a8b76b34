#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "data/loaders.hpp"
#include "data/messages.hpp"
#include "loader_test_support.hpp"
#include "test_support.hpp"

namespace antkeys {
namespace {

using test::CrLf;

// Keys 1 (A), 2 (S, flagged) with its companion at 3, 4 (D).
KeyTables TestKeyboard() {
    return test::Keyboard({"A\t0\t1\t0\t2\t0", "S\t0\t2\t1\t2\t1", "D\t0\t3\t2\t2\t0"});
}

TEST(LoadKeyLay, ClearsTheLayoutAndPlacesEveryListedCharacter) {
    Layout lay{};
    lay[10] = 4;
    RecordingSink sink;
    ASSERT_TRUE(LoadKeyLayText(CrLf({"12.5", "97\tA", "", "98\tD\tignored", "99\tnone"}), "p",
                               TestKeyboard(), lay, sink));
    EXPECT_TRUE(sink.messages.empty());
    Layout expected{};
    expected[97] = 1;
    expected[98] = 4;
    EXPECT_EQ(lay, expected);

    ASSERT_TRUE(LoadKeyLayText("header only", "p", TestKeyboard(), lay, sink));
    EXPECT_EQ(lay, Layout{});
}

TEST(LoadKeyLay, BrokenFilesFailWithTheFixedTextAndThePath) {
    const std::pair<std::string, std::string> cases[] = {
        {CrLf({"h", "97"}), "x/lay.txt, line 2, field 2 is missing"},
        {CrLf({"h", "a\tA"}), "x/lay.txt, line 2, field 1: \"a\" is not a number"},
        {CrLf({"h", "-1\tA"}), "x/lay.txt, line 2, field 1: \"-1\" is outside 0..255"},
        {"", "x/lay.txt: the file is empty, a header line was expected"},
    };
    for (const auto& [content, description] : cases) {
        Layout lay{};
        RecordingSink sink;
        EXPECT_FALSE(LoadKeyLayText(content, "x/lay.txt", TestKeyboard(), lay, sink));
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].title, "Error Loading Layout");
        EXPECT_EQ(sink.messages[0].text,
                  "Error Loading Custom Layout from:x/lay.txt\r\n" + description);
    }
}

TEST(GetLayStr, ListsPlacedCharactersInAscendingOrderWithTheirKeyCodes) {
    Layout lay{};
    lay[200] = 1;
    lay[32] = 4;
    lay[65] = 3;  // the companion has no code
    EXPECT_EQ(GetLayStr(lay, TestKeyboard()), "32\tD\r\n65\t\r\n200\tA\r\n");
    lay[66] = 50;  // a key these tables lack
    EXPECT_EQ(GetLayStr(lay, TestKeyboard()), "32\tD\r\n65\t\r\n66\t\r\n200\tA\r\n");
}

TEST(BestLayFileName, RoundsTheGradeHalfAwayFromZeroToAtLeastThreeDigits) {
    EXPECT_EQ(BestLayFileName(12.34f, 4711), "012_4711.txt");
    EXPECT_EQ(BestLayFileName(-3.2f, 7), "-003_7.txt");
    EXPECT_EQ(BestLayFileName(2.5f, 1), "003_1.txt");
    EXPECT_EQ(BestLayFileName(-2.5f, 1), "-003_1.txt");
    EXPECT_EQ(BestLayFileName(0.4f, 0), "000_0.txt");
    EXPECT_EQ(BestLayFileName(1234.5f, 2147483647), "1235_2147483647.txt");
}

TEST(SaveBestLay, WritesTheGradeAndTheLayoutThatLoadKeyLayReadsBack) {
    test::TempFolder folder;
    const KeyTables keys = TestKeyboard();
    Layout best{};
    best[97] = 1;
    best[98] = 2;
    best[255] = 4;
    RecordingSink sink;
    const std::string out = folder.path() + "/Out";  // missing: created on the way
    const std::string path = SaveBestLay(out, 12.34f, 4711, best, keys, sink);
    EXPECT_TRUE(sink.messages.empty());
    ASSERT_EQ(path, out + "/012_4711.txt");
    EXPECT_EQ(folder.Read("Out/012_4711.txt"), "12.34\r\n97\tA\r\n98\tS\r\n255\tD\r\n");

    Layout back{};
    ASSERT_TRUE(LoadKeyLay(path, keys, back, sink));
    EXPECT_EQ(back, best);

    EXPECT_EQ(SaveBestLay(out, -3.2f, 8, best, keys, sink), out + "/-003_8.txt");
    EXPECT_EQ(folder.Read("Out/-003_8.txt").substr(0, 6), "-3.2\r\n");
}

TEST(SaveBestLay, AnUnwritableFolderIsReportedAndNothingIsReturned) {
    test::TempFolder folder;
    const std::string blocked = folder.Write("Out", "a file where the folder should be");
    Layout best{};
    best[97] = 1;
    const Layout before = best;
    RecordingSink sink;
    EXPECT_EQ(SaveBestLay(blocked, 5.f, 3, best, TestKeyboard(), sink), "");
    EXPECT_EQ(best, before);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].title, msg::kWriteTitle);
    EXPECT_EQ(
        sink.messages[0].text.rfind(
            std::string(msg::kBestLayWriteText) + "\r\ncannot write " + blocked + "/005_3.txt", 0),
        0u)
        << sink.messages[0].text;
}

TEST(LoadKeyLay, AMissingFileIsReportedWithItsPath) {
    test::TempFolder folder;
    Layout lay{};
    lay[1] = 1;
    RecordingSink sink;
    const std::string path = folder.path() + "/dropped.txt";
    EXPECT_FALSE(LoadKeyLay(path, TestKeyboard(), lay, sink));
    EXPECT_EQ(lay[1], 1);  // left as it was
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text.rfind("Error Loading Custom Layout from:" + path + "\r\n", 0),
              0u);
}

}  // namespace
}  // namespace antkeys
