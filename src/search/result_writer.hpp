#pragma once
// The one writer of Out: the best-layout files, the pheromone store (moving an unreadable
// one aside first) and the count of what could not be written. The window's and the CLI's
// runs use it through the engine's observers; the colonies write what the run as a whole
// found through one of their own.
#include <string>

#include "data/key_tables.hpp"
#include "data/message.hpp"
#include "data/phero_table.hpp"
#include "data/program_folder.hpp"
#include "data/types.hpp"
#include "data/unreadable_store.hpp"
#include "search/save_failures.hpp"
#include "search/search_observer.hpp"

namespace antkeys {

// Where the writer's messages go. The first failure of each kind in a run is shown; later
// ones go to `Repeated`, and the store moved aside to `Moved`.
class OutReporter {
  public:
    virtual ~OutReporter() = default;
    virtual void FirstFailure(const Message& message) = 0;
    virtual void Repeated(const Message& message) = 0;
    virtual void Moved(const Message& message) = 0;
};

class ResultWriter final : public SearchObserver {
  public:
    // `unreadable` is the store found unreadable at start, moved aside at the first save.
    ResultWriter(const InputPaths& paths, const KeyTables& keys, UnreadableStore& unreadable,
                 OutReporter& reporter);

    // The best-layout file "<grade>_<counter>.txt"; its path, empty when it could not be
    // written (no older file then stands for the best grade).
    const std::string& WriteBest(const Layout& lay, Single grade, Long counter);
    // The store, only with `aco`.
    void WriteStore(const PheroTable& phero, bool aco);
    // Forgets the failures counted so far.
    void ResetFailures() { failures_.Reset(); }
    // Shows the sum of the failures, when there were any.
    void ShowFailures();

    const std::string& lastBestPath() const { return lastBestPath_; }
    const SaveFailures& failures() const { return failures_; }

    void OnRunStart() override { ResetFailures(); }
    void OnNewBest(const Layout& lay, Single grade, Long counter) override {
        WriteBest(lay, grade, counter);
    }
    void OnStoreDue(const PheroTable& phero, bool aco) override { WriteStore(phero, aco); }
    void OnRunEnd() override { ShowFailures(); }

  private:
    class FailureSink;

    const InputPaths& paths_;
    const KeyTables& keys_;
    UnreadableStore& unreadable_;
    OutReporter& reporter_;
    SaveFailures failures_;
    std::string lastBestPath_;
};

}  // namespace antkeys
