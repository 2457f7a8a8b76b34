#pragma once
// Helpers shared by the tests: scratch folders and small files.
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

// The folder of the bundled Georgian input set in the source tree (holds In/).
std::string BundledSet(const std::string& language = "ka");

}  // namespace antkeys::test
