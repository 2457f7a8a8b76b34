#include "ui/view_controls.hpp"

#include <string_view>

#include <QLabel>

#include "ui/caption_fit.hpp"
#include "ui/georgian_text.hpp"

namespace antkeys {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect where,
                  const QFont& font, Qt::Alignment align, bool wrap) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    constexpr int kSlack = 4;
    label->setFont(wrap ? font : FitToWidth(font, text, where.width() - kSlack));
    label->setWordWrap(wrap);
    label->setAlignment(align | Qt::AlignTop);
    label->setGeometry(where);
    return label;
}

QFont NamedFont(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QString CodeText(Byte code) {
    const char byte = static_cast<char>(code);
    return GeorgianText(std::string_view(&byte, 1));
}

}  // namespace antkeys
