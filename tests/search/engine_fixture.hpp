#pragma once
// The engine tests' world: a workspace in memory (8 keys, one fixed and five free letters, a few
// digraphs, reference figures that about half of the layouts beat) and a recording host.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/message.hpp"
#include "data/random.hpp"
#include "eval/panel.hpp"
#include "eval/workspace.hpp"
#include "search/search_engine.hpp"
#include "search/search_host.hpp"
#include "support/keyboards.hpp"
#include "support/temp_folder.hpp"
#include "support/workspaces.hpp"

namespace antkeys::test {

inline constexpr const char* kCaption = "A C O Algorithm (Version 2.3)";  // the caption at rest

class FakeHost : public SearchHost {
  public:
    explicit FakeHost(SearchEngine& engine) : engine_(engine) {}

    // What the boxes hold.
    std::string antsText = "50";
    std::string sensText = "0.8";
    std::string modifKText = "0.1";
    bool aco = true;
    bool drawGraph = false;
    std::string caption = kCaption;

    // Presses Stop at this count of layouts (OnPanelChanged) in the host's life; 0 = never.
    long stopAfter = 0;
    // Called inside every Yield() and after every counted layout.
    std::function<void(FakeHost&)> onYield;
    std::function<void(FakeHost&)> onLayout;

    // What happened.
    struct Ant {
        Layout lay;
        Single grade;
    };
    long yields = 0;
    long layouts = 0;
    std::vector<Ant> ants;              // OnRndKeyGen, in order
    int pheroModifs = 0;                // OnPheroModif
    std::vector<int> noCandidate;       // OnNoCandidate, the letters
    std::vector<Message> messages;      // show()
    std::vector<Message> quiet;         // ShowQuietly()
    std::vector<std::string> captions;  // SetCaption()
    std::vector<bool> runStates;        // OnRunStateChanged()
    std::vector<std::string> log;       // the run's state changes, captions and exit, in order

    SearchEngine& engine() { return engine_; }

    void Yield() override {
        ++yields;
        if (onYield) onYield(*this);
    }
    void show(const Message& message) override { messages.push_back(message); }
    void ShowQuietly(const Message& message) override { quiet.push_back(message); }
    // The boxes read as the window reads them.
    std::optional<RunParams> StartParams() override {
        return read_.Start(antsText, sensText, modifKText, *this);
    }
    double Sensitivity() override { return read_.Sensitivity(sensText); }
    double Reinforcement() override { return read_.Reinforcement(modifKText); }
    bool AcoOn() override { return aco; }
    bool GraphOn() override { return drawGraph; }
    void OnRunStateChanged(bool running) override {
        runStates.push_back(running);
        log.push_back(running ? "run" : "rest");
    }
    std::string Caption() override { return caption; }
    void SetCaption(const std::string& text) override {
        caption = text;
        captions.push_back(text);
        log.push_back("caption " + text);
    }
    void OnPanelChanged() override {
        ++layouts;
        if (stopAfter > 0 && layouts >= stopAfter) engine_.RequestStop();
        if (onLayout) onLayout(*this);
    }
    // The panel as the window's host writes it.
    void OnGraded(const GradeReport& report) override {
        ShowGrading(report, engine_.workspace().panel);
    }
    void OnNewBest(const Layout& /*lay*/, Single /*grade*/) override {
        ShowBest(engine_.workspace().panel);
    }
    void OnGraphPoint(Single average) override { ShowAverage(average, engine_.workspace().panel); }
    void OnRndKeyGen(const Layout& antLay, Single grade, const KeyTables& /*keys*/) override {
        ants.push_back({antLay, grade});
    }
    void OnPheroModif(const PheroTable& /*phero*/) override { ++pheroModifs; }
    void OnNoCandidate(int letter) override { noCandidate.push_back(letter); }
    void OnExitRequested() override { log.push_back("exit"); }

  private:
    SearchEngine& engine_;
    ParamTexts read_;
};

struct EngineFixture {
    TempFolder folder;
    Workspace ws;
    Random random{12345};
    SearchEngine engine{ws, random};

    static constexpr int kKeys = 8;

