#include "support/input_set.hpp"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace antkeys::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> SplitLines(const std::string& content) {
    std::vector<std::string> lines;
    std::istringstream in(content);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string content;
    for (const std::string& line : lines) content += line + "\r\n";
    return content;
}

}  // namespace

InputSet InputSet::Small() {
    InputSet set;
    set.files_ = {
        {"KeyDefs.txt", JoinLines({"Code\tHand\tFinger\tColumn\tRow\tAlternate", "A\t0\t2\t1\t3\t0",
                                   "B\t0\t3\t2\t3\t0", "C\t1\t2\t1\t3\t0", "D\t1\t3\t2\t3\t0",
                                   "E\t0\t2\t2\t2\t0", "Space\t0\t1\t0\t5\t1"})},
        {"DiGraphs.txt",
         JoinLines({"code1\tcode2\tcount", "97\t98\t1", "98\t99\t1", "99\t32\t1", "32\t97\t1",
                    "97\t101\t1", "101\t98\t1", "98\t97\t1", "99\t100\t1"})},
        {"Kdi.txt", JoinLines({"f\t1\t2\t3\t4\t5", "1\t1\t1\t1\t1\t1", "2\t1\t0\t4\t1\t1",
                               "3\t1\t1\t0\t1\t1", "4\t1\t1\t1\t0\t1", "5\t1\t1\t1\t1\t0"})},
        {"Gj.txt", JoinLines({"G", "V1\t1", "V2\t0", "V3\t1", "V4\t1", "V5\t1", "V6\t1"})},
        {"BestLoad.txt", JoinLines({"l\tcol\trow", "0\t1.5\t0", "1\t1\t0", "2\t1\t1", "3\t0\t1",
                                    "4\t0\t0", "5\t0\t1", "6\t0", "7\t0", "8\t0"})},
        {"RefKeyLay.txt", JoinLines({"ref", "32\tSpace\t1", "97\tA\t0", "98\tB\t0", "99\tC\t0",
                                     "100\tD\t0", "101\tE\t0"})},
    };
    return set;
}

InputSet InputSet::FromFolder(const std::string& folder) {
    InputSet set;
    for (const auto& entry : fs::directory_iterator(fs::path(folder) / "In"))
        if (entry.is_regular_file())
            set.files_[entry.path().filename().string()] = ReadFile(entry.path().string());
    if (set.files_.empty()) throw std::runtime_error("no input files in " + folder);
    return set;
}

InputSet& InputSet::Line(const std::string& file, int number, const std::string& text) {
    std::vector<std::string> lines = SplitLines(files_[file]);
    const auto at = static_cast<std::size_t>(number - 1);
    if (number < 1 || at > lines.size())
        throw std::out_of_range(file + " has no line " + std::to_string(number));
    if (at == lines.size())
        lines.push_back(text);
    else
        lines[at] = text;
    files_[file] = JoinLines(lines);
    return *this;
}

InputSet& InputSet::Body(const std::string& file, const std::vector<std::string>& lines) {
    std::vector<std::string> all = SplitLines(files_[file]);
    all.resize(1);
    all.insert(all.end(), lines.begin(), lines.end());
    files_[file] = JoinLines(all);
    return *this;
}

InputSet& InputSet::Text(const std::string& file, const std::string& content) {
    files_[file] = content;
    return *this;
}

InputSet& InputSet::Remove(const std::string& file) {
    files_.erase(file);
    return *this;
}

const std::string& InputSet::WriteTo(const std::string& folder) const {
    const fs::path in = fs::path(folder) / "In";
    fs::create_directories(in);
    for (const auto& [name, content] : files_) {
        std::ofstream out(in / name, std::ios::binary | std::ios::trunc);
        out << content;
        if (!out) throw std::runtime_error("cannot write " + (in / name).string());
    }
    return folder;
}

}  // namespace antkeys::test
