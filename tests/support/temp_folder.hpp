#pragma once
// Scratch folders for the tests, and the bundled input sets of the source tree.
#include <map>
#include <string>

namespace antkeys::test {

// A fresh empty folder under the system's temporary folder, removed when the object dies.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    // Writes `content` to path()/relative (creating folders); returns the full path.
    std::string Write(const std::string& relative, const std::string& content) const;
    std::string Read(const std::string& relative) const;

  private:
    std::string path_;
};

// The whole content of a file, or "" when it cannot be read.
std::string ReadFile(const std::string& path);
// Every entry of `folder` by name, with its content ("" for a folder); empty when there is
// no such folder. Its size tells whether a write through a temporary file left one behind.
std::map<std::string, std::string> FilesIn(const std::string& folder);

// The folder of a bundled input set in the source tree (holds In/).
std::string BundledSet(const std::string& language = "ka");

// The small input set of the window tests (16 keys, 10 letters), in the tests' data folder.
std::string SmallWindowSet();

}  // namespace antkeys::test
