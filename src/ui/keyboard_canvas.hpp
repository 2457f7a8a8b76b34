#pragma once
// The persistent drawing surface of a view window: a keyboard picture at the top-left of the
// client area and whatever has been drawn over it since the last Clear(). It repaints from
// its own pixmap, so a covered and uncovered window keeps its drawing.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QPointF>
#include <QString>
#include <QWidget>

namespace antkeys {

class KeyboardCanvas : public QWidget {
    Q_OBJECT
  public:
    // `picture`: a resource path; `clientSize`: the area the canvas covers, in pixels.
    KeyboardCanvas(const QString& picture, QSize clientSize, QWidget* parent);

    // Back to the bare picture.
    void Clear();

    // Runs `draw` with a painter on the surface, then schedules a repaint.
    template <class Draw>
    void Paint(Draw&& draw) {
        {
            QPainter painter(&surface_);
            draw(painter);
        }
        update();
    }

    // Text with the top-left corner of its text cell at `topLeft`, the cell not filled.
    static void PrintText(QPainter& painter, QPointF topLeft, const QString& text,
                          const QFont& font, QColor colour);
    // A one-pixel circle outline, not filled.
    static void DrawCircle(QPainter& painter, QPointF centre, int radius, QColor colour);

    const QPixmap& surface() const { return surface_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap bare_;
    QPixmap surface_;
};

}  // namespace antkeys
