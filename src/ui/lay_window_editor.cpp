#include "ui/lay_window_editor.hpp"

#include <QAction>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QtConcurrent/QtConcurrentRun>

#include "eval/panel.hpp"
#include "eval/workspace.hpp"
#include "ui/edit_panel.hpp"
#include "ui/key_cells.hpp"
#include "ui/keyboard_canvas.hpp"
#include "ui/lay_window.hpp"
#include "ui/layout_edit_session.hpp"
#include "ui/letter_font.hpp"
#include "ui/view_controls.hpp"

namespace antkeys {
namespace {

QAction* NewShortcut(QWidget& window, const char* text, const QKeySequence& keys) {
    auto* action = new QAction(QString::fromLatin1(text), &window);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setEnabled(false);
    window.addAction(action);
    return action;
}

}  // namespace

LayWindowEditor::LayWindowEditor(LayWindow& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("editor"));
    panel_ = new EditPanel(&window);
    panel_->hide();
    undo_ = NewShortcut(window, "Undo", QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_ = NewShortcut(window, "Redo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    connect(&watcher_, &QFutureWatcher<ImproveResult>::finished, this, [this] { Improved(); });
    canvas_ = window.canvas();
    canvas_->installEventFilter(this);
    // Ctrl+Z reaches the window's shortcut only when no text box has the focus (a text box
    // takes it as its own undo): the picture takes the focus while editing.
    window.canvas()->setFocusPolicy(Qt::ClickFocus);
}

LayWindowEditor::~LayWindowEditor() {
    if (stop_) stop_->store(true);  // the job works on copies; it only has to end soon
}

void LayWindowEditor::SetEditing(bool on) {
    const QSize designed = window_.canvas()->size();
    editing_ = on && window_.hasLayout() && window_.workspace() != nullptr;
    if (editing_ && (!session_ || session_->layout() != window_.layout())) {
        // The file's pins belong to the layout the window was opened with.
        const bool first = session_ == nullptr;
        delete session_;
        session_ = new LayoutEditSession(*window_.workspace(), window_.layout(),
                                         first ? window_.filePins() : CharFlags{}, this);
        connect(session_, &LayoutEditSession::changed, this, [this] { Redraw(); });
        connect(undo_, &QAction::triggered, &session_->undoStack(), &QUndoStack::undo);
        connect(redo_, &QAction::triggered, &session_->undoStack(), &QUndoStack::redo);
    }
    undo_->setEnabled(editing_);
    redo_->setEnabled(editing_);
    panel_->setGeometry(0, designed.height(), designed.width(), EditPanel::kHeight);
    panel_->setVisible(editing_);
    window_.setFixedSize(designed.width(), designed.height() + (editing_ ? EditPanel::kHeight : 0));
    dragLetter_ = -1;
    hoverKey_ = 0;
    window_.canvas()->unsetCursor();
    if (editing_) window_.canvas()->setFocus(Qt::OtherFocusReason);
    if (session_) Redraw();
}

void LayWindowEditor::Redraw() {
    window_.DrawLay(session_->layout(), *window_.keyTables());
    // While an improvement runs the history stays where it started.
    undo_->setEnabled(editing_ && !session_->busy());
    redo_->setEnabled(editing_ && !session_->busy());
    if (!editing_) return;
    DrawMarks();
    panel_->Show(session_->report(), session_->previous());
    panel_->SetImproving(session_->busy());
    window_.txtAGrade()->setText(
        QString::fromStdString(AbsoluteText(session_->report().absolute).Text()));
    window_.txtRGrade()->setText(QString::fromStdString(GradeText(session_->report()).Text()));
}

void LayWindowEditor::DrawMarks() {
    const KeyTables& keys = *window_.keyTables();
    const auto outline = [&](QPainter& painter, int k, QRgb colour, int width) {
        QRectF cell;
        if (!KeyCell(window_.grid(), keys, k, cell)) return;
        painter.setPen(QPen(QColor::fromRgb(colour), width));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell.adjusted(2, 2, -2, -2));
    };
    // A pinned letter's key: a bold outline and a pin head in its top-right corner.
    const auto pin = [&](QPainter& painter, int k) {
        QRectF cell;
        if (!KeyCell(window_.grid(), keys, k, cell)) return;
        outline(painter, k, kPinColour, 2);
        painter.setBrush(QColor::fromRgb(kPinColour));
        painter.drawEllipse(QPointF(cell.right() - 7, cell.top() + 7), 3, 3);
    };
    window_.canvas()->Paint([&](QPainter& painter) {
        for (int ch = 0; ch < kCharCodes; ++ch)
            if (session_->pinned()[static_cast<std::size_t>(ch)])
                pin(painter, session_->layout()[static_cast<std::size_t>(ch)]);
        if (dragLetter_ < 0) return;
        outline(painter, session_->layout()[static_cast<std::size_t>(dragLetter_)], kAllowedColour,
                1);
        LayoutMove move;
        if (hoverKey_ == 0) return;
        const MoveRefusal why = session_->Check(static_cast<Byte>(dragLetter_), hoverKey_, move);
        const bool allowed = why == MoveRefusal::Allowed || why == MoveRefusal::SameKey;
        outline(painter, hoverKey_, allowed ? kAllowedColour : kRefusedColour, 2);
        if (!dragAt_) return;
        // The letter taken, half transparent, held at the mouse pointer.
        const CharacterMap& chars = session_->workspace().chars;
        QColor ghost = QColor::fromRgb(chars.IsDeadKey(static_cast<Byte>(dragLetter_))
                                           ? LayWindow::kDeadKeyColour
                                           : LayWindow::kCharColour);
        ghost.setAlpha(170);
        const QString text = LetterText(chars, static_cast<Byte>(dragLetter_));
        const QFont font = LetterFont(chars, window_.font().pointSizeF());
        const QFontMetricsF metrics(font);
        const QPointF half(metrics.horizontalAdvance(text) / 2, metrics.height() / 2);
        KeyboardCanvas::PrintText(painter, *dragAt_ - half, text, font, ghost);
    });
}

bool LayWindowEditor::BeginDrag(QPointF from) {
    if (!editing_ || session_->busy()) return false;
    const int k = KeyAt(window_.grid(), *window_.keyTables(), from);
    dragLetter_ = TopCharOn(session_->layout(), k);
    hoverKey_ = k;
    dragAt_.reset();
    if (dragLetter_ < 0) return false;
    window_.canvas()->setCursor(Qt::ClosedHandCursor);
    Redraw();
    return true;
}

void LayWindowEditor::DragTo(QPointF to) {
    if (dragLetter_ < 0) return;
    dragAt_ = to;
    const int k = KeyAt(window_.grid(), *window_.keyTables(), to);
    if (k != hoverKey_) {
        hoverKey_ = k;
        LayoutMove move;
        const bool refused =
            k != 0 && k != session_->layout()[static_cast<std::size_t>(dragLetter_)] &&
            session_->Check(static_cast<Byte>(dragLetter_), k, move) != MoveRefusal::Allowed;
        window_.canvas()->setCursor(refused ? Qt::ForbiddenCursor : Qt::ClosedHandCursor);
    }
    Redraw();  // the letter follows the mouse
}

void LayWindowEditor::EndDrag(QPointF at) {
    if (dragLetter_ < 0) return;
    const auto letter = static_cast<Byte>(dragLetter_);
    const int k = KeyAt(window_.grid(), *window_.keyTables(), at);
    dragLetter_ = -1;
    hoverKey_ = 0;
    window_.canvas()->unsetCursor();
    if (k == 0 || session_->Drop(letter, k) != MoveRefusal::Allowed) Redraw();
}

bool LayWindowEditor::eventFilter(QObject* watched, QEvent* event) {
    // The canvas also sees events while the window is being destroyed: nothing here touches
    // the window before the event is known to be a mouse event on the canvas.
    const auto* mouse = dynamic_cast<QMouseEvent*>(event);
    if (!editing_ || !mouse || watched != canvas_) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            return mouse->button() == Qt::LeftButton && BeginDrag(mouse->position());
        case QEvent::MouseMove:
            DragTo(mouse->position());
            return dragLetter_ >= 0;
        case QEvent::MouseButtonRelease:
            if (mouse->button() != Qt::LeftButton || dragLetter_ < 0) return false;
            EndDrag(mouse->position());
            return true;
        default:
            return false;
    }
}

