// The progress graph: what a tick of Timer2 draws, in which order, and what it does with
// settings that are not numbers or a box too small for whole-pixel dots. The tick in the
// window is tested with the run control.
#include <QtTest>

#include "ui/graph_plan.hpp"
#include "ui/progress_graph.hpp"
#include "support/pixels.hpp"

using namespace antkeys;

namespace {

// A full ring whose entry i holds the average i/1000, the lowest 0.1 below, the highest 0.1 above.
ProgressRing CountingRing(Integer pos) {
    ProgressRing ring;
    for (int i = 0; i < ProgressRing::kPoints; ++i) {
        const auto at = static_cast<std::size_t>(i);
        ring.avrg[at] = static_cast<Single>(i) / 1000;
        ring.min[at] = ring.avrg[at] - 0.1F;
        ring.max[at] = ring.avrg[at] + 0.1F;
    }
    ring.pos = pos;
    return ring;
}

// Every pixel of the image is `colour`.
bool AllOf(const QImage& image, QRgb colour) {
    return test::Count(image, image.rect(), [&](QRgb p) { return p != colour; }) == 0;
}

bool Contains(const QImage& image, QRgb colour) {
    return test::Count(image, image.rect(), [&](QRgb p) { return p == colour; }) > 0;
}

}  // namespace

class TestProgressGraph : public QObject {
    Q_OBJECT

  private slots:
    void planDrawsOldestPointFirst() {
        const ProgressRing ring = CountingRing(37);
        const GraphPlan plan = PlanGraph(ring, true, 200, 100, "-0.9", "1");
        QVERIFY(plan.draw);
        QCOMPARE(plan.drawWidth, 2);
        QCOMPARE(plan.halfHeight, 50.0F);
        const auto zeroY = static_cast<float>((1 - (-0.9)) * 50.0F);
        // Left edge: entry 37 (average, then min, then max); right edge: entry 36.
        QCOMPARE(plan.points[0].x, 0.0F);
        QCOMPARE(plan.points[0].rgb, kGraphAvrgRgb);
        QCOMPARE(plan.points[0].y, zeroY - 0.037F * 100);
        QCOMPARE(plan.points[1].rgb, kGraphMinRgb);
        QCOMPARE(plan.points[2].rgb, kGraphMaxRgb);
        QVERIFY(plan.points[2].y < plan.points[0].y);  // higher grades higher up
        const GraphPoint& newest = plan.points[3 * 100];
        QCOMPARE(newest.x, 200.0F);
        QCOMPARE(newest.y, zeroY - 0.036F * 100);
        // Entry 100 is followed by entry 0.
        QCOMPARE(plan.points[3 * 63].y, zeroY - 0.1F * 100);
        QCOMPARE(plan.points[3 * 64].y, zeroY);

        // Not ticked, or a setting that is not a number: nothing drawn.
        QVERIFY(!PlanGraph(ring, false, 200, 100, "-0.9", "1").draw);
        QVERIFY(!PlanGraph(ring, true, 200, 100, "abc", "1").draw);
        QVERIFY(!PlanGraph(ring, true, 200, 100, "-0.9", "").draw);
        // The pen is the step between points, halves to even, never below one pixel.
        QCOMPARE(PlanGraph(ring, true, 30, 20, "-0.9", "1").drawWidth, 1);
        QCOMPARE(PlanGraph(ring, true, 250, 20, "0", "1").drawWidth, 2);  // 2.5
    }

    void widgetDrawsTheRing() {
        ProgressGraph graph;
        graph.resize(261, 153);
        const QRgb background = graph.palette().color(QPalette::Base).rgb();
        const ProgressRing ring = CountingRing(37);

        graph.Redraw(ring, true, "1e300", "1e300");  // every point far off the surface
        QVERIFY(!Contains(graph.surface(), QColor(0, 255, 0).rgb()));
        QVERIFY(Contains(graph.surface(), QColor(255, 255, 0).rgb()));

        graph.Redraw(ring, true, "0", "1");
        const QImage& surface = graph.surface();
        const GraphPlan plan = PlanGraph(ring, true, surface.width(), surface.height(), "0", "1");
        const auto at = [&](const GraphPoint& p) {
            return surface.pixel(static_cast<int>(p.x), static_cast<int>(p.y));
        };
        QCOMPARE(at(plan.points[0]), QColor(0, 255, 0).rgb());  // oldest average, left edge
        QCOMPARE(at(plan.points[1]), QColor(0, 0, 255).rgb());  // its lowest
        QCOMPARE(at(plan.points[2]), QColor(255, 0, 0).rgb());  // its highest
        QCOMPARE(surface.pixel(surface.width() / 2, static_cast<int>(plan.halfHeight)),
                 QColor(255, 255, 0).rgb());  // the half-height line

        graph.resize(20, 10);  // drawing width rounds to 0
        graph.Redraw(ring, true, "0", "1");
        QVERIFY(!AllOf(graph.surface(), background));
    }
};

QTEST_MAIN(TestProgressGraph)
#include "test_progress_graph.moc"
