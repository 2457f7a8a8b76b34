#include "data/input_file.hpp"

namespace antkeys {

bool InputFile::ReadHeader(std::string& description) {
    std::string header;
    if (lines_.ReadLine(header)) return true;
    description = name_ + ": the file is empty, a header line was expected";
    return false;
}

bool InputFile::ReadFieldLine(std::string& line, std::string& description) {
    if (!lines_.ReadLine(line)) {
        const int last = lines_.LineNumber();
        description = name_ + ", line " + std::to_string(last + 1) +
                      ": missing, the file ends after line " + std::to_string(last);
        return false;
    }
    if (line.size() > kMaxFieldLineLength) {
        description =
            LineFault("the line has " + std::to_string(line.size()) + " characters, at most " +
                      std::to_string(kMaxFieldLineLength) + " are allowed");
        return false;
    }
    return true;
}

std::string InputFile::FieldFault(const std::string& why) const {
    return name_ + ", line " + std::to_string(lines_.LineNumber()) + ", " + why;
}

std::string InputFile::LineFault(const std::string& why) const {
    return name_ + ", line " + std::to_string(lines_.LineNumber()) + ": " + why;
}

void ReportLoadFailure(MessageSink& sink, const std::string& title, const std::string& text,
                       const std::string& description) {
    sink.show(Message{title, WithDescription(text, description), true});
}

}  // namespace antkeys
