#include "ui/graph_plan.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "data/fields.hpp"

namespace antkeys {

GraphPlan PlanGraph(const ProgressRing& ring, bool drawGraph, double width, double height,
                    std::string_view offsText, std::string_view scaleText) {
    GraphPlan plan;
    const float halfHeight = static_cast<float>(height / 2);
    double offs = 0;
    double scale = 0;
    std::string why;
    const bool numbers = ParseDouble(offsText, offs, why) && ParseDouble(scaleText, scale, why);
    const float zeroY = static_cast<float>((1 - offs) * halfHeight);
    const float scaleY = static_cast<float>(scale * height);
    const float stepX = static_cast<float>(width / 100);

    const double rounded = std::nearbyint(static_cast<double>(stepX));  // half to even
    plan.drawWidth = static_cast<int>(std::clamp(rounded, 1.0, 32767.0));
    plan.halfHeight = halfHeight;
    plan.lineEndX = 100 * stepX;
    plan.draw = drawGraph && numbers;
    if (!plan.draw) return plan;

    int p = ring.pos;
    if (p < 0 || p >= ProgressRing::kPoints) p = 0;
    std::size_t n = 0;
    for (int j = 0; j < ProgressRing::kPoints; ++j) {
        const auto at = static_cast<std::size_t>(p);
        const float x = static_cast<float>(j) * stepX;
        plan.points[n++] = {x, zeroY - ring.avrg[at] * scaleY, kGraphAvrgRgb};
        plan.points[n++] = {x, zeroY - ring.min[at] * scaleY, kGraphMinRgb};
        plan.points[n++] = {x, zeroY - ring.max[at] * scaleY, kGraphMaxRgb};
        p = p == ProgressRing::kPoints - 1 ? 0 : p + 1;
    }
    return plan;
}

}  // namespace antkeys
