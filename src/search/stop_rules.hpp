#pragma once
// The small rules every host of the search shares: when a run ends by itself, and when the
// store is saved during a run.
#include <cstdint>
#include <optional>

#include "data/types.hpp"

namespace antkeys {

// A run without a window ends after a number of layouts or of seconds (at most one is set),
// or when a stop is asked for (Ctrl+C, a signal, the Stop button).
struct StopRules {
    std::optional<std::int64_t> layouts;
    std::optional<double> seconds;

    bool LayoutsReached(std::int64_t done) const { return layouts && done >= *layouts; }
    bool TimeReached(double elapsed) const { return seconds && elapsed >= *seconds; }
    bool Reached(std::int64_t done, double elapsed, bool stopAsked) const {
        return LayoutsReached(done) || TimeReached(elapsed) || stopAsked;
    }
};

// The periodic save of the store: one tick per second of running time, a save on every
// kSeconds-th tick (61, not 60). Ticks at rest are not counted, and the count carries over
// from one run to the next.
class AutosaveClock {
  public:
    static constexpr int kSeconds = 61;

    // A second of running time has passed; true when the store is due.
    bool Tick() {
        ++ticks_;
        if (ticks_ < kSeconds) return false;
        ticks_ = 0;
        return true;
    }
    Integer ticks() const { return ticks_; }

  private:
    Integer ticks_ = 0;
};

}  // namespace antkeys
