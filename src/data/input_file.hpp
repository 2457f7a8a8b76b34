#pragma once
// What every reader shares: the header line, the data lines and the wording of where a fault
// lies, e.g. "In/KeyDefs.txt, line 7, field 3: \"x\" is not a number".
#include <cstddef>
#include <string>

#include "data/message.hpp"
#include "data/text_file.hpp"

namespace antkeys {

// Field positions of the file format are 16-bit, so a line that is split into fields must be
// shorter than 32767 characters.
inline constexpr std::size_t kMaxFieldLineLength = 32766;

class InputFile {
  public:
    InputFile(std::string content, std::string name)
        : lines_(std::move(content)), name_(std::move(name)) {}

    // Reads line 1, which every input file has and no reader looks at. False with a
    // description when the file is empty.
    bool ReadHeader(std::string& description);

    bool AtEnd() const { return lines_.AtEnd(); }

    // Reads the next line that is going to be split into fields. False with a description at
    // the end of the file or when the line is too long for field positions.
    bool ReadFieldLine(std::string& line, std::string& description);

    // "name, line N, " + why: for a fault in one field (why starts with "field K").
    std::string FieldFault(const std::string& why) const;
    // "name, line N: " + why: for a fault of the whole line.
    std::string LineFault(const std::string& why) const;

    const std::string& name() const { return name_; }
    int lineNumber() const { return lines_.LineNumber(); }

  private:
    LineReader lines_;
    std::string name_;
};

// Shows a loader's failure: the fixed text, CR LF and the description, under the fixed title.
void ReportLoadFailure(MessageSink& sink, const std::string& title, const std::string& text,
                       const std::string& description);

}  // namespace antkeys
