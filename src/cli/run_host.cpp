#include "cli/run_host.hpp"

#include <cmath>
#include <cstdio>
#include <ostream>
#include <sstream>

#include "cli/stderr_sink.hpp"
#include "cli/stop_signals.hpp"
#include "data/charset.hpp"
#include "data/messages.hpp"

namespace antkeys::cli {

std::string FormatDuration(double seconds) {
    char buffer[48];
    if (seconds < 60) {
        std::snprintf(buffer, sizeof buffer, "%.1f s", seconds);
        return buffer;
    }
    const auto whole = static_cast<long long>(seconds);
    if (whole < 3600) {
        std::snprintf(buffer, sizeof buffer, "%lld:%02lld", whole / 60, whole % 60);
    } else {
        std::snprintf(buffer, sizeof buffer, "%lld:%02lld:%02lld", whole / 3600, whole / 60 % 60,
                      whole % 60);
    }
    return buffer;
}

std::string ProgressText(std::int64_t layouts, double seconds, const std::string& bestGrade,
                         const RunOptions& options) {
    std::ostringstream line;
    line << layouts << " layouts";
    if (seconds > 0) line << ", " << std::llround(static_cast<double>(layouts) / seconds) << "/s";
    line << ", best " << (bestGrade.empty() ? std::string("none yet") : bestGrade);
    if (options.layouts) {
        line << ", " << std::max<std::int64_t>(0, *options.layouts - layouts) << " layouts left";
    } else if (options.seconds) {
        line << ", " << FormatDuration(std::max(0.0, *options.seconds - seconds)) << " left";
    } else {
        line << ", " << FormatDuration(seconds) << " (Ctrl+C stops)";
    }
    return line.str();
}

CliRunHost::CliRunHost(SearchEngine& engine, const RunOptions& options, std::ostream& err,
                       bool live)
    : engine_(engine), options_(options), stop_(options.stopRules()), err_(err), live_(live) {}

void CliRunHost::Yield() {
    // Runs six times per layout: only flag reads and a counter here, the clock every
    // kClockEvery calls.
    if (StopSignals::Received()) engine_.RequestStop();
    if (stop_.LayoutsReached(layoutsThisRun())) engine_.RequestStop();
    if (++yields_ < kClockEvery) return;
    yields_ = 0;
    CheckClock();
}

void CliRunHost::CheckClock() {
    if (!running_) return;
    const Clock::time_point now = Clock::now();
    // One tick for every second of running time, as the window's timer gives.
    while (now >= nextTick_) {
        nextTick_ += std::chrono::seconds(1);
        engine_.SecondTick(*this);
    }
    if (stop_.TimeReached(runSeconds())) engine_.RequestStop();
    if (live_ && now >= nextRefresh_) {
        nextRefresh_ = now + std::chrono::milliseconds(250);
        err_ << '\r'
             << ProgressText(layoutsThisRun(), runSeconds(), engine_.bestGradeText(), options_)
             << "\x1b[K" << std::flush;
        progressShown_ = true;
    }
}

void CliRunHost::ClearProgress() {
    if (!progressShown_) return;
    err_ << "\r\x1b[K";
    progressShown_ = false;
}

void CliRunHost::show(const Message& message) {
    const std::string key = message.title + ": " + message.text;
    if (repeats_[key]++ > 0) return;  // said once; PrintRepeats gives the count
    ClearProgress();
    StderrSink(err_).show(message);
}

void CliRunHost::OnRunStateChanged(bool running) {
    running_ = running;
    const Clock::time_point now = Clock::now();
    if (running) {
        startIterN_ = engine_.iterN();
        start_ = now;
        end_ = now;
        nextTick_ = now + std::chrono::seconds(1);
        nextRefresh_ = now + std::chrono::milliseconds(250);
    } else {
        end_ = now;
        ClearProgress();
    }
}

void CliRunHost::OnNoCandidate(int letter) {
    if (noCandidate_[letter]++ > 0) return;
    ClearProgress();
    StderrSink(err_).show(
        Message{msg::kGenRndKeyTitle,
                WithDescription(msg::kGenRndKeyText, LetterName(letter) + " found no free key with "
                                                                          "positive pheromone"),
                true});
}

std::string CliRunHost::LetterName(int letter) const {
    const LetterTables& letters = engine_.workspace().letters;
    std::string name = "letter " + std::to_string(letter);
    if (letter >= 0 && letter <= letters.nLet()) {
        const Byte code = letters.letSet[static_cast<std::size_t>(letter)];
        const CharacterMap& chars = engine_.workspace().chars;
        name += " (code " + std::to_string(code) +
                (chars.Shows(code) ? ", " + chars.Utf8(code) : "") + ")";
    }
    return name;
}

std::int64_t CliRunHost::layoutsThisRun() const {
    return static_cast<std::int64_t>(engine_.iterN()) - startIterN_;
}

double CliRunHost::runSeconds() const {
    const Clock::time_point until = running_ ? Clock::now() : end_;
    return std::chrono::duration<double>(until - start_).count();
}

void CliRunHost::PrintRepeats(std::ostream& err) const {
    for (const auto& [letter, times] : noCandidate_)
        err << msg::kGenRndKeyTitle << ": " << LetterName(letter) << " found no free key in "
            << times << (times == 1 ? " layout\n" : " layouts\n");
    for (const auto& [text, times] : repeats_) {
        if (times < 2) continue;
        err << "(given " << times << " times) " << text.substr(0, text.find('\r')) << '\n';
    }
}

}  // namespace antkeys::cli
