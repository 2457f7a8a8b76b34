#pragma once
// What the layout window edits: the layout, the letters pinned to their keys, the undo
// history, and the gradings of the layout now and of the layout before the last change. Every
// change, whether a dropped letter, a pin, an improvement, an undo or a redo, goes through
// here, so the window only draws what the session holds.
#include <QObject>
#include <QString>
#include <QUndoStack>

#include "data/types.hpp"
#include "eval/grading.hpp"
#include "search/layout_moves.hpp"

namespace antkeys {

struct Workspace;

class LayoutEditSession : public QObject {
    Q_OBJECT
  public:
    // A layout and its pins: what one edit changes and one undo restores.
    struct State {
        Layout lay{};
        CharFlags pinned{};
        bool operator==(const State&) const = default;
    };

    // Starts from `lay` with the letters of `pins` that may move pinned; no history yet.
    LayoutEditSession(const Workspace& ws, const Layout& lay, const CharFlags& pins,
                      QObject* parent = nullptr);

    const Workspace& workspace() const { return ws_; }
    const State& state() const { return state_; }
    const Layout& layout() const { return state_.lay; }
    const CharFlags& pinned() const { return state_.pinned; }
    bool anyPinned() const;
    // The gradings of the layout now and of the one the last change started from.
    const GradeReport& report() const { return report_; }
    const GradeReport& previous() const { return previous_; }
    QUndoStack& undoStack() { return undo_; }

    // What dropping `letter` on `key` would do; nothing while an improvement runs.
    MoveRefusal Check(Byte letter, int key, LayoutMove& move) const;
    // Makes the drop one edit when allowed; a refused drop changes nothing.
    MoveRefusal Drop(Byte letter, int key);
    // Pins the letter to its key or releases it, as one edit. False for a character that may
    // never move anyway (no letter, fixed by the reference) or while an improvement runs.
    bool TogglePin(Byte letter);
    // A new state as one edit named `text` (an improvement's result).
    void Apply(const State& next, const QString& text);

    // While an improvement runs in the background the layout takes no edits.
    bool busy() const { return busy_; }
    void SetBusy(bool busy);

    // Sets the state without history: the undo commands call it.
    void Restore(const State& s);

  signals:
    void changed();

  private:
    const Workspace& ws_;
    State state_;
    GradeReport report_, previous_;
    QUndoStack undo_;
    bool busy_ = false;
};

}  // namespace antkeys
