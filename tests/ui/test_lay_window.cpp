// The layout window: characters on the keys of the picture, the refresh interval, and the
// context menu, whose entries (the save dialog answered by the test) write their files from the
// window's layout or explain it beside the reference.
#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QObject>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "data/loaders.hpp"
#include "eval/workspace.hpp"
#include "support/keyboards.hpp"
#include "support/pixels.hpp"
#include "support/temp_folder.hpp"
#include "support/text.hpp"
#include "ui/explain_dialog.hpp"
#include "ui/file_dialog.hpp"
#include "ui/lay_window.hpp"
#include "ui/message_box.hpp"

using namespace antkeys;
using namespace antkeys::test;

namespace {

constexpr int kPitch = 30;
const QRect kPicture(0, 0, 451, 151);

// Test keyboard: key index -> (hand, column, row).
KeyTables Keys() {
    return MakeKeys({
        {"Q", 0, 1, 5, 2},   // 1: screen column 1, row 2
        {"J", 1, 1, 2, 3},   // 2: screen column 7, row 3
        {"1", 0, 1, 5, 1},   // 3: screen column 1, row 1
        {"F1", 0, 1, 4, 0},  // 4: row 0, not on the picture
        {"SP", 1, 1, 1, 5},  // 5: row 5, not on the picture
        {"M", 1, 1, 3, 4},   // 6: screen column 8, row 4
    });
}

// The key of the picture at screen column c of keyboard row `row` (1..4).
QRect KeyCell(int c, int row) {
    const int r = row - 1;
    return {r * kPitch / 2 + c * kPitch, r * kPitch, kPitch, kPitch};
}

int DarkRed(const QImage& image, QRect area) {
    return CountNear(image, area, QColor(150, 20, 20), 40);
}

int Violet(const QImage& image, QRect area) {
    return CountNear(image, area, QColor::fromRgb(LayWindow::kDeadKeyColour), 40);
}

}  // namespace

class TestLayWindow : public QObject {
    Q_OBJECT

  private:
    Workspace ws_;  // the small window set, without trigrams
    RecordingSink messages_;

    // The event numbers (1-based) at which the window redrew, over `events` events whose
    // n-th carries the grade n / 100.
    static QList<int> Redraws(LayWindow& w, const QString& interval, int events) {
        w.txtRefrInterval()->setText(interval);
        const KeyTables keys = Keys();
        QList<int> at;
        for (int n = 1; n <= events; ++n) {
            w.txtRGrade()->clear();
            w.fMain_OnRndKeyGen(Layout{}, static_cast<float>(n) / 100.0f, keys);
            if (!w.txtRGrade()->text().isEmpty()) at.push_back(n);
        }
        return at;
    }

  private slots:
    void initTestCase() {
        ws_.paths.folder = SmallWindowSet();
        RecordingSink sink;
        QVERIFY(LoadWorkspace(ws_, sink));
        MessageBox::SetTestSink(&messages_);
    }
    void cleanupTestCase() {
        MessageBox::SetTestSink(nullptr);
        FileDialog::SetTestAnswer({});
    }

    void drawsEachCharacterOnItsKeyOnly() {
        LayWindow w;
        const KeyTables keys = Keys();
        const QImage bare = Grab(w);
        // The picture is there: the case between the keys is dark, a key top is light.
        QVERIFY(qGray(bare.pixel(0, 0)) < 100 && qGray(bare.pixel(15, 15)) > 200);
        QCOMPARE(DarkRed(bare, kPicture), 0);

        // Codes below 33 and keys the picture has no place for leave the bare picture.
        Layout skipped{};
        skipped[' '] = 1;
        skipped[10] = 2;
        skipped['B'] = 4;  // row 0
        skipped['C'] = 5;  // row 5
        skipped['D'] = 7;  // beyond the key tables
        w.DrawLay(skipped, keys);
        QCOMPARE(Grab(w), bare);

        Layout lay{};
        lay['A'] = 1;
        lay['W'] = 2;
        lay['5'] = 3;
        lay[192] = 6;  // a Georgian letter
        w.DrawLay(lay, keys);
        const QImage image = Grab(w);
        int inCells = 0;
        for (const QRect& cell : {KeyCell(1, 2), KeyCell(7, 3), KeyCell(1, 1), KeyCell(8, 4)}) {
            const int n = DarkRed(image, cell);
            QVERIFY2(n >= 5, qPrintable(QStringLiteral("too few dark red pixels: %1").arg(n)));
            inCells += n;
        }
        QCOMPARE(DarkRed(image, kPicture), inCells);  // nothing outside those keys

        // A redraw at a layout event clears the last drawing and shows the grade in percent.
        Layout second{};
        second['B'] = 2;
        w.txtRefrInterval()->setText(QStringLiteral("1"));
        w.fMain_OnRndKeyGen(second, 0.1234f, keys);
        QCOMPARE(w.txtRGrade()->text(), QStringLiteral("12.34%"));
        QCOMPARE(DarkRed(Grab(w), KeyCell(1, 2)), 0);
        QVERIFY(DarkRed(Grab(w), KeyCell(7, 3)) >= 5);
    }

