#include "ui/lay_window_menu.hpp"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>

#include "data/loaders.hpp"
#include "data/text_file.hpp"
#include "eval/workspace.hpp"
#include "export/exporter.hpp"
#include "export/layout_svg.hpp"
#include "search/layout_moves.hpp"
#include "ui/explain_dialog.hpp"
#include "ui/file_dialog.hpp"
#include "ui/lay_window.hpp"
#include "ui/message_box.hpp"
#ifdef ANTKEYS_HAVE_RASTER
#include "raster/svg_rasterizer.hpp"
#endif

namespace antkeys {
namespace {

constexpr const char* kSaveTitle = "Save layout";

struct Entry {
    const char* text;
    std::function<void(LayWindow&)> run;
};

void ExportEntry(LayWindow& w, ExportFormat f) {
    ExportLayoutFor(w, static_cast<int>(f));
}

const std::vector<Entry>& Entries() {
    static const std::vector<Entry> entries{
        {"Save layout as...", SaveLayoutAs},
        {"Export for Linux (XKB)...", [](LayWindow& w) { ExportEntry(w, ExportFormat::Xkb); }},
        {"Export for Windows (KLC)...", [](LayWindow& w) { ExportEntry(w, ExportFormat::Klc); }},
        {"Export for macOS (keylayout)...",
         [](LayWindow& w) { ExportEntry(w, ExportFormat::Keylayout); }},
        {"Export for the keyboard-layout-editor (JSON)...",
         [](LayWindow& w) { ExportEntry(w, ExportFormat::Kle); }},
        {"Save picture (SVG/PNG)...", SaveLayoutPicture},
        {ExplainDialog::kMenuText, ExplainLayout},
    };
    return entries;
}

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString Ask(LayWindow& w, const char* entry, const QString& suggested, const QString& filter) {
    QString caption = QString::fromLatin1(entry);
    caption.chop(3);  // without the "..."
    return FileDialog::SaveFileName(&w, caption, suggested, filter);
}

void Report(LayWindow& w, const std::string& text) {
    MessageBox::Critical(&w, Message{kSaveTitle, text, true});
}

void WriteOrReport(LayWindow& w, const QString& path, const std::string& bytes) {
    std::string error;
    if (!WriteWholeFile(LocalPath(path), bytes, error)) Report(w, error);
}

}  // namespace

QMenu* MakeLayWindowMenu(LayWindow& window) {
    auto* menu = new QMenu(&window);
    menu->setObjectName(QStringLiteral("layWindowMenu"));
    for (const Entry& e : Entries()) {
        QAction* action = menu->addAction(QString::fromLatin1(e.text));
        action->setEnabled(window.hasLayout());
        QObject::connect(action, &QAction::triggered, &window,
                         [&window, run = e.run] { run(window); });
    }
    return menu;
}

void SaveLayoutAs(LayWindow& w) {
    const QString path = Ask(w, "Save layout as...", QStringLiteral("layout.txt"),
                             QStringLiteral("Layout files (*.txt);;All files (*)"));
    if (path.isEmpty()) return;
    // The header line holds the grade, as in the best-layout files. With pinned letters every
    // line carries the fixed flag: the pins and the letters the reference fixes.
    const std::string header = w.txtRGrade()->text().toStdString();
    std::string lines = GetLayStr(w.layout(), *w.keyTables());
    if (w.pinned() && w.workspace()) {
        CharFlags fixed = ReferenceFixed(*w.workspace());
        for (std::size_t c = 0; c < fixed.size(); ++c) fixed[c] = fixed[c] || (*w.pinned())[c];
        lines = GetFixedLayStr(w.layout(), *w.keyTables(), fixed);
    }
    WriteOrReport(w, path, (header.empty() ? "layout" : header) + "\r\n" + lines);
}

void ExportLayoutFor(LayWindow& w, int format) {
    const Exporter& exporter = ExporterFor(static_cast<ExportFormat>(format));
    const std::string suffix(exporter.suffix());
    const QString title =
        QString::fromUtf8(exporter.title().data(), static_cast<qsizetype>(exporter.title().size()));
    const QString filter =
        suffix.empty() ? title + QStringLiteral(" (*)")
                       : title + QStringLiteral(" (*") + QString::fromStdString(suffix) + ")";
    const QString entry = QStringLiteral("Export for ") + title + QStringLiteral("...");
    const QString path = FileDialog::SaveFileName(
        &w, entry.left(entry.size() - 3),
        QStringLiteral("antkeys") + QString::fromStdString(suffix), filter);
    if (path.isEmpty()) return;
    ExportOptions options;
    options.source = w.windowTitle().toStdString();
    options.name = exporter.NameFor(LocalPath(path));
    options.description = QFileInfo(path).completeBaseName().toStdString();
    if (!exporter.CheckOptions(options).empty()) options.description.clear();
    const ExportResult result = exporter.Export(
        {w.layout(), *w.keyTables(),
         w.workspace() ? w.workspace()->chars : CharacterMap::GeorgianPs(), options});
    WriteOrReport(w, path, result.bytes);
    if (!result.problems.empty()) {
        std::string text = "The file was written without:";
        for (const std::string& p : result.problems) text += "\r\n" + p;
        Report(w, text);
    }
}

void SaveLayoutPicture(LayWindow& w) {
    const QString path = Ask(w, "Save picture (SVG/PNG)...", QStringLiteral("layout.svg"),
                             QStringLiteral("SVG picture (*.svg);;PNG picture (*.png)"));
    if (path.isEmpty() || w.workspace() == nullptr) return;
    LayoutPictureData data = PictureOfLayout(w.layout(), *w.workspace());
    data.title = w.windowTitle().toStdString();
    const std::string grade = w.txtRGrade()->text().toStdString();
    if (!grade.empty()) data.gradeLine = "Grade " + grade + " against the reference layout";
    const SvgPicture picture = LayoutSvg(data, *w.keyTables());
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        WriteOrReport(w, path, picture.text);
        return;
    }
#ifdef ANTKEYS_HAVE_RASTER
    std::string error;
    if (!raster::WriteSvgAsPng(picture.text, LocalPath(path), error)) Report(w, error);
#else
    Report(w, "This build writes SVG pictures only.");
#endif
}

void ExplainLayout(LayWindow& w) {
    if (w.workspace() != nullptr) ExplainDialog::Open(&w, *w.workspace(), w.layout());
}

}  // namespace antkeys
