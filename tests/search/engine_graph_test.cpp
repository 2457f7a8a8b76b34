// The progress-graph data the run loop collects: groups of 200 layouts in a ring of 101.
#include <gtest/gtest.h>

#include "data/number_format.hpp"
#include "engine_fixture.hpp"

namespace antkeys {
namespace {

using test::EngineFixture;
using test::FakeHost;

struct Group {
    Single avrg = 0, min = 10.0f, max = -10.0f;
};

// Groups the recorded grades as the loop does, the sum in Single precision.
Group GroupOf(const std::vector<FakeHost::Ant>& ants, std::size_t first) {
    Group g;
    Single sum = 0;
    for (std::size_t i = first; i < first + 200; ++i) {
        sum += ants[i].grade;
        g.min = std::min(g.min, ants[i].grade);
        g.max = std::max(g.max, ants[i].grade);
    }
    g.avrg = sum / 200.0f;
    return g;
}

// An unticked box pauses the group in hand and a new run starts its extremes again: the
// first run grades far below (or far above) the second, so extremes kept from it would show.
// A third run fills the ring and wraps round.
TEST(SearchEngineGraph, GroupsOf200FillARingOf101PointsPausedByTheBox) {
    for (const double firstRunScale : {1e-3, 100.0}) {
        SCOPED_TRACE(firstRunScale);
        EngineFixture f;
        FakeHost host(f.engine);
        f.ScaleReference(firstRunScale);
        host.drawGraph = true;
        host.stopAfter = 150;
        ASSERT_TRUE(f.engine.RunEvaluation(host));
        const ProgressRing& ring = f.engine.ring();
        EXPECT_EQ(ring.count, 150);
        EXPECT_EQ(ring.pos, 0);

        // Second run: 30 layouts counted, 20 not, then 20 more complete the group.
        f.ScaleReference(1 / firstRunScale);
        host.stopAfter = 220;
        host.onLayout = [](FakeHost& h) { h.drawGraph = h.layouts < 180 || h.layouts >= 200; };
        ASSERT_TRUE(f.engine.RunEvaluation(host));
        ASSERT_EQ(host.ants.size(), 220u);
        EXPECT_EQ(ring.pos, 1);
        EXPECT_EQ(ring.count, 0);
        Single sum = 0;
        Single min = 10.0f, max = -10.0f;
        for (std::size_t i = 0; i < 220; ++i) {
            if (i >= 180 && i < 200) continue;
            sum += host.ants[i].grade;
            if (i >= 150) {  // the extremes of the second run only
                min = std::min(min, host.ants[i].grade);
                max = std::max(max, host.ants[i].grade);
            }
        }
        EXPECT_EQ(ring.avrg[0], sum / 200.0f);
        EXPECT_EQ(ring.min[0], min);
        EXPECT_EQ(ring.max[0], max);

        // Third run: 101 groups and a quarter. They go to points 1..100, the last to 0.
        host.onLayout = nullptr;
        host.stopAfter = 220 + 101 * 200 + 50;
        ASSERT_TRUE(f.engine.RunEvaluation(host));
        EXPECT_EQ(ring.pos, 1);
        EXPECT_EQ(ring.count, 50);
        for (const std::size_t point : {0u, 1u, 57u, 100u}) {
            const Group g = GroupOf(host.ants, 220 + (point + 100) % 101 * 200);
            EXPECT_EQ(ring.avrg[point], g.avrg) << point;
            EXPECT_EQ(ring.min[point], g.min) << point;
            EXPECT_EQ(ring.max[point], g.max) << point;
        }
        EXPECT_EQ(f.ws.panel.avrgGrade.Text(),
                  FormatPercent(GroupOf(host.ants, 220 + 100 * 200).avrg));
    }
}

}  // namespace
}  // namespace antkeys
