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

TEST(SearchEngineAllocation, PassesWithoutANewBestAllocateNothing) {
    test::EngineFixture f;
    f.ScaleReference(1.2);  // most layouts beat the reference, so reinforcement runs often
    test::FakeHost host(f.engine);
    host.antsText = "10";
    host.drawGraph = true;
    host.stopAfter = 20000;
    host.ants.reserve(20000);  // the host's own record allocates nothing either
    // Per pass: a new best shows in the caption; any other pass after the first ten
    // must leave the allocation count as it found it.
    long mark = 0, plainPasses = 0, allocatingPasses = 0;
    std::size_t captions = 0;
    host.onLayout = [&](test::FakeHost& h) {
        if (h.captions.size() == captions) {
            ++plainPasses;
            if (h.layouts > 10 && gAllocations.load() != mark) ++allocatingPasses;
        }
        captions = h.captions.size();
        mark = gAllocations.load();
    };
    ASSERT_TRUE(f.engine.RunEvaluation(host));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_GT(host.pheroModifs, 1000);
    EXPECT_GT(plainPasses, 19000);
    EXPECT_EQ(allocatingPasses, 0);
}

}  // namespace
}  // namespace antkeys
