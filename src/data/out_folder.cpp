#include "data/out_folder.hpp"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <sys/types.h>
#include <unistd.h>

#include "data/text_file.hpp"

namespace antkeys {
namespace {

namespace fs = std::filesystem;

bool AllDigits(const std::string& text, std::size_t from, std::size_t to) {
    if (from >= to) return false;
    for (std::size_t i = from; i < to; ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    return true;
}

// A process we may not signal is still a running process.
bool ProcessRunning(long pid) {
    if (pid == static_cast<long>(::getpid())) return true;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// "<out file name>.tmp<PID>": the PID, or -1 when the name is not such a temporary.
long TemporaryOwner(const std::string& name) {
    const std::size_t mark = name.rfind(".tmp");
    if (mark == std::string::npos || !IsOutFileName(name.substr(0, mark))) return -1;
    const std::size_t digits = mark + 4;
    // PIDs fit in 7 digits on Linux; longer runs of digits are someone else's file.
    if (!AllDigits(name, digits, name.size()) || name.size() - digits > 7) return -1;
    const long pid = std::stol(name.substr(digits));
    return pid > 0 ? pid : -1;
}

}  // namespace

bool IsOutFileName(const std::string& name) {
    if (name == "Pheromones.txt") return true;
    const std::string ext = ".txt";
    if (name.size() <= ext.size() || name.compare(name.size() - ext.size(), ext.size(), ext) != 0)
        return false;
    const std::size_t stem = name.size() - ext.size();
    const std::size_t grade = name[0] == '-' ? 1 : 0;
    const std::size_t underscore = name.find('_', grade);
    return underscore != std::string::npos && underscore < stem &&
           AllDigits(name, grade, underscore) && AllDigits(name, underscore + 1, stem);
}

bool CheckOutFolder(const std::string& folder, std::string& error) {
    std::error_code ec;
    if (fs::exists(folder, ec) && !fs::is_directory(folder, ec)) {
        error = "cannot use " + folder + ": it is a file, not a folder";
        return false;
    }
    if (!EnsureFolder(folder, error)) return false;
    // access() also answers for read-only file systems.
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        error = "cannot write in " + folder + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

std::vector<std::string> RemoveStaleTemporaries(const std::string& folder) {
    std::vector<fs::path> stale;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const long pid = TemporaryOwner(it->path().filename().string());
        std::error_code kindEc;
        if (pid > 0 && it->is_regular_file(kindEc) && !ProcessRunning(pid))
            stale.push_back(it->path());
    }
    std::vector<std::string> removed;
    for (const fs::path& path : stale)
        if (fs::remove(path, ec)) removed.push_back(path.string());
    return removed;
}

}  // namespace antkeys
