#pragma once
// Helpers for the window tests: program folders with an input set, recorded message boxes,
// a program loaded from the small set, and runs that stop after a given number of layouts.
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QLineEdit>
#include <QObject>

#include "app/desktop_program.hpp"
#include "data/message.hpp"
#include "eval/workspace.hpp"
#include "search/search_engine.hpp"
#include "support/input_set.hpp"
#include "ui/main_window.hpp"
#include "ui/message_box.hpp"

namespace antkeys::test {

// Writes the set's In into temp and makes an empty temp/Out; returns temp's path.
inline std::string MakeProgramFolder(const TempFolder& temp, const std::string& setFolder) {
    InputSet::FromFolder(setFolder).WriteTo(temp.path());
    std::filesystem::create_directories(std::filesystem::path(temp.path()) / "Out");
    return temp.path();
}

inline bool OutHolds(const std::string& folder, const std::string& name) {
    return std::filesystem::exists(std::filesystem::path(folder) / "Out" / name);
}

inline bool OutIsEmpty(const std::string& folder) {
    return std::filesystem::is_empty(std::filesystem::path(folder) / "Out");
}

inline QString QStr(const std::string& text) {
    return QString::fromStdString(text);
}

// Routes every message box to a recording sink while it lives.
class RecordedBoxes {
  public:
    RecordedBoxes() { MessageBox::SetTestSink(&sink); }
    ~RecordedBoxes() { MessageBox::SetTestSink(nullptr); }
    RecordedBoxes(const RecordedBoxes&) = delete;
    RecordedBoxes& operator=(const RecordedBoxes&) = delete;
    RecordingSink sink;
};

// A program loaded from a copy of the small window set, its message boxes recorded. `prepare`
// may change the folder's files before the load. `program` is null when the load failed.
struct LoadedProgram {
    explicit LoadedProgram(const std::function<void(const TempFolder&)>& prepare = {})
        : folder(MakeProgramFolder(temp, SmallWindowSet())) {
        if (prepare) prepare(temp);
        program = DesktopProgram::Load(folder, boxes.sink);
    }

    MainWindow& window() { return program->window(); }
    SearchEngine& engine() { return program->engine(); }
    Workspace& ws() { return program->workspace(); }
    std::vector<Message>& messages() { return boxes.sink.messages; }
    // A control of the main window by name; ends the test program when there is none.
    template <typename T = QWidget>
    T* child(const QString& name) {
        T* widget = window().findChild<T*>(name);
        if (!widget) qFatal("no control %s", qPrintable(name));
        return widget;
    }
    QLineEdit* box(const QString& name) { return child<QLineEdit>(name); }

    TempFolder temp;
    RecordedBoxes boxes;
    std::string folder;
    std::unique_ptr<DesktopProgram> program;
};

// A loaded program whose window is shown, its random numbers the same at every test run.
inline std::unique_ptr<LoadedProgram> ShownProgram() {
    auto p = std::make_unique<LoadedProgram>();
    if (!p->program) qFatal("the small window set does not load");
    p->program->random().Seed(1);
    p->program->Show(false);
    return p;
}

// Calls `action` inside the run at the given layouts (counted from the start of this run
// through OnRndKeyGen, so chkACO must be ticked), and stops the run after `stopAt` layouts.
// Returns when the run has ended.
inline void RunLayouts(MainWindow& window, int stopAt,
                       const std::function<void(int layout)>& action = {}) {
    int seen = 0;
    const QMetaObject::Connection connection = QObject::connect(
        &window, &MainWindow::OnRndKeyGen, &window, [&](const Layout&, Single, const KeyTables&) {
            ++seen;
            if (action) action(seen);
            if (seen == stopAt) window.cmdStop_Click();
        });
    window.cmdRun_Click();
    QObject::disconnect(connection);
}

}  // namespace antkeys::test
