// Out/Pheromones.txt: the pheromone table, one line per key index (dummy key 0 first), the
// letters' values TAB-separated. No header: the table in memory gives the shape.
#include <filesystem>
#include <string>
#include <string_view>

#include "data/fields.hpp"
#include "data/input_file.hpp"
#include "data/loaders.hpp"
#include "data/messages.hpp"
#include "data/number_format.hpp"
#include "data/text_file.hpp"

namespace antkeys {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Stores every value as soon as it is read, so a short or broken store still gives the rows
// and values before the fault.
bool ReadRows(InputFile& in, PheroTable& phero, std::string& description) {
    std::string line;
    for (int k = 0; k <= phero.nKeys(); ++k) {
        if (!in.ReadFieldLine(line, description)) return false;
        if (line.empty()) continue;  // the row keeps its values
        FieldCursor fields(line);
        std::string why;
        for (int j = 0; j <= phero.nLet(); ++j) {
            double value = 0;
            if (!fields.Double(value, why)) {
                description = in.FieldFault(why);
                return false;
            }
            phero.at(k, j) = value;
        }
    }
    return true;
}

}  // namespace

bool ReadPheroText(std::string content, const std::string& name, PheroTable& phero,
                   std::string& description) {
    if (phero.empty()) return true;  // no letters or no keys: the store has nothing to fill
    // Editors may put a byte order mark before the first line, as in the In files.
    if (std::string_view(content).substr(0, kUtf8Bom.size()) == kUtf8Bom)
        content.erase(0, kUtf8Bom.size());
    InputFile in(std::move(content), name);
    return ReadRows(in, phero, description);
}

StoreLoad ReadPheroStore(const std::string& path, PheroTable& phero, std::string& description) {
    if (!FileExists(path)) return StoreLoad::Missing;
    std::string content;
    if (!ReadWholeFile(path, content, description)) return StoreLoad::Unreadable;
    return ReadPheroText(std::move(content), path, phero, description) ? StoreLoad::Loaded
                                                                       : StoreLoad::Unreadable;
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
