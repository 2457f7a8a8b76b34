// antkeys-cli render: a picture of a layout with the load of every key.
#include <filesystem>
#include <ostream>

#include "cli/cli.hpp"
#include "cli/cli_options.hpp"
#include "cli/input_folder.hpp"
#include "cli/layout_argument.hpp"
#include "cli/png_output.hpp"
#include "cli/stderr_sink.hpp"
#include "data/loaders.hpp"
#include "data/text_file.hpp"
#include "eval/grading.hpp"
#include "eval/key_loads.hpp"
#include "eval/panel.hpp"
#include "eval/workspace.hpp"
#include "export/layout_svg.hpp"

namespace antkeys::cli {
namespace {

constexpr const char* kHelp =
    "Usage: antkeys-cli render [--dir DIR] LAYOUT -o FILE.svg|FILE.png\n"
    "\n"
    "Draws the layout file LAYOUT on the keyboard of DIR/In/KeyDefs.txt. Each key shows its\n"
    "characters and is shaded by its share of keystrokes (the share of digraphs whose second\n"
    "character it carries, a shared key's load split between its two halves, as the grading\n"
    "counts it); below the characters stand that share and the key's target share from\n"
    "BestLoad. The heading gives the layout's grade against the reference layout and its six\n"
    "relative figures. Under the keyboard, bars show each finger's share of keystrokes beside\n"
    "its target share. Georgian letters are drawn as Unicode text.\n"
    "\n"
    "The picture is SVG, or PNG of the same size when FILE ends in .png.\n"
    "\n"
    "Options:\n"
    "  --dir DIR   the program folder holding In/ (default: see 'antkeys-cli --help')\n"
    "  -o FILE     the picture to write (required)\n"
    "  -h, --help  show this help\n"
    "\n"
    "Exit status: 0 when the picture was written, 1 when the layout could not be graded (the\n"
    "picture is written without the grade), 2 when nothing was written.\n";

constexpr const char* kName = "antkeys-cli render: ";

int Usage(std::ostream& err, const std::string& error) {
    err << kName << error << "\nRun 'antkeys-cli render --help' for the options.\n";
    return 2;
}

std::string Extension(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext;
}

}  // namespace

int RunRender(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const CliServices& services) {
    const PngWriter png = services.png;
    ParsedArgs parsed;
    std::string error;
    if (!ParseArgs(args, {{{"--dir"}, true}, {{"-o", "--output"}, true}}, parsed, error))
        return Usage(err, error);
    if (parsed.help) {
        out << kHelp;
        return 0;
    }
    if (parsed.positional.size() != 1) return Usage(err, "give exactly one LAYOUT file");
    if (!parsed.Has("-o")) return Usage(err, "give the picture to write with -o FILE");
    const std::string target = parsed.Value("-o");
    const std::string ext = Extension(target);
    if (ext != ".svg" && ext != ".png")
        return Usage(err, "the picture's name must end in .svg or .png: " + target);
    if (ext == ".png" && png == nullptr)
        return Usage(err, "this build writes SVG only (PNG needs QtSvg); write an .svg");

    Workspace ws;
    if (!LoadInputFolder(parsed, kName, services.kernels, ws, err)) return 2;
    StderrSink sink(err);
    const std::string layoutPath = parsed.positional.front();
    Layout lay{};
    if (!LoadLayoutArgument(layoutPath, ws.keys, lay, sink)) return 2;
    LayoutPictureData data = PictureOfLayout(lay, ws);

    data.title = std::filesystem::path(layoutPath).filename().string();
    int status = 0;
    const GradeReport g = Grade(data.lay, ws.analizer, ws.weights, ws.layV.ref);
    if (g.ok) {
        data.gradeLine = "Grade " + GradeText(g).Text() +
                         " against the reference layout (absolute " +
                         AbsoluteText(g.absolute).Text() + ", reference " +
                         AbsoluteText(ws.refAbsolute).Text() + ")";
        for (std::size_t i = 1; i <= 6; ++i)
            if (g.relKind[i] != Relative::None)
                data.figures.emplace_back("dV" + std::to_string(i), RelativeText(g, i).Text());
    } else {
        err << kName << layoutPath << ": cannot be graded: " << g.error << '\n';
        data.gradeLine = "Not graded: " + g.error;
        status = 1;
    }

    const SvgPicture picture = LayoutSvg(data, ws.keys);
    const bool written = ext == ".png" ? png(picture.text, target, error)
                                       : WriteWholeFile(target, picture.text, error);
    if (!written) {
        err << kName << error << '\n';
        return 2;
    }
    return status;
}

}  // namespace antkeys::cli
