// LoadPheroText on any bytes: the first two bytes give the table's shape (up to 64 keys and
// 40 letters), the rest is the store. The shape never changes, and the text of what loaded
// reads back without a fault and writes out the same again (values keep 15 digits).
#include "fuzz_input.hpp"

using namespace antkeys;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const int nKeys = data[0] % (kMaxKeys + 1);
    const int nLet = data[1] % 40;
    PheroTable phero;
    phero.Resize(nKeys, nLet);
    fuzz::CountingSink sink;
    LoadPheroText(std::string(fuzz::AsText(data + 2, size - 2)), phero, sink);
    fuzz::Check(phero.nKeys() == nKeys && phero.nLet() == nLet);
    PheroTable again;
    again.Resize(nKeys, nLet);
    fuzz::CountingSink quiet;
    LoadPheroText(GetPheroStr(phero), again, quiet);
    fuzz::Check(quiet.count == 0 && GetPheroStr(again) == GetPheroStr(phero));
    return 0;
}
