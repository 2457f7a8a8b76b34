// LoadGjText on any bytes: entry 0 stays 0 and a loaded file's sum is the sum of its weights.
#include "fuzz_input.hpp"

using namespace antkeys;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    GjTable gj{};
    Double sum = 0;
    fuzz::CountingSink sink;
    const bool ok = LoadGjText(std::string(fuzz::AsText(data, size)), "Gj.txt", gj, sum, sink);
    fuzz::Check(ok == (sink.count == 0));
    fuzz::Check(gj[0] == 0);
    if (ok) {
        Double expected = 0;
        for (std::size_t i = 1; i < gj.size(); ++i) expected += gj[i];
        fuzz::Check(expected == sum || (expected != expected && sum != sum));
    }
    return 0;
}
