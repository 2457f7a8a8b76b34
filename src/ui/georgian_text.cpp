#include "ui/georgian_text.hpp"

#include <string>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include "data/charset.hpp"

namespace antkeys {
namespace {

struct GeorgianFace {
    QString family;
    // The face shows Georgian letters at the Latin-1 codes ("Geo_Arial" does).
    bool latin1Codes = false;
};

const GeorgianFace& Face() {
    static const GeorgianFace face = [] {
        const QStringList families = QFontDatabase::families();
        if (families.contains(QStringLiteral("Geo_Arial"))) {
            // A Unicode build of the face has the Georgian letters at their own code points.
            const QFontMetrics metrics(QFont(QStringLiteral("Geo_Arial")));
            return GeorgianFace{QStringLiteral("Geo_Arial"), !metrics.inFontUcs4(0x10D0)};
        }
        for (const char* family : {"DejaVu Sans", "Noto Sans Georgian"}) {
            if (families.contains(QLatin1String(family)))
                return GeorgianFace{QLatin1String(family), false};
        }
        return GeorgianFace{};
    }();
    return face;
}

}  // namespace

QString GeorgianText(std::string_view bytes) {
    if (Face().latin1Codes)
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return QString::fromStdString(CharacterMap::GeorgianPs().ToUtf8(bytes));
}

QFont GeorgianFont(double pointSize) {
    QFont font;
    if (!Face().family.isEmpty()) font.setFamily(Face().family);
    font.setPointSizeF(pointSize);
    return font;
}

QString GeorgianFamily() {
    return Face().family;
}

}  // namespace antkeys
