#include "ui/lay_window.hpp"

#include <algorithm>
#include <string>

#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPen>

#include "data/fields.hpp"
#include "data/number_format.hpp"
#include "eval/workspace.hpp"
#include "ui/app_icon.hpp"
#include "ui/caption_language.hpp"
#include "ui/captions.hpp"
#include "ui/display_box.hpp"
#include "ui/georgian_text.hpp"
#include "ui/key_cells.hpp"
#include "ui/keyboard_canvas.hpp"
#include "ui/lay_window_editor.hpp"
#include "ui/lay_window_menu.hpp"
#include "ui/layout_edit_session.hpp"
#include "ui/letter_font.hpp"
#include "ui/twips.hpp"
#include "ui/view_controls.hpp"

namespace antkeys {

LayWindow::LayWindow(QWidget* parent) : QWidget(parent, Qt::Window), grid_(LayWindowGrid()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frmLay"));
    setWindowTitle(QString::fromLatin1(kInitialCaption));
    setWindowIcon(ProgramIcon());
    setFont(GeorgianFont(12));

    const QSize client = TwipsRect(0, 0, 6750, 2745).size();
    setFixedSize(client);
    canvas_ = new KeyboardCanvas(QStringLiteral(":/keyboard-small.png"), client, this);
    canvas_->setObjectName(QStringLiteral("canvas"));
    canvas_->move(0, 0);

    const QFont captionFont = GeorgianFont(kCaptionPointSize);
    const QFont boxFont = NamedFont(QStringLiteral("Tahoma"), 14.25, true);
    label1_ = MakeLabel(this, "Label1", CaptionText(captions::kRefrIntervalCaption),
                        TwipsRect(60, 2400, 1035, 255), captionFont, Qt::AlignLeft);
    txtRefrInterval_ = NewEditBox(this, QStringLiteral("txtRefrInterval"), QString());
    txtRefrInterval_->setGeometry(TwipsRect(1080, 2340, 795, 375));
    txtRefrInterval_->setFont(boxFont);
    labAGr_ = MakeLabel(this, "labAGr", CaptionText(captions::kAGradeCaption),
                        TwipsRect(2100, 2400, 1275, 255), captionFont, Qt::AlignRight);
    txtAGrade_ = NewDisplayBox(this, QStringLiteral("txtAGrade"));
    txtAGrade_->setGeometry(TwipsRect(3420, 2340, 855, 375));
    txtAGrade_->setFont(boxFont);
    label2_ = MakeLabel(this, "Label2", CaptionText(captions::kRGradeCaption),
                        TwipsRect(4320, 2400, 975, 255), captionFont, Qt::AlignRight);
    txtRGrade_ = NewDisplayBox(this, QStringLiteral("txtRGrade"));
    txtRGrade_->setGeometry(TwipsRect(5340, 2340, 1395, 375));
    txtRGrade_->setFont(boxFont);
}

bool LayWindow::CharPosition(const KeyTables& keys, int k, ScreenPoint& point) const {
    const auto known = std::min({keys.hands.size(), keys.rows.size(), keys.cols.size()});
    if (k < 1 || static_cast<std::size_t>(k) >= known) return false;
    const auto i = static_cast<std::size_t>(k);
    return grid_.At(keys.hands[i], keys.cols[i], keys.rows[i], 0.5, point);
}

void LayWindow::DrawLay(const Layout& lay, const KeyTables& keys) {
    lay_ = lay;
    keys_ = keys;
    canvas_->Clear();
    const CharacterMap& chars = ws_ ? ws_->chars : CharacterMap::GeorgianPs();
    const QFont charFont = LetterFont(chars, font().pointSizeF());
    canvas_->Paint([&](QPainter& painter) {
        // Codes 0..32 are control characters and the space: never drawn.
        for (int ch = 33; ch < kCharCodes; ++ch) {
            const int k = lay[static_cast<std::size_t>(ch)];
            ScreenPoint at;
            if (k == 0 || !CharPosition(keys, k, at)) continue;
            const bool dead = chars.IsDeadKey(static_cast<Byte>(ch));
            if (dead) DrawDeadKeyOutline(painter, keys, k);
            const QPointF topLeft(static_cast<float>(at.x), static_cast<float>(at.y));
            KeyboardCanvas::PrintText(painter, topLeft, LetterText(chars, static_cast<Byte>(ch)),
                                      charFont,
                                      QColor::fromRgb(dead ? kDeadKeyColour : kCharColour));
        }
    });
}

void LayWindow::DrawDeadKeyOutline(QPainter& painter, const KeyTables& keys, int k) const {
    QRectF cell;
    if (!KeyCell(grid_, keys, k, cell)) return;
    painter.setPen(QPen(QColor::fromRgb(kDeadKeyColour), 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cell.adjusted(4, 4, -4, -4));
}

QMenu* LayWindow::ContextMenu() {
    return MakeLayWindowMenu(*this);
}

QMenu* LayWindow::ContextMenuAt(QPoint at) {
    QMenu* menu = ContextMenu();
    editor().AddMenuEntries(*menu, at);
    return menu;
}

LayWindowEditor& LayWindow::editor() {
    if (!editor_) editor_ = new LayWindowEditor(*this);
    return *editor_;
}

bool LayWindow::editing() const {
    return editor_ && editor_->editing();
}

const CharFlags* LayWindow::pinned() const {
    if (!editor_ || !editor_->session() || !editor_->session()->anyPinned()) return nullptr;
    return &editor_->session()->pinned();
}

void LayWindow::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = ContextMenuAt(event->pos());
    menu->exec(event->globalPos());
    menu->deleteLater();
}

void LayWindow::fMain_OnRndKeyGen(const Layout& bestAntLay, float antAGrade,
                                  const KeyTables& keys) {
    if (editing()) return;  // the edits stay on show
    double interval = 0;
    std::string why;
    if (!ParseDouble(txtRefrInterval_->text().toStdString(), interval, why)) return;
    // The counter is 16-bit; a longer interval is cut to what it can count, so such a window
    // still refreshes now and then instead of running the counter past its range.
    interval = std::min(interval, static_cast<double>(kMaxRefrInterval));
    ++refrCount_;
    if (interval <= refrCount_) {
        refrCount_ = 0;
        txtRGrade_->setText(QString::fromStdString(FormatPercent(antAGrade)));
        DrawLay(bestAntLay, keys);
    }
}

}  // namespace antkeys
