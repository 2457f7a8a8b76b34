#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>

#include "data/loaders.hpp"
#include "eval/grading.hpp"
#include "eval/workspace.hpp"
#include "support/temp_folder.hpp"

namespace antkeys {
namespace {

struct Bundled {
    const char* language;
    int letters;  // space included
};

class BundledSet : public ::testing::TestWithParam<Bundled> {};

TEST_P(BundledSet, LoadsAndItsReferenceGradesZero) {
    Workspace ws;
    ws.paths.folder = test::BundledSet(GetParam().language);
    RecordingSink sink;
    std::string why;
    ASSERT_TRUE(LoadWorkspace(ws, sink, &why)) << why;
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(ws.keys.nKeys(), 35);  // 33 letter keys, the space bar and its companion
    EXPECT_EQ(ws.letters.nLet() + 1, GetParam().letters);

    // Every letter on its own key of the three letter rows; space fixed to the space bar.
    std::set<int> keys;
    for (std::size_t j = 0; j < ws.letters.letSet.size(); ++j) {
        const int k = ws.refKeyLay[ws.letters.letSet[j]];
        ASSERT_GT(k, 0) << "letter " << j;
        EXPECT_TRUE(keys.insert(k).second) << "letter " << j;
        if (ws.letters.letSet[j] == 32) {
            EXPECT_EQ(ws.letters.letFixKey[j], k);
            EXPECT_EQ(ws.keys.codes[static_cast<std::size_t>(k)], "Space");
        } else {
            EXPECT_EQ(ws.letters.letFixKey[j], 0);
            const int row = ws.keys.rows[static_cast<std::size_t>(k)];
            EXPECT_TRUE(row >= 2 && row <= 4) << "letter " << j;
        }
    }

    for (std::size_t i = 1; i <= 6; ++i) EXPECT_GT(ws.layV.ref[i], 0) << "V" << i;
    NoYield noYield;
    const GradeResult g =
        EvaluateLay(ws.refKeyLay, ws.analizer, ws.weights, ws.layV, ws.panel, noYield);
    ASSERT_TRUE(g.ok) << g.error;
    EXPECT_EQ(g.grade, 0.0f);
    EXPECT_EQ(ws.panel.difGrade.Text(), "0.00%");
    EXPECT_EQ(ws.panel.currGrade.Text(), ws.panel.refGrade.Text());
}

// The whole chain on real data: Dvorak, made for English, grades far better than QWERTY.
TEST(BundledEnglish, DvorakBeatsQwerty) {
    Workspace ws;
    ws.paths.folder = test::BundledSet("en");
    RecordingSink sink;
    ASSERT_TRUE(LoadWorkspace(ws, sink));
    Layout dvorak{};
    ASSERT_TRUE(LoadKeyLay(ws.paths.folder + "/Dvorak.txt", ws.keys, dvorak, sink));
    NoYield noYield;
    const GradeResult g = EvaluateLay(dvorak, ws.analizer, ws.weights, ws.layV, ws.panel, noYield);
    ASSERT_TRUE(g.ok);
    EXPECT_GT(g.grade, 0.5f);
    for (std::size_t i = 3; i <= 6; ++i) EXPECT_LT(ws.layV.last[i], ws.layV.ref[i]) << "V" << i;
}

INSTANTIATE_TEST_SUITE_P(Data, BundledSet, ::testing::Values(Bundled{"ka", 34}, Bundled{"en", 27}),
                         [](const auto& param) { return std::string(param.param.language); });

// The Georgian set ships a learnt store; it must fit the set exactly, since the reader takes
// any store with enough lines and fields, and it must keep every letter off forbidden keys.
TEST(BundledGeorgian, ShippedStoreFitsTheSet) {
    Workspace ws;
    ws.paths.folder = test::BundledSet("ka");
    RecordingSink sink;
    ASSERT_TRUE(LoadWorkspace(ws, sink));
    ASSERT_TRUE(sink.messages.empty());

    std::ifstream in(ws.paths.pheromones(), std::ios::binary);
    std::string line;
    int lines = 0;
    while (std::getline(in, line)) {
        ++lines;
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), ws.letters.nLet())
            << "line " << lines;
    }
    EXPECT_EQ(lines, ws.keys.nKeys() + 1);

    for (int j = 0; j <= ws.letters.nLet(); ++j) {
        double sum = 0;
        for (int k = 0; k <= ws.keys.nKeys(); ++k) {
            const double p = ws.phero.at(k, j);
            if (p > 0) sum += p;
            const auto key = static_cast<std::size_t>(k);
            const bool forbidden = k == 0 || ws.keys.rows[key] < 2 || ws.keys.alters[key] != 0;
            if (ws.letters.letFixKey[static_cast<std::size_t>(j)] == 0 && forbidden) {
                EXPECT_LE(p, 0) << "letter " << j << " on key " << k;
            }
        }
        EXPECT_NEAR(sum, 1.0, 1e-9) << "letter " << j;
    }
}

}  // namespace
}  // namespace antkeys
