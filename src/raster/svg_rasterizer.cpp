#include "raster/svg_rasterizer.hpp"

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <QtGlobal>

namespace antkeys::raster {
namespace {

// Qt's start-up notes about the session (no XDG_RUNTIME_DIR when run as a service or in a
// container) say nothing about the picture; everything else goes on to stderr.
QtMessageHandler gQtHandler = nullptr;

void DropSessionNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("QStandardPaths:"))) return;
    if (gQtHandler != nullptr) gQtHandler(type, context, text);
}

void EnsureGuiApplication() {
    if (QGuiApplication::instance() != nullptr) return;
    // The application lives until the program ends; the command-line tool never shows a
    // window, so the offscreen platform is enough wherever no platform was chosen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "antkeys-cli";
    static char* argv[] = {name, nullptr};
    // Never deleted: tearing Qt down among the other statics at exit is not safe.
    gQtHandler = qInstallMessageHandler(DropSessionNotes);
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

}  // namespace

bool WriteSvgAsPng(std::string_view svg, const std::string& path, std::string& error) {
    EnsureGuiApplication();
    QSvgRenderer renderer(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    if (!renderer.isValid()) {
        error = "the picture could not be read as SVG";
        return false;
    }
    const QSize size = renderer.defaultSize();
    if (size.isEmpty()) {
        error = "the picture has no size";
        return false;
    }
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        renderer.render(&painter);
    }
    if (!image.save(QString::fromStdString(path), "PNG")) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace antkeys::raster
