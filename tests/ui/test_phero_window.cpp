// The pheromone window: key labels, circles and marks on the keys, the letter list and the
// auto-refresh box.
#include <cmath>
#include <limits>

#include <QCheckBox>
#include <QComboBox>
#include <QObject>
#include <QTest>

#include "support/keyboards.hpp"
#include "support/pixels.hpp"
#include "ui/phero_window.hpp"
#include "ui/view_controls.hpp"

using namespace antkeys;
using namespace antkeys::test;

namespace {

const QRect kPicture(0, 0, 675, 226);

KeyTables Keys() {
    return MakeKeys({
        {"Q", 0, 1, 5, 2},   // 1
        {"R", 0, 1, 2, 2},   // 2
        {"J", 1, 1, 2, 3},   // 3
        {"P", 1, 1, 5, 2},   // 4
        {"", 1, 1, 4, 4},    // 5: a companion: no label, no mark
        {"F1", 0, 1, 2, 4},  // 6: longer than one character
        {"G", 0, 1, 1, 0},   // 7: row 0
        {"B", 0, 1, 1, 5},   // 8: row 5, not on the picture
        {"5", 0, 1, 1, 1},   // 9
    });
}

LetterTables Letters() {
    LetterTables letters;
    letters.letSet = {65, 192, 33};
    letters.letFixKey = {0, 0, 0};
    return letters;
}

PheroTable Phero() {
    PheroTable phero;
    phero.Resize(9, 2);
    phero.at(1, 0) = 0.5;    // blue, radius 23
    phero.at(2, 0) = 0.005;  // red dot
    phero.at(3, 0) = 0;      // x
    phero.at(4, 0) = 0.25;   // blue, radius 11
    phero.at(9, 0) = -1;     // x
    phero.at(1, 1) = 1.0;
    phero.at(1, 2) = 1.0;
    return phero;
}

bool IsBlue(QRgb p) {
    return p == qRgb(0, 0, 255);
}
bool IsReddish(QRgb p) {
    return qRed(p) > 180 && qGreen(p) < 100 && qBlue(p) < 100;
}
bool IsWhitish(QRgb p) {
    return qRed(p) > 215 && qGreen(p) > 215 && qBlue(p) > 215;
}

QPoint Pixel(ScreenPoint p) {
    return {static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))};
}

}  // namespace

class TestPheroWindow : public QObject {
    Q_OBJECT

  private:
    // The picture alone, without the controls below it.
    static QImage Picture(PheroWindow& w) { return Grab(w, kPicture); }

    static QPoint Centre(const PheroWindow& w, int k) {
        ScreenPoint at;
        if (!w.MarkCentre(k, at)) qFatal("key %d has no mark", k);
        return Pixel(at);
    }

    // The text cell of the "x" of key k.
    static QRect XCell(const PheroWindow& w, int k) {
        const QPoint c = Centre(w, k);
        const int dx = static_cast<int>(std::lround(0.15 * w.grid().keyW));
        return {c.x() - dx - 1, c.y() - dx - 1, 14, 22};
    }

    // A one-pixel circle of radius r around c: blue on its four compass points (to a pixel),
    // nothing blue well inside it.
    static void VerifyCircle(const QImage& image, QPoint c, int r) {
        for (const QPoint d : {QPoint(r, 0), QPoint(-r, 0), QPoint(0, r), QPoint(0, -r)})
            QVERIFY2(Count(image, Around(c + d, 1), IsBlue) > 0,
                     qPrintable(QStringLiteral("no blue at radius %1").arg(r)));
        QCOMPARE(Count(image, Around(c, r / 2), IsBlue), 0);
    }

