// In/DiGraphs.txt: one digraph per line (first code, second code, count).
#include <cstdint>
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

bool ParseDiGraphs(InputFile& in, DigraphTables& digraphs, std::string& description) {
    if (!in.ReadHeader(description)) return false;
    digraphs = DigraphTables{};
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
        // Every line is an entry of its own, repeats included: the figures add each
        // line's share where it stands, so merging lines would move their last bits.
        digraphs.count.back() = static_cast<Long>(count);
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
