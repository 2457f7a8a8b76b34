#pragma once
// "Explain this layout...": the named figures of a layout beside the reference's, and the
// digraphs behind the penalties of each.
#include <QDialog>

#include "data/types.hpp"
#include "eval/workspace.hpp"

class QTableWidget;
class QTabWidget;

namespace antkeys {

class ExplainDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr const char* kTitle = "Explain this layout";
    static constexpr const char* kMenuText = "Explain this layout...";

    // A modeless dialog on `lay` and the workspace's reference layout, deleted when closed;
    // nullptr after a broken In/TriGraphs.txt or a layout that cannot be explained, which a
    // message box has then reported.
    static ExplainDialog* Open(QWidget* parent, const Workspace& ws, const Layout& lay);

    QTableWidget* figures() const { return figures_; }
    QTabWidget* worst() const { return worst_; }

  private:
    explicit ExplainDialog(QWidget* parent);

    QTableWidget* figures_ = nullptr;
    QTabWidget* worst_ = nullptr;
};

}  // namespace antkeys
