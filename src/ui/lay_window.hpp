#pragma once
// frmLay: one keyboard layout drawn on a keyboard picture, with its grades beside it. Opened
// by the best-layout button (then it follows the search through fMain_OnRndKeyGen) and for
// every dropped layout file. Any number may be open; each counts its own events.
#include <optional>

#include <QWidget>

#include "data/key_tables.hpp"
#include "data/types.hpp"
#include "ui/view_geometry.hpp"

class QContextMenuEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPainter;

namespace antkeys {

class KeyboardCanvas;
class LayWindowEditor;
struct Workspace;

class LayWindow : public QWidget {
    Q_OBJECT
  public:
    // The caption of a window no opener has named yet; every opener replaces it.
    static constexpr const char* kInitialCaption = "Keyoboard Layout";
    static constexpr const char* kBestCaption = "Best KB Layout";
    // Dark red of the drawn characters.
    static constexpr QRgb kCharColour = 0xFF961414;  // (150, 20, 20)
    // A dead key (typed before the letter it accents): its character in violet on a key with
    // a dashed outline, so it never reads as a letter of its own.
    static constexpr QRgb kDeadKeyColour = 0xFF6A2C9A;  // (106, 44, 154)
    // The event counter is 16-bit: a refresh interval above this counts as this many events.
    static constexpr Integer kMaxRefrInterval = 32767;

    explicit LayWindow(QWidget* parent = nullptr);

    // Clears the drawing and prints every placed character from code 33 up on its key, the
    // higher code last where several share a key. Keys the picture has no place for (a row
    // outside 1..4, an index outside the key tables) are skipped. A dead key of the folder's
    // map is drawn as one (kDeadKeyColour).
    void DrawLay(const Layout& lay, const KeyTables& keys);

    // Where DrawLay prints a character carried by key k: the top-left of its text cell.
    // False when the key is skipped.
    bool CharPosition(const KeyTables& keys, int k, ScreenPoint& point) const;

    // The layout drawn last and a copy of its keyboard, so the window never depends on the
    // caller's tables staying alive or unchanged; the context menu saves and exports them.
    bool hasLayout() const { return keys_.has_value(); }
    const Layout& layout() const { return lay_; }
    const KeyTables* keyTables() const { return keys_ ? &*keys_ : nullptr; }
    // The loaded tables the picture takes its key loads from; set by the openers.
    void SetWorkspace(const Workspace* ws) { ws_ = ws; }
    const Workspace* workspace() const { return ws_; }
    // The right-click menu, a new child of the window (see lay_window_menu.hpp).
    QMenu* ContextMenu();
    // The same with the edit entries for the point `at` of the window: what a right click
    // opens.
    QMenu* ContextMenuAt(QPoint at);

    // Edit mode (see lay_window_editor.hpp); the editor is made at the first use.
    LayWindowEditor& editor();
    bool editing() const;
    // The letters pinned in edit mode, null when none is: a saved layout then carries the
    // fixed flag.
    const CharFlags* pinned() const;
    // The letters a layout file marks fixed: pinned when editing starts from the layout drawn.
    void SetFilePins(const CharFlags& pins) { filePins_ = pins; }
    const CharFlags& filePins() const { return filePins_; }

    QLineEdit* txtRefrInterval() const { return txtRefrInterval_; }
    QLineEdit* txtAGrade() const { return txtAGrade_; }
    QLineEdit* txtRGrade() const { return txtRGrade_; }
    QLabel* labAGr() const { return labAGr_; }
    Integer refrCount() const { return refrCount_; }
    const KeyGrid& grid() const { return grid_; }
    KeyboardCanvas* canvas() const { return canvas_; }

  public slots:
    // OnRndKeyGen of the main window: redraws with the ant's layout and its grade every
    // txtRefrInterval-th event; does nothing while the box does not hold a number or the
    // window edits its layout.
    void fMain_OnRndKeyGen(const antkeys::Layout& bestAntLay, float antAGrade,
                           const antkeys::KeyTables& keys);

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // The dashed outline of a dead key's cell, inside where the edit marks go.
    void DrawDeadKeyOutline(QPainter& painter, const KeyTables& keys, int k) const;

    KeyGrid grid_;
    Layout lay_{};
    std::optional<KeyTables> keys_;
    const Workspace* ws_ = nullptr;
    LayWindowEditor* editor_ = nullptr;
    CharFlags filePins_{};
    Integer refrCount_ = 0;
    KeyboardCanvas* canvas_ = nullptr;
    QLabel* label1_ = nullptr;
    QLineEdit* txtRefrInterval_ = nullptr;
    QLabel* labAGr_ = nullptr;
    QLineEdit* txtAGrade_ = nullptr;
    QLabel* label2_ = nullptr;
    QLineEdit* txtRGrade_ = nullptr;
};

}  // namespace antkeys
