#pragma once
// The explainer of a loaded program folder, with the trigram counts when In has them.
#include <string>

#include "data/message.hpp"
#include "eval/layout_explain.hpp"
#include "eval/workspace.hpp"

namespace antkeys {

// Reads In/TriGraphs.txt when it exists (a missing file is fine: the trigram figures are left
// out). False after a broken trigram file, which the sink has been told about, or tables the
// explainer cannot work with (`why` says which).
bool SetUpExplainer(const Workspace& ws, LayoutExplainer& explainer, MessageSink& sink,
                    std::string* why = nullptr);

}  // namespace antkeys
