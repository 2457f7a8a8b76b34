#include "ui/display_box.hpp"

#include <QPalette>

namespace antkeys {

QLineEdit* NewDisplayBox(QWidget* parent, const QString& name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setAcceptDrops(false);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, kDisplayBoxColour);
    box->setPalette(palette);
    return box;
}

QLineEdit* NewEditBox(QWidget* parent, const QString& name, const QString& text) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setAcceptDrops(false);
    return box;
}

void SetBoxText(QLineEdit* box, const QString& text) {
    if (box->text() == text) return;
    box->setText(text);
    box->setCursorPosition(0);  // a text wider than the box shows its beginning
}

}  // namespace antkeys