    // A dead key of the folder's map: in violet in a dashed outline, a letter as ever.
    void drawsADeadKeyApart() {
        Workspace el;
        el.paths.folder = BundledSet("el");
        RecordingSink sink;
        QVERIFY(LoadWorkspace(el, sink));
        QVERIFY(el.chars.IsDeadKey(180));
        LayWindow w;
        w.SetWorkspace(&el);
        Layout lay{};
        lay[180] = 1;  // the tonos
        lay[225] = 2;  // α
        w.DrawLay(lay, Keys());
        const QImage image = Grab(w);
        QVERIFY(Violet(image, KeyCell(1, 2)) >= 20);  // the outline and the accent
        QCOMPARE(DarkRed(image, KeyCell(1, 2)), 0);
        QCOMPARE(Violet(image, KeyCell(7, 3)), 0);
        QVERIFY(DarkRed(image, KeyCell(7, 3)) >= 5);
    }

    void redrawsAtEveryNthEvent_data() {
        QTest::addColumn<QString>("interval");
        QTest::addColumn<int>("events");
        QTest::addColumn<QList<int>>("redraws");
        QTest::addColumn<int>("countLeft");
        QTest::newRow("3x") << "3x" << 5 << QList<int>{} << 0;
        QTest::newRow("2.5") << "2.5" << 9 << QList<int>{3, 6, 9} << 0;
        QTest::newRow("0") << "0" << 3 << QList<int>{1, 2, 3} << 0;
        // The counter is 16-bit: a longer interval counts as its largest value.
        QTest::newRow("100000") << "100000" << 32768 << QList<int>{32767} << 1;
    }
    void redrawsAtEveryNthEvent() {
        QFETCH(QString, interval);
        QFETCH(int, events);
        QFETCH(QList<int>, redraws);
        QFETCH(int, countLeft);
        LayWindow w;
        QCOMPARE(Redraws(w, interval, events), redraws);
        QCOMPARE(w.refrCount(), Integer(countLeft));
        // The keyboard drawn stays the window's own after the caller's tables are gone.
        QCOMPARE(w.hasLayout(), !redraws.isEmpty());
        if (w.hasLayout()) QVERIFY(w.keyTables()->codes == Keys().codes);
    }

