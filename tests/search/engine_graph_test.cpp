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

TEST(SearchEngineGraph, GroupsOf200FillARingOf101Points) {
    EngineFixture f;
    FakeHost host(f.engine);
    host.drawGraph = true;
    host.stopAfter = 200 * 102 + 50;
    ASSERT_TRUE(f.engine.RunEvaluation(host));
    const ProgressRing& ring = f.engine.ring();

    // 102 points: the 102nd overwrote point 0; the next one goes to 1.
    EXPECT_EQ(ring.pos, 1);
    EXPECT_EQ(ring.count, 50);
    for (std::size_t point : {std::size_t{0}, std::size_t{1}, std::size_t{57}, std::size_t{100}}) {
        const std::size_t group = point == 0 ? 101 : point;
        const Group g = GroupOf(host.ants, group * 200);
        EXPECT_EQ(ring.avrg[point], g.avrg) << point;
        EXPECT_EQ(ring.min[point], g.min) << point;
        EXPECT_EQ(ring.max[point], g.max) << point;
    }
    EXPECT_EQ(f.ws.panel.avrgGrade.Text(), FormatPercent(GroupOf(host.ants, 101 * 200).avrg));
}

TEST(SearchEngineGraph, UntickedBoxPausesTheGroupAndItsExtremesStartAgainWithARun) {
    // The first run grades far below (or far above) the second, so extremes kept from the
    // first run would show.
    for (const double firstRunScale : {1e-3, 100.0}) {
        EngineFixture f;
        FakeHost host(f.engine);
        f.ScaleReference(firstRunScale);
        host.drawGraph = true;
        host.stopAfter = 150;
        ASSERT_TRUE(f.engine.RunEvaluation(host));
        EXPECT_EQ(f.engine.ring().count, 150);
        EXPECT_EQ(f.engine.ring().pos, 0);

        // Second run: 30 layouts counted, 20 not, then 20 more complete the group.
        f.ScaleReference(1 / firstRunScale);
        host.stopAfter = 220;
        host.onLayout = [](FakeHost& h) { h.drawGraph = h.layouts < 180 || h.layouts >= 200; };
        ASSERT_TRUE(f.engine.RunEvaluation(host));
        const ProgressRing& ring = f.engine.ring();
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
    }
}

}  // namespace
}  // namespace antkeys
