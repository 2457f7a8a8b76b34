// LoadKeyLayText on any bytes against the fixed keyboard: a loaded layout names only existing
// keys and survives GetLayStr and a second load unchanged.
#include "fuzz_input.hpp"

using namespace antkeys;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const KeyTables& keys = fuzz::FixedKeyboard();
    Layout lay{};
    fuzz::CountingSink sink;
    if (!LoadKeyLayText(std::string(fuzz::AsText(data, size)), "lay.txt", keys, lay, sink))
        return 0;
    for (Byte key : lay) fuzz::Check(key <= keys.nKeys());
    Layout again{};
    fuzz::Check(LoadKeyLayText("grade\r\n" + GetLayStr(lay, keys), "again.txt", keys, again, sink));
    fuzz::Check(again == lay);
    return 0;
}
