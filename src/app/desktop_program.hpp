#pragma once
// The desktop program: its start-up load (Form_Load), the main window and the entry
// procedure that ties them to the command line and the event loop.
#include <memory>
#include <string>

#include "data/message.hpp"
#include "data/random.hpp"
#include "eval/kernel_choice.hpp"

#include <QStringList>

class QApplication;

namespace antkeys {

class MainWindow;
class SearchEngine;
struct Workspace;

class DesktopProgram {
  public:
    // Form_Load: loads every input of `folder` in order, stopping at the first failure. After
    // a failure returns nullptr; the failing step has reported through `sink`, except the
    // grading of the reference layout, which only fills `why`. After a successful load the
    // random generator is seeded from the clock and the main window is built (not shown).
    // Grading and polishing run on `kernels`.
    static std::unique_ptr<DesktopProgram> Load(const std::string& folder, MessageSink& sink,
                                                std::string* why = nullptr,
                                                KernelChoice kernels = KernelChoice::kFastest);
    ~DesktopProgram();
    DesktopProgram(const DesktopProgram&) = delete;
    DesktopProgram& operator=(const DesktopProgram&) = delete;

    // Shows the main window in the middle of the screen. With autoStart the search starts
    // as soon as the event loop runs, with the window already on show.
    void Show(bool autoStart);

    // Why Out cannot take the search's files, found at load; empty when it can.
    const std::string& outFolderError() const { return outFolderError_; }
    // Shows the save-error box when Out cannot be used; the program goes on as usual.
    void ReportOutFolder(MessageSink& sink) const;

    Workspace& workspace() { return *workspace_; }
    SearchEngine& engine() { return *engine_; }
    MainWindow& window() { return *window_; }
    Random& random() { return random_; }

  private:
    DesktopProgram();

    std::unique_ptr<Workspace> workspace_;
    Random random_;
    std::unique_ptr<SearchEngine> engine_;
    std::unique_ptr<MainWindow> window_;
    std::string outFolderError_;
};

// The entry procedure: loads from the program folder (ResolveProgramFolder), shows the window,
// starts the search for the command line "as" (`arguments` as given, without the program's
// name), and runs the event loop. Returns the exit status: 1 when the load failed.
int RunDesktopProgram(QApplication& app, const QStringList& arguments);

}  // namespace antkeys
