#include <gtest/gtest.h>

#include <array>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "cli/png_output.hpp"
#include "data/key_geometry.hpp"
#include "data/loaders.hpp"
#include "support/cli_run.hpp"
#include "support/input_set.hpp"
#include "support/text.hpp"
#ifdef ANTKEYS_HAVE_RASTER
#include <QImage>

#include "raster/svg_rasterizer.hpp"
#endif

namespace antkeys {
namespace {

using test::CliRun;
using test::Contains;
using test::CountOf;
using test::RunTool;

int SvgSize(const std::string& svg, const char* what) {
    std::smatch m;
    const std::regex size(std::string("<svg [^>]*") + what + "=\"(\\d+)\"");
    return std::regex_search(svg, m, size) ? std::stoi(m[1]) : -1;
}

TEST(RenderCommand, DrawsTheBundledReferenceAsSvgAndPng) {
    test::TempFolder dir;
    const std::string set = test::BundledSet("ka");
    const std::string ref = set + "/In/RefKeyLay.txt";
    const CliRun r = RunTool({"render", "--dir", set, ref, "-o", dir.path() + "/ref.svg"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string svg = dir.Read("ref.svg");
    EXPECT_GT(SvgSize(svg, "width"), 600);
    EXPECT_GT(SvgSize(svg, "height"), 300);
    // 33 letter keys and the space bar (its companion is the same key).
    EXPECT_EQ(CountOf(svg, "rx=\"6\""), 34);
    EXPECT_EQ(CountOf(svg, ">\u10D0</text>"), 1);  // ა
    EXPECT_EQ(CountOf(svg, ">\u2423</text>"), 1);  // the space bar
    EXPECT_TRUE(Contains(svg, "Grade 0.00% against the reference layout"));
    EXPECT_TRUE(Contains(svg, ">dV4 0.00%</text>"));
    EXPECT_FALSE(Contains(svg, "Not placed"));

#ifdef ANTKEYS_HAVE_RASTER
    const cli::CliServices raster{&raster::WriteSvgAsPng};
    const CliRun png =
        RunTool({"render", "--dir", set, ref, "-o", dir.path() + "/ref.png"}, raster);
    // Qt's application is made for each drawing and taken down after it; a second drawing
    // in the same process gives the same picture.
    const CliRun again =
        RunTool({"render", "--dir", set, ref, "-o", dir.path() + "/again.png"}, raster);
    ASSERT_EQ(png.status, 0) << png.err;
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(dir.Read("again.png"), dir.Read("ref.png"));
    const QImage image(QString::fromStdString(dir.path() + "/ref.png"), "PNG");
    EXPECT_EQ(image.size(), QSize(SvgSize(svg, "width"), SvgSize(svg, "height")));
#endif
}

TEST(RenderCommand, ShowsLoadsTargetsAndUnplacedLetters) {
    // Two letter keys for the left index and the space bar; a b twice as often as a, then space.
    const test::ProgramFolder dir(
        test::InputSet::Small()
            .Body("KeyDefs.txt", {"A\t0\t2\t1\t3\t0", "B\t0\t2\t0\t3\t0", "Space\t0\t1\t0\t5\t1"})
            .Body("DiGraphs.txt", {"97\t98\t2", "98\t32\t1", "32\t97\t1"})
            .Line("Kdi.txt", 3, "2\t1\t0\t1\t1\t1")
            .Line("BestLoad.txt", 2, "0\t1\t0")
            .Line("BestLoad.txt", 4, "2\t0\t1")
            .Body("RefKeyLay.txt", {"32\tSpace\t1", "97\tA\t0", "98\tB\t0"}));
    // b left off the keyboard.
    const std::string layout = dir.Write("a only.txt", "h\r\n32\tSpace\r\n97\tA\r\n");
    const CliRun r = RunTool({"render", "--dir", dir.path(), layout, "-o", dir.path() + "/a.SVG"});
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string svg = dir.Read("a.SVG");
    EXPECT_TRUE(Contains(svg, "<title>a only.txt</title>"));
    EXPECT_TRUE(Contains(svg, "Not placed: b</text>"));
    // a takes 1/4 of the keystrokes, the space bar 1/4 in its two halves together; targets:
    // 0.25 each letter key, 0.5 the space bar. The legend runs from 0 to the highest load.
    EXPECT_EQ(CountOf(svg, ">25.00%</text>"), 5) << svg;
    EXPECT_EQ(CountOf(svg, ">50.00%</text>"), 1) << svg;
    EXPECT_EQ(CountOf(svg, ">0.00%</text>"), 2) << svg;  // the empty B key, the legend
    // The finger bars add up each finger's keys; the space bar's companion belongs to the
    // other thumb.
    EXPECT_TRUE(Contains(svg, ">L index</text>"));
    EXPECT_TRUE(Contains(svg, ">25.00% / 50.00%</text>"));  // A and B
    EXPECT_EQ(CountOf(svg, ">12.50% / 25.00%</text>"), 2);  // both thumbs

    // Without a PNG writer (a build without the rasteriser) only SVG is written.
    const CliRun png =
        RunTool({"render", "--dir", dir.path(), layout, "-o", dir.path() + "/x.png"});
    EXPECT_EQ(png.status, 2);
    EXPECT_TRUE(Contains(png.err, "SVG only")) << png.err;
}

// Key F has a finger the Kdi table has no row for; a->e goes from row 3 to F's row 2 on one
// hand, so a layout with e on F cannot be graded (what evaluate says is in the goldens). The
// picture is still drawn.
TEST(RenderCommand, ALayoutThatCannotBeGradedIsDrawnWithStatusOne) {
    const test::ProgramFolder dir(
        test::InputSet::Small().Line("KeyDefs.txt", 8, "F\t0\t7\t2\t2\t0"));
    const std::string onF =
        dir.Write("f.txt", "h\r\n32\tSpace\r\n97\tA\r\n98\tB\r\n99\tC\r\n100\tD\r\n101\tF\r\n");
    const CliRun r = RunTool({"render", "--dir", dir.path(), onF, "-o", dir.path() + "/f.svg"});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_TRUE(Contains(r.err, "finger 7")) << r.err;
    EXPECT_TRUE(Contains(dir.Read("f.svg"), "Not graded: "));
}

#ifdef ANTKEYS_HAVE_RASTER
TEST(SvgRasterizer, ReportsWhatItCannotDraw) {
    test::TempFolder dir;
    const std::pair<std::string, std::string> cases[] = {
        {"not a picture", "the picture could not be read as SVG"},
        {R"(<svg xmlns="http://www.w3.org/2000/svg" width="0" height="0"/>)",
         "the picture has no size"},
        {R"(<svg xmlns="http://www.w3.org/2000/svg" width="4" height="4"/>)",
         "cannot write " + dir.path() + "/no/such/x.png"},
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
    RecordingSink sink;
    ASSERT_TRUE(LoadKeyDefs(test::BundledSet("ka") + "/In/KeyDefs.txt", keys, sink));
    std::map<std::string, KeyBox> box;
    for (const KeyBox& b : KeyBoxes(keys)) box[keys.codes[static_cast<std::size_t>(b.key)]] = b;
    // Key: x, y, width.
    const std::map<std::string, std::array<double, 3>> expected{
        {"Q", {0, 0, 1}},    {"W", {1, 0, 1}},    {"P", {9, 0, 1}},    {"]", {11, 0, 1}},
        {"A", {0.25, 1, 1}}, {"Z", {0.75, 2, 1}}, {"/", {9.75, 2, 1}}, {"Space", {2.25, 3, 6.25}}};
    for (const auto& [code, xyw] : expected) {
        EXPECT_DOUBLE_EQ(box[code].x, xyw[0]) << code;
        EXPECT_DOUBLE_EQ(box[code].y, xyw[1]) << code;
        EXPECT_DOUBLE_EQ(box[code].w, xyw[2]) << code;
    }
}

}  // namespace
}  // namespace antkeys
