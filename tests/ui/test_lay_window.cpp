// The layout window: characters on the keys of the picture, and the refresh interval.
#include <QLineEdit>
#include <QObject>
#include <QTest>

#include "ui/lay_window.hpp"
#include "ui/view_geometry.hpp"
#include "view_test_support.hpp"

using namespace antkeys;
using namespace antkeys::test;

namespace {

const QColor kDarkRed(150, 20, 20);
constexpr int kTolerance = 40;
constexpr int kPitch = 30;

// Test keyboard: key index -> (hand, column, row).
KeyTables Keys() {
    return MakeKeys({
        {"Q", 0, 5, 2},   // 1: screen column 1, row 2
        {"J", 1, 2, 3},   // 2: screen column 7, row 3
        {"1", 0, 5, 1},   // 3: screen column 1, row 1
        {"F1", 0, 4, 0},  // 4: row 0, not on the picture
        {"SP", 1, 1, 5},  // 5: row 5, not on the picture
        {"M", 1, 3, 4},   // 6: screen column 8, row 4
    });
}

// The key of the picture at screen column c of keyboard row `row` (1..4).
QRect KeyCell(int c, int row) {
    const int r = row - 1;
    return {r * kPitch / 2 + c * kPitch, r * kPitch, kPitch, kPitch};
}

QImage Grab(LayWindow& w) {
    return w.grab().toImage();
}

int DarkRed(const QImage& image, QRect area) {
    return CountNear(image, area, kDarkRed, kTolerance);
}

const QRect kPicture(0, 0, 451, 151);

}  // namespace

// Stands in for the main window's OnRndKeyGen.
class FakeMain : public QObject {
    Q_OBJECT
  signals:
    void OnRndKeyGen(const antkeys::Layout& lay, float grade, const antkeys::KeyTables& keys);
};

class TestLayWindow : public QObject {
    Q_OBJECT

  private:
    // The event numbers (1-based) at which the window redrew, over `events` events whose
    // n-th carries the grade n / 100.
    static std::vector<int> Redraws(LayWindow& w, const QString& interval, int events) {
        w.txtRefrInterval()->setText(interval);
        FakeMain fMain;
        QObject::connect(&fMain, &FakeMain::OnRndKeyGen, &w, &LayWindow::fMain_OnRndKeyGen);
        Layout lay{};
        const KeyTables keys = Keys();
        std::vector<int> at;
        for (int n = 1; n <= events; ++n) {
            w.txtRGrade()->clear();
            emit fMain.OnRndKeyGen(lay, static_cast<float>(n) / 100.0f, keys);
            if (!w.txtRGrade()->text().isEmpty()) at.push_back(n);
        }
        return at;
    }

  private slots:
    void geometryInPixels() {
        const KeyGrid g = LayWindowGrid();
        QCOMPARE(g.keyW, 0.94 * 32);  // 480 twips = 32 px
        QCOMPARE(g.topShift, -0.3 * g.keyH);
        QVERIFY(qFuzzyCompare(g.rowShift[3], -3.008 + 3 * 15.04));
        QCOMPARE(KeyCol2ScrCol(0, 1), 5);
        QCOMPARE(KeyCol2ScrCol(0, 6), 0);
        QCOMPARE(KeyCol2ScrCol(1, 1), 6);
        QCOMPARE(KeyCol2ScrCol(1, 6), 11);
    }

    void opensWithTheBarePictureAndDesignTexts() {
        LayWindow w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Keyoboard Layout"));
        QCOMPARE(w.size(), QSize(450, 183));
        QVERIFY(w.txtRefrInterval()->text().isEmpty());
        QCOMPARE(w.refrCount(), Integer{0});
        const QImage image = Grab(w);
        QCOMPARE(DarkRed(image, kPicture), 0);
        // The picture is there: the case between the keys is dark, a key top is light.
        QVERIFY(qGray(image.pixel(0, 0)) < 100);
        QVERIFY(qGray(image.pixel(15, 15)) > 200);
    }

    void drawsEachCharacterInDarkRedOnItsKey() {
        LayWindow w;
        const KeyTables keys = Keys();
        Layout lay{};
        lay['A'] = 1;
        lay['W'] = 2;
        lay['5'] = 3;
        lay[192] = 6;  // a Georgian letter
        w.DrawLay(lay, keys);
        const QImage image = Grab(w);
        const QRect cells[] = {KeyCell(1, 2), KeyCell(7, 3), KeyCell(1, 1), KeyCell(8, 4)};
        int inCells = 0;
        for (const QRect& cell : cells) {
            const int n = DarkRed(image, cell);
            QVERIFY2(n >= 5, qPrintable(QStringLiteral("too few dark red pixels: %1").arg(n)));
            inCells += n;
        }
        // Nothing outside those keys.
        QCOMPARE(DarkRed(image, kPicture), inCells);
        // The characters sit inside their keys, not on the key edges.
        ScreenPoint at;
        QVERIFY(w.CharPosition(keys, 1, at));
        QVERIFY(KeyCell(1, 2).contains(QPoint(static_cast<int>(at.x), static_cast<int>(at.y))));
    }

