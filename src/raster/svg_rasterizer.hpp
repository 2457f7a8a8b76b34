#pragma once
// SVG to PNG with QtSvg on Qt's offscreen platform, for a program without a window.
#include <string>
#include <string_view>

namespace antkeys::raster {

// Draws `svg` at its own size on white and writes it as a PNG. When no Qt GUI application
// runs, one runs on the offscreen platform for the call (fonts need one). False with a
// description.
bool WriteSvgAsPng(std::string_view svg, const std::string& path, std::string& error);

}  // namespace antkeys::raster
