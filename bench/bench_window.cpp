// How much of the search's speed the window keeps: runs the search for a fixed time through
// the real main window (offscreen platform), then through a host that never yields, on the
// same input set, and prints both rates and their ratio.
//
//   bench_window [seconds] [folder holding In/]   (defaults: 5, the bundled Georgian set)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <QApplication>
#include <QTimer>

#include "app/desktop_program.hpp"
#include "data/message.hpp"
#include "eval/workspace.hpp"
#include "search/search_engine.hpp"
#include "ui/main_window.hpp"

namespace {

using Clock = std::chrono::steady_clock;

// A program folder in the temporary folder with a copy of source/In and an empty Out.
std::string CopyInputSet(const std::string& source, const char* tag) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / (std::string("antkeys-bench-") + tag);
    fs::remove_all(folder);
    fs::create_directories(folder / "Out");
    fs::copy(fs::path(source) / "In", folder / "In", fs::copy_options::recursive);
    return folder.string();
}

// The search's host without a window: nothing to yield to, parameters at their defaults.
class HeadlessHost final : public antkeys::SearchHost {
  public:
    explicit HeadlessHost(Clock::time_point end) : end_(end) {}
    void Yield() override {}
    void show(const antkeys::Message& message) override {
        std::fprintf(stderr, "%s: %s\n", message.title.c_str(), message.text.c_str());
    }
    std::optional<antkeys::RunParams> StartParams() override { return antkeys::RunParams{}; }
    double Sensitivity() override { return antkeys::RunParams{}.sensitivity; }
    double Reinforcement() override { return antkeys::RunParams{}.reinforcement; }
    bool AcoOn() override { return true; }
    bool GraphOn() override { return false; }
    void OnRunStateChanged(bool) override {}
    void OnNoCandidate(int) override {}
    std::string Caption() override { return {}; }
    void SetCaption(const std::string&) override {}
    // Checked once per layout in ACO mode, as the window's event would be.
    void OnRndKeyGen(const antkeys::Layout&, antkeys::Single, const antkeys::KeyTables&) override {
        if (Clock::now() >= end_) engine->RequestStop();
    }
    antkeys::SearchEngine* engine = nullptr;

  private:
    Clock::time_point end_;
};

struct Rate {
    long layouts = 0;
    double seconds = 0;
    double perSecond() const { return seconds > 0 ? static_cast<double>(layouts) / seconds : 0; }
};

Rate RunWindow(const std::string& folder, double seconds) {
    antkeys::RecordingSink sink;
    auto program = antkeys::DesktopProgram::Load(folder, sink);
    if (!program) {
        std::fprintf(stderr, "bench_window: the input set did not load\n");
        std::exit(1);
    }
    program->random().Seed(1);
    program->Show(false);
    antkeys::MainWindow& window = program->window();
    QTimer::singleShot(static_cast<int>(seconds * 1000), &window,
                       &antkeys::MainWindow::cmdStop_Click);
    const Clock::time_point start = Clock::now();
    window.cmdRun_Click();
    const std::chrono::duration<double> took = Clock::now() - start;
    return {program->engine().iterN(), took.count()};
}

Rate RunHeadless(const std::string& folder, double seconds) {
    antkeys::RecordingSink sink;
    antkeys::Workspace ws;
    ws.paths.folder = folder;
    if (!antkeys::LoadWorkspace(ws, sink)) std::exit(1);
    antkeys::Random random(1);
    antkeys::SearchEngine engine(ws, random);
    const Clock::time_point start = Clock::now();
    HeadlessHost host(start + std::chrono::duration_cast<Clock::duration>(
                                  std::chrono::duration<double>(seconds)));
    host.engine = &engine;
    engine.RunEvaluation(host);
    const std::chrono::duration<double> took = Clock::now() - start;
    return {engine.iterN(), took.count()};
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;
    const std::string source = argc > 2 ? argv[2] : std::string(ANTKEYS_SOURCE_DIR) + "/data/ka";

    const Rate window = RunWindow(CopyInputSet(source, "window"), seconds);
    const Rate headless = RunHeadless(CopyInputSet(source, "headless"), seconds);
    std::printf("window:   %ld layouts in %.2f s = %.0f layouts/s\n", window.layouts,
                window.seconds, window.perSecond());
    std::printf("headless: %ld layouts in %.2f s = %.0f layouts/s\n", headless.layouts,
                headless.seconds, headless.perSecond());
    std::printf("window/headless: %.2f\n",
                headless.perSecond() > 0 ? window.perSecond() / headless.perSecond() : 0.0);
    return 0;
}
