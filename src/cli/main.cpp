#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.hpp"
#include "cli/png_output.hpp"
#ifdef ANTKEYS_HAVE_RASTER
#include "raster/svg_rasterizer.hpp"
#endif

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    antkeys::cli::CliServices services;
    services.kernels = antkeys::KernelChoiceFromEnvironment();
#ifdef ANTKEYS_HAVE_RASTER
    services.png = &antkeys::raster::WriteSvgAsPng;
#endif
    return antkeys::cli::RunCli(args, std::cout, std::cerr, services);
}
