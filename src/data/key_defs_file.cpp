// In/KeyDefs.txt: one key per line (code, hand, finger, column, row, alternate flag); a
// companion entry follows every flagged key.
#include <string>
#include <string_view>

#include "data/fields.hpp"
#include "data/input_file.hpp"
#include "data/loaders.hpp"
#include "data/messages.hpp"
#include "data/text_file.hpp"

namespace antkeys {
namespace {

// The companion of the flagged key at i - 1: same finger, column and row, the other hand,
// no code of its own.
void AddCompanion(KeyTables& keys, int i) {
    const auto at = static_cast<std::size_t>(i);
    keys.Resize(i);
    keys.codes[at].clear();
    keys.hands[at] = keys.hands[at - 1] == 0 ? 1 : 0;
    keys.fingers[at] = keys.fingers[at - 1];
    keys.cols[at] = keys.cols[at - 1];
    keys.rows[at] = keys.rows[at - 1];
    keys.alters[at] = 1;
}

// Reads one definition into entry i, field by field: a fault leaves what was stored before it.
bool ReadKeyLine(const InputFile& in, std::string_view line, KeyTables& keys, int i,
                 std::string& description) {
    const auto at = static_cast<std::size_t>(i);
    if (line.empty()) {
        description = in.LineFault("the line is empty, a key definition was expected");
        return false;
    }
    FieldCursor fields(line);
    std::string why;
    std::string_view code;
    long hand = 0, finger = 0, col = 0, row = 0;
    double flag = 0;
    bool ok = fields.Text(code, why);
    if (ok) keys.codes[at] = std::string(code);
    ok = ok && fields.Whole(0, 255, hand, why);
    if (ok) keys.hands[at] = static_cast<Byte>(hand);
    ok = ok && fields.Whole(0, 255, finger, why);
    if (ok) keys.fingers[at] = static_cast<Byte>(finger);
    ok = ok && fields.Whole(-32768, 32767, col, why);
    if (ok) keys.cols[at] = static_cast<Integer>(col);
    ok = ok && fields.Whole(-32768, 32767, row, why);
    if (ok) keys.rows[at] = static_cast<Integer>(row);
    ok = ok && fields.Double(flag, why);
    if (ok) keys.alters[at] = flag != 0 ? 1 : 0;
    if (!ok) description = in.FieldFault(why);
    return ok;
}

bool ParseKeyDefs(InputFile& in, KeyTables& keys, std::string& description) {
    if (!in.ReadHeader(description)) return false;
    keys = KeyTables{};
    std::string line;
    int i = 1;
    while (!in.AtEnd()) {
        if (!in.ReadFieldLine(line, description)) return false;
        keys.Resize(i);
        if (!ReadKeyLine(in, line, keys, i, description)) return false;
        if (keys.alters[static_cast<std::size_t>(i)] != 0) AddCompanion(keys, ++i);
        ++i;
    }
    return true;
}

}  // namespace

bool LoadKeyDefsText(std::string content, const std::string& name, KeyTables& keys,
                     MessageSink& sink) {
    InputFile in(std::move(content), name);
    std::string description;
    if (ParseKeyDefs(in, keys, description)) return true;
    ReportLoadFailure(sink, msg::kKeyDefsTitle, msg::kKeyDefsText, description);
    return false;
}

bool LoadKeyDefs(const std::string& path, KeyTables& keys, MessageSink& sink) {
    std::string content, description;
    if (!ReadWholeFile(path, content, description)) {
        ReportLoadFailure(sink, msg::kKeyDefsTitle, msg::kKeyDefsText, description);
        return false;
    }
    return LoadKeyDefsText(std::move(content), path, keys, sink);
}

}  // namespace antkeys
