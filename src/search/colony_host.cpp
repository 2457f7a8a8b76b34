#include "search/colony_host.hpp"

#include <utility>

namespace antkeys {

ColonyHost::ColonyHost(SearchEngine& engine, const RunSettings& settings,
                       const RoundControl& control, std::function<void()> waitForRound)
    : engine_(engine),
      settings_(settings),
      control_(control),
      waitForRound_(std::move(waitForRound)) {}

void ColonyHost::Yield() {
    // The last yield of a pass comes after the layout is counted, so a colony waits between
    // two layouts, and a stop there ends the run with exactly roundEnd layouts.
    if (stoppedByRounds_ || layoutsThisRun() < control_.roundEnd) return;
    waitForRound_();
    if (control_.stop) {
        stoppedByRounds_ = true;
        engine_.RequestStop();
    }
}

void ColonyHost::show(const Message& message) {
    // Each message once, as the single run's host does; the rest are counted away.
    if (said_[message.title + message.text]++ == 0) messages_.push_back(message);
}

void ColonyHost::OnRunStateChanged(bool running) {
    if (running) startIterN_ = engine_.iterN();
}

std::int64_t ColonyHost::layoutsThisRun() const {
    return static_cast<std::int64_t>(engine_.iterN()) - startIterN_;
}

}  // namespace antkeys
