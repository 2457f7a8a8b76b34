#include "search/modify_pheromones.hpp"

#include <gtest/gtest.h>

#include "search_fixtures.hpp"

namespace antkeys {
namespace {

using test::Column;
using test::MakeLetters;
using test::MakePhero;

Layout LayoutOf(std::initializer_list<std::pair<int, int>> placed) {
    Layout lay{};
    for (const auto& [code, key] : placed)
        lay[static_cast<std::size_t>(code)] = static_cast<Byte>(key);
    return lay;
}

TEST(ModifyPheromones, ReinforcesTheBestKeyAndRescalesTheColumn) {
    LetterTables letters = MakeLetters({{'a', 0}});
    PheroTable phero = MakePhero({{0, 0.5, 0.5, 0}});
    ModifyPheromones(phero, letters, LayoutOf({{'a', 1}}), 0.2f, 0.1);
    const double g = static_cast<double>(0.2f) * 0.1;
    EXPECT_DOUBLE_EQ(phero.at(1, 0), (0.5 + g) / (1 + g));
    EXPECT_DOUBLE_EQ(phero.at(2, 0), 0.5 / (1 + g));
    EXPECT_NEAR(phero.at(1, 0), 0.5098, 5e-5);
    EXPECT_NEAR(phero.at(2, 0), 0.4902, 5e-5);
    EXPECT_EQ(phero.at(0, 0), 0);
    EXPECT_EQ(phero.at(3, 0), 0);
}

TEST(ModifyPheromones, ZeroAndNegativeEntriesStayOutOfTheRescaling) {
    LetterTables letters = MakeLetters({{'a', 0}});
    PheroTable phero = MakePhero({{0, 0.3, 0, -1, 0.7}});
    ModifyPheromones(phero, letters, LayoutOf({{'a', 4}}), 0.5f, 0.2);
    EXPECT_EQ(phero.at(2, 0), 0);
    EXPECT_EQ(phero.at(3, 0), -1);
    EXPECT_DOUBLE_EQ(phero.at(1, 0) + phero.at(4, 0), 1.0);
    EXPECT_DOUBLE_EQ(phero.at(4, 0), 0.8 / 1.1);
}

TEST(ModifyPheromones, NegativePairGetsNeitherReinforcementNorRescaling) {
    // Letter 0 sits on a key with a negative pair; its unnormalised column stays as it is.
    // Letter 1 is reinforced as usual.
    LetterTables letters = MakeLetters({{'a', 0}, {'b', 0}});
    PheroTable phero = MakePhero({{0, 0.2, 0.2, -0.5}, {0, 0.5, 0.5, 0}});
    ModifyPheromones(phero, letters, LayoutOf({{'a', 3}, {'b', 2}}), 0.3f, 0.1);
    EXPECT_EQ(Column(phero, 0), (std::vector<double>{0, 0.2, 0.2, -0.5}));
    EXPECT_GT(phero.at(2, 1), phero.at(1, 1));
}

TEST(ModifyPheromones, ZeroPairOfAFixedOrUnplacedLetterBecomesPositive) {
    // Letter 0 is fixed to key 2 whose pair holds 0; letter 1 was left unplaced (key 0).
    LetterTables letters = MakeLetters({{'a', 2}, {'b', 0}});
    PheroTable phero = MakePhero({{0, 0, 0, 0}, {0, 0.5, 0, 0.5}});
    ModifyPheromones(phero, letters, LayoutOf({{'a', 2}}), 0.25f, 0.1);
    EXPECT_EQ(Column(phero, 0), (std::vector<double>{0, 0, 1, 0}));
    const double g = 0.025;
    EXPECT_DOUBLE_EQ(phero.at(0, 1), g / (1 + g));
    EXPECT_DOUBLE_EQ(phero.at(1, 1), 0.5 / (1 + g));
}

TEST(ModifyPheromones, ZeroFactorStillRescales) {
    LetterTables letters = MakeLetters({{'a', 0}, {'b', 0}});
    PheroTable phero = MakePhero({{0, 2, 2, 4}, {0, 1, -1, 3}});
    ModifyPheromones(phero, letters, LayoutOf({{'a', 1}, {'b', 2}}), 0.4f, 0.0);
    EXPECT_EQ(Column(phero, 0), (std::vector<double>{0, 0.25, 0.25, 0.5}));
    EXPECT_EQ(Column(phero, 1), (std::vector<double>{0, 1, -1, 3})) << "its pair is negative";
}

TEST(ModifyPheromones, LayoutKeyBeyondTheKeyboardIsSkipped) {
    LetterTables letters = MakeLetters({{'a', 0}});
    PheroTable phero = MakePhero({{0, 1, 1}});
    ModifyPheromones(phero, letters, LayoutOf({{'a', 9}}), 0.4f, 0.1);
    EXPECT_EQ(Column(phero, 0), (std::vector<double>{0, 1, 1}));
}

TEST(NormalizePhero, RescalesPositiveEntriesOnlyAndKeepsThemAboveAFloor) {
    const std::pair<std::vector<double>, std::vector<double>> cases[] = {
        {{0, 2, 2, 4}, {0, 0.25, 0.25, 0.5}},
        {{0, 0, -2, 0}, {0, 0, -2, 0}},       // no positive entry: left as it was
        {{0, 1e-320, 1e10}, {0, 1e-100, 1}},  // the quotient underflows
    };
    for (const auto& [column, normalised] : cases) {
        PheroTable phero = MakePhero({column});
        NormalizePhero(phero, 0);
        EXPECT_EQ(Column(phero, 0), normalised);
    }
}

TEST(ClearPhero, EveryPositiveEntryBecomesOneTenthWithoutRescaling) {
    PheroTable phero = MakePhero({{0.4, 0.6, 0, -0.1}, {0, 1e-100, 5, 0}});
    ClearPhero(phero);
    EXPECT_EQ(Column(phero, 0), (std::vector<double>{0.1, 0.1, 0, -0.1}));
    EXPECT_EQ(Column(phero, 1), (std::vector<double>{0, 0.1, 0.1, 0}));
}

}  // namespace
}  // namespace antkeys
