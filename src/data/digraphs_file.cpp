// In/DiGraphs.txt: one digraph per line (first code, second code, count).
#include <array>
#include <cstdint>
#include <memory>
#include <limits>
#include <string>

#include "data/fields.hpp"
#include "data/input_file.hpp"
#include "data/loaders.hpp"
#include "data/messages.hpp"
#include "data/text_file.hpp"

namespace antkeys {
namespace {

constexpr long kLongMin = std::numeric_limits<Long>::min();
constexpr long kLongMax = std::numeric_limits<Long>::max();

// A pair listed on several lines (count files joined together) is one entry whose count is
// the sum, so grading costs one step per distinct pair. The entry stays where the pair first
// appeared: a file without repeats gives exactly the tables it always gave.
class PairIndex {
  public:
    PairIndex() { entry_.fill(-1); }
    int& at(long first, long second) { return entry_[static_cast<std::size_t>(first * 256 + second)]; }

  private:
    std::array<int, 256 * 256> entry_;
};

bool ParseDiGraphs(InputFile& in, DigraphTables& digraphs, std::string& description) {
    if (!in.ReadHeader(description)) return false;
    digraphs = DigraphTables{};
    auto index = std::make_unique<PairIndex>();
    std::string line;
    while (!in.AtEnd()) {
        if (!in.ReadFieldLine(line, description)) return false;
        // The new entry exists before its fields are read: a fault leaves what was stored.
        digraphs.first.push_back(0);
        digraphs.second.push_back(0);
        digraphs.count.push_back(0);
        if (line.empty()) {
            description = in.LineFault("the line is empty, a digraph was expected");
            return false;
        }
        FieldCursor fields(line);
        std::string why;
        long first = 0, second = 0, count = 0;
        bool ok = fields.Whole(0, 255, first, why);
        if (ok) digraphs.first.back() = static_cast<Byte>(first);
        ok = ok && fields.Whole(0, 255, second, why);
        if (ok) digraphs.second.back() = static_cast<Byte>(second);
        ok = ok && fields.Whole(kLongMin, kLongMax, count, why);
        if (!ok) {
            description = in.FieldFault(why);
            return false;
        }
        int& entry = index->at(first, second);
        if (entry < 0) {
            entry = digraphs.nDi() - 1;
            digraphs.count.back() = static_cast<Long>(count);
            continue;
        }
        digraphs.first.pop_back();
        digraphs.second.pop_back();
        digraphs.count.pop_back();
        Long& total = digraphs.count[static_cast<std::size_t>(entry)];
        Long sum = 0;
        if (__builtin_add_overflow(total, static_cast<Long>(count), &sum)) {
            description = in.FieldFault("field 3: the counts of the pair " +
                                        std::to_string(first) + " " + std::to_string(second) +
                                        " add up to more than a count holds (" +
                                        std::to_string(kLongMin) + ".." +
                                        std::to_string(kLongMax) + ")");
            return false;
        }
        total = sum;
    }
    return true;
}

}  // namespace

bool LoadDiGraphsText(std::string content, const std::string& name, DigraphTables& digraphs,
                      MessageSink& sink) {
    InputFile in(std::move(content), name);
    std::string description;
    if (ParseDiGraphs(in, digraphs, description)) return true;
    ReportLoadFailure(sink, msg::kDigraphsTitle, msg::kDigraphsText, description);
    return false;
}

bool LoadDiGraphs(const std::string& path, DigraphTables& digraphs, MessageSink& sink) {
    std::string content, description;
    if (!ReadWholeFile(path, content, description)) {
        ReportLoadFailure(sink, msg::kDigraphsTitle, msg::kDigraphsText, description);
        return false;
    }
    return LoadDiGraphsText(std::move(content), path, digraphs, sink);
}

}  // namespace antkeys
