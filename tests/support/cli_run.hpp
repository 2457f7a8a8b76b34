#pragma once
// Runs antkeys-cli in-process with string streams (for the programs linked with the CLI).
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.hpp"

namespace antkeys::test {

struct CliRun {
    int status;
    std::string out, err;
};

// The kernels follow ANTKEYS_PORTABLE, as the tool's own do, so the suite can run on either.
inline CliRun RunTool(std::vector<std::string> args, cli::CliServices services = {}) {
    std::ostringstream out, err;
    services.kernels = KernelChoiceFromEnvironment();
    const int status = cli::RunCli(args, out, err, services);
    return {status, out.str(), err.str()};
}

}  // namespace antkeys::test
