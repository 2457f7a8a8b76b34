// Out/Pheromones.txt: the pheromone table, one line per key index (dummy key 0 first), the
// letters' values TAB-separated. No header: the table in memory gives the shape.
#include <filesystem>
#include <string>

#include "data/fields.hpp"
#include "data/input_file.hpp"
#include "data/loaders.hpp"
#include "data/messages.hpp"
#include "data/number_format.hpp"
#include "data/text_file.hpp"

namespace antkeys {
namespace {

void ReportLoadPheroFailure(MessageSink& sink) {
    sink.show(Message{msg::kProgramTitle, msg::kPheroLoadText, true});
}

// Stores every value as soon as it is read, so a short or broken store still gives the rows
// and values before the fault.
bool ReadRows(LineReader& lines, PheroTable& phero) {
    std::string line;
    for (int k = 0; k <= phero.nKeys(); ++k) {
        if (!lines.ReadLine(line) || line.size() > kMaxFieldLineLength) return false;
        if (line.empty()) continue;  // the row keeps its values
        FieldCursor fields(line);
        std::string why;
        for (int j = 0; j <= phero.nLet(); ++j) {
            double value = 0;
            if (!fields.Double(value, why)) return false;
            phero.at(k, j) = value;
        }
    }
    return true;
}

}  // namespace

void LoadPheroText(std::string content, PheroTable& phero, MessageSink& sink) {
    if (phero.empty()) return;  // no letters or no keys: the store has nothing to fill
    LineReader lines(std::move(content));
    if (!ReadRows(lines, phero)) ReportLoadPheroFailure(sink);
}

void LoadPhero(const std::string& path, PheroTable& phero, MessageSink& sink) {
    if (!FileExists(path)) return;
    std::string content, error;
    if (!ReadWholeFile(path, content, error)) {
        ReportLoadPheroFailure(sink);
        return;
    }
    LoadPheroText(std::move(content), phero, sink);
}

std::string GetPheroStr(const PheroTable& phero) {
    std::string text;
    if (phero.empty()) return text;
    for (int k = 0; k <= phero.nKeys(); ++k) {
        for (int j = 0; j <= phero.nLet(); ++j) {
            if (j > 0) text += '\t';
            text += FormatDouble(phero.at(k, j));
        }
        text += "\r\n";
    }
    return text;
}

bool SavePhero(const std::string& path, bool aco, const PheroTable& phero, MessageSink& sink) {
    if (!aco) return true;
    std::string error;
    const std::string folder = std::filesystem::path(path).parent_path().string();
    if (!folder.empty() && !EnsureFolder(folder, error)) {
        error = "cannot write " + path + ": " + error;
    } else if (WriteFileAtomically(path, GetPheroStr(phero), error)) {
        return true;
    }
    sink.show(Message{msg::kWriteTitle, WithDescription(msg::kPheroWriteText, error), true});
    return false;
}

}  // namespace antkeys
