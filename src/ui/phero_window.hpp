#pragma once
// frmPhero: for one letter chosen from a list, the pheromone of every key as a circle on a
// keyboard picture, and an "x" on the keys the letter may not take. The window works on its
// own copies of the tables, taken by Init; it follows pheromone updates only while its
// auto-refresh box is ticked.
#include <QWidget>

#include "data/charset.hpp"
#include "data/key_tables.hpp"
#include "data/phero_table.hpp"
#include "data/types.hpp"
#include "ui/view_geometry.hpp"

class QCheckBox;
class QComboBox;
class QLabel;

namespace antkeys {

class KeyboardCanvas;

class PheroWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr const char* kCaption = "Pheromones";
    static constexpr QRgb kLabelColour = 0xFFFFFFFF;  // white key labels
    static constexpr QRgb kRedColour = 0xFFFF0000;    // "x" marks and the one-pixel circles
    static constexpr QRgb kBlueColour = 0xFF0000FF;   // pheromone circles

    explicit PheroWindow(QWidget* parent = nullptr);

    // Takes copies of the tables, prints the key labels and lists the letters; nothing is
    // chosen afterwards. The opener connects the main window's OnPheroModif to
    // mfMain_OnPheroModif. The letters are listed in `chars`: with the built-in map those
    // below code 192 by their codes.
    void Init(const KeyTables& keys, const LetterTables& letters, const PheroTable& phero,
              const CharacterMap& chars = CharacterMap::GeorgianPs());

    // The first letter with this character code, drawn as if chosen; the list is unchanged.
    void ShowPhero(Integer letCode);

    // Where a key's label and mark go; false for keys that get neither (a code that is not
    // exactly one character, a row outside 1..4).
    bool LabelPosition(int k, ScreenPoint& point) const;
    bool MarkCentre(int k, ScreenPoint& point) const;
    // The circle radius of a positive pheromone: p x KeyW to the nearest whole number,
    // halves to even; 0 is drawn as a red circle of radius 1.
    int CircleRadius(double p) const;

    QComboBox* cmbLetter() const { return cmbLetter_; }
    QCheckBox* chkAutoRefresh() const { return chkAutoRefresh_; }
    const PheroTable& pheromones() const { return mPhero_; }
    const KeyGrid& grid() const { return grid_; }
    KeyboardCanvas* canvas() const { return canvas_; }

  public slots:
    // OnPheroModif of the main window: while auto-refresh is ticked, takes a copy of the new
    // table and redraws the chosen letter; otherwise ignores the event.
    void mfMain_OnPheroModif(const antkeys::PheroTable& newPhero);

  private:
    void DrawKeys();
    void DrawPhero(int letIdx);
    void cmbLetter_Click();
    bool KeyPoint(int k, double fraction, ScreenPoint& point) const;

    KeyGrid grid_;
    KeyTables mKeys_;
    std::vector<Byte> mLetSet_;
    PheroTable mPhero_;
    int shownLetter_ = -1;  // letter index drawn last, -1 when no marks are shown

    KeyboardCanvas* canvas_ = nullptr;
    QLabel* label1_ = nullptr;
    QComboBox* cmbLetter_ = nullptr;
    QCheckBox* chkAutoRefresh_ = nullptr;
    QLabel* label2_ = nullptr;
};

}  // namespace antkeys