    // Without a layout every entry is disabled; otherwise each entry writes its file. A file
    // that cannot be written and characters an export leaves out are reported, a cancelled
    // dialog writes nothing and says nothing, and a picture named .png is written as PNG.
    void everyEntryWritesItsFileOrSaysWhyNot() {
        LayWindow w;
        for (QAction* a : w.ContextMenu()->actions()) QVERIFY(!a->isEnabled());
        w.setWindowTitle(QStringLiteral("Best KB Layout"));
        w.SetWorkspace(&ws_);
        w.DrawLay(ws_.refKeyLay, ws_.keys);
        w.txtRGrade()->setText(QStringLiteral("12.34%"));
        TempFolder dir;
        // Each dialog is answered with a file named after its caption.
        FileDialog::SetTestAnswer([&](const QString& caption) {
            static const QMap<QString, QString> files{
                {"Save layout as", "saved.txt"},
                {"Export for Linux (XKB)", "antka"},
                {"Export for Windows (KLC)", "antka.klc"},
                {"Export for macOS (keylayout)", "antka.keylayout"},
                {"Export for the keyboard-layout-editor (JSON)", "antka.json"},
                {"Save picture (SVG/PNG)", "antka.svg"},
            };
            return QString::fromStdString(dir.path() + "/") + files.value(caption, "unexpected");
        });

        QMenu* menu = w.ContextMenu();
        QStringList texts;
        for (QAction* a : menu->actions()) texts << a->text();
        QCOMPARE(texts,
                 QStringList({"Save layout as...", "Export for Linux (XKB)...",
                              "Export for Windows (KLC)...", "Export for macOS (keylayout)...",
                              "Export for the keyboard-layout-editor (JSON)...",
                              "Save picture (SVG/PNG)...", "Explain this layout..."}));
        for (QAction* a : menu->actions()) a->trigger();
        QVERIFY(messages_.messages.empty());

        // The saved layout reads back as the drawn one.
        Layout back{};
        RecordingSink sink;
        QVERIFY(LoadKeyLay(dir.path() + "/saved.txt", ws_.keys, back, sink));
        QVERIFY(back == ws_.refKeyLay);
        QVERIFY(dir.Read("saved.txt").starts_with("12.34%\r\n"));
        QVERIFY(Contains(dir.Read("antka"), "xkb_symbols \"basic\""));
        QVERIFY(dir.Read("antka.klc").starts_with("\xFF\xFE"));
        QVERIFY(Contains(dir.Read("antka.keylayout"), "<keyboard group=\"126\""));
        QVERIFY(dir.Read("antka.json").starts_with("[\n{\"name\":\"antka\""));
        QVERIFY(Contains(dir.Read("antka.svg"), "Best KB Layout"));

        Layout lay = ws_.refKeyLay;
        lay[7] = lay[ws_.letters.letSet[1]];  // a control character on a letter's key
        w.DrawLay(lay, ws_.keys);
        FileDialog::SetTestAnswer([&](const QString& caption) {
            const QString folder = QString::fromStdString(dir.path() + "/");
            if (caption == QLatin1String("Save layout as")) return folder + "no/such/saved.txt";
            if (caption == QLatin1String("Export for Linux (XKB)")) return folder + "antka";
            if (caption == QLatin1String("Save picture (SVG/PNG)")) return folder + "antka.png";
            return QString();
        });
        for (QAction* a : menu->actions()) a->trigger();
        QCOMPARE(messages_.messages.size(), std::size_t{2});
        QVERIFY(messages_.messages[0].text.find("cannot write") != std::string::npos);
        QVERIFY(messages_.messages[1].text.rfind("The file was written without:", 0) == 0);
        QVERIFY(dir.Read("antka.png").starts_with("\x89PNG"));
        messages_.messages.clear();
    }

    // "Explain this layout..." shows the figures of the drawn layout beside the reference's:
    // two letters that trade keys change some figure. A broken trigram file is reported and
    // nothing opens.
    void explainShowsTheDrawnLayoutBesideTheReference() {
        LayWindow w;
        w.SetWorkspace(&ws_);
        Layout lay = ws_.refKeyLay;
        std::swap(lay[ws_.letters.letSet[1]], lay[ws_.letters.letSet[2]]);
        w.DrawLay(lay, ws_.keys);
        w.ContextMenu()->actions().back()->trigger();  // the last entry
        auto* dialog = w.findChild<ExplainDialog*>();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Explain this layout"));
        QTableWidget* figures = dialog->figures();
        QCOMPARE(figures->horizontalHeaderItem(0)->text(), QStringLiteral("Reference"));
        QCOMPARE(figures->verticalHeaderItem(0)->text(), QStringLiteral("same_finger"));
        bool differs = false;
        for (int row = 0; row < figures->rowCount(); ++row)
            differs = differs || figures->item(row, 0)->text() != figures->item(row, 1)->text();
        QVERIFY(differs);
        auto* worst = qobject_cast<QTableWidget*>(dialog->worst()->widget(0));
        QVERIFY(worst && worst->horizontalHeaderItem(0)->text() == QStringLiteral("same_finger"));
        QVERIFY(messages_.messages.empty());

        TempFolder dir;
        dir.Write("In/TriGraphs.txt", "h\r\n97\t98\r\n");
        Workspace broken = ws_;
        broken.paths.folder = dir.path();
        QVERIFY(!ExplainDialog::Open(&w, broken, broken.refKeyLay));
        QCOMPARE(messages_.messages.size(), std::size_t{1});
        QCOMPARE(messages_.messages[0].title, std::string("Error Loading Trigraphs"));
        messages_.messages.clear();
    }
};

QTEST_MAIN(TestLayWindow)
#include "test_lay_window.moc"
