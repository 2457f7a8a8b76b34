#include "data/layout_line.hpp"

#include <string_view>

#include "data/loaders.hpp"

namespace antkeys {

bool ReadLayoutLine(const InputFile& in, FieldCursor& fields, const KeyTables& keys,
                    MessageSink& sink, LayoutLine& out, std::string& description) {
    std::string why;
    long ch = 0;
    std::string_view code;
    if (!fields.Whole(0, 255, ch, why) || !fields.Text(code, why)) {
        description = in.FieldFault(why);
        return false;
    }
    out.ch = static_cast<std::size_t>(ch);
    out.key = KeyCode2KeyID(keys, code, sink);
    return true;
}

}  // namespace antkeys
