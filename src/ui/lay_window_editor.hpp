#pragma once
// The layout window's edit mode: letters dragged onto other keys (a refused drop shows a red
// outline and the forbidden cursor while it hovers and changes nothing), letters pinned to
// their keys from the context menu, undo and redo (Ctrl+Z, Ctrl+Shift+Z) over the whole
// history, "Improve from here" in the background, and the edit panel with the grading after
// every change. The window stays as designed while it does not edit.
#include <atomic>
#include <memory>
#include <optional>

#include <QColor>
#include <QFutureWatcher>
#include <QObject>
#include <QPoint>
#include <QPointF>

#include "search/improve_layout.hpp"
#include "ui/layout_edit_session.hpp"

class QAction;
class QMenu;

namespace antkeys {

class EditPanel;
class LayWindow;

class LayWindowEditor : public QObject {
    Q_OBJECT
  public:
    // The outlines drawn in edit mode.
    static constexpr QRgb kPinColour = 0xFF1E3C96;      // a pinned letter's key
    static constexpr QRgb kAllowedColour = 0xFF149614;  // the key a drop would go to
    static constexpr QRgb kRefusedColour = 0xFFDC1414;  // a key that refuses the drop

    explicit LayWindowEditor(LayWindow& window);
    ~LayWindowEditor() override;

    // Edit mode on: a session from the drawn layout (the last one when the layout is still the
    // one it left), the panel under the picture. Off: the window as designed, the edited
    // layout still drawn.
    void SetEditing(bool on);
    bool editing() const { return editing_; }
    LayoutEditSession* session() const { return session_; }
    EditPanel* panel() const { return panel_; }

    // The edit entries of the context menu, for the point `at` of the window.
    void AddMenuEntries(QMenu& menu, QPoint at);

    // Starts the improvement of the edited layout in the background; false while one runs.
    bool ImproveFromHere();
    bool improving() const { return watcher_.isRunning(); }

    // The drag of a letter, as the mouse does it: from the key under `from` to the key under
    // `to`, points of the canvas. False when no letter was there to take.
    bool BeginDrag(QPointF from);
    void DragTo(QPointF to);
    void EndDrag(QPointF at);

  signals:
    void improved();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Redraw();
    void DrawMarks();
    void Improved();

    LayWindow& window_;
    QObject* canvas_ = nullptr;  // the window's picture, whose mouse events make the drags
    LayoutEditSession* session_ = nullptr;
    EditPanel* panel_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    bool editing_ = false;
    int dragLetter_ = -1;            // the letter taken, -1 when none
    int hoverKey_ = 0;               // the key it hovers over
    std::optional<QPointF> dragAt_;  // where the mouse has taken it, once it moved
    QFutureWatcher<ImproveResult> watcher_;
    LayoutEditSession::State improveStart_;
    std::shared_ptr<std::atomic<bool>> stop_;
};

}  // namespace antkeys
