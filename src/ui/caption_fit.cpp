#include "ui/caption_fit.hpp"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QStringList>
#include <QStyle>

namespace antkeys {
namespace {

constexpr double kStep = 0.25;
constexpr int kButtonMargin = 8;  // left and right of a button's caption together
constexpr int kButtonFrame = 4;   // top and bottom

// `text` broken greedily at blanks into lines of at most `width` pixels; false when a single
// word is wider than that.
bool Wrap(const QFontMetrics& metrics, const QString& text, int width, QStringList& lines) {
    lines.clear();
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (line.isEmpty() || metrics.horizontalAdvance(candidate) <= width) {
            line = candidate;
            continue;
        }
        lines << line;
        line = word;
    }
    lines << line;
    for (const QString& l : lines)
        if (metrics.horizontalAdvance(l) > width) return false;
    return true;
}

}  // namespace

QFont FitToWidth(QFont font, const QString& text, int width) {
    while (font.pointSizeF() - kStep >= kMinCaptionPointSize &&
           QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPointSizeF(font.pointSizeF() - kStep);
    return font;
}

FittedCaption FitToBox(QFont font, const QString& text, int width, int height) {
    QStringList lines;
    for (;;) {
        const QFontMetrics metrics(font);
        const bool fits = Wrap(metrics, text, width, lines) &&
                          static_cast<int>(lines.size()) * metrics.lineSpacing() <= height;
        if (fits || font.pointSizeF() - kStep < kMinCaptionPointSize) break;
        font.setPointSizeF(font.pointSizeF() - kStep);
    }
    return {font, lines.join(QLatin1Char('\n'))};
}

void SetFittedCaption(QLabel* label, const QString& text, const QFont& font) {
    label->setFont(FitToWidth(font, text, label->width()));
    label->setText(text);
}

void SetFittedCaption(QAbstractButton* button, const QString& text, const QFont& font) {
    if (qobject_cast<QCheckBox*>(button)) {
        const QStyle* style = button->style();
        const int indicator = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                              style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
        button->setFont(FitToWidth(font, text, button->width() - indicator));
        button->setText(text);
        return;
    }
    const FittedCaption fitted =
        FitToBox(font, text, button->width() - kButtonMargin, button->height() - kButtonFrame);
    button->setFont(fitted.font);
    button->setText(fitted.text);
}

}  // namespace antkeys
