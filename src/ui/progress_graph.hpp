#pragma once
// Picture1: the progress graph's drawing surface. It keeps what was last drawn (the tick of
// Timer2 redraws it) and takes dropped layout files.
#include <string_view>

#include <QFrame>
#include <QImage>
#include <QStringList>

#include "search/progress_ring.hpp"
#include "ui/graph_plan.hpp"

namespace antkeys {

class ProgressGraph : public QFrame {
    Q_OBJECT
  public:
    explicit ProgressGraph(QWidget* parent = nullptr);

    // One tick of Timer2: clear, then draw the ring when drawGraph is set and both setting
    // texts are numbers.
    void Redraw(const ProgressRing& ring, bool drawGraph, std::string_view offsText,
                std::string_view scaleText);

    // What is on the surface now (its size is the area inside the border).
    const QImage& surface() const { return surface_; }

  signals:
    // Picture1_OLEDragDrop: the local paths of the files dropped on the graph.
    void filesDropped(const QStringList& paths);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void Clear();
    void Draw(const GraphPlan& plan);

    QImage surface_;
};

}  // namespace antkeys
