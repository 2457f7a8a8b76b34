#pragma once
// Runs antkeys-cli in-process with string streams.
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "test_support.hpp"

namespace antkeys::test {

struct CliRun {
    int status;
    std::string out, err;
};

inline CliRun RunTool(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = cli::RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

inline CliRun RunSearchCommand(std::vector<std::string> args) {
    args.insert(args.begin(), "run");
    return RunTool(std::move(args));
}

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A program folder holding a copy of a bundled In folder. The English reference layout is
// alphabetical, so the search soon finds better layouts; the Georgian one is a good layout
// that few random layouts beat.
struct ProgramDir {
    TempFolder folder;
    explicit ProgramDir(const std::string& language = "en") {
        std::filesystem::copy(BundledSet(language) + "/In",
                              std::filesystem::path(folder.path()) / "In",
                              std::filesystem::copy_options::recursive);
    }
    std::string path() const { return folder.path(); }
    // Every file of Out by name, with its content.
    std::map<std::string, std::string> Out() const {
        std::map<std::string, std::string> files;
        for (const auto& entry :
             std::filesystem::directory_iterator(std::filesystem::path(folder.path()) / "Out"))
            files[entry.path().filename().string()] =
                folder.Read("Out/" + entry.path().filename().string());
        return files;
    }
};

}  // namespace antkeys::test
