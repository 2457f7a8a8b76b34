#include "ui/view_fonts.hpp"

#include <cmath>

#include <QStringList>

#include "data/charset.hpp"

namespace antkeys {

int PointsToPixels(double points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

QFont GeorgianViewFont(double points, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Geo_Arial"), QStringLiteral("Noto Sans Georgian"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(PointsToPixels(points));
    font.setBold(bold);
    return font;
}

QFont NamedViewFont(const QString& face, double points, bool bold) {
    QFont font;
    font.setFamilies({face, QStringLiteral("DejaVu Sans")});
    font.setPixelSize(PointsToPixels(points));
    font.setBold(bold);
    return font;
}

QString CodeText(Byte code) {
    return QString::fromStdString(CodeToUtf8(code));
}

QString CaptionText(const char* singleByte) {
    return QString::fromStdString(SingleByteToUtf8(singleByte));
}

}  // namespace antkeys
