// What a run does when things go wrong: files it cannot write, parameter texts at the start
// and while a box is edited, a letter without a key, a layout it cannot grade.
#include <gtest/gtest.h>

#include <filesystem>

#include "data/messages.hpp"
#include "engine_fixture.hpp"
#include "search/run_params.hpp"
#include "search/search_messages.hpp"
#include "support/text.hpp"

namespace antkeys {
namespace {

using test::Contains;
using test::EngineFixture;
using test::FakeHost;

TEST(SearchEngineSaves, FirstFailureOfEachKindIsShownLaterOnesCountedThenSummedUp) {
    EngineFixture f;
    f.ScaleReference(100);  // every layout beats the reference, the first ones beat the best
    std::filesystem::remove_all(f.ws.paths.OutFolder());
    f.folder.Write("Out", "a file where the folder should be");
    FakeHost host(f.engine);
    host.stopAfter = 200;
    ASSERT_TRUE(f.engine.RunEvaluation(host));

    const SaveFailures& failed = f.engine.saveFailures();
    const int bests = failed.count(SavedFile::BestLayout);
    const int stores = failed.count(SavedFile::Store);
    EXPECT_GT(bests, 1);
    EXPECT_EQ(stores, bests + 1);  // every new best, and the end of the run
    ASSERT_EQ(host.messages.size(), 3u);
    EXPECT_TRUE(Contains(host.messages[0].text, msg::kBestLayWriteText));
    EXPECT_TRUE(Contains(host.messages[1].text, msg::kPheroWriteText));
    EXPECT_EQ(host.messages[2], failed.Summary());
    EXPECT_TRUE(Contains(host.messages[2].text, std::to_string(bests) + " best layouts"));
    EXPECT_TRUE(Contains(host.messages[2].text, std::to_string(stores) + " pheromone stores"));
    EXPECT_TRUE(Contains(host.messages[2].text, f.ws.paths.OutFolder() + "/"));
    EXPECT_EQ(host.quiet.size(), static_cast<std::size_t>(bests + stores - 2));
    EXPECT_TRUE(f.engine.lastBestLayPath().empty()) << "no file holds the best grade";
    f.ExpectEnded(host, SearchEngine::RunEnd::Stopped);

    // The next run counts afresh, and a run that saves everything says nothing.
    std::filesystem::remove(f.ws.paths.OutFolder());
    host.messages.clear();
    host.stopAfter = host.layouts + 20;
    ASSERT_TRUE(f.engine.RunEvaluation(host));
    EXPECT_FALSE(f.engine.saveFailures().any());
    EXPECT_TRUE(host.messages.empty());
}

// A box being edited holds "" or "0," for a moment: the run goes on exactly as with no edit.
TEST(SearchEngineParams, TextThatIsNotANumberDuringTheRunKeepsTheLastNumber) {
    const auto run = [](bool edit) {
        EngineFixture f;
        f.ScaleReference(100);  // every layout reinforces
        FakeHost host(f.engine);
        host.antsText = "3";
        host.stopAfter = 40;
        host.onLayout = [edit](FakeHost& h) {
            if (!edit) return;
            h.sensText = h.layouts % 2 ? "" : "0,";
            h.modifKText = h.layouts % 3 ? "abc" : "0.1";
        };
        EXPECT_TRUE(f.engine.RunEvaluation(host));
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(f.engine.iterN(), 40);
        f.ExpectEnded(host, SearchEngine::RunEnd::Stopped);
        return std::pair{host.ants.size(), f.ws.phero};
    };
    const auto [steadyAnts, steadyPhero] = run(false);
    const auto [editedAnts, editedPhero] = run(true);
    EXPECT_EQ(editedAnts, steadyAnts);
    EXPECT_EQ(editedPhero, steadyPhero);
}

TEST(SearchEngineParams, RunRefusesBadTextsAndFewerThanOneAntNamingTheBox) {
    struct Case {
        std::string FakeHost::*param;
        const char* text;
        const char* box;
        const char* why;
    };
    const Case cases[] = {
        {&FakeHost::antsText, "0", "Ants: ", "less than 1"},
        {&FakeHost::antsText, "-3", "Ants: ", "less than 1"},
        {&FakeHost::antsText, "abc", "Ants: ", "not a whole number"},
        {&FakeHost::sensText, "0,8", "Pheromone sensitivity: ", "not a number"},
        {&FakeHost::modifKText, "", "Reinforcement factor: ", "not a number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        EngineFixture f;
        FakeHost host(f.engine);
        host.*c.param = c.text;
        EXPECT_FALSE(f.engine.RunEvaluation(host));
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].title, msg::kParamTitle);
        for (const char* part : {c.box, c.text, c.why, "not started"})
            EXPECT_TRUE(Contains(host.messages[0].text, part)) << host.messages[0].text;
        EXPECT_TRUE(host.log.empty() && host.yields == 0) << "no run state, caption or pass";
        EXPECT_EQ(f.engine.lastRunEnd(), SearchEngine::RunEnd::NotStarted);
        EXPECT_TRUE(f.OutFiles().empty());
    }
}

// Read as the loaders read whole numbers (tested with them), within an Integer.
TEST(SearchEngineParams, AntsTextIsReadAsTheLoadersReadWholeNumbers) {
    EXPECT_EQ(ParseAntCount("32767"), Integer{32767});
    EXPECT_EQ(ParseAntCount("32768"), std::nullopt);
    EXPECT_EQ(ParseAntCount("5 ants"), std::nullopt);
}

TEST(SearchEngineFailures, GradingFailureEndsTheRunWithAMessage) {
    EngineFixture f;
    // Key 3's finger is not in the Kdi table: grading fails on a layout using it in a digraph.
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
    EXPECT_EQ(host.noCandidate, (std::vector<int>{5, 5, 5, 5}));
}

}  // namespace
}  // namespace antkeys
