#include <gtest/gtest.h>

#include "eval/eval_fixtures.hpp"
#include "export/layout_svg.hpp"

namespace antkeys {
namespace {

// The bars add up the loads and targets of each hand's fingers; the space bar's companion
// belongs to the other thumb.
TEST(LayoutPicture, FingerBarsShowShareBesideTarget) {
    const KeyTables keys = test::MakeKeys({{"A", 0, 2, 1, 3},
                                           {"B", 0, 2, 2, 3},
                                           {"C", 1, 5, 5, 3},
                                           {"Space", 0, 1, 0, 5, true}});
    LayoutPictureData data;
    data.load = {0, 0.25, 0.125, 0.375, 0.125, 0.125};
    data.target = {0, 0.2, 0.2, 0.3, 0.15, 0.15};
    const std::string svg = LayoutSvg(data, keys).text;
    EXPECT_NE(svg.find(">L index</text>"), std::string::npos);
    EXPECT_NE(svg.find(">37.50% / 40.00%</text>"), std::string::npos) << svg;  // A and B
    EXPECT_NE(svg.find(">37.50% / 30.00%</text>"), std::string::npos);         // right little
    // Both thumbs: the space bar's load and target shared half and half.
    const std::string thumb = ">12.50% / 15.00%</text>";
    const std::size_t first = svg.find(thumb);
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(svg.find(thumb, first + 1), std::string::npos);
}

}  // namespace
}  // namespace antkeys
