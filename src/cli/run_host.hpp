#pragma once
// The search's host in the command-line tool: parameters from the options, messages to
// stderr, the second ticks and the stop rules driven from Yield(), and a live progress line.
#include <chrono>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>

#include "cli/run_options.hpp"
#include "search/search_engine.hpp"
#include "search/search_host.hpp"

namespace antkeys::cli {

// One progress line: layouts, layouts per second, best grade, then what is left (or the
// running time when the run has no limit).
std::string ProgressText(std::int64_t layouts, double seconds, const std::string& bestGrade,
                         const RunOptions& options);

// Seconds as "12.3 s" below a minute, "m:ss" below an hour, "h:mm:ss" above.
std::string FormatDuration(double seconds);

class CliRunHost final : public SearchHost {
  public:
    using Clock = std::chrono::steady_clock;

    // `live`: keep a progress line on `err` (a terminal) while the run goes on.
    CliRunHost(SearchEngine& engine, const RunOptions& options, std::ostream& err, bool live);

    void Yield() override;
    void show(const Message& message) override;
    std::optional<RunParams> StartParams() override { return options_.params; }
    double Sensitivity() override { return options_.params.sensitivity; }
    double Reinforcement() override { return options_.params.reinforcement; }
    bool AcoOn() override { return options_.aco; }
    bool GraphOn() override { return false; }
    void OnRunStateChanged(bool running) override;
    std::string Caption() override { return caption_; }
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    void OnNoCandidate(int letter) override;

    std::int64_t layoutsThisRun() const;
    double runSeconds() const;
    // How often each letter found no free key, and messages given more than once.
    void PrintRepeats(std::ostream& err) const;

  private:
    // Every this many yields the clock is read: Timer1, the time limit, the progress line.
    static constexpr unsigned kClockEvery = 64;

    void CheckClock();
    void ClearProgress();
    std::string LetterName(int letter) const;

    SearchEngine& engine_;
    const RunOptions& options_;
    const StopRules stop_;
    std::ostream& err_;
    const bool live_;
    std::string caption_;

    unsigned yields_ = 0;
    Long startIterN_ = 0;
    Clock::time_point start_{};
    Clock::time_point end_{};
    Clock::time_point nextTick_{};
    Clock::time_point nextRefresh_{};
    bool running_ = false;
    bool progressShown_ = false;

    std::map<int, long> noCandidate_;      // letter -> layouts in which it found no key
    std::map<std::string, long> repeats_;  // "title: text" -> times given
};

}  // namespace antkeys::cli
