// The main window at work: Run, Stop and Run again, the caption and counter, closing (or
// SIGINT/SIGTERM) during a run and at rest, the autosave ticks, the progress graph's tick, and
// the layout and pheromone windows it opens (its two buttons and dropped layout files).
#include <csignal>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "app/exit_signals.hpp"
#include "data/messages.hpp"
#include "data/number_format.hpp"
#include "ui/captions.hpp"
#include "ui/georgian_text.hpp"
#include "ui/lay_window.hpp"
#include "ui/phero_window.hpp"
#include "ui/progress_graph.hpp"
#include "support/pixels.hpp"
#include "ui_test_support.hpp"

using namespace antkeys;
using test::QStr;

class TestRunControl : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<test::LoadedProgram> p_;

    MainWindow& window() { return p_->window(); }
    SearchEngine& engine() { return p_->engine(); }
    std::vector<Message>& messages() { return p_->boxes.sink.messages; }
    QString text(const char* name) { return p_->child<QLineEdit>(name)->text(); }
    void click(const char* button) { p_->child<QPushButton>(button)->click(); }
    QString iterCaption(const char* count) {
        return GeorgianText(captions::kIterNCaption) + QLatin1String(count);
    }
    template <typename W>
    QList<W*> opened() {
        return window().findChildren<W*>(QString(), Qt::FindDirectChildrenOnly);
    }

    // Runs until the search has found a layout better than the reference.
    bool RunUntilBest() {
        test::RunLayouts(window(), 20000, [&](int) {
            if (engine().bestKeyGrade() > 0) window().cmdStop_Click();
        });
        window().RefreshPanel();
        return engine().bestKeyGrade() > 0;
    }

    // A layout file placing the small set's letters 192..199 on the keys named.
    QString LayoutFile(const std::string& name, std::initializer_list<const char*> keys) {
        std::string content = "header\r\n";
        int code = 192;
        for (const char* key : keys) content += std::to_string(code++) + "\t" + key + "\r\n";
        return QStr(p_->temp.Write("drop/" + name, content));
    }

  private slots:
    void init() {
        p_ = std::make_unique<test::LoadedProgram>();
        QVERIFY(p_->program);
        p_->program->random().Seed(1);  // the same layouts at every run of the tests
        p_->program->Show(false);
    }
    void cleanup() { p_.reset(); }

    void runStopAndRunAgainContinue() {
        auto* run = p_->child<QPushButton>("cmdRun");
        auto* stop = p_->child<QPushButton>("cmdStop");
        const QString restCaption = window().windowTitle();
        bool buttonsSwapped = false;
        QString captionInRun;
        test::RunLayouts(window(), 300, [&](int) {
            buttonsSwapped = !run->isEnabled() && stop->isEnabled();
            captionInRun = window().windowTitle();
        });
        QVERIFY(buttonsSwapped);
        QVERIFY(run->isEnabled() && !stop->isEnabled());
        QCOMPARE(p_->child<QLabel>("labIterN")->text(), iterCaption("300"));
        QCOMPARE(text("txtVMaxPerc_3"), QStr(p_->ws().panel.vMaxPerc[3].Text()));
        // The caption showed the best grade during the run and is back now.
        QVERIFY(!text("txtBestGrade").isEmpty());
        QCOMPARE(captionInRun, text("txtBestGrade"));
        QCOMPARE(window().windowTitle(), restCaption);

        test::RunLayouts(window(), 200);
        QCOMPARE(p_->child<QLabel>("labIterN")->text(), iterCaption("500"));
        QVERIFY(messages().empty());
    }

    void acoUntickedRaisesNoLayoutEvents() {
        p_->child<QCheckBox>("chkACO")->setChecked(false);
        int events = 0;
        connect(&window(), &MainWindow::OnRndKeyGen, &window(), [&] { ++events; });
        QTimer::singleShot(50, &window(), &MainWindow::cmdStop_Click);
        window().cmdRun_Click();
        QVERIFY(engine().iterN() > 0);
        QCOMPARE(events, 0);
        QVERIFY(!test::OutHolds(p_->folder, "Pheromones.txt"));
    }

    // A close during a run is deferred: the pass in hand ends, the store is saved, then the
    // window closes. At rest the window closes at once and nothing is saved. SIGINT and
    // SIGTERM act as the user's close.
    void closeDuringARunSavesAtRestNot_data() {
        QTest::addColumn<int>("signal");  // 0: the user closes the window
        QTest::addColumn<bool>("inRun");
        QTest::newRow("close in a run") << 0 << true;
        QTest::newRow("close at rest") << 0 << false;
        QTest::newRow("SIGTERM in a run") << SIGTERM << true;
        QTest::newRow("SIGINT at rest") << SIGINT << false;
    }
    void closeDuringARunSavesAtRestNot() {
        QFETCH(int, signal);
        QFETCH(bool, inRun);
        ExitSignals exitSignals;
        QVERIFY(exitSignals.installed());
        connect(&exitSignals, &ExitSignals::closeRequested, &window(), &QWidget::close);
        QSignalSpy ended(&window(), &MainWindow::programEnded);
        const auto close = [&] {
            if (signal == 0) return void(window().close());
            std::raise(signal);
            QCoreApplication::processEvents();
        };
        if (inRun) {
            bool openAfterClose = false;
            test::RunLayouts(window(), -1, [&](int layout) {
                if (layout != 40) return;
                close();
                openAfterClose = window().isVisible();
            });
            QVERIFY(openAfterClose);
            QCOMPARE(engine().iterN(), 40);  // the pass in hand was finished, no further one
            QVERIFY(engine().exitRequested());
            QVERIFY(test::OutHolds(p_->folder, "Pheromones.txt"));
        } else {
            window().cmdClearPhero_Click();
            close();
            QVERIFY(test::OutIsEmpty(p_->folder));
        }
        QVERIFY(!window().isVisible());
        QCOMPARE(ended.count(), 1);
    }

    void autosaveTicksCountOnlyDuringRuns() {
        window().Timer1_Timer();
        test::RunLayouts(window(), 5, [&](int) { window().Timer1_Timer(); });
        window().Timer1_Timer();
        QCOMPARE(engine().autosaveTicks(), Integer{5});
    }

    // The ring fills while chkDrawGraph is ticked; Timer2 draws it then and clears the graph
    // while the box is unticked or a setting is not a number.
    void graphFollowsTheBox() {
        auto* graph = p_->child<ProgressGraph>("Picture1");
        auto* drawGraph = p_->child<QCheckBox>("chkDrawGraph");
        const auto blank = [&] {
            const QRgb background = graph->palette().color(QPalette::Base).rgb();
            return test::Count(graph->surface(), graph->surface().rect(),
                               [&](QRgb p) { return p != background; }) == 0;
        };
        window().Timer2_Timer();
        QVERIFY(blank());
        drawGraph->setChecked(true);
        test::RunLayouts(window(), 450);
        QCOMPARE(engine().ring().pos, Integer{2});
        QVERIFY(!text("txtAvrgGrade").isEmpty());
        QCOMPARE(text("txtAvrgGrade"), QStr(p_->ws().panel.avrgGrade.Text()));
        window().Timer2_Timer();
        QVERIFY(!blank());
        p_->child<QLineEdit>("txtGrScale")->setText(QStringLiteral("?"));
        window().Timer2_Timer();
        QVERIFY(blank());
        drawGraph->setChecked(false);
        p_->child<QLineEdit>("txtGrScale")->setText(QStringLiteral("1"));
        window().Timer2_Timer();
        QVERIFY(blank());
    }

    void bestLayoutWindowsShowTheBestAndFollowTheRun() {
        click("cmdShowBestLay");  // no best layout yet: nothing opens
        QVERIFY(opened<LayWindow>().isEmpty());
        QVERIFY(RunUntilBest());
        click("cmdShowBestLay");
        QCOMPARE(opened<LayWindow>().size(), 1);
        LayWindow* lay = opened<LayWindow>().front();
        QCOMPARE(lay->windowTitle(), QStringLiteral("Best KB Layout"));
        QVERIFY(lay->isVisible() && !lay->txtAGrade()->isVisible() && !lay->labAGr()->isVisible());
        QCOMPARE(lay->txtRGrade()->text(), text("txtBestGrade"));
        // Every placed letter from code 33 up is drawn where the window computes its key.
        const QImage image = test::Grab(*lay);
        int drawn = 0;
        for (int ch = 33; ch < kCharCodes; ++ch) {
            const int k = engine().bestKeyLay()[static_cast<std::size_t>(ch)];
            ScreenPoint at;
            if (k == 0 || !lay->CharPosition(p_->ws().keys, k, at)) continue;
            const QRect cell(static_cast<int>(at.x), static_cast<int>(at.y), 14, 20);
            QVERIFY(test::CountNear(image, cell, QColor(150, 20, 20), 40) > 0);
            ++drawn;
        }
        QCOMPARE(drawn, 9);  // the small set's letters but the space

        // Two windows count their own events, each redrawing at its own interval.
        click("cmdShowBestLay");
        QCOMPARE(opened<LayWindow>().size(), 2);
        LayWindow* every2 = opened<LayWindow>()[0];
        LayWindow* every3 = opened<LayWindow>()[1];
        every2->txtRefrInterval()->setText(QStringLiteral("2"));
        every3->txtRefrInterval()->setText(QStringLiteral("3"));
        std::vector<Single> grades{0};
        connect(&window(), &MainWindow::OnRndKeyGen, this,
                [&](const Layout&, Single grade, const KeyTables&) { grades.push_back(grade); });
        test::RunLayouts(window(), 5);
        QCOMPARE(grades.size(), std::size_t{6});
        QCOMPARE(every2->txtRGrade()->text(), QStr(FormatPercent(grades[4])));
        QCOMPARE(every3->txtRGrade()->text(), QStr(FormatPercent(grades[3])));
        QCOMPARE(every2->refrCount(), Integer{1});
        QCOMPARE(every3->refrCount(), Integer{2});
    }

    void pheromoneWindowsFollowReinforcementsOnlyWhenTicked() {
        const PheroTable atOpening = p_->ws().phero;
        click("cmdShowPhero");
        click("cmdShowPhero");
        QCOMPARE(opened<PheroWindow>().size(), 2);
        PheroWindow* follows = opened<PheroWindow>()[0];
        PheroWindow* keeps = opened<PheroWindow>()[1];
        QCOMPARE(follows->windowTitle(), QStringLiteral("Pheromones"));
        follows->chkAutoRefresh()->setChecked(true);
        follows->cmbLetter()->setCurrentIndex(0);

        p_->child<QLineEdit>("txtAnts")->setText(QStringLiteral("5"));
        int reinforcements = 0;
        connect(&window(), &MainWindow::OnPheroModif, this, [&] { ++reinforcements; });
        test::RunLayouts(window(), 20000, [&](int) {
            if (reinforcements > 0) window().cmdStop_Click();
        });
        QVERIFY(engine().iterN() < 50);  // txtAnts reached the search: not the 50 of opening
        QCOMPARE(follows->pheromones(), p_->ws().phero);
        QCOMPARE(keeps->pheromones(), atOpening);
        QVERIFY(!(p_->ws().phero == atOpening));
    }

    // Three files open three graded windows in order, the panel ending on the third; a drop
    // during a run is ignored.
    void droppedFilesOpenGradedWindowsAtRestOnly() {
        const QStringList files{LayoutFile("one.txt", {"A", "S", "D", "J", "K", "L", "E", "I"}),
                                LayoutFile("two.txt", {"J", "K", "L", "A", "S", "D", "I", "E"}),
                                LayoutFile("three.txt", {"Q", "W", "E", "U", "I", "O", "Z", "X"})};
        window().Form_OLEDragDrop(files);
        const QList<LayWindow*> windows = opened<LayWindow>();
        QCOMPARE(windows.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(windows[i]->windowTitle(), "KB Layout (" + files[i] + ")");
            QVERIFY(windows[i]->isVisible() && !windows[i]->txtAGrade()->text().isEmpty());
        }
        // Each window keeps the grades of its own file; the panel holds the third's.
        QVERIFY(windows[1]->txtAGrade()->text() != windows[2]->txtAGrade()->text());
        QCOMPARE(windows[2]->txtAGrade()->text(), text("txtCurrGrade"));
        QCOMPARE(windows[2]->txtRGrade()->text(), text("txtDifGrade"));

        test::RunLayouts(window(), 3, [&](int layout) {
            if (layout == 2) window().Form_OLEDragDrop({files[0]});
        });
        QCOMPARE(opened<LayWindow>().size(), 3);
        QVERIFY(messages().empty());
    }

    void droppedFilesThatFailAreReported() {
        // A file that does not read is reported by the reader and skipped.
        const QString bad = QStr(p_->temp.Write("drop/bad.txt", "header\r\n300\tA\r\n"));
        const QString missing = QStr(p_->folder + "/drop/missing.txt");
        const QString good = LayoutFile("good.txt", {"A"});
        window().Form_OLEDragDrop({bad, good, missing});
        QCOMPARE(opened<LayWindow>().size(), 1);
        QCOMPARE(opened<LayWindow>()[0]->windowTitle(), "KB Layout (" + good + ")");
        QCOMPARE(messages().size(), std::size_t{2});
        for (const Message& m : messages()) QCOMPARE(m.title, std::string(msg::kLayoutTitle));

        // A layout the analyzer cannot grade (a finger Kdi has no row for) ends the drop with
        // an error; its window stays open, without grades.
        Workspace& ws = p_->ws();
        ws.keys.fingers[8] = 7;  // X
        RecordingSink sink;
        QVERIFY(ws.analizer.Init(ws.digraphs, ws.weights.bestLoad, ws.keys, ws.weights.kdi, sink));
        messages().clear();
        window().Form_OLEDragDrop({LayoutFile("broken.txt", {"X", "S"}), good});
        QCOMPARE(opened<LayWindow>().size(), 2);
        QVERIFY(opened<LayWindow>()[1]->txtAGrade()->text().isEmpty());
        QCOMPARE(messages().size(), std::size_t{1});
        QCOMPARE(messages()[0].title, std::string("ERROR"));
        QVERIFY2(messages()[0].text.rfind("Error:key index 8 has finger 7", 0) == 0,
                 messages()[0].text.c_str());
    }
};

QTEST_MAIN(TestRunControl)
#include "test_run_control.moc"
