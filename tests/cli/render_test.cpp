#include <gtest/gtest.h>

#include <cstdint>
#include <regex>
#include <string>
#include <vector>

#include "cli/png_output.hpp"
#include "data/key_geometry.hpp"
#include "data/loaders.hpp"
#include "eval/key_loads.hpp"
#include "support/cli_run.hpp"
#include "support/input_set.hpp"
#include "support/text.hpp"
#ifdef ANTKEYS_HAVE_RASTER
#include "raster/svg_rasterizer.hpp"
#endif

namespace antkeys {
namespace {

using test::CliRun;
using test::CountOf;
using test::RunTool;

// Well-formed enough for a picture: one root, every element closed in order, attributes
// quoted. Returns an empty string or the first fault.
std::string XmlFault(const std::string& xml) {
    std::vector<std::string> open;
    std::size_t roots = 0;
    for (std::size_t at = xml.find('<'); at != std::string::npos; at = xml.find('<', at + 1)) {
        const std::size_t end = xml.find('>', at);
        if (end == std::string::npos) return "unclosed tag at " + std::to_string(at);
        const std::string tag = xml.substr(at + 1, end - at - 1);
        if (tag.empty() || tag[0] == '?' || tag[0] == '!') continue;
        if (CountOf(tag, "\"") % 2 != 0) return "unbalanced quotes in <" + tag + ">";
        if (tag[0] == '/') {
            if (open.empty() || open.back() != tag.substr(1)) return "stray </" + tag + ">";
            open.pop_back();
            continue;
        }
        if (open.empty()) ++roots;
        if (tag.back() != '/') open.push_back(tag.substr(0, tag.find_first_of(" \n")));
    }
    if (!open.empty()) return "<" + open.back() + "> is never closed";
    return roots == 1 ? "" : std::to_string(roots) + " root elements";
}

int SvgSize(const std::string& svg, const char* what) {
    std::smatch m;
    const std::regex size(std::string("<svg [^>]*") + what + "=\"(\\d+)\"");
    return std::regex_search(svg, m, size) ? std::stoi(m[1]) : -1;
}

TEST(RenderCommand, DrawsTheBundledReferenceAsSvg) {
    test::TempFolder dir;
    const std::string set = test::BundledSet("ka");
    const CliRun r =
        RunTool({"render", "--dir", set, set + "/In/RefKeyLay.txt", "-o", dir.path() + "/ref.svg"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string svg = dir.Read("ref.svg");
    EXPECT_EQ(XmlFault(svg), "");
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_GT(SvgSize(svg, "width"), 600);
    EXPECT_GT(SvgSize(svg, "height"), 300);
    // 33 letter keys and the space bar (its companion is the same key).
    EXPECT_EQ(CountOf(svg, "rx=\"6\""), 34);
    EXPECT_EQ(CountOf(svg, ">\u10D0</text>"), 1);  // ა
    EXPECT_EQ(CountOf(svg, ">\u2423</text>"), 1);  // the space bar
    EXPECT_NE(svg.find("Grade 0.00% against the reference layout"), std::string::npos);
    EXPECT_NE(svg.find(">dV4 0.00%</text>"), std::string::npos);
    EXPECT_EQ(svg.find("Not placed"), std::string::npos);
}

// Two letter keys and the space bar; a b twice as often as a, then space.
test::InputSet TwoKeys() {
    return test::InputSet::Small()
        .Body("KeyDefs.txt", {"A\t0\t2\t1\t3\t0", "B\t1\t2\t1\t3\t0", "Space\t0\t1\t0\t5\t1"})
        .Body("DiGraphs.txt", {"97\t98\t2", "98\t32\t1", "32\t97\t1"})
        .Line("Kdi.txt", 3, "2\t1\t0\t1\t1\t1")
        .Line("BestLoad.txt", 2, "0\t1\t0")
        .Line("BestLoad.txt", 4, "2\t0\t1")
        .Body("RefKeyLay.txt", {"32\tSpace\t1", "97\tA\t0", "98\tB\t0"});
}

TEST(RenderCommand, ShowsLoadsTargetsAndUnplacedLetters) {
    const test::ProgramFolder dir(TwoKeys());
    // b left off the keyboard.
    const std::string layout = dir.Write("a only.txt", "h\r\n32\tSpace\r\n97\tA\r\n");
    const CliRun r = RunTool({"render", "--dir", dir.path(), layout, "-o", dir.path() + "/a.SVG"});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string svg = dir.Read("a.SVG");
    EXPECT_EQ(XmlFault(svg), "");
    EXPECT_NE(svg.find("<title>a only.txt</title>"), std::string::npos);
    EXPECT_NE(svg.find("Not placed: b</text>"), std::string::npos);
    // a takes 1/4 of the keystrokes, the space bar 1/4 in its two halves together; targets:
    // 0.25 each letter key, 0.5 the space bar. The legend runs from 0 to the highest load.
    EXPECT_EQ(CountOf(svg, ">25.00%</text>"), 5) << svg;
    EXPECT_EQ(CountOf(svg, ">50.00%</text>"), 1) << svg;
    EXPECT_EQ(CountOf(svg, ">0.00%</text>"), 2) << svg;  // the empty B key, the legend
}

// Without a PNG writer (a build without the rasteriser) only SVG is written.
TEST(RenderCommand, PngNeedsTheRasteriser) {
    const test::ProgramFolder dir(TwoKeys());
    const cli::PngWriter saved = cli::GetPngWriter();
    cli::SetPngWriter(nullptr);
    const CliRun png = RunTool({"render", "--dir", dir.path(), dir.path() + "/In/RefKeyLay.txt",
                                "-o", dir.path() + "/x.png"});
    cli::SetPngWriter(saved);
    EXPECT_EQ(png.status, 2);
    EXPECT_NE(png.err.find("SVG only"), std::string::npos);
}

#ifdef ANTKEYS_HAVE_RASTER
std::uint32_t BigEndian(const std::string& bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

TEST(RenderCommand, WritesPngOfThePicturesSize) {
    test::TempFolder dir;
    const std::string set = test::BundledSet("ka");
    const std::string ref = set + "/In/RefKeyLay.txt";
    cli::SetPngWriter(&raster::WriteSvgAsPng);
    const CliRun svg = RunTool({"render", "--dir", set, ref, "-o", dir.path() + "/ref.svg"});
    const CliRun png = RunTool({"render", "--dir", set, ref, "-o", dir.path() + "/ref.png"});
    // Qt's application is made for each drawing and taken down after it; a second drawing
    // in the same process gives the same picture.
    const CliRun again = RunTool({"render", "--dir", set, ref, "-o", dir.path() + "/again.png"});
    cli::SetPngWriter(nullptr);
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(dir.Read("again.png"), dir.Read("ref.png"));
    ASSERT_EQ(svg.status, 0) << svg.err;
    ASSERT_EQ(png.status, 0) << png.err;
    const std::string bytes = dir.Read("ref.png");
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(0, 8), "\x89PNG\r\n\x1A\n");
    EXPECT_EQ(bytes.substr(12, 4), "IHDR");
    const std::string picture = dir.Read("ref.svg");
    EXPECT_EQ(BigEndian(bytes, 16), static_cast<std::uint32_t>(SvgSize(picture, "width")));
    EXPECT_EQ(BigEndian(bytes, 20), static_cast<std::uint32_t>(SvgSize(picture, "height")));
}

TEST(SvgRasterizer, ReportsWhatItCannotDraw) {
    test::TempFolder dir;
    const std::string sized = R"(<svg xmlns="http://www.w3.org/2000/svg" width="4" height="4"/>)";
    const std::pair<std::string, std::string> cases[] = {
        {"not a picture", "the picture could not be read as SVG"},
        {R"(<svg xmlns="http://www.w3.org/2000/svg" width="0" height="0"/>)", "the picture has no size"},
        {sized, "cannot write " + dir.path() + "/no/such/x.png"},
    };
    for (const auto& [svg, says] : cases) {
        std::string error;
        EXPECT_FALSE(raster::WriteSvgAsPng(svg, dir.path() + "/no/such/x.png", error));
        EXPECT_EQ(error, says);
    }
}
#endif

TEST(KeyGeometry, StaggersRowsLikeAnAnsiBoard) {
    KeyTables keys;
    test::TempFolder dir;
    const std::string defs = test::BundledSet("ka") + "/In/KeyDefs.txt";
    struct NoSink final : MessageSink {
        void show(const Message&) override { ADD_FAILURE(); }
    } sink;
    ASSERT_TRUE(LoadKeyDefs(defs, keys, sink));
    const std::vector<KeyBox> boxes = KeyBoxes(keys);
    ASSERT_EQ(boxes.size(), 34u);  // 35 key indexes, the companion shares the space bar
    auto box = [&](const std::string& code) {
        for (const KeyBox& b : boxes)
            if (keys.codes[static_cast<std::size_t>(b.key)] == code) return b;
        ADD_FAILURE() << code;
        return KeyBox{};
    };
    EXPECT_DOUBLE_EQ(box("Q").x, 0);
    EXPECT_DOUBLE_EQ(box("Q").y, 0);
    EXPECT_DOUBLE_EQ(box("A").x, 0.25);
    EXPECT_DOUBLE_EQ(box("Z").x, 0.75);
    EXPECT_DOUBLE_EQ(box("W").x, 1);
    EXPECT_DOUBLE_EQ(box("P").x, 9);
    EXPECT_DOUBLE_EQ(box("]").x, 11);
    EXPECT_DOUBLE_EQ(box("/").y, 2);
    EXPECT_DOUBLE_EQ(box("Space").w, 6.25);
    EXPECT_DOUBLE_EQ(box("Space").y, 3);
}

}  // namespace
}  // namespace antkeys
