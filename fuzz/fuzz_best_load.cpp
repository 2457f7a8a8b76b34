// LoadBestLoadText on any bytes, with key definitions from the input (before a NUL) or the
// fixed keyboard: entry 0 stays 0, keys off rows 0..5 or columns 0..8 get nothing.
#include "fuzz_input.hpp"

using namespace antkeys;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string rest;
    const KeyTables keys = fuzz::KeyboardAndRest(fuzz::AsText(data, size), rest);
    BestLoadTable bestLoad{};
    fuzz::CountingSink sink;
    const bool ok = LoadBestLoadText(std::move(rest), "BestLoad.txt", keys, bestLoad, sink);
    fuzz::Check(ok == (sink.count == 0));
    fuzz::Check(bestLoad[0] == 0);
    if (ok) {
        for (int k = 1; k <= keys.nKeys() && k <= kMaxKeys; ++k) {
            const auto at = static_cast<std::size_t>(k);
            const bool weighted = keys.rows[at] >= 0 && keys.rows[at] <= 5 && keys.cols[at] >= 0 &&
                                  keys.cols[at] <= 8;
            if (!weighted) fuzz::Check(bestLoad[at] == 0);
        }
        for (int k = keys.nKeys() + 1; k <= kMaxKeys; ++k)
            fuzz::Check(bestLoad[static_cast<std::size_t>(k)] == 0);
    }
    return 0;
}
