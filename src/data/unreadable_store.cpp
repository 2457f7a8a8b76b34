#include "data/unreadable_store.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <unistd.h>

#include "data/loaders.hpp"
#include "data/messages.hpp"

namespace antkeys {
namespace {

// A rename that fails with EEXIST instead of replacing `to`.
int RenameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return -1;
    // File systems without the flag: a hard link fails on an existing name as well.
    if (::link(from.c_str(), to.c_str()) == 0) return ::unlink(from.c_str());
    if (errno == EEXIST) return -1;
    std::error_code ec;
    if (std::filesystem::exists(to, ec)) {
        errno = EEXIST;
        return -1;
    }
    return std::rename(from.c_str(), to.c_str());
}

std::string Numbered(const std::string& name, int n) {
    const std::size_t dot = name.rfind(".txt");
    const std::size_t at = dot == std::string::npos ? name.size() : dot;
    return name.substr(0, at) + "-" + std::to_string(n) + name.substr(at);
}

}  // namespace

std::string AsideName(const std::string& storePath, std::time_t when) {
    std::tm local{};
    ::localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const std::filesystem::path store(storePath);
    return (store.parent_path() / ("Pheromones.unreadable-" + std::string(stamp) + ".txt"))
        .string();
}

bool MoveAside(const std::string& from, std::string& to, std::string& error) {
    const std::string first = to;
    for (int n = 1; n < 1000; ++n) {
        const std::string candidate = n == 1 ? first : Numbered(first, n);
        if (RenameNoReplace(from, candidate) == 0) {
            to = candidate;
            return true;
        }
        if (errno != EEXIST) {
            error = "cannot move " + from + " to " + candidate + ": " + std::strerror(errno);
            return false;
        }
    }
    error = "cannot move " + from + ": every name like " + first + " is taken";
    return false;
}

std::string StoreMovedText(const std::string& aside) {
    return "The pheromone store that could not be read was moved to " + aside;
}

bool SavePheroKeeping(const std::string& path, bool aco, const PheroTable& phero,
                      UnreadableStore& unreadable, MessageSink& sink) {
    if (!aco) return true;
    std::error_code ec;
    if (unreadable.pending() && unreadable.path == path && !std::filesystem::exists(path, ec))
        unreadable = UnreadableStore{};  // gone meanwhile: nothing left to keep
    if (unreadable.pending() && unreadable.path == path) {
        std::string error;
        if (!MoveAside(path, unreadable.aside, error)) {
            sink.show(Message{msg::kWriteTitle,
                              WithDescription(msg::kPheroWriteText,
                                              error + "; the unreadable store was left as it "
                                                      "is and the new one was not written"),
                              true});
            return false;
        }
        unreadable.moved = true;
    }
    return SavePhero(path, aco, phero, sink);
}

}  // namespace antkeys
