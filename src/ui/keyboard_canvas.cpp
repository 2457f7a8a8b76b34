#include "ui/keyboard_canvas.hpp"

#include <cmath>

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPalette>

namespace antkeys {
namespace {

// Every point is rounded to the nearest whole pixel before it is drawn.
QPoint Pixel(QPointF p) {
    return {static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y()))};
}

}  // namespace

KeyboardCanvas::KeyboardCanvas(const QString& picture, QSize clientSize, QWidget* parent)
    : QWidget(parent), bare_(clientSize) {
    setFixedSize(clientSize);
    bare_.fill(palette().color(QPalette::Window));
    {
        QPainter painter(&bare_);
        painter.drawPixmap(0, 0, QPixmap(picture));
    }
    surface_ = bare_;
}

void KeyboardCanvas::Clear() {
    surface_ = bare_;
    update();
}

void KeyboardCanvas::PrintText(QPainter& painter, QPointF topLeft, const QString& text,
                               const QFont& font, QColor colour) {
    painter.setFont(font);
    painter.setPen(colour);
    const QPoint at = Pixel(topLeft);
    const QFontMetricsF metrics(font);
    painter.drawText(QPointF(at.x(), at.y() + metrics.ascent()), text);
}

void KeyboardCanvas::DrawCircle(QPainter& painter, QPointF centre, int radius, QColor colour) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(Pixel(centre), radius, radius);
}

void KeyboardCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawPixmap(event->rect(), surface_, event->rect());
}

}  // namespace antkeys
