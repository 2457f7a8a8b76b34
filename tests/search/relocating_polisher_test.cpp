// The polish with relocations: which relocations it takes. Its figures are checked against
// full gradings with the swaps'.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine_fixture.hpp"
#include "search/relocating_polisher.hpp"
#include "support/workspaces.hpp"

namespace antkeys {
namespace {

using test::FullGrade;

// The engine fixture's letters b..f may each stay on their reference key or go to the empty
// keys 6 and 7, nowhere else: no swap is allowed, so only relocations can improve.
struct OnlyRelocations : test::EngineFixture {
    OnlyRelocations() {
        for (int j = 1; j <= 5; ++j) {
            for (int k = 1; k <= kKeys; ++k) ws.phero.at(k, j) = 0;
            ws.phero.at(j, j) = ws.phero.at(6, j) = ws.phero.at(7, j) = 1.0 / 3;
        }
    }
    // The best grade one relocation away from the reference layout, by full gradings.
    Single BestRelocation() const {
        Single best = FullGrade(ws, ws.refKeyLay);
        for (int j = 1; j <= 5; ++j) {
            for (int key = 6; key <= 7; ++key) {
                Layout lay = ws.refKeyLay;
                lay[static_cast<std::size_t>('a' + j)] = static_cast<Byte>(key);
                best = std::max(best, FullGrade(ws, lay));
            }
        }
        return best;
    }
};

TEST(RelocatingPolisher, TakesARelocationThatHelpsAndNeverOneOntoAForbiddenKey) {
    OnlyRelocations f;
    const Single start = FullGrade(f.ws, f.ws.refKeyLay);
    const Single bestGrade = f.BestRelocation();
    ASSERT_GT(bestGrade, start) << "the fixture needs a relocation that helps";

    RelocatingPolisher polisher(f.ws);
    Layout lay = f.ws.refKeyLay;
    const RelocatingPolisher::Result r = polisher.Polish(lay);
    ASSERT_TRUE(r.ok);
    EXPECT_GE(r.relocations, 1);
    EXPECT_GE(r.grade, bestGrade);
    EXPECT_EQ(r.grade, FullGrade(f.ws, lay));

    // Key 6 forbidden to every letter, by 0 or a negative pheromone: the polish finds its way
    // around it or stays.
    for (const double forbidden : {0.0, -1.0}) {
        for (int j = 1; j <= 5; ++j) f.ws.phero.at(6, j) = forbidden;
        RelocatingPolisher again(f.ws);
        Layout lay2 = f.ws.refKeyLay;
        const RelocatingPolisher::Result r2 = again.Polish(lay2);
        ASSERT_TRUE(r2.ok);
        EXPECT_GE(r2.grade, start);
        EXPECT_EQ(lay2['a'], 8);  // the fixed letter stays
        for (int j = 1; j <= 5; ++j)
            EXPECT_GT(f.ws.phero.at(lay2[static_cast<std::size_t>('a' + j)], j), 0) << j;
    }
}

}  // namespace
}  // namespace antkeys
