#pragma once
// What the two layout readers share: a line's character code and the key it names.
#include <string>

#include "data/fields.hpp"
#include "data/input_file.hpp"
#include "data/key_tables.hpp"
#include "data/message.hpp"
#include "data/types.hpp"

namespace antkeys {

struct LayoutLine {
    std::size_t ch = 0;  // the character code, 0 to 255
    Byte key = 0;        // its key index, 0 when the key code is not among the keys
};

// Reads the first two fields of a layout-file line from `fields` and looks the key code up
// (an impossible lookup is reported to `sink`). False with a description naming the field.
bool ReadLayoutLine(const InputFile& in, FieldCursor& fields, const KeyTables& keys,
                    MessageSink& sink, LayoutLine& out, std::string& description);

}  // namespace antkeys
