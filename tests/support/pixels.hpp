#pragma once
// Pixel counts on grabbed images, for the window tests.
#include <cstdlib>

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QWidget>

namespace antkeys::test {

// Pixels of `area` (clipped to the image) for which `pred` holds.
template <class Pred>
int Count(const QImage& image, QRect area, Pred pred) {
    const QRect clipped = area.intersected(image.rect());
    int n = 0;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (pred(image.pixel(x, y))) ++n;
    return n;
}

// Pixels of `area` within `tolerance` of `colour` in every channel.
inline int CountNear(const QImage& image, QRect area, QColor colour, int tolerance) {
    return Count(image, area, [&](QRgb p) {
        return std::abs(qRed(p) - colour.red()) <= tolerance &&
               std::abs(qGreen(p) - colour.green()) <= tolerance &&
               std::abs(qBlue(p) - colour.blue()) <= tolerance;
    });
}

// What the widget shows, or the part of it in `area`.
inline QImage Grab(QWidget& w, const QRect& area = QRect(QPoint(0, 0), QSize(-1, -1))) {
    return w.grab(area).toImage();
}

// A square of half-size `reach` around a point.
inline QRect Around(QPoint p, int reach) {
    return {p.x() - reach, p.y() - reach, 2 * reach + 1, 2 * reach + 1};
}

}  // namespace antkeys::test
