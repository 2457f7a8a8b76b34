#pragma once
// The Georgian captions fit their controls in "Geo_Arial", a narrow face; in the faces used
// where it is missing they are wider. A caption too wide for its control is shown smaller
// (never larger than its own size, never below kMinCaptionPointSize), and a button breaks its
// caption at blanks, so no caption is cut off.
#include <QFont>
#include <QString>

class QAbstractButton;
class QLabel;

namespace antkeys {

inline constexpr double kMinCaptionPointSize = 6.0;

struct FittedCaption {
    QFont font;
    QString text;  // with line breaks where the caption is broken
};

// The largest size from font's size down whose one line of `text` fits `width` pixels.
QFont FitToWidth(QFont font, const QString& text, int width);

// The largest size from font's size down at which `text`, broken at blanks, fits a box of
// width x height pixels.
FittedCaption FitToBox(QFont font, const QString& text, int width, int height);

// Sets the caption of a label, a check box or a button (in `font`, fitted to the control's
// current size).
void SetFittedCaption(QLabel* label, const QString& text, const QFont& font);
void SetFittedCaption(QAbstractButton* button, const QString& text, const QFont& font);

}  // namespace antkeys
