#include "ui/layout_edit_session.hpp"

#include <algorithm>

#include <QUndoCommand>

#include "eval/workspace.hpp"

namespace antkeys {
namespace {

class EditCommand : public QUndoCommand {
  public:
    EditCommand(LayoutEditSession& session, LayoutEditSession::State before,
                LayoutEditSession::State after, const QString& text)
        : QUndoCommand(text), session_(session), before_(before), after_(after) {}
    void redo() override { session_.Restore(after_); }
    void undo() override { session_.Restore(before_); }

  private:
    LayoutEditSession& session_;
    LayoutEditSession::State before_, after_;
};

}  // namespace

LayoutEditSession::LayoutEditSession(const Workspace& ws, const Layout& lay, const CharFlags& pins,
                                     QObject* parent)
    : QObject(parent), ws_(ws), undo_(this) {
    state_.lay = lay;
    const CharFlags none{};
    for (std::size_t c = 0; c < pins.size(); ++c)
        state_.pinned[c] = pins[c] && lay[c] != 0 && MayMove(ws, none, static_cast<Byte>(c));
    report_ = Grade(lay, ws.analizer, ws.weights, ws.layV.ref);
    previous_ = report_;
}

bool LayoutEditSession::anyPinned() const {
    return std::any_of(state_.pinned.begin(), state_.pinned.end(), [](bool p) { return p; });
}

MoveRefusal LayoutEditSession::Check(Byte letter, int key, LayoutMove& move) const {
    if (busy_) return MoveRefusal::Pinned;  // every letter stays while an improvement runs
    return PlanMove(ws_, state_.lay, state_.pinned, letter, key, move);
}

MoveRefusal LayoutEditSession::Drop(Byte letter, int key) {
    LayoutMove move;
    const MoveRefusal why = Check(letter, key, move);
    if (why != MoveRefusal::Allowed) return why;
    State next = state_;
    ApplyMove(move, next.lay);
    const bool swap = move.kind == LayoutMove::Kind::Swap;
    Apply(next, QString::fromStdString(swap ? "Swap" : "Move"));
    return why;
}

bool LayoutEditSession::TogglePin(Byte letter) {
    if (busy_ || state_.lay[letter] == 0) return false;
    CharFlags none{};
    if (!MayMove(ws_, none, letter)) return false;
    State next = state_;
    next.pinned[letter] = !next.pinned[letter];
    Apply(next, QString::fromStdString(next.pinned[letter] ? "Pin" : "Release"));
    return true;
}

void LayoutEditSession::Apply(const State& next, const QString& text) {
    undo_.push(new EditCommand(*this, state_, next, text));
}

void LayoutEditSession::SetBusy(bool busy) {
    busy_ = busy;
    emit changed();
}

void LayoutEditSession::Restore(const State& s) {
    const bool sameLayout = s.lay == state_.lay;
    state_ = s;
    if (!sameLayout) {
        previous_ = report_;
        report_ = Grade(state_.lay, ws_.analizer, ws_.weights, ws_.layV.ref);
    }
    emit changed();
}

}  // namespace antkeys
