// LoadKeyDefsText on any bytes: equal table sizes, and after a load every flagged key is
// followed by its companion (same finger, column and row, the other hand, no code).
#include "fuzz_input.hpp"

using namespace antkeys;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    KeyTables keys;
    fuzz::CountingSink sink;
    const bool ok =
        LoadKeyDefsText(std::string(fuzz::AsText(data, size)), "KeyDefs.txt", keys, sink);
    fuzz::Check(ok == (sink.count == 0));
    const std::size_t n = keys.codes.size();
    fuzz::Check(keys.hands.size() == n && keys.fingers.size() == n && keys.cols.size() == n &&
                keys.rows.size() == n && keys.alters.size() == n);
    if (!ok) return 0;
    fuzz::Check(n == 0 || (keys.codes[0].empty() && keys.alters[0] == 0));
    for (std::size_t k = 1; k < n; ++k) {
        if (keys.alters[k] == 0) continue;
        const std::size_t c = k + 1;
        fuzz::Check(c < n && keys.alters[c] == 1 && keys.codes[c].empty());
        fuzz::Check(keys.hands[c] == (keys.hands[k] == 0 ? 1 : 0));
        fuzz::Check(keys.fingers[c] == keys.fingers[k] && keys.cols[c] == keys.cols[k] &&
                    keys.rows[c] == keys.rows[k]);
        k = c;
    }
    return 0;
}
