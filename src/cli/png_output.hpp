#pragma once
// PNG pictures need a rasteriser, which lives outside this library (it takes Qt). The
// program that has one passes it to RunCli; without one, only SVG can be written.
#include <string>
#include <string_view>

namespace antkeys::cli {

// Draws an SVG document into a PNG file of the document's size. False with a description.
using PngWriter = bool (*)(std::string_view svg, const std::string& path, std::string& error);

}  // namespace antkeys::cli
