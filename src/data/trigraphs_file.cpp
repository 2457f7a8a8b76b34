// In/TriGraphs.txt: one three-character sequence per line (three codes, count).
#include <limits>
#include <string>

#include "data/fields.hpp"
#include "data/input_file.hpp"
#include "data/messages.hpp"
#include "data/text_file.hpp"
#include "data/trigraph_tables.hpp"

namespace antkeys {
namespace {

bool ParseTriGraphs(InputFile& in, TrigraphTables& trigraphs, std::string& description) {
    if (!in.ReadHeader(description)) return false;
    trigraphs = TrigraphTables{};
    std::string line;
    while (!in.AtEnd()) {
        if (!in.ReadFieldLine(line, description)) return false;
        if (line.empty()) {
            description = in.LineFault("the line is empty, a trigram was expected");
            return false;
        }
        FieldCursor fields(line);
        std::string why;
        long codes[3] = {};
        long count = 0;
        bool ok = true;
        for (long& code : codes) ok = ok && fields.Whole(0, 255, code, why);
        ok = ok && fields.Whole(0, std::numeric_limits<Long>::max(), count, why);
        if (!ok) {
            description = in.FieldFault(why);
            return false;
        }
        trigraphs.first.push_back(static_cast<Byte>(codes[0]));
        trigraphs.second.push_back(static_cast<Byte>(codes[1]));
        trigraphs.third.push_back(static_cast<Byte>(codes[2]));
        trigraphs.count.push_back(static_cast<Long>(count));
    }
    return true;
}

}  // namespace

bool LoadTriGraphsText(std::string content, const std::string& name, TrigraphTables& trigraphs,
                       MessageSink& sink) {
    InputFile in(std::move(content), name);
    std::string description;
    if (ParseTriGraphs(in, trigraphs, description)) return true;
    ReportLoadFailure(sink, msg::kTrigraphsTitle, msg::kTrigraphsText, description);
    return false;
}

bool LoadTriGraphs(const std::string& path, TrigraphTables& trigraphs, MessageSink& sink) {
    std::string content, description;
    if (!ReadWholeFile(path, content, description)) {
        ReportLoadFailure(sink, msg::kTrigraphsTitle, msg::kTrigraphsText, description);
        return false;
    }
    return LoadTriGraphsText(std::move(content), path, trigraphs, sink);
}

}  // namespace antkeys
