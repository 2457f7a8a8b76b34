#include "cli/png_output.hpp"

namespace antkeys::cli {
namespace {
PngWriter gPngWriter = nullptr;
}

void SetPngWriter(PngWriter writer) {
    gPngWriter = writer;
}
PngWriter GetPngWriter() {
    return gPngWriter;
}

}  // namespace antkeys::cli
