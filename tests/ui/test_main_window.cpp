// The main window as it opens: every control's name, place, text, state and font, the ACO
// and graph check boxes, and the drop targets.
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
#include "ui/caption_fit.hpp"
#include "ui/criteria_panel_widget.hpp"
#include "ui/georgian_text.hpp"
#include "ui/progress_graph.hpp"
#include "ui_test_support.hpp"

using namespace antkeys;

class TestMainWindow : public QObject {
    Q_OBJECT

  private:
    test::TempFolder temp_;
    test::RecordedBoxes boxes_;
    std::unique_ptr<DesktopProgram> program_;

    MainWindow& window() { return program_->window(); }
    template <typename T>
    T* child(const char* name) {
        T* widget = window().findChild<T*>(QLatin1String(name));
        if (!widget) qFatal("no control %s", name);
        return widget;
    }
    QRect geometryInWindow(QWidget* widget) {
        return QRect(widget->mapTo(&window(), QPoint(0, 0)), widget->size());
    }

  private slots:
    void initTestCase() {
        program_ =
            DesktopProgram::Load(test::MakeProgramFolder(temp_, test::SmallSet()), boxes_.sink);
        QVERIFY(program_);
        QVERIFY(boxes_.sink.messages.empty());
        program_->Show(false);
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
    }
    void cleanupTestCase() { program_.reset(); }

    void windowItself() {
        QCOMPARE(window().objectName(), QStringLiteral("frmMain"));
        QCOMPARE(window().windowTitle(), QStringLiteral("A C O Algorithm (Version 2.3)"));
        QCOMPARE(window().size(), QSize(503, 326));
        QCOMPARE(window().minimumSize(), window().maximumSize());
        QVERIFY(!window().windowIcon().isNull());
    }

