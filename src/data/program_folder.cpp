#include "data/program_folder.hpp"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace antkeys {

static std::string WithoutTrailingSeparator(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string ProgramFolder(const char* argv0) {
    if (const char* home = std::getenv("ANTKEYS_HOME"); home && *home)
        return WithoutTrailingSeparator(home);
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec && argv0) exe = std::filesystem::absolute(argv0, ec);
    if (exe.empty()) return ".";
    return WithoutTrailingSeparator(exe.parent_path().generic_string());
}

}  // namespace antkeys
