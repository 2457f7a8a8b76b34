// The ants text read as a whole number, grading failures and letters without a key.
#include <gtest/gtest.h>

#include <algorithm>

#include "data/messages.hpp"
#include "engine_fixture.hpp"
#include "fake_host.hpp"
#include "search/search_messages.hpp"

namespace antkeys {
namespace {

using test::EngineFixture;
using test::FakeHost;

// Read as the loaders read whole numbers; an iteration has at least one ant.
TEST(SearchEngineFailures, AntsTextIsReadAsTheLoadersReadWholeNumbers) {
    for (const auto& [text, ants] : {std::pair{" 7 ", 7}, std::pair{"2.5", 2},
                                     std::pair{"32767", 32767}}) {
        EngineFixture f;
        f.ScaleReference(100);  // every iteration is reinforced
        FakeHost host(f.engine);
        host.antsText = text;
        host.stopAfter = 12;
        EXPECT_TRUE(f.engine.RunEvaluation(host)) << text;
        EXPECT_EQ(f.engine.antCount(), ants) << text;
        EXPECT_EQ(host.pheroModifs, 12 / std::max(ants, 1)) << text;
        EXPECT_EQ(f.engine.antIdx(), 12 % std::max(ants, 1)) << text;
    }
}

TEST(SearchEngineFailures, GradingFailureEndsTheRunWithAMessage) {
    EngineFixture f;
    // A keyboard whose key 3 has a finger the Kdi table does not hold: the analyzer fails
    // on the first layout that uses the key in a digraph.
    KeyTables keys = f.ws.keys;
    keys.fingers[3] = 9;
    RecordingSink sink;
    ASSERT_TRUE(
        f.ws.analizer.Init(f.ws.digraphs, f.ws.weights.bestLoad, keys, f.ws.weights.kdi, sink));
    FakeHost host(f.engine);
    host.stopAfter = 1000;
    EXPECT_TRUE(f.engine.RunEvaluation(host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, msg::kGradingFailedTitle);
    EXPECT_LT(f.engine.iterN(), 1000);
    f.ExpectEnded(host, SearchEngine::RunEnd::GradingFailed);
    EXPECT_TRUE(f.StoreExists());
}

TEST(SearchEngineFailures, LetterWithoutCandidateIsReportedOncePerLayoutAndGraded) {
    EngineFixture f;
    for (int k = 0; k <= EngineFixture::kKeys; ++k) f.ws.phero.at(k, 5) = 0;  // letter 'f'
    FakeHost host(f.engine);
    host.stopAfter = 4;
    EXPECT_TRUE(f.engine.RunEvaluation(host));
    EXPECT_EQ(f.engine.iterN(), 4);
    ASSERT_EQ(host.messages.size(), 4u);
    for (const Message& m : host.messages) {
        EXPECT_EQ(m.title, "ERROR");
        EXPECT_EQ(m.text, "Unexpected Error In GenRndKey!");
    }
    for (const auto& ant : host.ants) EXPECT_EQ(ant.lay['f'], 0);
}

}  // namespace
}  // namespace antkeys
