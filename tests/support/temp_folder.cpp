#include "support/temp_folder.hpp"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <unistd.h>

namespace antkeys::test {

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    auto base = std::filesystem::temp_directory_path() /
                ("antkeys-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(base);
    std::filesystem::create_directories(base);
    path_ = base.generic_string();
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string TempFolder::Write(const std::string& relative, const std::string& content) const {
    std::filesystem::path full = std::filesystem::path(path_) / relative;
    std::filesystem::create_directories(full.parent_path());
    std::ofstream out(full, std::ios::binary);
    out << content;
    if (!out) throw std::runtime_error("cannot write " + full.string());
    return full.generic_string();
}

std::string TempFolder::Read(const std::string& relative) const {
    return ReadFile((std::filesystem::path(path_) / relative).string());
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::map<std::string, std::string> FilesIn(const std::string& folder) {
    std::map<std::string, std::string> files;
    if (!std::filesystem::is_directory(folder)) return files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files[entry.path().filename().string()] = ReadFile(entry.path().string());
    return files;
}

std::string BundledSet(const std::string& language) {
    return std::string(ANTKEYS_SOURCE_DIR) + "/data/" + language;
}

std::string SmallWindowSet() {
    return std::string(ANTKEYS_TEST_DATA) + "/ui_small";
}

}  // namespace antkeys::test
