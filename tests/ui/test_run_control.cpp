// Run control through the window: Run, Stop and Run again, the caption and counter, closing
// during a run and at rest, SIGINT/SIGTERM, the autosave ticks, and the window's events.
#include <csignal>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "app/exit_signals.hpp"
#include "eval/workspace.hpp"
#include "ui/captions.hpp"
#include "ui/georgian_text.hpp"
#include "ui_test_support.hpp"

using namespace antkeys;

class TestRunControl : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<test::TempFolder> temp_;
    std::unique_ptr<test::RecordedBoxes> boxes_;
    std::unique_ptr<DesktopProgram> program_;
    std::string folder_;

    MainWindow& window() { return program_->window(); }
    SearchEngine& engine() { return program_->engine(); }
    template <typename T>
    T* child(const char* name) {
        return window().findChild<T*>(QLatin1String(name));
    }

  private slots:
    void init() {
        temp_ = std::make_unique<test::TempFolder>();
        boxes_ = std::make_unique<test::RecordedBoxes>();
        folder_ = test::MakeProgramFolder(*temp_, test::SmallSet());
        program_ = DesktopProgram::Load(folder_, boxes_->sink);
        QVERIFY(program_);
        program_->random().Seed(1);  // the same layouts at every run of the tests
        program_->Show(false);
    }
    void cleanup() {
        program_.reset();
        boxes_.reset();
        temp_.reset();
    }

    void runStopAndRunAgainContinue() {
        const QString restCaption = window().windowTitle();
        bool buttonsSwapped = false;
        QString captionInRun;
        test::RunLayouts(window(), 300, [&](int) {
            buttonsSwapped = !child<QPushButton>("cmdRun")->isEnabled() &&
                             child<QPushButton>("cmdStop")->isEnabled();
            captionInRun = window().windowTitle();
        });
        QVERIFY(buttonsSwapped);
        QVERIFY(child<QPushButton>("cmdRun")->isEnabled());
        QVERIFY(!child<QPushButton>("cmdStop")->isEnabled());
        QCOMPARE(engine().iterN(), 300);
        QCOMPARE(child<QLabel>("labIterN")->text(),
                 GeorgianText(captions::kIterNCaption) + QStringLiteral("300"));
        QCOMPARE(child<QLineEdit>("txtDifGrade")->text(),
                 QString::fromStdString(program_->workspace().panel.difGrade.Text()));
        // The caption showed the best grade during the run and is back now.
        QVERIFY(engine().bestKeyGrade() > 0);
        QVERIFY(!child<QLineEdit>("txtBestGrade")->text().isEmpty());
        QCOMPARE(captionInRun, child<QLineEdit>("txtBestGrade")->text());
        QCOMPARE(window().windowTitle(), restCaption);
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(child<QLineEdit>(qPrintable(QStringLiteral("txtVMaxPerc_%1").arg(i)))->text(),
                     QString::fromStdString(
                         program_->workspace().panel.vMaxPerc[static_cast<std::size_t>(i)].Text()));

        const Single firstBest = engine().bestKeyGrade();
        test::RunLayouts(window(), 200);
        QCOMPARE(engine().iterN(), 500);
        QVERIFY(engine().bestKeyGrade() >= firstBest);
        QCOMPARE(child<QLabel>("labIterN")->text(),
                 GeorgianText(captions::kIterNCaption) + QStringLiteral("500"));
        QCOMPARE(window().windowTitle(), restCaption);
        QVERIFY(boxes_->sink.messages.empty());
    }

    void parameterEditsReachTheSearch() {
        child<QLineEdit>("txtAnts")->setText(QStringLiteral("x"));
        window().cmdRun_Click();
        QVERIFY(!window().IsRunning());
        QCOMPARE(engine().iterN(), 0);
        QCOMPARE(boxes_->sink.messages.size(), std::size_t{1});
        child<QLineEdit>("txtAnts")->setText(QStringLiteral("5"));
        int reinforcements = 0;
        connect(&window(), &MainWindow::OnPheroModif, &window(),
                [&](const PheroTable&) { ++reinforcements; });
        test::RunLayouts(window(), 100);
        QVERIFY(reinforcements > 0);
    }

    void acoUntickedRaisesNoLayoutEvents() {
        child<QCheckBox>("chkACO")->setChecked(false);
        int events = 0;
        connect(&window(), &MainWindow::OnRndKeyGen, &window(), [&] { ++events; });
        QTimer::singleShot(50, &window(), &MainWindow::cmdStop_Click);
        window().cmdRun_Click();
        QVERIFY(engine().iterN() > 0);
        QCOMPARE(events, 0);
        QVERIFY(!test::OutHolds(folder_, "Pheromones.txt"));
    }

    void closeDuringARunWaitsForTheSave() {
        QSignalSpy ended(&window(), &MainWindow::programEnded);
        bool openAfterClose = false;
        test::RunLayouts(window(), -1, [&](int layout) {
            if (layout == 40) {
                window().close();
                openAfterClose = window().isVisible();
            }
        });
        QVERIFY(openAfterClose);
        QCOMPARE(engine().iterN(), 40);  // the pass in hand was finished, no further one
        QVERIFY(engine().exitRequested());
        QVERIFY(test::OutHolds(folder_, "Pheromones.txt"));
        QVERIFY(!window().isVisible());
        QCOMPARE(ended.count(), 1);
    }

    void closeAtRestSavesNothing() {
        QSignalSpy ended(&window(), &MainWindow::programEnded);
        window().cmdClearPhero_Click();
        window().close();
        QVERIFY(!window().isVisible());
        QCOMPARE(ended.count(), 1);
        QVERIFY(test::OutIsEmpty(folder_));
    }

    void exitSignalsActAsClose() {
        ExitSignals signals_;
        QVERIFY(signals_.installed());
        connect(&signals_, &ExitSignals::closeRequested, &window(), &QWidget::close);
        QSignalSpy ended(&window(), &MainWindow::programEnded);

        // During a run: deferred like the user's close, then saved and ended.
        test::RunLayouts(window(), -1, [&](int layout) {
            if (layout == 30) std::raise(SIGTERM);
        });
        QVERIFY(engine().exitRequested());
        QVERIFY(test::OutHolds(folder_, "Pheromones.txt"));
        QCOMPARE(ended.count(), 1);
    }

    void interruptAtRestEndsAtOnce() {
        ExitSignals signals_;
        QVERIFY(signals_.installed());
        connect(&signals_, &ExitSignals::closeRequested, &window(), &QWidget::close);
        QSignalSpy ended(&window(), &MainWindow::programEnded);
        std::raise(SIGINT);
        QTRY_COMPARE(ended.count(), 1);
        QVERIFY(!window().isVisible());
        QVERIFY(test::OutIsEmpty(folder_));
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
        child<QCheckBox>("chkDrawGraph")->setChecked(true);
        test::RunLayouts(window(), 450);
        QCOMPARE(engine().ring().pos, Integer{2});
        QVERIFY(!child<QLineEdit>("txtAvrgGrade")->text().isEmpty());
        QCOMPARE(child<QLineEdit>("txtAvrgGrade")->text(),
                 QString::fromStdString(program_->workspace().panel.avrgGrade.Text()));
    }
};

QTEST_MAIN(TestRunControl)
#include "test_run_control.moc"
