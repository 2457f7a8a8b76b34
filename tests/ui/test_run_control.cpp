// Run control through the window: Run, Stop and Run again, the caption and counter, closing
// (or SIGINT/SIGTERM) during a run and at rest, the autosave ticks, and the window's events.
#include <csignal>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "app/exit_signals.hpp"
#include "ui/captions.hpp"
#include "ui/georgian_text.hpp"
#include "ui_test_support.hpp"

using namespace antkeys;
using test::QStr;

class TestRunControl : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<test::LoadedProgram> p_;

    MainWindow& window() { return p_->window(); }
    SearchEngine& engine() { return p_->engine(); }
    QString text(const char* name) { return p_->child<QLineEdit>(name)->text(); }
    QString iterCaption(const char* count) {
        return GeorgianText(captions::kIterNCaption) + QLatin1String(count);
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
        QCOMPARE(engine().iterN(), 300);
        QCOMPARE(p_->child<QLabel>("labIterN")->text(), iterCaption("300"));
        const CriteriaPanel& panel = p_->ws().panel;
        QCOMPARE(text("txtDifGrade"), QStr(panel.difGrade.Text()));
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(text(qPrintable(QStringLiteral("txtVMaxPerc_%1").arg(i))),
                     QStr(panel.vMaxPerc[static_cast<std::size_t>(i)].Text()));
        // The caption showed the best grade during the run and is back now.
        QVERIFY(engine().bestKeyGrade() > 0);
        QVERIFY(!text("txtBestGrade").isEmpty());
        QCOMPARE(captionInRun, text("txtBestGrade"));
        QCOMPARE(window().windowTitle(), restCaption);

        const Single firstBest = engine().bestKeyGrade();
        test::RunLayouts(window(), 200);
        QCOMPARE(engine().iterN(), 500);
        QVERIFY(engine().bestKeyGrade() >= firstBest);
        QCOMPARE(p_->child<QLabel>("labIterN")->text(), iterCaption("500"));
        QCOMPARE(window().windowTitle(), restCaption);
        QVERIFY(p_->boxes.sink.messages.empty());
    }

    void aParameterThatIsNotANumberStopsTheStart() {
        p_->child<QLineEdit>("txtAnts")->setText(QStringLiteral("x"));
        window().cmdRun_Click();
        QVERIFY(!window().IsRunning());
        QCOMPARE(engine().iterN(), 0);
        QCOMPARE(p_->boxes.sink.messages.size(), std::size_t{1});
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
        QCOMPARE(engine().autosaveTicks(), Integer{0});
        test::RunLayouts(window(), 50, [&](int layout) {
            if (layout == 10 || layout == 20 || layout == 30) window().Timer1_Timer();
        });
        QCOMPARE(engine().autosaveTicks(), Integer{3});
        window().Timer1_Timer();
        QCOMPARE(engine().autosaveTicks(), Integer{3});
        test::RunLayouts(window(), 5, [&](int) { window().Timer1_Timer(); });
        QCOMPARE(engine().autosaveTicks(), Integer{8});
    }

    void graphDataCollectedWhileTicked() {
        p_->child<QCheckBox>("chkDrawGraph")->setChecked(true);
        test::RunLayouts(window(), 450);
        QCOMPARE(engine().ring().pos, Integer{2});
        QVERIFY(!text("txtAvrgGrade").isEmpty());
        QCOMPARE(text("txtAvrgGrade"), QStr(p_->ws().panel.avrgGrade.Text()));
    }
};

QTEST_MAIN(TestRunControl)
#include "test_run_control.moc"
