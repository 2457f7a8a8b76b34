#include <gtest/gtest.h>

#include <string>

#include "data/loaders.hpp"
#include "data/messages.hpp"
#include "loader_test_support.hpp"
#include "test_support.hpp"

namespace antkeys {
namespace {

using test::CrLf;

std::string KdiText(const std::string& secondRow) {
    return CrLf({"Kdi\t1\t2\t3\t4\t5", "F1\t0\t1\t2\t3\t4", "F2\t" + secondRow,
                 "F3\t20\t21\t22\t23\t24", "F4\t30\t31\t32\t33\t34", "F5\t40\t41\t42\t43\t255",
                 "not read\tx"});
}

TEST(LoadKdi, FillsFingersOneToFiveAndLeavesRowAndColumnZero) {
    KdiTable kdi{};
    RecordingSink sink;
    ASSERT_TRUE(LoadKdiText(KdiText("10\t11\t12\t13\t14\textra"), "Kdi.txt", kdi, sink));
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(kdi[1][1], 0);
    EXPECT_EQ(kdi[1][5], 4);
    EXPECT_EQ(kdi[2][3], 12);
    EXPECT_EQ(kdi[5][5], 255);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(kdi[0][i], 0);
        EXPECT_EQ(kdi[i][0], 0);
    }
}

TEST(LoadKdi, ValuesOutsideAByteAndShortFilesFail) {
    const std::pair<std::string, std::string> cases[] = {
        {KdiText("10\t11\t300\t13\t14"), "Kdi.txt, line 3, field 4: \"300\" is outside 0..255"},
        {KdiText("10\t11\t12\t13\t-1"), "Kdi.txt, line 3, field 6: \"-1\" is outside 0..255"},
        {KdiText("10\t11\t12\t13"), "Kdi.txt, line 3, field 6 is missing"},
        {CrLf({"Kdi", "F1\t0\t1\t2\t3\t4"}),
         "Kdi.txt, line 3: missing, the file ends after line 2 (5 data lines follow the header)"},
    };
    for (const auto& [content, description] : cases) {
        KdiTable kdi{};
        RecordingSink sink;
        EXPECT_FALSE(LoadKdiText(content, "Kdi.txt", kdi, sink));
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].title, "Error Loading  Kdi");
        EXPECT_EQ(sink.messages[0].text, "Error Loading Kdi\r\n" + description);
    }
}

TEST(LoadGj, SumsTheSixWeights) {
    GjTable gj{};
    Double sum = 99;
    RecordingSink sink;
    ASSERT_TRUE(LoadGjText(
        test::Lf({"Gj", "V1\t1", "V2\t2\tx", "V3\t3", "V4\t4", "V5\t5", "V6\t6", "garbage"}),
        "Gj.txt", gj, sum, sink));
    EXPECT_EQ(sum, 21);
    EXPECT_EQ(gj, (GjTable{0, 1, 2, 3, 4, 5, 6}));
}

TEST(LoadGj, BrokenFilesFailWithTheirFixedTitleAndText) {
    const std::pair<std::string, std::string> cases[] = {
        {CrLf({"Gj", "V1\t1", "V2\t2", "V3\t3", "V4\t4", "V5\t5"}),
         "Gj.txt, line 7: missing, the file ends after line 6 (6 data lines follow the header)"},
        {CrLf({"Gj", "V1\t1", "V2"}), "Gj.txt, line 3, field 2 is missing"},
        {CrLf({"Gj", "V1\t1", "V2\t0,5"}), "Gj.txt, line 3, field 2: \"0,5\" is not a number"},
    };
    for (const auto& [content, description] : cases) {
        GjTable gj{};
        Double sum = 0;
        RecordingSink sink;
        EXPECT_FALSE(LoadGjText(content, "Gj.txt", gj, sum, sink));
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].title, "Error Loading  KGj");
        EXPECT_EQ(sink.messages[0].text, "Error Loading Gj\r\n" + description);
    }
}

TEST(LoadKdiAndGj, ReadFilesAndReportMissingOnes) {
    test::TempFolder folder;
    KdiTable kdi{};
    GjTable gj{};
    Double sum = 0;
    RecordingSink sink;
    EXPECT_FALSE(LoadKdi(folder.path() + "/In/Kdi.txt", kdi, sink));
    EXPECT_FALSE(LoadGj(folder.path() + "/In/Gj.txt", gj, sum, sink));
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0].title, msg::kKdiTitle);
    EXPECT_EQ(sink.messages[1].title, msg::kGjTitle);

    EXPECT_TRUE(LoadKdi(folder.Write("In/Kdi.txt", KdiText("1\t1\t1\t1\t1")), kdi, sink));
    EXPECT_TRUE(LoadGj(
        folder.Write("In/Gj.txt", CrLf({"G", "a\t1", "b\t1", "c\t1", "d\t1", "e\t1", "f\t1.5"})),
        gj, sum, sink));
    EXPECT_EQ(sum, 6.5);
}

}  // namespace
}  // namespace antkeys
