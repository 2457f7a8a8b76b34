// The window never halts a run for a file it cannot save or a box being edited, keeps an
// unreadable store, checks Out at start, and takes a lost native window for a close.
#include <QLineEdit>
#include <QSignalSpy>
#include <QWindow>
#include <QtTest>

#include "data/messages.hpp"
#include "support/child_process.hpp"
#include "support/text.hpp"
#include "ui_test_support.hpp"

using namespace antkeys;

using test::Contains;

class TestSaveSafety : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<test::LoadedProgram> p_;

    MainWindow& window() { return p_->window(); }
    SearchEngine& engine() { return p_->engine(); }
    std::vector<Message>& boxes() { return p_->boxes.sink.messages; }
    QLineEdit* box(const char* name) { return p_->child<QLineEdit>(name); }

  private slots:
    void init() {
        p_ = std::make_unique<test::LoadedProgram>();
        QVERIFY(p_->program);
        p_->program->random().Seed(1);
        p_->program->Show(false);
    }
    void cleanup() { p_.reset(); }

    // An unattended run must not wait on a box per failure.
    void failedSavesShowTheFirstOfEachKindThenOneSummary() {
        const std::string out = p_->folder + "/Out";
        std::filesystem::remove_all(out);
        p_->temp.Write("Out", "a file where the folder should be");
        test::RunLayouts(window(), 3000);
        QCOMPARE(engine().iterN(), 3000);
        const SaveFailures& failed = engine().saveFailures();
        QVERIFY(failed.count(SavedFile::Store) >= 1);
        const std::size_t firsts = (failed.count(SavedFile::BestLayout) > 0 ? 1u : 0u) + 1u;
        QCOMPARE(boxes().size(), firsts + 1);
        QCOMPARE(boxes().back(), failed.Summary());
        for (const Message& m : boxes()) QCOMPARE(m.title, std::string(msg::kWriteTitle));
    }

    void editedBoxesKeepTheRunGoingAndShowTheirTextIsNotUsed() {
        QLineEdit* sens = box("txtPheroSens");
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
            if (layout == 30) box("txtPheroModifK")->setText(QStringLiteral("x"));
        });
        QCOMPARE(engine().iterN(), 60);
        QVERIFY(boxes().empty());
        QVERIFY(markedDuringRun);
        QVERIFY2(tip.contains(QStringLiteral("0.8")), qPrintable(tip));
        QVERIFY(clearedWhenANumber);
        QVERIFY(!box("txtPheroModifK")->property("unused").toBool());  // at rest, as before

        // At Run a bad text is refused, and so are fewer than one ant.
        window().cmdRun_Click();
        QCOMPARE(boxes().size(), std::size_t{1});
        QVERIFY(Contains(boxes()[0].text, "txtPheroModifK"));
        box("txtPheroModifK")->setText(QStringLiteral("0.1"));
        box("txtAnts")->setText(QStringLiteral("0"));
        window().cmdRun_Click();
        QCOMPARE(boxes().size(), std::size_t{2});
        QVERIFY(Contains(boxes()[1].text, "txtAnts"));
        QCOMPARE(engine().iterN(), 60);
    }

    void unreadableStoreIsNamedAndMovedAsideAtTheFirstSave() {
        test::TempFolder temp;
        const std::string folder = test::MakeProgramFolder(temp, test::SmallWindowSet());
        const std::string broken = "\xEF\xBB\xBF" "0,5\tx\r\n";
        temp.Write("Out/Pheromones.txt", broken);
        test::RecordedBoxes recorded;
        auto program = DesktopProgram::Load(folder, recorded.sink);
        QVERIFY(program);
        QCOMPARE(recorded.sink.messages.size(), std::size_t{1});
        const std::string text = recorded.sink.messages[0].text;
        QVERIFY2(Contains(text, std::string(msg::kPheroLoadText) + "\r\n" + folder +
                                    "/Out/Pheromones.txt, line 1, field 1: \"0,5\""),
                 text.c_str());
        const std::string aside = program->workspace().unreadableStore.aside;
        QVERIFY2(Contains(text, aside) && Contains(aside, "/Out/Pheromones.unreadable-"),
                 text.c_str());
        QCOMPARE(temp.Read("Out/Pheromones.txt"), broken);  // nothing moves before a save

        program->Show(false);
        test::RunLayouts(program->window(), 10);
        QCOMPARE(temp.Read("Out/" + std::filesystem::path(aside).filename().string()), broken);
        QVERIFY(temp.Read("Out/Pheromones.txt") != broken);
        QCOMPARE(recorded.sink.messages.size(), std::size_t{1});
    }

    void outFolderIsCheckedAndClearedAtStart() {
        test::TempFolder temp;
        const std::string folder = test::MakeProgramFolder(temp, test::SmallWindowSet());
        const std::string stale = "Out/Pheromones.txt.tmp" + std::to_string(test::EndedPid());
        temp.Write(stale, "half a store");
        test::RecordedBoxes recorded;
        auto program = DesktopProgram::Load(folder, recorded.sink);
        QVERIFY(program);
        QVERIFY(!std::filesystem::exists(temp.path() + "/" + stale));
        QVERIFY(program->outFolderError().empty());

        std::filesystem::remove_all(temp.path() + "/Out");
        temp.Write("Out", "a file");
        program = DesktopProgram::Load(folder, recorded.sink);
        QVERIFY(program);
        program->ReportOutFolder(recorded.sink);
        QCOMPARE(recorded.sink.messages.size(), std::size_t{1});
        QVERIFY(Contains(recorded.sink.messages[0].text, msg::kOutFolderText));
        QVERIFY(Contains(recorded.sink.messages[0].text, folder + "/Out"));
    }

    // The window system may destroy the window without asking (a window manager crash).
    void lostNativeWindowIsACloseRequest() {
        QSignalSpy ended(&window(), &MainWindow::programEnded);
        test::RunLayouts(window(), -1, [&](int layout) {
            if (layout == 40) window().windowHandle()->destroy();
        });
        QVERIFY(engine().exitRequested());
        QVERIFY(engine().iterN() >= 40);
        QVERIFY(test::OutHolds(p_->folder, "Pheromones.txt"));
        QCOMPARE(ended.count(), 1);
    }

    void lostNativeWindowAtRestEndsTheProgram() {
        QSignalSpy ended(&window(), &MainWindow::programEnded);
        window().windowHandle()->destroy();
        QTRY_COMPARE(ended.count(), 1);
        QVERIFY(test::OutIsEmpty(p_->folder));
    }
};

QTEST_MAIN(TestSaveSafety)
#include "test_save_safety.moc"