    void controlPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");  // twips / 15
        QTest::newRow("txtAnts") << "txtAnts" << QRect(188, 22, 35, 19);
        QTest::newRow("txtPheroSens") << "txtPheroSens" << QRect(188, 44, 35, 21);
        QTest::newRow("chkACO") << "chkACO" << QRect(108, 0, 113, 23);
        QTest::newRow("cmdRun") << "cmdRun" << QRect(292, 190, 81, 31);
        QTest::newRow("cmdStop") << "cmdStop" << QRect(420, 190, 77, 31);
        QTest::newRow("Picture1") << "Picture1" << QRect(242, 0, 261, 153);
        QTest::newRow("txtV1_3") << "txtV1_3" << QRect(68, 195, 33, 20);
        QTest::newRow("txtVMaxPerc_6") << "txtVMaxPerc_6" << QRect(184, 256, 47, 20);
        QTest::newRow("txtBestGrade") << "txtBestGrade" << QRect(184, 282, 87, 29);
        QTest::newRow("labIterN") << "labIterN" << QRect(4, 308, 133, 17);
        QTest::newRow("txtAvrgGrade") << "txtAvrgGrade" << QRect(432, 154, 69, 24);
    }
    void controlPlaces() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QWidget* widget = window().findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(geometryInWindow(widget), rect);
    }

    void designTimeState() {
        QCOMPARE(child<QLineEdit>("txtAnts")->text(), QStringLiteral("50"));
        QCOMPARE(child<QLineEdit>("txtPheroSens")->text(), QStringLiteral("0.8"));
        QCOMPARE(child<QLineEdit>("txtPheroModifK")->text(), QStringLiteral("0.1"));
        QCOMPARE(child<QLineEdit>("txtGrOffs")->text(), QStringLiteral("-0.9"));
        QCOMPARE(child<QLineEdit>("txtGrScale")->text(), QStringLiteral("1"));
        QVERIFY(child<QCheckBox>("chkACO")->isChecked());
        QVERIFY(!child<QCheckBox>("chkDrawGraph")->isChecked());
        QVERIFY(child<QPushButton>("cmdRun")->isEnabled());
        QVERIFY(!child<QPushButton>("cmdStop")->isEnabled());
        QCOMPARE(child<QPushButton>("cmdRun")->toolTip(), QStringLiteral("Run Iteration"));
        QCOMPARE(child<QLineEdit>("txtCurrGrade")->toolTip(),
                 QStringLiteral("Currnent Layout Grade"));
        for (const char* timer : {"Timer1", "Timer2"}) {
            QCOMPARE(child<QTimer>(timer)->interval(), 1000);
            QVERIFY(child<QTimer>(timer)->isActive());
        }
    }

    void panelStartsWithTheReferenceOnly() {
        for (int i = 1; i <= 6; ++i) {
            QVERIFY(!child<QLineEdit>(qPrintable(QStringLiteral("txtV0Perc_%1").arg(i)))
                         ->text()
                         .isEmpty());
            for (const char* column : {"txtV1_%1", "txtVPerc_%1", "txtVMaxPerc_%1"}) {
                auto* box = child<QLineEdit>(qPrintable(QString::fromLatin1(column).arg(i)));
                QVERIFY(box->text().isEmpty());
                QVERIFY(box->isReadOnly());
                QCOMPARE(box->palette().color(QPalette::Base), QColor(224, 224, 224));
            }
        }
        QVERIFY(!child<QLineEdit>("txtRefGrade")->text().isEmpty());
        QVERIFY(child<QLineEdit>("txtBestGrade")->text().isEmpty());
        QCOMPARE(child<QLabel>("labV_4")->text(), QStringLiteral("V4"));
        QCOMPARE(child<QLabel>("labV_10")->text(), QStringLiteral("dV4"));
    }

    void georgianCaptions() {
        if (GeorgianFamily() == QLatin1String("Geo_Arial")) QSKIP("the legacy face shows bytes");
        QCOMPARE(child<QPushButton>("cmdRun")->text(), QString::fromUtf8("დაწყება"));
        QCOMPARE(child<QLabel>("labIterN")->text(), QString::fromUtf8("იტერაციის #:"));
        QCOMPARE(child<QCheckBox>("chkACO")->text(), QString::fromUtf8("ACO ალგორითმი"));
        // Every caption's face has the Georgian letters, so none shows as boxes.
        for (const char* name : {"labAnts", "labSens", "Label3", "Label6", "labIterN"}) {
            const QFontMetrics metrics(child<QLabel>(name)->font());
            for (QChar c : child<QLabel>(name)->text())
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

    void acoBoxHidesTheColonyParameters() {
        auto* aco = child<QCheckBox>("chkACO");
        const QStringList hidden{"labAnts", "txtAnts", "labSens", "txtPheroSens"};
        const QStringList stay{"Label3", "txtPheroModifK"};
        child<QLineEdit>("txtAnts")->setText(QStringLiteral("7"));
        aco->click();
        for (const QString& name : hidden)
            QVERIFY(!window().findChild<QWidget*>(name)->isVisible());
        for (const QString& name : stay) QVERIFY(window().findChild<QWidget*>(name)->isVisible());
        QVERIFY(!program_->engine().running());
        aco->click();
        for (const QString& name : hidden + stay)
            QVERIFY(window().findChild<QWidget*>(name)->isVisible());
        QCOMPARE(child<QLineEdit>("txtAnts")->text(), QStringLiteral("7"));
        child<QLineEdit>("txtAnts")->setText(QStringLiteral("50"));
    }

    void graphBoxShowsItsSixControls() {
        const QStringList six{"txtAvrgGrade", "labAvrgGrade", "labGrOff",
                              "labGrScale",   "txtGrScale",   "txtGrOffs"};
        for (const QString& name : six) QVERIFY(!window().findChild<QWidget*>(name)->isVisible());
        child<QCheckBox>("chkDrawGraph")->click();
        for (const QString& name : six) QVERIFY(window().findChild<QWidget*>(name)->isVisible());
        QVERIFY(child<QWidget>("Picture1")->isVisible());
        child<QCheckBox>("chkDrawGraph")->click();
        for (const QString& name : six) QVERIFY(!window().findChild<QWidget*>(name)->isVisible());
        QVERIFY(child<QWidget>("Picture1")->isVisible());
    }

    void dropsOnlyOnTheClientAreaAndTheGraph() {
        QSignalSpy dropped(&window(), &MainWindow::layoutFilesDropped);
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt")),
                      QUrl::fromLocalFile(QStringLiteral("/tmp/b.txt"))});
        const auto drop = [&](QWidget* target, QPoint at) {
            QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &enter);
            QDropEvent event(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &event);
            return enter.isAccepted();
        };
        // Bare client area below the parameters, and the bare part of the panel.
        QVERIFY(drop(&window(), QPoint(20, 110)));
        QVERIFY(drop(&window(), QPoint(240, 320)));
        QVERIFY(drop(child<QWidget>("Picture1"), QPoint(50, 50)));
        QCOMPARE(dropped.count(), 3);
        QCOMPARE(dropped.at(0).at(0).toStringList(),
                 QStringList({QStringLiteral("/tmp/a.txt"), QStringLiteral("/tmp/b.txt")}));
        // On a text box or a button (as the window sees them) nothing is taken.
        const QPoint onAnts = child<QWidget>("txtAnts")->geometry().center();
        const QPoint onRun = child<QWidget>("cmdRun")->geometry().center();
        QVERIFY(!drop(&window(), onAnts));
        QVERIFY(!drop(&window(), onRun));
        QVERIFY(!child<QLineEdit>("txtAnts")->acceptDrops());
        QCOMPARE(dropped.count(), 3);
    }

    void noCandidateShowsTheFixedBox() {
        boxes_.sink.messages.clear();
        window().host().OnNoCandidate(3);
        QCOMPARE(boxes_.sink.messages.size(), std::size_t{1});
        QCOMPARE(boxes_.sink.messages[0].title, std::string(msg::kGenRndKeyTitle));
        QCOMPARE(boxes_.sink.messages[0].text, std::string(msg::kGenRndKeyText));
    }

    void showButtonsAskTheViews() {
        QSignalSpy best(&window(), &MainWindow::showBestLayRequested);
        QSignalSpy phero(&window(), &MainWindow::showPheroRequested);
        child<QPushButton>("cmdShowBestLay")->click();
        child<QPushButton>("cmdShowPhero")->click();
        QCOMPARE(best.count(), 1);
        QCOMPARE(phero.count(), 1);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
