// The main window at work: Run, Stop and Run again, the caption and counter, closing (or
// SIGINT/SIGTERM, or losing the native window) during a run and at rest, the autosave ticks, the
// progress graph's tick, and the layout and pheromone windows it opens (its two buttons and
// dropped layout files). A run is never halted for a file it cannot save or a box being edited,
// and Out is checked at start.
#include <csignal>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QWindow>
#include <QtTest>

#include "app/exit_signals.hpp"
#include "data/messages.hpp"
#include "data/number_format.hpp"
#include "support/child_process.hpp"
#include "support/pixels.hpp"
#include "support/text.hpp"
#include "ui/captions.hpp"
#include "ui/georgian_text.hpp"
#include "ui/lay_window.hpp"
#include "ui/phero_window.hpp"
#include "ui/progress_graph.hpp"
#include "ui_test_support.hpp"

using namespace antkeys;
using test::Contains;
using test::QStr;

class TestRunControl : public QObject {
    Q_OBJECT

  private:
    static constexpr int kWindowLost = -1;  // in place of a signal
    std::unique_ptr<test::LoadedProgram> p_;

    MainWindow& window() { return p_->window(); }
    SearchEngine& engine() { return p_->engine(); }
    std::vector<Message>& messages() { return p_->messages(); }
    QString text(const char* name) { return p_->box(name)->text(); }
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
    void init() { p_ = test::ShownProgram(); }
    void cleanup() { p_.reset(); }

