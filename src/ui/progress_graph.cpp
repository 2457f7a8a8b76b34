#include "ui/progress_graph.hpp"

#include <cmath>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QPainter>

#include "ui/dropped_paths.hpp"

namespace antkeys {
namespace {

// Points this far outside the surface are not drawn (a scale or offset of any size must not
// reach the painter's integer coordinates).
constexpr float kFarOutside = 1.0e6F;

bool Drawable(const GraphPoint& point) {
    return std::isfinite(point.x) && std::isfinite(point.y) && std::fabs(point.x) < kFarOutside &&
           std::fabs(point.y) < kFarOutside;
}

}  // namespace

ProgressGraph::ProgressGraph(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAcceptDrops(true);
    Clear();
}

void ProgressGraph::Redraw(const ProgressRing& ring, bool drawGraph, std::string_view offsText,
                           std::string_view scaleText) {
    const QRect area = contentsRect();
    Draw(PlanGraph(ring, drawGraph, area.width(), area.height(), offsText, scaleText));
}

void ProgressGraph::Clear() {
    const QSize size = contentsRect().size().expandedTo(QSize(1, 1));
    if (surface_.size() != size) surface_ = QImage(size, QImage::Format_RGB32);
    surface_.fill(palette().color(QPalette::Base));
}

void ProgressGraph::Draw(const GraphPlan& plan) {
    Clear();
    if (plan.draw) {
        QPainter painter(&surface_);
        QPen pen(QColor::fromRgb(kGraphLineRgb), plan.drawWidth, Qt::SolidLine, Qt::RoundCap);
        painter.setPen(pen);
        const GraphPoint lineEnd{plan.lineEndX, plan.halfHeight, kGraphLineRgb};
        if (Drawable(lineEnd))
            painter.drawLine(QPointF(0, plan.halfHeight), QPointF(plan.lineEndX, plan.halfHeight));
        for (const GraphPoint& point : plan.points) {
            if (!Drawable(point)) continue;
            pen.setColor(QColor::fromRgb(point.rgb));
            painter.setPen(pen);
            painter.drawPoint(QPointF(point.x, point.y));
        }
    }
    update();
}

void ProgressGraph::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), surface_);
}

void ProgressGraph::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    Clear();
}

void ProgressGraph::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFilePaths(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void ProgressGraph::dragMoveEvent(QDragMoveEvent* event) {
    if (!DroppedFilePaths(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void ProgressGraph::dropEvent(QDropEvent* event) {
    const QStringList paths = DroppedFilePaths(event->mimeData());
    if (paths.isEmpty()) return;
    event->acceptProposedAction();
    emit filesDropped(paths);
}

}  // namespace antkeys
