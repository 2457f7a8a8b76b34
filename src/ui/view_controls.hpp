#pragma once
// Labels and texts of the layout and pheromone windows (boxes: ui/display_box.hpp).
#include <QFont>
#include <QRect>
#include <QString>

#include "data/types.hpp"

class QLabel;
class QWidget;

namespace antkeys {

// A one-line label shrinks its font where the caption would not fit (ui/caption_fit.hpp),
// keeping a few pixels to spare since glyphs may reach past their advance; a wrapping one
// keeps its font.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect where,
                  const QFont& font, Qt::Alignment align, bool wrap = false);

// A face by name at a size in points, e.g. "Tahoma" 14.25 bold for the grade boxes.
QFont NamedFont(const QString& family, double points, bool bold);

// The text of one character code as the views print it (Georgian letters from 192 up).
QString CodeText(Byte code);

}  // namespace antkeys
