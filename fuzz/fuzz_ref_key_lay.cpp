// LoadRefKeyLayText on any bytes, with key definitions from the input (before a NUL) or the
// fixed keyboard: the letter tables and the pheromone table agree, every placed key exists and
// every column with a positive entry sums to 1.
#include <cmath>

#include "fuzz_input.hpp"

using namespace antkeys;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string rest;
    const KeyTables keys = fuzz::KeyboardAndRest(fuzz::AsText(data, size), rest);
    Layout lay{};
    LetterTables letters;
    PheroTable phero;
    fuzz::CountingSink sink;
    const bool ok =
        LoadRefKeyLayText(std::move(rest), "RefKeyLay.txt", keys, lay, letters, phero, sink);
    fuzz::Check(letters.letFixKey.size() == letters.letSet.size());
    for (Byte key : lay) fuzz::Check(key <= keys.nKeys() || key == 0);
    if (!ok || letters.nLet() < 0) return 0;
    fuzz::Check(phero.nLet() == letters.nLet() && phero.nKeys() == keys.nKeys());
    for (int j = 0; j <= phero.nLet(); ++j) {
        double sum = 0;
        for (int k = 0; k <= phero.nKeys(); ++k) {
            fuzz::Check(phero.at(k, j) >= 0);
            sum += phero.at(k, j);
        }
        fuzz::Check(sum == 0 || std::fabs(sum - 1) < 1e-12);
        const int fixedKey = letters.letFixKey[static_cast<std::size_t>(j)];
        if (fixedKey > 0) fuzz::Check(phero.at(fixedKey, j) == 1);
    }
    return 0;
}
