#pragma once
// Small builders for the controls of the view windows, placed as designed in twips.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace antkeys {

// A rectangle given in twips, in pixels at 96 dots per inch (15 twips to a pixel).
QRect TwipsRect(int left, int top, int width, int height);

// The grey background of the boxes the program writes (&H00E0E0E0).
inline constexpr QRgb kDisplayBoxColour = 0xFFE0E0E0;

// The captions were sized for "Geo_Arial"; a fallback face may be wider. Shrinks the font
// (set in pixels) until `text` fits `width` on one line, down to a readable minimum.
QFont FitToWidth(QFont font, const QString& text, int width);

// A one-line label shrinks its font where the caption would not fit; a wrapping one does not.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect where,
                  const QFont& font, Qt::Alignment align, bool wrap = false);
QLineEdit* MakeTextBox(QWidget* parent, const char* name, QRect where, const QFont& font,
                       QColor background, bool readOnly);

}  // namespace antkeys