    void runStopAndRunAgainContinue() {
        auto* run = p_->child<QPushButton>("cmdRun");
        auto* stop = p_->child<QPushButton>("cmdStop");
        const QString restCaption = window().windowTitle();
        bool buttonsSwapped = false;
        QString captionInRun;
        test::RunLayouts(window(), 300, [&](int layout) {
            buttonsSwapped = !run->isEnabled() && stop->isEnabled();
            captionInRun = window().windowTitle();
            if (layout <= 5) window().Timer1_Timer();
        });
        QCOMPARE(engine().autosaveTicks(), Integer{5});
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
    // window closes. At rest the window closes at once and nothing is saved. SIGINT, SIGTERM
    // and the loss of the native window (a window manager crash) act as the user's close.
    void closeDuringARunSavesAtRestNot_data() {
        QTest::addColumn<int>("signal");  // 0: the user closes the window
        QTest::addColumn<bool>("inRun");
        QTest::newRow("close in a run") << 0 << true;
        QTest::newRow("close at rest") << 0 << false;
        QTest::newRow("SIGTERM in a run") << SIGTERM << true;
        QTest::newRow("SIGINT at rest") << SIGINT << false;
        QTest::newRow("window lost in a run") << kWindowLost << true;
        QTest::newRow("window lost at rest") << kWindowLost << false;
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
            if (signal == kWindowLost)
                window().windowHandle()->destroy();
            else
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
            QCOMPARE(openAfterClose, signal != kWindowLost);  // a lost window is gone at once
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
        p_->box("txtGrScale")->setText(QStringLiteral("?"));
        window().Timer2_Timer();
        QVERIFY(blank());
        drawGraph->setChecked(false);
        p_->box("txtGrScale")->setText(QStringLiteral("1"));
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
        QCOMPARE(lay->layout(), engine().bestKeyLay());
        QVERIFY(lay->keyTables() && lay->keyTables()->codes == p_->ws().keys.codes);

        // A second window opens beside it; each follows the run at its own interval.
        click("cmdShowBestLay");
        QCOMPARE(opened<LayWindow>().size(), 2);
        LayWindow* every3 = opened<LayWindow>()[1];
        lay->txtRefrInterval()->setText(QStringLiteral("2"));
        every3->txtRefrInterval()->setText(QStringLiteral("3"));
        std::vector<Single> grades{0};
        connect(&window(), &MainWindow::OnRndKeyGen, this,
                [&](const Layout&, Single grade, const KeyTables&) { grades.push_back(grade); });
        test::RunLayouts(window(), 5);
        QCOMPARE(grades.size(), std::size_t{6});
        QCOMPARE(lay->txtRGrade()->text(), QStr(FormatPercent(grades[4])));
        QCOMPARE(every3->txtRGrade()->text(), QStr(FormatPercent(grades[3])));
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

        p_->box("txtAnts")->setText(QStringLiteral("5"));
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

    // Three files (the third placing a single letter) open three graded windows in order, the
    // panel ending on the third; files that do not read are reported by the reader and skipped;
    // a drop during a run is ignored.
    void droppedFilesOpenGradedWindowsAtRestOnly() {
        const QStringList files{LayoutFile("one.txt", {"A", "S", "D", "J", "K", "L", "E", "I"}),
                                LayoutFile("two.txt", {"J", "K", "L", "A", "S", "D", "I", "E"}),
                                LayoutFile("three.txt", {"A"})};
        const QString bad = QStr(p_->temp.Write("drop/bad.txt", "header\r\n300\tA\r\n"));
        const QString missing = QStr(p_->folder + "/drop/missing.txt");
        window().Form_OLEDragDrop({bad, files[0], files[1], missing, files[2]});
        const QList<LayWindow*> windows = opened<LayWindow>();
        QCOMPARE(windows.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(windows[i]->windowTitle(), "KB Layout (" + files[i] + ")");
            QVERIFY(windows[i]->isVisible() && !windows[i]->txtAGrade()->text().isEmpty());
        }
        QCOMPARE(messages().size(), std::size_t{2});
        for (const Message& m : messages()) QCOMPARE(m.title, std::string(msg::kLayoutTitle));
        // Each window keeps the grades of its own file; the panel holds the third's.
        QVERIFY(windows[1]->txtAGrade()->text() != windows[2]->txtAGrade()->text());
        QCOMPARE(windows[2]->txtAGrade()->text(), text("txtCurrGrade"));
        QCOMPARE(windows[2]->txtRGrade()->text(), text("txtDifGrade"));

        test::RunLayouts(window(), 3, [&](int layout) {
            if (layout == 2) window().Form_OLEDragDrop({files[0]});
        });
        QCOMPARE(opened<LayWindow>().size(), 3);
        QCOMPARE(messages().size(), std::size_t{2});

        // A layout the analyzer cannot grade (a finger Kdi has no row for) ends the drop with
        // an error; its window stays open, without grades.
        Workspace& ws = p_->ws();
        ws.keys.fingers[8] = 7;  // X
        RecordingSink sink;
        QVERIFY(ws.analizer.Init(ws.digraphs, ws.weights.bestLoad, ws.keys, ws.weights.kdi, sink));
        messages().clear();
        window().Form_OLEDragDrop({LayoutFile("broken.txt", {"X", "S"}), files[0]});
        QCOMPARE(opened<LayWindow>().size(), 4);
        QVERIFY(opened<LayWindow>()[3]->txtAGrade()->text().isEmpty());
        QCOMPARE(messages().size(), std::size_t{1});
        QCOMPARE(messages()[0].title, std::string("ERROR"));
        QVERIFY2(messages()[0].text.rfind("Error:key index 8 has finger 7", 0) == 0,
                 messages()[0].text.c_str());
    }

    // An unattended run must not wait on a box per failure.
    void failedSavesShowTheFirstOfEachKindThenOneSummary() {
        const std::string out = p_->folder + "/Out";
        std::filesystem::remove_all(out);
        p_->temp.Write("Out", "a file where the folder should be");
        test::RunLayouts(window(), 3000);
        const SaveFailures& failed = engine().saveFailures();
        const std::size_t firsts = (failed.count(SavedFile::BestLayout) > 0 ? 1u : 0u) + 1u;
        QCOMPARE(messages().size(), firsts + 1);
        QCOMPARE(messages().back(), failed.Summary());
        for (const Message& m : messages()) QCOMPARE(m.title, std::string(msg::kWriteTitle));
    }

    void editedBoxesKeepTheRunGoingAndShowTheirTextIsNotUsed() {
        QLineEdit* sens = p_->box("txtPheroSens");
        bool markedDuringRun = false, clearedWhenANumber = false;
        QString tip;
        test::RunLayouts(window(), 60, [&](int layout) {
            if (layout == 10) sens->setText(QString());
            if (layout == 11) {
                markedDuringRun = sens->property("unused").toBool();
                tip = sens->toolTip();
                sens->setText(QStringLiteral("0,"));
            }
            if (layout == 20) sens->setText(QStringLiteral("0.5"));
            if (layout == 21) clearedWhenANumber = !sens->property("unused").toBool();
            if (layout == 30) p_->box("txtPheroModifK")->setText(QStringLiteral("x"));
        });
        QVERIFY(messages().empty());
        QVERIFY(markedDuringRun);
        QVERIFY2(tip.contains(QStringLiteral("0.8")), qPrintable(tip));
        QVERIFY(clearedWhenANumber);
        QVERIFY(!p_->box("txtPheroModifK")->property("unused").toBool());  // at rest, as before

        // At Run a bad text is refused in a box.
        window().cmdRun_Click();
        QCOMPARE(messages().size(), std::size_t{1});
        QVERIFY(Contains(messages()[0].text, "Reinforcement factor: \"x\""));
        QCOMPARE(engine().iterN(), 60);
    }

    void outFolderIsCheckedAndClearedAtStart() {
        const std::string stale = "Out/Pheromones.txt.tmp" + std::to_string(test::EndedPid());
        test::LoadedProgram p([&](const test::TempFolder& t) { t.Write(stale, "half a store"); });
        QVERIFY(p.program);
        QVERIFY(!std::filesystem::exists(p.folder + "/" + stale));
        QVERIFY(p.program->outFolderError().empty());

        test::LoadedProgram noOut([](const test::TempFolder& t) {
            std::filesystem::remove_all(t.path() + "/Out");
            t.Write("Out", "a file");
        });
        QVERIFY(noOut.program);
        noOut.program->ReportOutFolder(noOut.boxes.sink);
        QCOMPARE(noOut.messages().size(), std::size_t{1});
        QVERIFY(Contains(noOut.messages()[0].text, msg::kOutFolderText));
        QVERIFY(Contains(noOut.messages()[0].text, noOut.folder + "/Out"));
    }
};

QTEST_MAIN(TestRunControl)
#include "test_run_control.moc"
