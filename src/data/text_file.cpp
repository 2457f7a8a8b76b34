#include "data/text_file.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace antkeys {

std::optional<LineReader> LineReader::Open(const std::string& path, std::string& error) {
    std::string content;
    if (!ReadWholeFile(path, content, error)) return std::nullopt;
    return LineReader(std::move(content));
}

bool LineReader::ReadLine(std::string& line) {
    if (AtEnd()) return false;
    std::size_t end = content_.find('\n', pos_);
    std::size_t next = end;
    if (end == std::string::npos) {
        end = content_.size();
        next = end;
    } else {
        next = end + 1;
    }
    std::size_t stop = end;
    if (stop > pos_ && content_[stop - 1] == '\r') --stop;
    line.assign(content_, pos_, stop - pos_);
    pos_ = next;
    ++lineNumber_;
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& content, std::string& error) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error = "cannot open " + path + ": it is a folder";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) {
        error = "cannot read " + path;
        return false;
    }
    content = std::move(buffer).str();
    return true;
}

static bool WriteAll(int fd, std::string_view content) {
    const char* p = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

bool WriteWholeFile(const std::string& path, std::string_view content, std::string& error) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    bool ok = WriteAll(fd, content);
    int savedErrno = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        savedErrno = errno;
    }
    if (!ok) error = "cannot write " + path + ": " + std::strerror(savedErrno);
    return ok;
}

std::string TemporaryPath(const std::string& path, long pid) {
    return path + ".tmp" + std::to_string(pid);
}

bool WriteFileAtomically(const std::string& path, std::string_view content, std::string& error) {
    const std::string temp = TemporaryPath(path, ::getpid());
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        // The temporary is ours; the user knows the file it stands for.
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    bool ok = WriteAll(fd, content) && ::fsync(fd) == 0;
    int savedErrno = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        savedErrno = errno;
    }
    if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        savedErrno = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        error = "cannot write " + path + ": " + std::strerror(savedErrno);
    }
    return ok;
}

bool EnsureFolder(const std::string& path, std::string& error) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return true;
    std::filesystem::create_directories(path, ec);
    if (ec) {
        error = "cannot create folder " + path + ": " + ec.message();
        return false;
    }
    return true;
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

}  // namespace antkeys
