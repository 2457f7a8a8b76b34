#include "ui/app_icon.hpp"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace antkeys {

// The icon built into the program's resources; without it a key cap with an ant's trail
// across it, drawn in colours of the 16-colour palette.
QIcon ProgramIcon() {
    const QString resource = QStringLiteral(":/icon.png");
    if (QFile::exists(resource)) return QIcon(resource);
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(192, 192, 192));
    painter.drawRect(2, 4, 27, 25);
    painter.setBrush(Qt::white);
    painter.drawRect(5, 6, 21, 17);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(128, 0, 0));
    for (const QPoint& at : {QPoint(8, 19), QPoint(12, 16), QPoint(16, 13), QPoint(20, 10)})
        painter.drawEllipse(at, 2, 2);
    painter.setBrush(QColor(0, 128, 0));
    painter.drawEllipse(QPoint(23, 8), 2, 2);
    painter.end();
    return QIcon(QPixmap::fromImage(image));
}

}  // namespace antkeys
