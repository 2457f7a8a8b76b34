#include "cli/input_folder.hpp"

#include <ostream>
#include <string>

#include "cli/cli_folder.hpp"
#include "cli/stderr_sink.hpp"

namespace antkeys::cli {

bool LoadInputFolder(const ParsedArgs& parsed, const char* prefix, KernelChoice kernels,
                     Workspace& ws, std::ostream& err) {
    ws.kernels = kernels;
    ws.paths.folder = CommandFolder(parsed.Value("--dir"), prefix, err);
    StderrSink sink(err);
    std::string why;
    if (LoadWorkspace(ws, sink, &why)) return true;
    err << prefix << "cannot load " << ws.paths.folder << "/In: " << why << '\n';
    return false;
}

}  // namespace antkeys::cli