  private slots:
    void labelsThenCirclesDotsAndCrosses() {
        PheroWindow w;
        w.Init(Keys(), Letters(), Phero());
        // At opening: white labels on the keys with a one-character code, no marks.
        const QImage labels = Grab(w);
        QCOMPARE(Count(labels, kPicture, IsBlue) + Count(labels, kPicture, IsReddish), 0);
        ScreenPoint at;
        for (int k : {1, 2, 3, 4, 9}) {
            QVERIFY(w.LabelPosition(k, at));
            QVERIFY2(Count(labels, QRect(Pixel(at) - QPoint(2, 0), QSize(18, 22)), IsWhitish) >= 3,
                     qPrintable(QStringLiteral("key %1 has no label").arg(k)));
        }
        for (int k : {0, 5, 6, 7, 8}) QVERIFY(!w.LabelPosition(k, at));
        // One entry per letter, in letter order; nothing chosen.
        QStringList items;
        for (int i = 0; i < w.cmbLetter()->count(); ++i) items << w.cmbLetter()->itemText(i);
        QCOMPARE(items, QStringList({QStringLiteral("65"), CodeText(192), QStringLiteral("33")}));
        QCOMPARE(w.cmbLetter()->currentIndex(), -1);
        // A folder's own map lists every letter it shows as itself, whatever its code.
        CharacterMap::Table table;
        table[65] = {U'\u0563', U'\u0533'};   // գ Գ
        table[192] = {U'\u0430', U'\u0410'};  // а А
        PheroWindow mapped;
        mapped.Init(Keys(), Letters(), Phero(), CharacterMap("In/Charset.txt", table));
        QCOMPARE(mapped.cmbLetter()->itemText(0), QStringLiteral("\u0563"));
        QCOMPARE(mapped.cmbLetter()->itemText(1), QStringLiteral("\u0430"));
        QCOMPARE(mapped.cmbLetter()->itemText(2), QStringLiteral("33"));

        w.cmbLetter()->setCurrentIndex(0);
        const QImage image = Grab(w);
        VerifyCircle(image, Centre(w, 1), 23);
        VerifyCircle(image, Centre(w, 4), 11);

        // The red one-pixel circle of 0.005 and the x of 0 and -1: no other red.
        const int dotPixels = Count(image, Around(Centre(w, 2), 2), IsReddish);
        QVERIFY(dotPixels >= 4);
        QVERIFY(!IsReddish(image.pixel(Centre(w, 2))));  // not filled
        const int x3 = Count(image, XCell(w, 3), IsReddish);
        const int x9 = Count(image, XCell(w, 9), IsReddish);
        QVERIFY(x3 >= 4 && x9 >= 4);
        QCOMPARE(Count(image, kPicture, IsReddish), dotPixels + x3 + x9);

        // Unsafe values are drawn without harm: NaN as an x, 1e9 as the largest circle.
        PheroWindow unsafe;
        PheroTable phero = Phero();
        phero.at(1, 2) = std::numeric_limits<double>::quiet_NaN();
        phero.at(4, 2) = 1e9;
        unsafe.Init(Keys(), Letters(), phero);
        unsafe.cmbLetter()->setCurrentIndex(2);
        QVERIFY(Count(Grab(unsafe), XCell(unsafe, 1), IsReddish) >= 4);
        QCOMPARE(unsafe.CircleRadius(1e9), 32767);
    }

    void autoRefreshFollowsUpdatesOnlyWhenTickedAndShowPhero() {
        PheroWindow w;
        w.Init(Keys(), Letters(), Phero());
        w.cmbLetter()->setCurrentIndex(0);
        const QImage before = Picture(w);
        PheroTable updated = Phero();
        updated.at(1, 0) = 1.0;  // radius 45

        // Ticking the box alone changes nothing; the next update is drawn (which table a ticked
        // or unticked window keeps through a run is tested with the run control).
        w.chkAutoRefresh()->setChecked(true);
        QCOMPARE(Picture(w), before);
        w.mfMain_OnPheroModif(updated);
        const QImage after = Grab(w);
        VerifyCircle(after, Centre(w, 1), 45);
        QCOMPARE(Count(after, Around(Centre(w, 1) + QPoint(23, 0), 1), IsBlue), 0);

        // ShowPhero draws a letter found by its character code, leaving the list as it is.
        PheroWindow none;
        none.Init(Keys(), Letters(), Phero());
        const QImage labelsOnly = Picture(none);
        none.ShowPhero(99);  // no such letter
        QCOMPARE(Picture(none), labelsOnly);
        none.ShowPhero(192);  // letter 1: all of it on key 1
        VerifyCircle(Grab(none), Centre(none, 1), 45);
        QCOMPARE(none.cmbLetter()->currentIndex(), -1);
    }
};

QTEST_MAIN(TestPheroWindow)
#include "test_phero_window.moc"
