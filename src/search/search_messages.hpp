#pragma once
// What the search itself reports when a run cannot go on.

namespace antkeys::msg {

inline constexpr const char* kGradingFailedTitle = "Error Grading Layout";
inline constexpr const char* kGradingFailedText =
    "A generated layout could not be graded; the run was stopped.";

inline constexpr const char* kCounterFullTitle = "Layout Counter Full";
inline constexpr const char* kCounterFullText =
    "The layout counter has reached 2147483647, the largest number it can hold; the run was "
    "stopped.";

}  // namespace antkeys::msg
