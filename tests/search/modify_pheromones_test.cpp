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

// The reinforcement of whole runs is pinned by the goldens; here the columns it must leave
// alone or treat apart.
TEST(ModifyPheromones, ReinforcesPositiveColumnsOnlyAndRescalesThem) {
    struct Case {
        const char* name;
        LetterTables letters;
        std::vector<std::vector<double>> before, after;
        Layout best;
        Single grade;
        double factor;
    };
    const double g = 0.025;  // grade 0.25 times factor 0.1
    const Case cases[] = {
        {"zero and negative entries stay out",
         MakeLetters({{'a', 0}}),
         {{0, 0.3, 0, -1, 0.7}},
         {{0, 0.3 / 1.1, 0, -1, 0.8 / 1.1}},
         LayoutOf({{'a', 4}}),
         0.5f,
         0.2},
        // Its unnormalised column stays as it is; the next letter is reinforced as usual.
        {"a negative pair",
         MakeLetters({{'a', 0}, {'b', 0}}),
         {{0, 0.2, 0.2, -0.5}, {0, 0.5, 0.5, 0}},
         {{0, 0.2, 0.2, -0.5}, {0, 0.5 / (1 + g), (0.5 + g) / (1 + g), 0}},
         LayoutOf({{'a', 3}, {'b', 2}}),
         0.25f,
         0.1},
        // a is fixed to key 2 whose pair holds 0; b was left unplaced (key 0).
        {"a zero pair becomes positive",
         MakeLetters({{'a', 2}, {'b', 0}}),
         {{0, 0, 0, 0}, {0, 0.5, 0, 0.5}},
         {{0, 0, 1, 0}, {g / (1 + g), 0.5 / (1 + g), 0, 0.5 / (1 + g)}},
         LayoutOf({{'a', 2}}),
         0.25f,
         0.1},
        {"a zero factor still rescales",
         MakeLetters({{'a', 0}}),
         {{0, 2, 2, 4}},
         {{0, 0.25, 0.25, 0.5}},
         LayoutOf({{'a', 1}}),
         0.4f,
         0.0},
        {"a key beyond the keyboard",
         MakeLetters({{'a', 0}}),
         {{0, 1, 1}},
         {{0, 1, 1}},
         LayoutOf({{'a', 9}}),
         0.4f,
         0.1},
    };
    for (const Case& t : cases) {
        PheroTable phero = MakePhero(t.before);
        ModifyPheromones(phero, t.letters, t.best, t.grade, t.factor);
        for (std::size_t j = 0; j < t.after.size(); ++j) {
            const std::vector<double> column = Column(phero, static_cast<int>(j));
            for (std::size_t k = 0; k < column.size(); ++k)
                EXPECT_DOUBLE_EQ(column[k], t.after[j][k])
                    << t.name << " letter " << j << " key " << k;
        }
    }
}

TEST(NormalizePhero, RescalesPositiveEntriesOnlyAndKeepsThemAboveAFloor) {
    const std::pair<std::vector<double>, std::vector<double>> cases[] = {
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
