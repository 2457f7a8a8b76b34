#pragma once
// What one tick of Timer2 draws in Picture1: the yellow half-height line and the average,
// lowest and highest grade of each of the 101 ring points, oldest point first.
#include <array>
#include <cstdint>
#include <string_view>

#include "search/progress_ring.hpp"

namespace antkeys {

struct GraphPoint {
    float x = 0;
    float y = 0;
    std::uint32_t rgb = 0;  // 0xRRGGBB
};

inline constexpr std::uint32_t kGraphLineRgb = 0xFFFF00;  // yellow: half the height
inline constexpr std::uint32_t kGraphAvrgRgb = 0x00FF00;  // green: average
inline constexpr std::uint32_t kGraphMinRgb = 0x0000FF;   // blue: lowest
inline constexpr std::uint32_t kGraphMaxRgb = 0xFF0000;   // red: highest

struct GraphPlan {
    // The surface is always cleared; the line and points are drawn only when `draw` is set.
    bool draw = false;
    // Pen width in pixels: stepX rounded half to even, at least 1 (a box too narrow for a
    // whole pixel per point still draws one-pixel dots).
    int drawWidth = 1;
    float halfHeight = 0;
    float lineEndX = 0;
    // Three points per ring entry (average, lowest, highest), the oldest entry first.
    std::array<GraphPoint, 3 * ProgressRing::kPoints> points{};
};

// The arithmetic of a tick for a surface of width x height pixels. offsText and scaleText are
// the texts of txtGrOffs and txtGrScale; when either is not a number nothing is drawn.
GraphPlan PlanGraph(const ProgressRing& ring, bool drawGraph, double width, double height,
                    std::string_view offsText, std::string_view scaleText);

}  // namespace antkeys
