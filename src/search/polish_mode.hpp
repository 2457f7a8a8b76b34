#pragma once
// Which local search improves each iteration's best layout before it reinforces.
namespace antkeys {

enum class PolishMode {
    Off,    // the colony alone, as the window runs it
    Swaps,  // steepest descent over swaps of two free letters (LayoutPolisher)
    Full,   // swaps and relocations to empty keys, with trail limits and restarts
};

}  // namespace antkeys
