// LoadDiGraphsText on any bytes: the three tables stay the same length.
#include "fuzz_input.hpp"

using namespace antkeys;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DigraphTables digraphs;
    fuzz::CountingSink sink;
    const bool ok =
        LoadDiGraphsText(std::string(fuzz::AsText(data, size)), "DiGraphs.txt", digraphs, sink);
    fuzz::Check(ok == (sink.count == 0));
    fuzz::Check(digraphs.second.size() == digraphs.first.size() &&
                digraphs.count.size() == digraphs.first.size());
    return 0;
}
