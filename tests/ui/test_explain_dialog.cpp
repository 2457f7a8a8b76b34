// "Explain this layout...": the figures of a layout beside the reference's, and the digraphs
// behind each penalty.
#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QObject>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "ui/explain_dialog.hpp"
#include "ui/lay_window.hpp"
#include "ui_test_support.hpp"

using namespace antkeys;
using namespace antkeys::test;

class TestExplainDialog : public QObject {
    Q_OBJECT

  private slots:
    void showsTheLayoutBesideTheReference() {
        LoadedProgram p;
        QVERIFY(p.program);
        Layout lay = p.ws().refKeyLay;
        // Two placed characters trade keys.
        int swapped = 0;
        Byte* firstOne = nullptr;
        for (Byte& k : lay)
            if (k != 0 && swapped < 2) {
                if (firstOne) std::swap(*firstOne, k);
                firstOne = &k;
                ++swapped;
            }
        ExplainDialog* dialog = ExplainDialog::Open(&p.window(), p.ws(), lay);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Explain this layout"));
        QTableWidget* figures = dialog->figures();
        QCOMPARE(figures->horizontalHeaderItem(0)->text(), QStringLiteral("Reference"));
        QCOMPARE(figures->verticalHeaderItem(0)->text(), QStringLiteral("same_finger"));
        // The swap shows: some figure of the layout differs from the reference's.
        bool differs = false;
        for (int row = 0; row < figures->rowCount(); ++row)
            differs = differs || figures->item(row, 0)->text() != figures->item(row, 1)->text();
        QVERIFY(differs);
        auto* worst = qobject_cast<QTableWidget*>(dialog->worst()->widget(0));
        QVERIFY(worst && worst->horizontalHeaderItem(0)->text() == QStringLiteral("same_finger"));
        QVERIFY(p.boxes.sink.messages.empty());
        dialog->close();
    }

    void theLayoutWindowsMenuOpensItOnTheDrawnLayout() {
        LoadedProgram p;
        QVERIFY(p.program);
        LayWindow w;
        w.SetWorkspace(&p.ws());
        w.DrawLay(p.ws().refKeyLay, p.ws().keys);
        QAction* entry = nullptr;
        for (QAction* a : w.ContextMenu()->actions())
            if (a->text() == QLatin1String(ExplainDialog::kMenuText)) entry = a;
        QVERIFY(entry && entry->isEnabled());
        entry->trigger();
        auto* dialog = w.findChild<ExplainDialog*>();
        QVERIFY(dialog);
        QCOMPARE(dialog->figures()->item(0, 0)->text(), dialog->figures()->item(0, 1)->text());
    }

    void aBrokenTrigramFileIsReportedAndNothingOpens() {
        LoadedProgram p;
        QVERIFY(p.program);
        p.temp.Write("In/TriGraphs.txt", "h\r\n97\t98\r\n");
        QVERIFY(!ExplainDialog::Open(&p.window(), p.ws(), p.ws().refKeyLay));
        QCOMPARE(p.boxes.sink.messages.size(), std::size_t{1});
        QCOMPARE(p.boxes.sink.messages[0].title, std::string("Error Loading Trigraphs"));
    }
};

QTEST_MAIN(TestExplainDialog)
#include "test_explain_dialog.moc"
