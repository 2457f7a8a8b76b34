#include "ui/view_controls.hpp"

#include <cmath>

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include "ui/view_geometry.hpp"

namespace antkeys {
namespace {

int Px(int twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

}  // namespace

QFont FitToWidth(QFont font, const QString& text, int width) {
    constexpr int kMinPixels = 9;
    while (font.pixelSize() > kMinPixels && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QRect TwipsRect(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect where,
                  const QFont& font, Qt::Alignment align, bool wrap) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(wrap ? font : FitToWidth(font, text, where.width()));
    label->setWordWrap(wrap);
    label->setAlignment(align | Qt::AlignTop);
    label->setGeometry(where);
    return label;
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name, QRect where, const QFont& font,
                       QColor background, bool readOnly) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setFont(font);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, background);
    box->setPalette(colours);
    box->setReadOnly(readOnly);
    box->setGeometry(where);
    return box;
}

}  // namespace antkeys
