// The layout window: characters on the keys of the picture, and the refresh interval.
#include <QLineEdit>
#include <QObject>
#include <QTest>

#include "ui/lay_window.hpp"
#include "support/keyboards.hpp"
#include "support/pixels.hpp"

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

}  // namespace

class TestLayWindow : public QObject {
    Q_OBJECT

  private:
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
        skipped['E'] = 250;
        w.DrawLay(skipped, keys);
        QCOMPARE(Grab(w), bare);
        w.DrawLay(skipped, KeyTables{});
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

        // A redraw clears the last drawing.
        Layout second{};
        second['B'] = 2;
        w.DrawLay(second, keys);
        QCOMPARE(DarkRed(Grab(w), KeyCell(1, 2)), 0);
        QVERIFY(DarkRed(Grab(w), KeyCell(7, 3)) >= 5);
    }

    void redrawsAtEveryNthEvent_data() {
        QTest::addColumn<QString>("interval");
        QTest::addColumn<int>("events");
        QTest::addColumn<QList<int>>("redraws");
        QTest::addColumn<int>("countLeft");
        QTest::newRow("empty") << QString() << 5 << QList<int>{} << 0;
        QTest::newRow("3x") << "3x" << 5 << QList<int>{} << 0;
        QTest::newRow("3") << "3" << 10 << QList<int>{3, 6, 9} << 1;
        QTest::newRow("2.5") << "2.5" << 9 << QList<int>{3, 6, 9} << 0;
        QTest::newRow("0") << "0" << 3 << QList<int>{1, 2, 3} << 0;
        QTest::newRow("-4") << "-4" << 3 << QList<int>{1, 2, 3} << 0;
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
    }

    void aRedrawShowsTheAntsLayoutAndPercentGrade() {
        LayWindow w;
        w.txtRefrInterval()->setText(QStringLiteral("1"));
        Layout lay{};
        lay['A'] = 1;
        w.fMain_OnRndKeyGen(lay, 0.1234f, Keys());
        QCOMPARE(w.txtRGrade()->text(), QStringLiteral("12.34%"));
        QVERIFY(DarkRed(Grab(w), KeyCell(1, 2)) >= 5);
    }
};

QTEST_MAIN(TestLayWindow)
#include "test_lay_window.moc"
