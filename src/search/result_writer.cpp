#include "search/result_writer.hpp"

#include "data/loaders.hpp"
#include "data/messages.hpp"

namespace antkeys {

// A save reports here: counted, and shown only when it is the first of its kind.
class ResultWriter::FailureSink final : public MessageSink {
  public:
    FailureSink(SaveFailures& failures, OutReporter& reporter, SavedFile kind)
        : failures_(failures), reporter_(reporter), kind_(kind) {}
    void show(const Message& message) override {
        if (failures_.Add(kind_, message))
            reporter_.FirstFailure(message);
        else
            reporter_.Repeated(message);
    }

  private:
    SaveFailures& failures_;
    OutReporter& reporter_;
    SavedFile kind_;
};

ResultWriter::ResultWriter(const InputPaths& paths, const KeyTables& keys,
                           UnreadableStore& unreadable, OutReporter& reporter)
    : paths_(paths), keys_(keys), unreadable_(unreadable), reporter_(reporter) {}

const std::string& ResultWriter::WriteBest(const Layout& lay, Single grade, Long counter) {
    FailureSink sink(failures_, reporter_, SavedFile::BestLayout);
    lastBestPath_ = SaveBestLay(paths_.OutFolder(), grade * 100.0f, counter, lay, keys_, sink);
    return lastBestPath_;
}

void ResultWriter::WriteStore(const PheroTable& phero, bool aco) {
    const bool toMove = unreadable_.pending();
    FailureSink sink(failures_, reporter_, SavedFile::Store);
    SavePheroKeeping(paths_.pheromones(), aco, phero, unreadable_, sink);
    if (toMove && unreadable_.moved)
        reporter_.Moved(Message{msg::kProgramTitle, StoreMovedText(unreadable_.aside), false});
}

void ResultWriter::ShowFailures() {
    if (failures_.any()) reporter_.FirstFailure(failures_.Summary());
}

}  // namespace antkeys
