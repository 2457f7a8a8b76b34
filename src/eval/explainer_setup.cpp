#include "eval/explainer_setup.hpp"

#include <filesystem>
#include <system_error>

namespace antkeys {

bool SetUpExplainer(const Workspace& ws, LayoutExplainer& explainer, MessageSink& sink,
                    std::string* why) {
    const std::string path = ws.paths.In("TriGraphs.txt");
    std::error_code ec;
    const bool haveTrigrams = std::filesystem::exists(path, ec);
    TrigraphTables trigraphs;
    if (haveTrigrams && !LoadTriGraphs(path, trigraphs, sink)) {
        if (why) *why = path + " could not be read";
        return false;
    }
    return explainer.Init(ws.digraphs, ws.keys, ws.weights.bestLoad, ws.weights.kdi,
                          haveTrigrams ? &trigraphs : nullptr, why);
}

}  // namespace antkeys