    void skipsControlCodesAndKeysOffThePicture() {
        LayWindow w;
        const QImage bare = Grab(w);
        const KeyTables keys = Keys();
        Layout lay{};
        lay[' '] = 1;  // 32: never drawn
        lay[10] = 2;
        lay['B'] = 4;  // row 0
        lay['C'] = 5;  // row 5
        lay['D'] = 7;  // beyond the key tables
        lay['E'] = 250;
        w.DrawLay(lay, keys);
        QCOMPARE(Grab(w), bare);
        // An empty layout and empty key tables leave the bare picture too.
        w.DrawLay(Layout{}, keys);
        w.DrawLay(lay, KeyTables{});
        QCOMPARE(Grab(w), bare);
    }

    void redrawingClearsTheLastDrawing() {
        LayWindow w;
        const KeyTables keys = Keys();
        Layout first{};
        first['A'] = 1;
        w.DrawLay(first, keys);
        Layout second{};
        second['B'] = 2;
        w.DrawLay(second, keys);
        const QImage image = Grab(w);
        QCOMPARE(DarkRed(image, KeyCell(1, 2)), 0);
        QVERIFY(DarkRed(image, KeyCell(7, 3)) >= 5);
    }

    void ignoresEventsWithoutANumber() {
        for (const QString& text : {QString(), QStringLiteral("abc"), QStringLiteral("3x")}) {
            LayWindow w;
            QVERIFY(Redraws(w, text, 5).empty());
            QCOMPARE(w.refrCount(), Integer{0});
        }
        // A counter left standing is not touched while the box holds no number.
        LayWindow w;
        QCOMPARE(Redraws(w, QStringLiteral("10"), 4).size(), std::size_t{0});
        QCOMPARE(w.refrCount(), Integer{4});
        QVERIFY(Redraws(w, QString(), 3).empty());
        QCOMPARE(w.refrCount(), Integer{4});
    }

    void redrawsAtEveryNthEvent() {
        LayWindow w3;
        QCOMPARE(Redraws(w3, QStringLiteral("3"), 9), (std::vector<int>{3, 6, 9}));
        LayWindow wFraction;
        QCOMPARE(Redraws(wFraction, QStringLiteral("2.5"), 9), (std::vector<int>{3, 6, 9}));
        for (const char* every : {"1", "0", "-4"}) {
            LayWindow w;
            QCOMPARE(Redraws(w, QString::fromLatin1(every), 3), (std::vector<int>{1, 2, 3}));
        }
    }

    void aRedrawShowsTheAntsLayoutAndPercentGrade() {
        LayWindow w;
        w.txtRefrInterval()->setText(QStringLiteral("1"));
        const KeyTables keys = Keys();
        Layout lay{};
        lay['A'] = 1;
        w.fMain_OnRndKeyGen(lay, 0.1234f, keys);
        QCOMPARE(w.txtRGrade()->text(), QStringLiteral("12.34%"));
        QVERIFY(DarkRed(Grab(w), KeyCell(1, 2)) >= 5);
    }

    void anIntervalBeyondTheCounterRedrawsAtItsLimit() {
        LayWindow w;
        const std::vector<int> at = Redraws(w, QStringLiteral("100000"), 32768);
        QCOMPARE(at, (std::vector<int>{32767}));
        QCOMPARE(w.refrCount(), Integer{1});
    }

    void twoBestLayoutWindowsCountOnTheirOwn() {
        LayWindow first;
        LayWindow second;
        first.txtRefrInterval()->setText(QStringLiteral("2"));
        second.txtRefrInterval()->setText(QStringLiteral("3"));
        FakeMain fMain;
        connect(&fMain, &FakeMain::OnRndKeyGen, &first, &LayWindow::fMain_OnRndKeyGen);
        const KeyTables keys = Keys();
        const Layout lay{};
        emit fMain.OnRndKeyGen(lay, 0.5f, keys);
        // The second window opens after one event: its count starts then.
        connect(&fMain, &FakeMain::OnRndKeyGen, &second, &LayWindow::fMain_OnRndKeyGen);
        emit fMain.OnRndKeyGen(lay, 0.5f, keys);
        QCOMPARE(first.refrCount(), Integer{0});
        QCOMPARE(second.refrCount(), Integer{1});
        QCOMPARE(first.txtRGrade()->text(), QStringLiteral("50.00%"));
        QVERIFY(second.txtRGrade()->text().isEmpty());
        emit fMain.OnRndKeyGen(lay, 0.25f, keys);
        emit fMain.OnRndKeyGen(lay, 0.25f, keys);
        QCOMPARE(second.txtRGrade()->text(), QStringLiteral("25.00%"));
        QCOMPARE(second.refrCount(), Integer{0});
        QCOMPARE(first.refrCount(), Integer{0});
    }
};

QTEST_MAIN(TestLayWindow)
#include "test_lay_window.moc"
