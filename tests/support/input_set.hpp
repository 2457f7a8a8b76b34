#pragma once
// The six input files of a program folder, held in memory so a test can change a line before
// writing them, and a scratch program folder made from them.
#include <map>
#include <string>
#include <vector>

#include "support/temp_folder.hpp"

namespace antkeys::test {

class InputSet {
  public:
    // Five letter keys a to e and the space bar, with a 1.5 target for the space bar's row
    // and one finger pair weighted 4. Every share is an exact binary fraction, so figures print
    // exactly: the reference layout grades V1 0.0625, V2 1, V3 0.625, V4 0.25, V5 0.5, V6 0.375.
    static InputSet Small();
    // The files of folder/In as they are on disk.
    static InputSet FromFolder(const std::string& folder);
    // A bundled set: "en" (an alphabetical reference, soon beaten) or "ka" (a good reference).
    static InputSet Bundled(const std::string& language) {
        return FromFolder(BundledSet(language));
    }

    // Line `number` (1 is the header) of `file` becomes `text`; one past the end appends.
    InputSet& Line(const std::string& file, int number, const std::string& text);
    // Every line after the header of `file` is replaced by `lines`.
    InputSet& Body(const std::string& file, const std::vector<std::string>& lines);
    // `file` holds exactly `content`; Remove leaves the file out.
    InputSet& Text(const std::string& file, const std::string& content);
    InputSet& Remove(const std::string& file);

    // Writes folder/In/<file> for each file (creating the folders); returns `folder`.
    const std::string& WriteTo(const std::string& folder) const;

  private:
    std::map<std::string, std::string> files_;  // name -> content
};

// A scratch program folder whose In holds an input set.
class ProgramFolder : public TempFolder {
  public:
    explicit ProgramFolder(const InputSet& set = InputSet::Small()) { set.WriteTo(path()); }
    // With a bundled set.
    explicit ProgramFolder(const char* language) : ProgramFolder(InputSet::Bundled(language)) {}

    // Every file of Out by name, with its content; empty when there is no Out.
    std::map<std::string, std::string> Out() const { return FilesIn(path() + "/Out"); }
};

}  // namespace antkeys::test
