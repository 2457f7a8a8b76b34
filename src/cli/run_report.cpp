#include "cli/run_report.hpp"

#include <ostream>

#include "cli/run_host.hpp"

namespace antkeys::cli {
namespace {

const char* PolishText(PolishMode mode) {
    switch (mode) {
        case PolishMode::Off:
            return "off";
        case PolishMode::Swaps:
            return "swaps";
        case PolishMode::Full:
            return "on";
    }
    return "off";
}

std::string StopCondition(const RunOptions& options, int colonies) {
    const std::string each = colonies > 0 ? " per colony" : "";
    if (options.layouts) return "after " + std::to_string(*options.layouts) + " layouts" + each;
    if (options.seconds) return "after " + FormatDuration(*options.seconds);
    return "on Ctrl+C";
}

}  // namespace

std::string ShellQuoted(const std::string& text) {
    const bool plain = !text.empty() && text.find_first_not_of(
                                            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                            "0123456789-_./=+:,%@") == std::string::npos;
    if (plain) return text;
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string RepeatCommand(const std::string& folder, const RunOptions& options, std::uint64_t seed,
                          std::int64_t layouts) {
    std::string command = "antkeys-cli run --dir " + ShellQuoted(folder) + " --ants " +
                          ShellQuoted(options.antsText) + " --sensitivity " +
                          ShellQuoted(options.sensitivityText) + " --reinforcement " +
                          ShellQuoted(options.reinforcementText);
    if (!options.aco) command += " --no-aco";
    if (options.polish == PolishMode::Full) command += " --polish";
    if (options.polish == PolishMode::Swaps) command += " --polish=swaps";
    if (options.colonies) command += " --colonies " + std::to_string(*options.colonies);
    command += " --seed " + std::to_string(seed) + " --layouts " + std::to_string(layouts);
    return command + "  (from the same Out/Pheromones.txt)";
}

void PrintSaveReport(std::ostream& out, const SaveFailures& failures,
                     const UnreadableStore& unreadable) {
    if (unreadable.moved)
        out << "Unreadable store moved to: " << unreadable.aside << '\n';
    else if (unreadable.pending())
        out << "Unreadable store left in place: " << unreadable.path << '\n';
    const int layouts = failures.count(SavedFile::BestLayout);
    const int stores = failures.count(SavedFile::Store);
    if (layouts > 0)
        out << "NOT SAVED: " << layouts << (layouts == 1 ? " best layout" : " best layouts") << " ("
            << failures.firstReason(SavedFile::BestLayout) << ")\n";
    if (stores > 0)
        out << "NOT SAVED: the pheromone store, " << stores << (stores == 1 ? " time" : " times")
            << " (" << failures.firstReason(SavedFile::Store) << ")\n";
}

void PrintRunParameters(std::ostream& out, const std::string& folder, const RunOptions& options,
                        std::uint64_t seed, int colonies) {
    out << "antkeys-cli run\n"
        << "  folder         " << folder << '\n'
        << "  ants           " << options.antsText << '\n'
        << "  sensitivity    " << options.sensitivityText << '\n'
        << "  reinforcement  " << options.reinforcementText << '\n'
        << "  ACO            " << (options.aco ? "on" : "off") << '\n'
        << "  polish         " << PolishText(options.polish) << '\n';
    if (colonies > 0) out << "  colonies       " << colonies << '\n';
    out << "  stop           " << StopCondition(options, colonies) << '\n'
        << "  seed           " << seed << '\n'
        << std::flush;
}

}  // namespace antkeys::cli
