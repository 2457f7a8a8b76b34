#pragma once
// The host of one colony's search: the run's settings as its parameter boxes, messages kept
// for the end, and at the end of each round a wait for the other colonies.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "search/run_settings.hpp"
#include "search/search_engine.hpp"
#include "search/search_host.hpp"

namespace antkeys {

// What the colonies share between rounds. Written only while every colony waits.
struct RoundControl {
    std::int64_t roundEnd = 0;  // the layout count at which each colony waits next
    bool stop = false;          // set at a round's end: every colony ends its run there
};

class ColonyHost final : public SearchHost {
  public:
    // `waitForRound` blocks until every colony has finished the round.
    ColonyHost(SearchEngine& engine, const RunSettings& settings, const RoundControl& control,
               std::function<void()> waitForRound);

    void Yield() override;
    void show(const Message& message) override;
    std::optional<RunParams> StartParams() override { return settings_.params; }
    double Sensitivity() override { return settings_.params.sensitivity; }
    double Reinforcement() override { return settings_.params.reinforcement; }
    bool AcoOn() override { return settings_.aco; }
    bool GraphOn() override { return false; }
    void OnRunStateChanged(bool running) override;
    std::string Caption() override { return caption_; }
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    void OnNoCandidate(int letter) override { ++noCandidate_[letter]; }

    std::int64_t layoutsThisRun() const;
    // Whether the run ended because the rounds said so (not through an error).
    bool stoppedByRounds() const { return stoppedByRounds_; }
    const std::vector<Message>& messages() const { return messages_; }
    const std::map<int, long>& noCandidate() const { return noCandidate_; }

  private:
    SearchEngine& engine_;
    const RunSettings& settings_;
    const RoundControl& control_;
    std::function<void()> waitForRound_;
    std::string caption_;
    Long startIterN_ = 0;
    bool stoppedByRounds_ = false;
    std::vector<Message> messages_;
    std::map<std::string, int> said_;
    std::map<int, long> noCandidate_;
};

}  // namespace antkeys
