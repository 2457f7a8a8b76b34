#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "data/loaders.hpp"
#include "eval/workspace.hpp"
#include "support/temp_folder.hpp"

namespace antkeys {
namespace {

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
