// Takes a picture of the main window during a run with the graph shown, for the docs:
//
//   xvfb-run -a -s "-screen 0 1024x768x24" build/bin/screenshot_main_window docs/main-window.png
//   ANTKEYS_LANG=en xvfb-run -a -s "-screen 0 1024x768x24" build/bin/screenshot_main_window
//   docs/main-window-en.png
//
// The window is really shown on the platform in use (xcb under Xvfb); the picture is the
// window's own rendering (QWidget::grab) after about `seconds` of searching.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPixmap>
#include <QTimer>
#include <QTranslator>

#include "app/desktop_program.hpp"
#include "search/search_engine.hpp"
#include "ui/caption_language.hpp"
#include "ui/main_window.hpp"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The captions in the language ANTKEYS_LANG names, as the program shows them.
    QString warning;
    const auto catalogue = antkeys::InstallCaptionCatalogue(warning);
    if (argc < 2) {
        std::fprintf(stderr, "usage: screenshot_main_window OUT.png [seconds] [set folder]\n");
        return 2;
    }
    const std::string out = argv[1];
    const double seconds = argc > 2 ? std::atof(argv[2]) : 20.0;
    const std::string source = argc > 3 ? argv[3] : std::string(ANTKEYS_SOURCE_DIR) + "/data/ka";

    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "antkeys-screenshot";
    fs::remove_all(folder);
    fs::create_directories(folder / "Out");
    fs::copy(fs::path(source) / "In", folder / "In", fs::copy_options::recursive);

    antkeys::RecordingSink sink;
    auto program = antkeys::DesktopProgram::Load(folder.string(), sink);
    if (!program) return 1;
    antkeys::MainWindow& window = program->window();
    program->Show(false);
    window.findChild<QCheckBox*>(QStringLiteral("chkDrawGraph"))->setChecked(true);
    window.findChild<QLineEdit*>(QStringLiteral("txtGrOffs"))->setText(QStringLiteral("1.4"));
    window.findChild<QLineEdit*>(QStringLiteral("txtGrScale"))->setText(QStringLiteral("1"));

    bool saved = false;
    const auto start = std::chrono::steady_clock::now();
    QObject::connect(&window, &antkeys::MainWindow::OnRndKeyGen, &window, [&] {
        const std::chrono::duration<double> running = std::chrono::steady_clock::now() - start;
        if (saved || running.count() < seconds) return;
        window.Timer2_Timer();
        window.RefreshPanel();
        for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
        saved = window.grab().save(QString::fromStdString(out));
        window.cmdStop_Click();
    });
    // The window is on show before the run starts; the program ends with the run.
    QTimer::singleShot(500, &window, [&] {
        window.cmdRun_Click();
        QCoreApplication::quit();
    });
    app.exec();
    if (!saved) std::fprintf(stderr, "screenshot_main_window: no picture taken\n");
    return saved ? 0 : 1;
}
