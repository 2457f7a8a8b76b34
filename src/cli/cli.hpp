#pragma once
// antkeys-cli: the headless tool. Every subcommand is a function of its arguments and two
// streams, so tests run it in-process.
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/png_output.hpp"
#include "eval/kernel_choice.hpp"

namespace antkeys::cli {

// What the tool can do beyond the core library, as the program that runs it can offer.
struct CliServices {
    PngWriter png = nullptr;                        // render writes PNG through it; none: SVG only
    KernelChoice kernels = KernelChoice::kFastest;  // for every grading and polish
};

// args excludes the program name. Returns the process exit status.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const CliServices& services = {});

// The subcommands; each handles its own --help.
int RunEvaluate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const CliServices& services);
int RunImprove(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const CliServices& services);
int RunDigraphs(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunCharset(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunSearch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const CliServices& services);
int RunExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunRender(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const CliServices& services);
int RunInit(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace antkeys::cli
