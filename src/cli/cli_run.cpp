#include <ostream>

#include "cli/cli.hpp"

namespace antkeys::cli {

int RunSearch(const std::vector<std::string>& /*args*/, std::ostream& /*out*/, std::ostream& err) {
    err << "antkeys-cli run: not available yet\n";
    return 2;
}

}  // namespace antkeys::cli
