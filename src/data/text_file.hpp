#pragma once
// Line-oriented text files: lines end with CR LF or LF; a CR before the LF is never part
// of the line. Files are written with CR LF.
#include <optional>
#include <string>
#include <string_view>

namespace antkeys {

// Reads a whole file's lines from memory. Line numbers count from 1 (the header is line 1).
class LineReader {
  public:
    explicit LineReader(std::string content) : content_(std::move(content)) {}

    // Opens a file; on failure returns nothing and sets error to a description.
    static std::optional<LineReader> Open(const std::string& path, std::string& error);

    bool AtEnd() const { return pos_ >= content_.size(); }
    // Next line without its line end; false at the end of the file.
    bool ReadLine(std::string& line);
    // Number of the line last read (1-based), 0 before the first.
    int LineNumber() const { return lineNumber_; }

  private:
    std::string content_;
    std::size_t pos_ = 0;
    int lineNumber_ = 0;
};

// Reads a whole file into memory; false with a description on failure.
bool ReadWholeFile(const std::string& path, std::string& content, std::string& error);

// Creates or overwrites a file with the given bytes. False with a description on failure.
bool WriteWholeFile(const std::string& path, std::string_view content, std::string& error);

// The temporary file that process `pid` writes before renaming it over `path`.
std::string TemporaryPath(const std::string& path, long pid);

// Writes through a temporary file in the same folder and renames it over the target,
// so the target holds either its old or its new content, never a part. Errors name the
// target, never the temporary.
bool WriteFileAtomically(const std::string& path, std::string_view content, std::string& error);

// Creates a folder (and its parents) when missing. False with a description on failure.
bool EnsureFolder(const std::string& path, std::string& error);

bool FileExists(const std::string& path);

}  // namespace antkeys
