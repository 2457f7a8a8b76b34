// The main window as it opens: the controls' texts, captions that fit, the ACO and graph
// check boxes, and the drop targets; and what a tick of Timer2 draws on the progress graph, in
// which order, with settings that are not numbers or a box too small for whole-pixel dots (the
// tick in a run is tested with the run control).
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include "data/messages.hpp"
#include "search/search_host.hpp"
#include "support/pixels.hpp"
#include "ui/caption_fit.hpp"
#include "ui/georgian_text.hpp"
#include "ui/graph_plan.hpp"
#include "ui/progress_graph.hpp"
#include "ui_test_support.hpp"

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

bool Contains(const QImage& image, QRgb colour) {
    return test::Count(image, image.rect(), [&](QRgb p) { return p == colour; }) > 0;
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<test::LoadedProgram> p_;

    MainWindow& window() { return p_->window(); }
    QWidget* widget(const QString& name) { return p_->child(name); }
    bool allVisible(const QStringList& names, bool visible) {
        for (const QString& name : names)
            if (widget(name)->isVisible() != visible) return false;
        return true;
    }

  private slots:
    void initTestCase() {
        p_ = std::make_unique<test::LoadedProgram>();
        QVERIFY(p_->program);
        QVERIFY(p_->messages().empty());
        p_->program->Show(false);
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
    }
    void cleanupTestCase() { p_.reset(); }

    // The texts and states at opening.
    void controlsAsTheyOpen() {
        QCOMPARE(window().windowTitle(), QStringLiteral("A C O Algorithm (Version 2.3)"));
        QVERIFY(!window().windowIcon().isNull());
        const std::pair<const char*, const char*> texts[] = {
            {"txtAnts", "50"},     {"txtPheroSens", "0.8"}, {"txtPheroModifK", "0.1"},
            {"txtGrOffs", "-0.9"}, {"txtGrScale", "1"},     {"labV_4", "V4"},
            {"labV_10", "dV4"}};
        for (const auto& [name, text] : texts)
            QVERIFY2(
                widget(QLatin1String(name))->property("text").toString() == QLatin1String(text),
                name);
        QVERIFY(p_->child<QCheckBox>("chkACO")->isChecked());
        QVERIFY(!p_->child<QCheckBox>("chkDrawGraph")->isChecked());
        QVERIFY(widget("cmdRun")->isEnabled() && !widget("cmdStop")->isEnabled());
        // Only the reference column and its grade are filled.
        for (int i = 1; i <= 6; ++i) {
            QVERIFY(!p_->child<QLineEdit>(QStringLiteral("txtV0Perc_%1").arg(i))->text().isEmpty());
            for (const char* column : {"txtV1_%1", "txtVPerc_%1", "txtVMaxPerc_%1"})
                QVERIFY(p_->child<QLineEdit>(QString::fromLatin1(column).arg(i))->text().isEmpty());
        }
        QVERIFY(!p_->box("txtRefGrade")->text().isEmpty());
    }

    void georgianCaptionsShowWhole() {
        if (GeorgianFamily() == QLatin1String("Geo_Arial"))
            QSKIP("the single-byte face shows bytes");
        QCOMPARE(p_->child<QPushButton>("cmdRun")->text(), QString::fromUtf8("დაწყება"));
        // Every caption's face has the Georgian letters, so none shows as boxes.
        for (const char* name : {"labAnts", "labSens", "Label3", "Label6", "labIterN"}) {
            const QFontMetrics metrics(p_->child<QLabel>(name)->font());
            for (QChar c : p_->child<QLabel>(name)->text())
                QVERIFY2(c == u' ' || metrics.inFontUcs4(c.unicode()), name);
        }
        // No caption is cut off: a caption wider than its control is shown smaller.
        for (QLabel* label : window().findChildren<QLabel*>()) {
            if (label->objectName().startsWith(QLatin1String("labV"))) continue;
            const QFont font = label->font();
            QVERIFY(font.pointSizeF() <= kCaptionPointSize);
            QVERIFY(font.pointSizeF() >= kMinCaptionPointSize);
            QVERIFY2(QFontMetrics(font).horizontalAdvance(label->text()) <= label->width() ||
                         font.pointSizeF() == kMinCaptionPointSize,
                     qPrintable(label->objectName()));
        }
        for (QPushButton* button : window().findChildren<QPushButton*>()) {
            const QFontMetrics metrics(button->font());
            for (const QString& line : button->text().split(QLatin1Char('\n')))
                QVERIFY2(metrics.horizontalAdvance(line) < button->width(),
                         qPrintable(button->objectName()));
        }
    }

    // Each box shows its controls while ticked and leaves the others as they are.
    void checkBoxesShowTheirControls() {
        const struct {
            const char* box;
            QStringList shown, stay;
        } boxes[] = {
            {"chkACO",
             {"labAnts", "txtAnts", "labSens", "txtPheroSens"},
             {"Label3", "txtPheroModifK"}},
            {"chkDrawGraph",
             {"txtAvrgGrade", "labAvrgGrade", "labGrOff", "labGrScale", "txtGrScale", "txtGrOffs"},
             {"Picture1"}},
        };
        for (const auto& c : boxes) {
            auto* box = p_->child<QCheckBox>(c.box);
            const bool ticked = box->isChecked();
            QVERIFY2(allVisible(c.shown, ticked) && allVisible(c.stay, true), c.box);
            box->click();
            QVERIFY2(allVisible(c.shown, !ticked) && allVisible(c.stay, true), c.box);
            box->click();
            QVERIFY2(allVisible(c.shown, ticked), c.box);
        }
    }

    void dropsOnlyOnTheClientAreaAndTheGraph() {
        QSignalSpy dropped(&window(), &MainWindow::layoutFilesDropped);
        const QStringList files{QStringLiteral("/tmp/a.txt"), QStringLiteral("/tmp/b.txt")};
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(files[0]), QUrl::fromLocalFile(files[1])});
        const auto drop = [&](QWidget* target, QPoint at) {
            QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &enter);
            QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &move);
            if (move.isAccepted() != enter.isAccepted()) return false;
            QDropEvent event(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &event);
            return enter.isAccepted();
        };
        // Bare client area below the parameters, the bare part of the panel, and the graph.
        QVERIFY(drop(&window(), QPoint(20, 110)));
        QVERIFY(drop(&window(), QPoint(240, 320)));
        QVERIFY(drop(widget("Picture1"), QPoint(50, 50)));
        QCOMPARE(dropped.count(), 3);
        QCOMPARE(dropped.at(0).at(0).toStringList(), files);
        // On a text box or a button (as the window sees them) nothing is taken.
        QVERIFY(!drop(&window(), widget("txtAnts")->geometry().center()));
        QVERIFY(!drop(&window(), widget("cmdRun")->geometry().center()));
        QVERIFY(!widget("txtAnts")->acceptDrops());
        QCOMPARE(dropped.count(), 3);
    }

    void noCandidateShowsTheFixedBox() {
        p_->messages().clear();
        window().host().OnNoCandidate(3);
        QCOMPARE(p_->messages().size(), std::size_t{1});
        QCOMPARE(p_->messages()[0].title, std::string(msg::kGenRndKeyTitle));
        QCOMPARE(p_->messages()[0].text, std::string(msg::kGenRndKeyText));
    }

    void graphDrawsOldestPointFirst() {
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

        // An offset that is not a number draws nothing (the box and the scale: run control).
        QVERIFY(!PlanGraph(ring, true, 200, 100, "abc", "1").draw);
        // The pen is the step between points, halves to even, never below one pixel.
        QCOMPARE(PlanGraph(ring, true, 30, 20, "-0.9", "1").drawWidth, 1);
        QCOMPARE(PlanGraph(ring, true, 250, 20, "0", "1").drawWidth, 2);  // 2.5

        // The graph draws the plan.
        ProgressGraph graph;
        graph.resize(261, 153);
        graph.Redraw(ring, true, "1e300", "1e300");  // every point far off the surface
        QVERIFY(!Contains(graph.surface(), QColor(0, 255, 0).rgb()));
        QVERIFY(Contains(graph.surface(), QColor(255, 255, 0).rgb()));

        graph.Redraw(ring, true, "0", "1");
        const QImage& surface = graph.surface();
        const GraphPlan drawn = PlanGraph(ring, true, surface.width(), surface.height(), "0", "1");
        const auto at = [&](const GraphPoint& p) {
            return surface.pixel(static_cast<int>(p.x), static_cast<int>(p.y));
        };
        QCOMPARE(at(drawn.points[0]), QColor(0, 255, 0).rgb());  // oldest average, left edge
        QCOMPARE(at(drawn.points[1]), QColor(0, 0, 255).rgb());  // its lowest
        QCOMPARE(at(drawn.points[2]), QColor(255, 0, 0).rgb());  // its highest
        QCOMPARE(surface.pixel(surface.width() / 2, static_cast<int>(drawn.halfHeight)),
                 QColor(255, 255, 0).rgb());  // the half-height line

        graph.resize(20, 10);  // drawing width rounds to 0
        graph.Redraw(ring, true, "0", "1");
        const QRgb background = graph.palette().color(QPalette::Base).rgb();
        QVERIFY(test::Count(graph.surface(), graph.surface().rect(),
                            [&](QRgb p) { return p != background; }) > 0);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
