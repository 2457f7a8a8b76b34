#include "data/key_tables.hpp"

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

}  // namespace antkeys
