#include "data/key_tables.hpp"

#include <string>

#include "data/messages.hpp"

namespace antkeys {

void KeyTables::Resize(int upper) {
    const auto n = static_cast<std::size_t>(upper + 1);
    codes.resize(n);
    hands.resize(n, 0);
    fingers.resize(n, 0);
    cols.resize(n, 0);
    rows.resize(n, 0);
    alters.resize(n, 0);
}

Byte KeyCode2KeyID(const KeyTables& keys, std::string_view code) {
    if (code.empty()) return 0;
    for (std::size_t k = 0; k < keys.codes.size(); ++k) {
        if (keys.codes[k] == code) return k <= 255 ? static_cast<Byte>(k) : 0;
    }
    return 0;
}

Byte KeyCode2KeyID(const KeyTables& keys, std::string_view code, MessageSink& sink) {
    if (code.empty()) return 0;
    const std::string quoted = "\"" + std::string(code.substr(0, 40)) + "\"";
    std::string why;
    if (keys.nKeys() < 0) {
        why = "key code " + quoted + " cannot be looked up: no key definitions are loaded";
    } else {
        for (std::size_t k = 0; k < keys.codes.size(); ++k) {
            if (keys.codes[k] != code) continue;
            if (k <= 255) return static_cast<Byte>(k);
            why = "key code " + quoted + " belongs to key " + std::to_string(k) +
                  ", beyond the 255 keys a layout can name";
            break;
        }
    }
    if (why.empty()) return 0;
    sink.show(Message{msg::kKeyIdTitle, WithDescription(msg::kKeyIdText, why), true});
    return 0;
}

}  // namespace antkeys