void LayWindowEditor::AddMenuEntries(QMenu& menu, QPoint at) {
    menu.addSeparator();
    QAction* edit = menu.addAction(QStringLiteral("Edit"));
    edit->setCheckable(true);
    edit->setChecked(editing_);
    edit->setEnabled(window_.hasLayout() && window_.workspace() != nullptr);
    connect(edit, &QAction::toggled, this, [this](bool on) { SetEditing(on); });
    if (!editing_) return;
    const bool idle = !session_->busy();
    const int letter = TopCharOn(
        session_->layout(),
        KeyAt(window_.grid(), *window_.keyTables(), window_.canvas()->mapFrom(&window_, at)));
    if (letter >= 0) {
        const bool pinned = session_->pinned()[static_cast<std::size_t>(letter)];
        QAction* pin =
            menu.addAction((pinned ? QStringLiteral("Release ") : QStringLiteral("Pin ")) +
                           LetterText(session_->workspace().chars, static_cast<Byte>(letter)) +
                           (pinned ? QString() : QStringLiteral(" to its key")));
        CharFlags none{};
        pin->setEnabled(idle && MayMove(session_->workspace(), none, static_cast<Byte>(letter)));
        connect(pin, &QAction::triggered, this,
                [this, letter] { session_->TogglePin(static_cast<Byte>(letter)); });
    }
    QUndoStack& stack = session_->undoStack();
    QAction* undo = menu.addAction(QStringLiteral("Undo"), &stack, &QUndoStack::undo);
    undo->setShortcut(undo_->shortcut());
    undo->setEnabled(idle && stack.canUndo());
    QAction* redo = menu.addAction(QStringLiteral("Redo"), &stack, &QUndoStack::redo);
    redo->setShortcut(redo_->shortcut());
    redo->setEnabled(idle && stack.canRedo());
    QAction* improve = menu.addAction(QStringLiteral("Improve from here"));
    improve->setEnabled(idle);
    connect(improve, &QAction::triggered, this, [this] { ImproveFromHere(); });
}

bool LayWindowEditor::ImproveFromHere() {
    if (!editing_ || session_->busy()) return false;
    // The job works on its own copies: the search may change the pheromones meanwhile.
    auto ws = std::make_shared<const Workspace>(session_->workspace());
    const LayoutEditSession::State start = session_->state();
    improveStart_ = start;
    stop_ = std::make_shared<std::atomic<bool>>(false);
    session_->SetBusy(true);
    watcher_.setFuture(QtConcurrent::run([ws, start, stop = stop_] {
        return ImproveLayout(*ws, start.lay, start.pinned, stop.get());
    }));
    return true;
}

void LayWindowEditor::Improved() {
    const ImproveResult result = watcher_.result();
    session_->SetBusy(false);
    // A session started anew meanwhile (edit mode left and entered on another layout) keeps
    // its own layout.
    if (result.ok && !result.steps.empty() && session_->state() == improveStart_)
        session_->Apply({result.layout, session_->pinned()}, QStringLiteral("Improve"));
    emit improved();
}

}  // namespace antkeys
