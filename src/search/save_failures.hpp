#pragma once
// Files a run could not write. The first failure of each kind is shown as it happens; later
// ones are only counted, so an unattended run never waits on a message; the run's end sums
// them up.
#include <array>
#include <string>

#include "data/message.hpp"

namespace antkeys {

enum class SavedFile { BestLayout, Store };

class SaveFailures {
  public:
    void Reset() { *this = SaveFailures{}; }
    // Counts a failure; true when it is the first of its kind since Reset.
    bool Add(SavedFile kind, const Message& message);

    int count(SavedFile kind) const { return counts_[Index(kind)]; }
    bool any() const { return counts_[0] + counts_[1] > 0; }
    // The description of the first failure of the kind (the text after the fixed line).
    const std::string& firstReason(SavedFile kind) const { return reasons_[Index(kind)]; }
    // What could not be saved in the run, and the first reason.
    Message Summary() const;

  private:
    static std::size_t Index(SavedFile kind) { return kind == SavedFile::BestLayout ? 0 : 1; }

    std::array<int, 2> counts_{};
    std::array<std::string, 2> reasons_;
    std::string first_;  // the reason of the run's first failure
};

}  // namespace antkeys
