// The layout and pheromone windows opened from the main window: the best-layout button, the
// pheromone button and layout files dropped on the window, at rest and during a run.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "data/number_format.hpp"
#include "eval/workspace.hpp"
#include "ui/lay_window.hpp"
#include "ui/phero_window.hpp"
#include "ui_test_support.hpp"
#include "view_test_support.hpp"

using namespace antkeys;

class TestViewOpeners : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<test::TempFolder> temp_;
    std::unique_ptr<test::RecordedBoxes> boxes_;
    std::unique_ptr<DesktopProgram> program_;

    MainWindow& window() { return program_->window(); }
    SearchEngine& engine() { return program_->engine(); }
    Workspace& ws() { return program_->workspace(); }
    QLineEdit* box(const char* name) { return window().findChild<QLineEdit*>(QLatin1String(name)); }
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
        std::string text = "header\r\n";
        int code = 192;
        for (const char* key : keys) text += std::to_string(code++) + "\t" + key + "\r\n";
        return QString::fromStdString(temp_->Write("drop/" + name, text));
    }

  private slots:
    void init() {
        temp_ = std::make_unique<test::TempFolder>();
        boxes_ = std::make_unique<test::RecordedBoxes>();
        program_ =
            DesktopProgram::Load(test::MakeProgramFolder(*temp_, test::SmallSet()), boxes_->sink);
        QVERIFY(program_);
        program_->random().Seed(7);
        program_->Show(false);
    }
    void cleanup() {
        program_.reset();
        boxes_.reset();
        temp_.reset();
    }

    void bestLayoutButtonWaitsForABest() {
        QVERIFY(box("txtBestGrade")->text().isEmpty());
        window().cmdShowBestLay_Click();
        QVERIFY(opened<LayWindow>().isEmpty());
    }

    void bestLayoutWindowShowsTheBest() {
        QVERIFY(RunUntilBest());
        window().cmdShowBestLay_Click();
        QCOMPARE(opened<LayWindow>().size(), 1);
        LayWindow* lay = opened<LayWindow>().front();
        QCOMPARE(lay->windowTitle(), QStringLiteral("Best KB Layout"));
        QVERIFY(lay->isVisible());
        QVERIFY(!lay->txtAGrade()->isVisible());
        QVERIFY(!lay->labAGr()->isVisible());
        QCOMPARE(lay->txtRGrade()->text(), box("txtBestGrade")->text());
        // Every placed letter from code 33 up is drawn where the window computes its key.
        const QImage image = lay->grab().toImage();
        int drawn = 0;
        for (int ch = 33; ch < kCharCodes; ++ch) {
            const int k = engine().bestKeyLay()[static_cast<std::size_t>(ch)];
            ScreenPoint at;
            if (k == 0 || !lay->CharPosition(ws().keys, k, at)) continue;
            const QRect cell(static_cast<int>(at.x), static_cast<int>(at.y), 14, 20);
            QVERIFY(test::CountNear(image, cell, QColor(150, 20, 20), 40) > 0);
            ++drawn;
        }
        QCOMPARE(drawn, 9);  // the small set's letters but the space
    }

    void bestLayoutWindowsFollowTheRunEachAtItsInterval() {
        QVERIFY(RunUntilBest());
        window().cmdShowBestLay_Click();
        window().cmdShowBestLay_Click();
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
        QCOMPARE(every2->txtRGrade()->text(), QString::fromStdString(FormatPercent(grades[4])));
        QCOMPARE(every3->txtRGrade()->text(), QString::fromStdString(FormatPercent(grades[3])));
        QCOMPARE(every2->refrCount(), Integer{1});
        QCOMPARE(every3->refrCount(), Integer{2});
    }

    void pheromoneWindowsFollowReinforcementsOnlyWhenTicked() {
        const PheroTable atOpening = ws().phero;
        window().cmdShowPhero_Click();
        window().cmdShowPhero_Click();
        QCOMPARE(opened<PheroWindow>().size(), 2);
        PheroWindow* follows = opened<PheroWindow>()[0];
        PheroWindow* keeps = opened<PheroWindow>()[1];
        QCOMPARE(follows->windowTitle(), QStringLiteral("Pheromones"));
        QCOMPARE(follows->cmbLetter()->count(), ws().letters.nLet() + 1);
        QCOMPARE(follows->cmbLetter()->itemText(9), QStringLiteral("32"));
        follows->chkAutoRefresh()->setChecked(true);
        follows->cmbLetter()->setCurrentIndex(0);

        box("txtAnts")->setText(QStringLiteral("5"));
        int reinforcements = 0;
        connect(&window(), &MainWindow::OnPheroModif, this,
                [&](const PheroTable&) { ++reinforcements; });
        test::RunLayouts(window(), 20000, [&](int) {
            if (reinforcements > 0) window().cmdStop_Click();
        });
        QVERIFY(reinforcements > 0);
        QCOMPARE(follows->pheromones(), ws().phero);
        QCOMPARE(keeps->pheromones(), atOpening);
        QVERIFY(!(ws().phero == atOpening));
    }

    void droppedFilesOpenGradedWindowsAtRestOnly() {
        const QString first = LayoutFile("first.txt", {"A", "S", "D", "J", "K", "L", "E", "I"});
        const QString second = LayoutFile("second.txt", {"J", "K", "L", "A", "S", "D", "I", "E"});
        window().Form_OLEDragDrop({first, second});
        QCOMPARE(opened<LayWindow>().size(), 2);
        QCOMPARE(opened<LayWindow>()[0]->windowTitle(), "KB Layout (" + first + ")");
        QCOMPARE(opened<LayWindow>()[1]->windowTitle(), "KB Layout (" + second + ")");
        // The panel ends on the second file; the window holds the boxes' texts.
        QCOMPARE(opened<LayWindow>()[1]->txtAGrade()->text(), box("txtCurrGrade")->text());
        QCOMPARE(opened<LayWindow>()[1]->txtRGrade()->text(), box("txtDifGrade")->text());
        QVERIFY(opened<LayWindow>()[1]->txtAGrade()->isVisible());

        window().Picture1_OLEDragDrop({first});
        QCOMPARE(opened<LayWindow>().size(), 3);

        test::RunLayouts(window(), 3, [&](int layout) {
            if (layout == 2) window().Form_OLEDragDrop({first});
        });
        QCOMPARE(opened<LayWindow>().size(), 3);
        QVERIFY(boxes_->sink.messages.empty());
    }

    void aDroppedFileThatDoesNotReadIsReportedAndSkipped() {
        const QString bad =
            QString::fromStdString(temp_->Write("drop/bad.txt", "header\r\n300\tA\r\n"));
        const QString good = LayoutFile("good.txt", {"A"});
        window().Form_OLEDragDrop({bad, good});
        QCOMPARE(opened<LayWindow>().size(), 1);
        QCOMPARE(opened<LayWindow>()[0]->windowTitle(), "KB Layout (" + good + ")");
        QCOMPARE(boxes_->sink.messages.size(), std::size_t{1});
    }
};

QTEST_MAIN(TestViewOpeners)
#include "test_view_openers.moc"
