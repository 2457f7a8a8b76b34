// LoadKdiText on any bytes: row 0 and column 0 stay 0.
#include "fuzz_input.hpp"

using namespace antkeys;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    KdiTable kdi{};
    fuzz::CountingSink sink;
    const bool ok = LoadKdiText(std::string(fuzz::AsText(data, size)), "Kdi.txt", kdi, sink);
    fuzz::Check(ok == (sink.count == 0));
    for (std::size_t i = 0; i < kdi.size(); ++i) fuzz::Check(kdi[0][i] == 0 && kdi[i][0] == 0);
    return 0;
}