    EngineFixture() {
        ws.paths.folder = folder.path();
        std::filesystem::create_directories(ws.paths.OutFolder());

        // Keys 1..4 left hand, 5..8 right hand; fingers 2..5 in columns 1..4; rows 3 and 2.
        ws.keys = MakeKeys({{"K1", 0, 2, 1, 3},
                            {"K2", 0, 3, 2, 2},
                            {"K3", 0, 4, 3, 3},
                            {"K4", 0, 5, 4, 2},
                            {"K5", 1, 2, 1, 3},
                            {"K6", 1, 3, 2, 2},
                            {"K7", 1, 4, 3, 3},
                            {"K8", 1, 5, 4, 2}});

        // Letter 0 ('a') is fixed to key 8; 'b'..'f' are free on keys 1..7.
        ws.letters.letSet = {'a', 'b', 'c', 'd', 'e', 'f'};
        ws.letters.letFixKey = {8, 0, 0, 0, 0, 0};
        ws.phero.Resize(kKeys, 5);
        ws.phero.at(8, 0) = 1;
        for (int j = 1; j <= 5; ++j) {
            for (int k = 1; k <= 7; ++k) ws.phero.at(k, j) = 0.1;
            ws.phero.at(j, j) = 1;  // the reference layout's own key
            ws.refKeyLay[static_cast<std::size_t>('a' + j)] = static_cast<Byte>(j);
            NormalizePhero(ws.phero, j);
        }
        ws.refKeyLay['a'] = 8;

        const int pairs[][3] = {{'a', 'b', 40}, {'b', 'c', 35}, {'c', 'd', 30}, {'d', 'e', 25},
                                {'e', 'f', 20}, {'f', 'a', 15}, {'b', 'e', 12}, {'c', 'a', 10},
                                {'d', 'b', 8},  {'f', 'c', 6},  {'e', 'e', 5},  {'a', 'd', 4}};
        for (const auto& p : pairs) {
            ws.digraphs.first.push_back(static_cast<Byte>(p[0]));
            ws.digraphs.second.push_back(static_cast<Byte>(p[1]));
            ws.digraphs.count.push_back(p[2]);
        }
        for (int k = 1; k <= kKeys; ++k)
            ws.weights.bestLoad[static_cast<std::size_t>(k)] = 1.0 / kKeys;
        for (std::size_t i = 1; i <= 5; ++i)
            for (std::size_t j = 1; j <= 5; ++j)
                ws.weights.kdi[i][j] = static_cast<Byte>(1 + (i + j) % 4);
        for (std::size_t i = 1; i <= 6; ++i) ws.weights.gj[i] = 1;
        ws.weights.gjSum = 6;

        RecordingSink sink;
        if (!ws.analizer.Init(ws.digraphs, ws.weights.bestLoad, ws.keys, ws.weights.kdi, sink))
            throw std::runtime_error("the analyzer could not be set up");

        // Reference figures: the mean of layouts drawn from the table, so grades fall round 0.
        Random draws(99);
        GenScratch scratch;
        QuietNoCandidate quiet;
        Criteria sum{};
        constexpr int kSamples = 64;
        for (int n = 0; n < kSamples; ++n) {
            Layout lay{};
            GenRndKey(lay, ws.letters, ws.phero, 0.0, draws, scratch, quiet);
            Criteria v{};
            if (!ws.analizer.CalcV1_6(lay, v)) throw std::runtime_error("CalcV1_6 failed");
            for (std::size_t i = 1; i <= 6; ++i) sum[i] += v[i];
        }
        for (std::size_t i = 1; i <= 6; ++i) ws.layV.ref[i] = sum[i] / kSamples;
    }

    // Multiplies the reference figures: above 1 every grade is > 0, far below 1 every one < 0.
    void ScaleReference(double factor) {
        for (std::size_t i = 1; i <= 6; ++i) ws.layV.ref[i] *= factor;
    }

    std::vector<std::string> OutFiles() const {
        std::vector<std::string> names;
        for (const auto& [name, content] : FilesIn(ws.paths.OutFolder())) names.push_back(name);
        return names;
    }
    // A run through its end steps: started and ended once, caption back, at rest for `end`.
    void ExpectEnded(const FakeHost& host, SearchEngine::RunEnd end) const {
        EXPECT_EQ(host.runStates, (std::vector<bool>{true, false}));
        ASSERT_FALSE(host.captions.empty());
        EXPECT_EQ(host.captions.back(), kCaption);
        EXPECT_FALSE(engine.running());
        EXPECT_FALSE(engine.stopRequested());
        EXPECT_EQ(engine.lastRunEnd(), end);
    }
    bool StoreExists() const { return std::filesystem::exists(ws.paths.pheromones()); }
    void RemoveStore() const { std::filesystem::remove(ws.paths.pheromones()); }
};

}  // namespace antkeys::test
