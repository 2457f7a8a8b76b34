#include "ui/letter_font.hpp"

#include <map>
#include <string>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include "ui/georgian_text.hpp"
#include "ui/view_controls.hpp"

namespace antkeys {
namespace {

int MissingCharacters(const QString& family, const CharacterMap& chars) {
    const QFontMetrics metrics{QFont(family)};
    int missing = 0;
    for (int c = 33; c < kCharCodes; ++c)
        if (chars.Shows(static_cast<Byte>(c)) &&
            !metrics.inFontUcs4(static_cast<uint>(chars.CodePoint(static_cast<Byte>(c)))))
            ++missing;
    return missing;
}

QString FamilyFor(const CharacterMap& chars) {
    static std::map<std::string, QString> chosen;
    const auto known = chosen.find(chars.name());
    if (known != chosen.end()) return known->second;
    const QStringList installed = QFontDatabase::families();
    QString best;
    int fewest = kCharCodes + 1;
    for (const char* family :
         {"DejaVu Sans", "Noto Sans", "Noto Sans Armenian", "Noto Sans Georgian", "Noto Sans Greek",
          "Noto Sans Hebrew", "Noto Sans Arabic", "Noto Sans Thai", "Noto Sans Devanagari"}) {
        if (!installed.contains(QLatin1String(family))) continue;
        const int missing = MissingCharacters(QLatin1String(family), chars);
        if (missing < fewest) {
            fewest = missing;
            best = QLatin1String(family);
        }
        if (missing == 0) break;
    }
    chosen[chars.name()] = best;
    return best;
}

}  // namespace

QString LetterText(const CharacterMap& chars, Byte code) {
    if (chars.builtIn()) return CodeText(code);
    return QString::fromStdString(chars.Utf8(code));
}

QFont LetterFont(const CharacterMap& chars, double pointSize) {
    if (chars.builtIn()) return GeorgianFont(pointSize);
    QFont font;
    if (const QString family = FamilyFor(chars); !family.isEmpty()) font.setFamily(family);
    font.setPointSizeF(pointSize);
    return font;
}

}  // namespace antkeys
