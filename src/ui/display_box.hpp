#pragma once
// The read-only grey text boxes in which the program shows figures.
#include <QColor>
#include <QLineEdit>
#include <QString>

namespace antkeys {

// &H00E0E0E0: the background of every box the program writes.
inline const QColor kDisplayBoxColour{224, 224, 224};

// A read-only box named `name`, with the display background, that takes no drops.
QLineEdit* NewDisplayBox(QWidget* parent, const QString& name);

// An editable box named `name` holding `text`, that takes no drops.
QLineEdit* NewEditBox(QWidget* parent, const QString& name, const QString& text);

// Sets the box's text only when it differs, so an unchanged figure costs no repaint.
void SetBoxText(QLineEdit* box, const QString& text);

}  // namespace antkeys
