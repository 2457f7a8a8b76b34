// antkeys-cli evaluate --explain: the named figures of the reference layout and layout files,
// side by side, and the digraphs behind each.
#include <cstdint>
#include <limits>
#include <ostream>

#include "cli/cli_explain.hpp"
#include "cli/evaluation_table.hpp"
#include "cli/input_folder.hpp"
#include "cli/layout_argument.hpp"
#include "cli/stderr_sink.hpp"
#include "data/fields.hpp"
#include "data/loaders.hpp"
#include "eval/explain_text.hpp"
#include "eval/explainer_setup.hpp"

namespace antkeys::cli {
namespace {

constexpr const char* kName = "antkeys-cli evaluate: ";

void PrintTsv(const std::vector<std::string>& files, const std::vector<LayoutExplanation>& layouts,
              std::ostream& out) {
    if (layouts.empty()) return;
    out << "file";
    for (const NamedFigure& f : NamedFigures(layouts.front().figures)) out << '\t' << f.name;
    out << '\n';
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        out << files[i];
        for (const NamedFigure& f : NamedFigures(layouts[i].figures))
            out << '\t' << General(f.value, 17);
        out << '\n';
    }
}

void PrintTables(const std::vector<std::string>& files,
                 const std::vector<LayoutExplanation>& layouts, const CharacterMap& chars,
                 std::ostream& out) {
    std::vector<const LayoutExplanation*> pointers;
    for (const LayoutExplanation& l : layouts) pointers.push_back(&l);
    PrintAligned(FigureRows(files, pointers), out);
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        out << "\nWorst digraphs of " << files[i] << ":\n";
        PrintAligned(WorstRows(layouts[i], chars), out);
    }
}

}  // namespace

int RunExplain(const ParsedArgs& parsed, std::ostream& out, std::ostream& err,
               KernelChoice kernels) {
    int top = 10;
    if (parsed.Has("--top")) {
        const std::string text = parsed.Value("--top");
        std::uint64_t count = 0;
        if (!ParseCount(text, static_cast<std::uint64_t>(std::numeric_limits<int>::max()), count)) {
            err << kName << "--top takes a whole number of 0 or more, not \"" << text << "\"\n";
            return 2;
        }
        top = static_cast<int>(count);
    }

    Workspace ws;
    if (!LoadInputFolder(parsed, kName, kernels, ws, err)) return 2;
    StderrSink sink(err);
    LayoutExplainer explainer;
    std::string why;
    if (!SetUpExplainer(ws, explainer, sink, &why)) {
        err << kName << "cannot explain: " << why << '\n';
        return 2;
    }

    std::vector<std::string> files;
    std::vector<LayoutExplanation> layouts;
    auto explain = [&](const std::string& file, const Layout& lay) {
        LayoutExplanation e;
        if (!explainer.Explain(lay, top, e, &why)) {
            err << kName << file << ": cannot be explained: " << why << '\n';
            return false;
        }
        files.push_back(file);
        layouts.push_back(std::move(e));
        return true;
    };
    if (!explain("In/RefKeyLay.txt", ws.refKeyLay)) return 2;
    int status = 0;
    for (const std::string& file : parsed.positional) {
        Layout lay{};
        if (!LoadLayoutArgument(file, ws.keys, lay, sink) || !explain(file, lay)) status = 1;
    }
    if (parsed.Has("--tsv"))
        PrintTsv(files, layouts, out);
    else
        PrintTables(files, layouts, ws.chars, out);
    return status;
}

}  // namespace antkeys::cli
