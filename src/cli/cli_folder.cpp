#include "cli/cli_folder.hpp"

#include <ostream>

#include "data/program_folder.hpp"

namespace antkeys::cli {

std::string CommandFolder(const std::string& dir, const char* prefix, std::ostream& err) {
    const ProgramFolderResult r = ResolveProgramFolder(CurrentFolderSources(dir));
    if (!r.created.empty())
        err << prefix << "made the program folder " << r.folder << " from " << r.created << '\n';
    if (!r.error.empty()) err << prefix << r.error << '\n';
    return r.folder;
}

}  // namespace antkeys::cli
