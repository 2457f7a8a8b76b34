// Timer1: the store is saved on every 61st tick of running time.
#include <gtest/gtest.h>

#include "engine_fixture.hpp"
#include "fake_host.hpp"

namespace antkeys {
namespace {

using test::EngineFixture;
using test::FakeHost;

// Ticks once per layout and notes the ticks after which the store appeared.
struct TickingHost {
    EngineFixture& f;
    FakeHost host;
    std::vector<int> savedAt;
    int ticks = 0;

    explicit TickingHost(EngineFixture& fixture) : f(fixture), host(fixture.engine) {
        host.onLayout = [this](FakeHost& h) {
            h.engine().Timer1Tick(h);
            ++ticks;
            if (f.StoreExists()) {
                savedAt.push_back(ticks);
                f.RemoveStore();
            }
        };
    }
};

TEST(SearchEngineTimer, TicksAtRestAreIgnored) {
    EngineFixture f;
    FakeHost host(f.engine);
    for (int i = 0; i < 200; ++i) f.engine.Timer1Tick(host);
    EXPECT_EQ(f.engine.autosaveTicks(), 0);
    EXPECT_FALSE(f.StoreExists());
}

TEST(SearchEngineTimer, EverySixtyFirstTickSavesAndTheCountCarriesOver) {
    EngineFixture f;
    f.ScaleReference(1e-3);  // no new bests, so only the timer and the run's end save
    TickingHost t(f);
    t.host.stopAfter = 100;
    ASSERT_TRUE(f.engine.RunEvaluation(t.host));
    EXPECT_EQ(t.savedAt, (std::vector<int>{61}));
    EXPECT_EQ(f.engine.autosaveTicks(), 39);
    f.RemoveStore();  // the end-of-run save

    // 39 ticks carried over: the next save comes after 22 ticks of the second run.
    t.host.stopAfter = 130;
    ASSERT_TRUE(f.engine.RunEvaluation(t.host));
    EXPECT_EQ(t.savedAt, (std::vector<int>{61, 122}));
}

TEST(SearchEngineTimer, NoSaveWithoutAco) {
    EngineFixture f;
    f.ScaleReference(1e-3);
    TickingHost t(f);
    t.host.aco = false;
    t.host.stopAfter = 130;
    ASSERT_TRUE(f.engine.RunEvaluation(t.host));
    EXPECT_TRUE(t.savedAt.empty());
    EXPECT_FALSE(f.StoreExists());
    EXPECT_EQ(f.engine.autosaveTicks(), 8) << "the ticks still count";
}

}  // namespace
}  // namespace antkeys
