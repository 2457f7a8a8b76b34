#pragma once
// Opens the secondary windows of the main window: the best-layout and pheromone windows for
// its two buttons, and a graded layout window for every layout file dropped on it.
#include <vector>

#include <QObject>
#include <QPointer>
#include <QStringList>

namespace antkeys {

class LayWindow;
class MainWindow;
class PheroWindow;

class ViewOpeners : public QObject {
    Q_OBJECT
  public:
    // A child of `window`, listening to its button and drop signals.
    explicit ViewOpeners(MainWindow& window);

    // cmdShowBestLay_Click: nothing before a run has found a best layout (txtBestGrade empty);
    // otherwise a new "Best KB Layout" window with the best layout and txtBestGrade's text,
    // following OnRndKeyGen from then on. Returns the window, or nullptr.
    LayWindow* ShowBestLay();

    // cmdShowPhero_Click: a new pheromone window on copies of the tables, following
    // OnPheroModif. Works during a run too.
    PheroWindow* ShowPhero();

    // Form_OLEDragDrop and Picture1_OLEDragDrop: see EvaluateDropped.
    std::vector<QPointer<LayWindow>> Dropped(const QStringList& paths);

  private:
    MainWindow& window_;
};

}  // namespace antkeys
