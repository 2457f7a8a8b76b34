// The main window as it opens: the controls' texts, captions that fit, the ACO and
// graph check boxes, and the drop targets.
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
#include "ui/georgian_text.hpp"
#include "ui_test_support.hpp"

using namespace antkeys;

class TestMainWindow : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<test::LoadedProgram> p_;

    MainWindow& window() { return p_->window(); }
    QWidget* widget(const QString& name) { return p_->child<QWidget>(name); }
    bool allVisible(const QStringList& names, bool visible) {
        for (const QString& name : names)
            if (widget(name)->isVisible() != visible) return false;
        return true;
    }

  private slots:
    void initTestCase() {
        p_ = std::make_unique<test::LoadedProgram>();
        QVERIFY(p_->program);
        QVERIFY(p_->boxes.sink.messages.empty());
        p_->program->Show(false);
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
    }
    void cleanupTestCase() { p_.reset(); }

    // The texts and states at opening.
    void controlsAsTheyOpen() {
        QCOMPARE(window().windowTitle(), QStringLiteral("A C O Algorithm (Version 2.3)"));
        QVERIFY(!window().windowIcon().isNull());
        const std::pair<const char*, const char*> texts[] = {
            {"txtAnts", "50"},  {"txtPheroSens", "0.8"}, {"txtPheroModifK", "0.1"},
            {"txtGrOffs", "-0.9"}, {"txtGrScale", "1"},  {"labV_4", "V4"}, {"labV_10", "dV4"}};
        for (const auto& [name, text] : texts)
            QVERIFY2(widget(QLatin1String(name))->property("text").toString() == QLatin1String(text), name);
        QVERIFY(p_->child<QCheckBox>("chkACO")->isChecked());
        QVERIFY(!p_->child<QCheckBox>("chkDrawGraph")->isChecked());
        QVERIFY(widget("cmdRun")->isEnabled() && !widget("cmdStop")->isEnabled());
        // Only the reference column and its grade are filled.
        for (int i = 1; i <= 6; ++i) {
            QVERIFY(!p_->child<QLineEdit>(QStringLiteral("txtV0Perc_%1").arg(i))->text().isEmpty());
            for (const char* column : {"txtV1_%1", "txtVPerc_%1", "txtVMaxPerc_%1"})
                QVERIFY(p_->child<QLineEdit>(QString::fromLatin1(column).arg(i))->text().isEmpty());
        }
        QVERIFY(!p_->child<QLineEdit>("txtRefGrade")->text().isEmpty());
    }

    void georgianCaptionsShowWhole() {
        if (GeorgianFamily() == QLatin1String("Geo_Arial")) QSKIP("the single-byte face shows bytes");
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

    void acoBoxHidesTheColonyParameters() {
        const QStringList hidden{"labAnts", "txtAnts", "labSens", "txtPheroSens"};
        const QStringList stay{"Label3", "txtPheroModifK"};
        p_->child<QLineEdit>("txtAnts")->setText(QStringLiteral("7"));
        p_->child<QCheckBox>("chkACO")->click();
        QVERIFY(allVisible(hidden, false) && allVisible(stay, true));
        QVERIFY(!p_->engine().running());
        p_->child<QCheckBox>("chkACO")->click();
        QVERIFY(allVisible(hidden + stay, true));
        QCOMPARE(p_->child<QLineEdit>("txtAnts")->text(), QStringLiteral("7"));
        p_->child<QLineEdit>("txtAnts")->setText(QStringLiteral("50"));
    }

    void graphBoxShowsItsSixControls() {
        const QStringList six{"txtAvrgGrade", "labAvrgGrade", "labGrOff",
                              "labGrScale",   "txtGrScale",   "txtGrOffs"};
        QVERIFY(allVisible(six, false));
        p_->child<QCheckBox>("chkDrawGraph")->click();
        QVERIFY(allVisible(six, true) && widget("Picture1")->isVisible());
        p_->child<QCheckBox>("chkDrawGraph")->click();
        QVERIFY(allVisible(six, false) && widget("Picture1")->isVisible());
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
        p_->boxes.sink.messages.clear();
        window().host().OnNoCandidate(3);
        QCOMPARE(p_->boxes.sink.messages.size(), std::size_t{1});
        QCOMPARE(p_->boxes.sink.messages[0].title, std::string(msg::kGenRndKeyTitle));
        QCOMPARE(p_->boxes.sink.messages[0].text, std::string(msg::kGenRndKeyText));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
