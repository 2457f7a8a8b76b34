#include "raster/svg_rasterizer.hpp"

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <QtGlobal>

#include <memory>

namespace antkeys::raster {
namespace {

// Qt's start-up notes about the session (no XDG_RUNTIME_DIR when run as a service or in a
// container) say nothing about the picture; everything else goes on to stderr.
QtMessageHandler gQtHandler = nullptr;

void DropSessionNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("QStandardPaths:"))) return;
    if (gQtHandler != nullptr) gQtHandler(type, context, text);
}

// Fonts need a Qt GUI application. The command-line tool has none: one is made on the
// offscreen platform for the drawing and taken down again afterwards.
class GuiApplicationScope {
  public:
    GuiApplicationScope() {
        if (QGuiApplication::instance() != nullptr) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        if (gQtHandler == nullptr) gQtHandler = qInstallMessageHandler(DropSessionNotes);
        own_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }

  private:
    int argc_ = 1;
    char name_[12] = "antkeys-cli";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> own_;
};

}  // namespace

bool WriteSvgAsPng(std::string_view svg, const std::string& path, std::string& error) {
    const GuiApplicationScope application;
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
