// The hot path allocates nothing: a pass without a new best makes no heap allocation.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "engine_fixture.hpp"

namespace {
std::atomic<long> gAllocations{0};
}  // namespace

// Counts every allocation of this test program. Kept out of line: inlined into a `new`
// expression, GCC's optimiser takes the malloc for a mismatch with the free below.
[[gnu::noinline]] void* operator new(std::size_t size) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace antkeys {
namespace {

// A host that allocates nothing itself: it only counts, and notes per pass whether the pass
// allocated and whether it found a new best.
class CountingHost final : public SearchHost {
  public:
    explicit CountingHost(SearchEngine& engine) : engine_(engine) {}
    void Yield() override {}
    void show(const Message&) override { ++messages; }
    std::string_view ParamText(ParamBox box) override {
        return box == ParamBox::Ants ? "10" : box == ParamBox::PheroSens ? "0.8" : "0.1";
    }
    bool IsChecked(CheckBox) override { return true; }
    void OnRunStateChanged(bool) override { mark_ = gAllocations.load(); }
    std::string Caption() override { return {}; }
    void SetCaption(const std::string&) override { newBest_ = true; }
    void OnPheroModif(const PheroTable&) override { ++reinforcements; }
    void OnPanelChanged() override {
        const long now = gAllocations.load();
        if (++passes > 10 && !newBest_ && now != mark_) ++allocatingPasses;
        if (!newBest_) ++plainPasses;
        newBest_ = false;
        mark_ = gAllocations.load();
        if (passes >= 20000) engine_.RequestStop();
    }

    long passes = 0, plainPasses = 0, allocatingPasses = 0, reinforcements = 0, messages = 0;

  private:
    SearchEngine& engine_;
    long mark_ = 0;
    bool newBest_ = false;
};

TEST(SearchEngineAllocation, PassesWithoutANewBestAllocateNothing) {
    test::EngineFixture f;
    f.ScaleReference(1.2);  // most layouts beat the reference, so reinforcement runs often
    CountingHost host(f.engine);
    ASSERT_TRUE(f.engine.RunEvaluation(host));
    EXPECT_EQ(host.messages, 0);
    EXPECT_GT(host.reinforcements, 1000);
    EXPECT_GT(host.plainPasses, 19000);
    EXPECT_EQ(host.allocatingPasses, 0);
}

}  // namespace
}  // namespace antkeys
