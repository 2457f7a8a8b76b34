#pragma once
// Workspaces from the bundled sets and full gradings, for the search and polish tests.
#include <filesystem>
#include <stdexcept>
#include <string>

#include "eval/grading.hpp"
#include "eval/workspace.hpp"
#include "search/gen_rnd_key.hpp"
#include "support/temp_folder.hpp"

namespace antkeys::test {

// Ignores letters that find no key.
struct QuietNoCandidate final : NoCandidateSink {
    void OnNoCandidate(int) override {}
};

// A bundled input set without the pheromone store some sets ship: the table the reference
// layout builds. `ws.paths` is left on a folder that is gone afterwards.
inline void LoadBundled(Workspace& ws, const std::string& language) {
    const TempFolder copy;
    std::filesystem::copy(BundledSet(language) + "/In", copy.path() + "/In",
                          std::filesystem::copy_options::recursive);
    ws.paths.folder = copy.path();
    ws.kernels = KernelChoiceFromEnvironment();  // so the suite runs on either kernel set
    RecordingSink sink;
    if (!LoadWorkspace(ws, sink))
        throw std::runtime_error("the set " + language + " does not load");
}

// The grade of a whole grading of `lay` against the workspace's reference figures.
inline Single FullGrade(const Workspace& ws, const Layout& lay) {
    const GradeReport g = Grade(lay, ws.analizer, ws.weights, ws.layV.ref);
    if (!g.ok) throw std::runtime_error(g.error);
    return g.grade;
}

}  // namespace antkeys::test
