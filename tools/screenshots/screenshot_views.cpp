// Takes the screenshots of docs/views.md: the best-layout window during a run and the
// pheromone window showing one letter, as the X server draws them. Run under Xvfb:
//
//   xvfb-run -a -s "-screen 0 1280x800x24" build/bin/screenshot_views docs [set folder]
//
// The set folder (data/ka by default) holds In/; the run works on a temporary copy of it.
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include "app/desktop_program.hpp"
#include "search/search_engine.hpp"
#include "ui/caption_language.hpp"
#include "ui/lay_window.hpp"
#include "ui/main_window.hpp"
#include "ui/message_box.hpp"
#include "ui/phero_window.hpp"

using namespace antkeys;

namespace {

constexpr int kOpenBestAt = 3000;   // layouts before the best-layout window opens
constexpr int kStopAt = 6000;       // layouts before the pictures are taken
constexpr Byte kShownLetter = 192;  // the pheromone window shows this letter's pheromones

bool Save(QWidget* window, const QString& path) {
    QCoreApplication::processEvents();
    const QPixmap picture = window->screen()->grabWindow(window->winId());
    const bool ok = picture.save(path);
    std::fprintf(stderr, "%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

// The bundled reference layouts are hard to beat, and the best-layout window needs a layout
// better than the reference. For the pictures only, the free letters of the reference swap
// keys in a ring, so the search finds better layouts within seconds.
void WeakenReference(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string header;
    std::getline(in, header);
    std::vector<std::array<std::string, 3>> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::array<std::string, 3> fields;
        std::istringstream split(line);
        for (auto& field : fields) std::getline(split, field, '\t');
        lines.push_back(fields);
    }
    std::vector<std::size_t> free;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i][2] == "0") free.push_back(i);
    std::vector<std::string> keys;
    for (std::size_t i : free) keys.push_back(lines[i][1]);
    for (std::size_t n = 0; n < free.size(); ++n) lines[free[n]][1] = keys[(n + 5) % keys.size()];
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << header << "\n";
    for (const auto& f : lines) out << f[0] << '\t' << f[1] << '\t' << f[2] << "\r\n";
}

class PrintingSink final : public MessageSink {
  public:
    void show(const Message& m) override {
        std::fprintf(stderr, "%s: %s\n", m.title.c_str(), m.text.c_str());
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The captions in the language ANTKEYS_LANG names, as the program shows them.
    QString warning;
    const auto catalogue = InstallCaptionCatalogue(warning);
    if (argc < 2) {
        std::fputs("usage: screenshot_views OUT-FOLDER [set folder]\n", stderr);
        return 2;
    }
    const std::string source = argc > 2 ? argv[2] : std::string(ANTKEYS_SOURCE_DIR) + "/data/ka";
    QTemporaryDir temp;
    namespace fs = std::filesystem;
    fs::copy(fs::path(source) / "In", fs::path(temp.path().toStdString()) / "In",
             fs::copy_options::recursive);
    fs::create_directories(fs::path(temp.path().toStdString()) / "Out");
    WeakenReference(temp.path().toStdString() + "/In/RefKeyLay.txt");
    const QString out = QString::fromLocal8Bit(argv[1]);

    RecordingSink sink;
    PrintingSink printer;
    std::unique_ptr<DesktopProgram> program = DesktopProgram::Load(temp.path().toStdString(), sink);
    if (!program) {
        for (const Message& m : sink.messages) std::fprintf(stderr, "%s\n", m.text.c_str());
        return 1;
    }
    // A message box would wait for a click that never comes: print the messages instead.
    MessageBox::SetTestSink(&printer);
    program->random().Seed(2024);
    MainWindow& window = program->window();
    program->Show(false);
    window.move(480, 0);

    window.cmdShowPhero_Click();
    auto* phero = window.findChild<PheroWindow*>();
    phero->move(0, 230);
    phero->chkAutoRefresh()->setChecked(true);
    phero->ShowPhero(kShownLetter);
    const auto& letSet = program->workspace().letters.letSet;
    for (std::size_t i = 0; i < letSet.size(); ++i)
        if (letSet[i] == kShownLetter) phero->cmbLetter()->setCurrentIndex(static_cast<int>(i));

    LayWindow* best = nullptr;
    int layouts = 0;
    bool ok = true;
    QObject::connect(&window, &MainWindow::OnRndKeyGen, &window,
                     [&](const Layout&, Single, const KeyTables&) {
                         ++layouts;
                         if (!best && layouts >= kOpenBestAt) {
                             window.cmdShowBestLay_Click();
                             best = window.findChild<LayWindow*>();
                             if (!best) return;  // no best layout yet: try again later
                             best->move(0, 0);
                             best->txtRefrInterval()->setText(QStringLiteral("1000"));
                         }
                         if (best && layouts >= kStopAt) {
                             ok = best && Save(best, out + "/layout-window.png");
                             ok = Save(phero, out + "/pheromone-window.png") && ok;
                             window.cmdStop_Click();
                         }
                     });
    QTimer::singleShot(0, &window, [&] {
        window.cmdRun_Click();
        app.quit();
    });
    app.exec();
    return ok ? 0 : 1;
}
