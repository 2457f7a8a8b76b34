#pragma once
// What a run reports to whoever keeps its results: a new best, the end of an iteration,
// changed pheromones, and the moments the store is due. Called on the run's thread, between
// the steps of a pass; none of the calls may allocate on the way of an ordinary ant.
#include "data/phero_table.hpp"
#include "data/types.hpp"

namespace antkeys {

class SearchObserver {
  public:
    virtual ~SearchObserver() = default;

    // A run starts; its end follows with OnRunEnd.
    virtual void OnRunStart() {}
    // A new best layout, its grade and `counter`, the layouts counted before it.
    virtual void OnNewBest(const Layout& lay, Single grade, Long counter) {
        (void)lay, (void)grade, (void)counter;
    }
    // An iteration of the colony ended (`iterations` since the program started);
    // `pheroChanged`: it reinforced or reset the trails, and OnPheroChanged came before.
    virtual void OnIterationEnd(Long iterations, bool pheroChanged) {
        (void)iterations, (void)pheroChanged;
    }
    virtual void OnPheroChanged(const PheroTable& phero) { (void)phero; }
    // The store is due: after each new best, every 61 seconds of running and at a run's end.
    // `aco`: learning is on at this moment (without it the store is not written).
    virtual void OnStoreDue(const PheroTable& phero, bool aco) { (void)phero, (void)aco; }
    virtual void OnRunEnd() {}
};

}  // namespace antkeys
