#include <ostream>

#include "cli/cli.hpp"

namespace antkeys::cli {

int RunEvaluate(const std::vector<std::string>& /*args*/, std::ostream& /*out*/,
                std::ostream& err) {
    err << "antkeys-cli evaluate: not available yet\n";
    return 2;
}

}  // namespace antkeys::cli
