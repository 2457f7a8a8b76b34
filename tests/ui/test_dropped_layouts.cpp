// Dropped layout files: one graded window per file that reads, none during a run.
#include <QLineEdit>
#include <QObject>
#include <QTest>

#include "data/loaders.hpp"
#include "data/messages.hpp"
#include "eval/workspace.hpp"
#include "test_support.hpp"
#include "ui/dropped_layouts.hpp"
#include "ui/lay_window.hpp"

using namespace antkeys;
using antkeys::test::TempFolder;

namespace {

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

// A small keyboard of nine keys on rows 2 and 3 and the letters a..f.
void WriteInputSet(const TempFolder& folder) {
    folder.Write("In/KeyDefs.txt",
                 Lines({"Code\tHand\tFinger\tCol\tRow\tAlt", "Q\t0\t4\t4\t2\t0", "W\t0\t3\t3\t2\t0",
                        "E\t0\t2\t2\t2\t0", "R\t0\t1\t1\t2\t0", "U\t1\t1\t1\t2\t0",
                        "I\t1\t2\t2\t2\t0", "A\t0\t4\t4\t3\t0", "J\t1\t1\t1\t3\t0",
                        // finger 7: the analyzer cannot grade a layout using it
                        "X\t0\t7\t5\t3\t0"}));
    folder.Write("In/DiGraphs.txt",
                 Lines({"First\tSecond\tCount", "97\t98\t40", "98\t99\t25", "99\t100\t17",
                        "100\t101\t9", "101\t102\t30", "102\t97\t12", "97\t100\t5"}));
    folder.Write("In/Kdi.txt",
                 Lines({"Kdi\t1\t2\t3\t4\t5", "F1\t1\t2\t3\t4\t5", "F2\t2\t1\t2\t3\t4",
                        "F3\t3\t2\t1\t2\t3", "F4\t4\t3\t2\t1\t2", "F5\t5\t4\t3\t2\t1"}));
    folder.Write("In/Gj.txt", Lines({"Criterion\tWeight", "V1\t1", "V2\t1", "V3\t1", "V4\t1",
                                     "V5\t1", "V6\t1"}));
    folder.Write("In/BestLoad.txt",
                 Lines({"Label\tColW\tRowW", "C0\t0\t0", "C1\t4\t0", "C2\t3\t3", "C3\t2\t4",
                        "C4\t1\t0", "C5\t1\t0", "C6\t0", "C7\t0", "C8\t0"}));
    folder.Write("In/RefKeyLay.txt", Lines({"Code\tKey\tFixed", "97\tQ\t0", "98\tW\t0", "99\tE\t0",
                                            "100\tR\t0", "101\tU\t0", "102\tI\t0"}));
}

// A layout file placing a..f on the keys named, in order.
std::string LayoutFile(std::initializer_list<const char*> keysOfAtoF) {
    std::string text = "12.5\r\n";
    int code = 97;
    for (const char* key : keysOfAtoF) text += std::to_string(code++) + "\t" + key + "\r\n";
    return text;
}

}  // namespace

class TestDroppedLayouts : public QObject {
    Q_OBJECT

  private:
    TempFolder folder_;
    Workspace ws_;

    // The criteria the analyzer gives the layout in `path`.
    Criteria CriteriaOf(const std::string& path) {
        Layout lay{};
        RecordingSink sink;
        if (!LoadKeyLay(path, ws_.keys, lay, sink)) qFatal("cannot read %s", path.c_str());
        Criteria v{};
        ws_.analizer.CalcV1_6(lay, v);
        return v;
    }

    static void CloseAll(const std::vector<QPointer<LayWindow>>& windows) {
        for (const auto& w : windows) delete w.data();
    }

  private slots:
    void initTestCase() {
        WriteInputSet(folder_);
        ws_.paths.folder = folder_.path();
        RecordingSink sink;
        std::string why;
        QVERIFY2(LoadWorkspace(ws_, sink, &why), why.c_str());
        QVERIFY(sink.messages.empty());
    }

    void threeFilesOpenThreeGradedWindowsInOrder() {
        const std::string paths[] = {
            folder_.Write("drop/one.txt", LayoutFile({"Q", "W", "E", "R", "U", "I"})),
            folder_.Write("drop/two.txt", LayoutFile({"A", "J", "E", "R", "U", "I"})),
            folder_.Write("drop/three.txt", LayoutFile({"I", "U", "R", "E", "W", "Q"}))};
        QStringList dropped;
        for (const auto& p : paths) dropped << QString::fromStdString(p);
        RecordingSink sink;
        NoYield noYield;

        const auto windows = EvaluateDropped(dropped, false, ws_, sink, noYield, nullptr);

        QVERIFY(sink.messages.empty());
        QCOMPARE(windows.size(), std::size_t{3});
        for (std::size_t i = 0; i < 3; ++i) {
            QVERIFY(windows[i]);
            QCOMPARE(windows[i]->windowTitle(), "KB Layout (" + dropped[static_cast<int>(i)] + ")");
            QVERIFY(windows[i]->isVisible());
            QVERIFY(windows[i]->txtAGrade()->isVisible());
            QVERIFY(!windows[i]->txtAGrade()->text().isEmpty());
            QVERIFY(windows[i]->txtRGrade()->text().endsWith(QLatin1Char('%')));
        }
        // The panel ends on the third file, whose grades the third window shows.
        QCOMPARE(ws_.layV.last, CriteriaOf(paths[2]));
        QCOMPARE(windows[2]->txtAGrade()->text(),
                 QString::fromStdString(ws_.panel.currGrade.Text()));
        QCOMPARE(windows[2]->txtRGrade()->text(),
                 QString::fromStdString(ws_.panel.difGrade.Text()));
        // Each window keeps the grades of its own file.
        QVERIFY(windows[0]->txtAGrade()->text() != windows[1]->txtAGrade()->text() ||
                windows[0]->txtRGrade()->text() != windows[1]->txtRGrade()->text());
        CloseAll(windows);
    }

    void aDropDuringARunIsIgnored() {
        const QString path =
            QString::fromStdString(folder_.Write("drop/run.txt", LayoutFile({"Q", "W"})));
        const auto versionBefore = ws_.panel.version;
        RecordingSink sink;
        NoYield noYield;
        const auto windows = EvaluateDropped({path}, true, ws_, sink, noYield, nullptr);
        QVERIFY(windows.empty());
        QVERIFY(sink.messages.empty());
        QCOMPARE(ws_.panel.version, versionBefore);
    }

    void aFileThatDoesNotReadGetsNoWindow() {
        const QString good =
            QString::fromStdString(folder_.Write("drop/good.txt", LayoutFile({"A", "J"})));
        const QString bad =
            QString::fromStdString(folder_.Write("drop/bad.txt", "header\r\nnot a code\tQ\r\n"));
        const QString missing = QString::fromStdString(folder_.path() + "/drop/missing.txt");
        RecordingSink sink;
        NoYield noYield;
        const auto windows =
            EvaluateDropped({bad, good, missing}, false, ws_, sink, noYield, nullptr);
        QCOMPARE(windows.size(), std::size_t{1});
        QCOMPARE(windows[0]->windowTitle(), "KB Layout (" + good + ")");
        // The reader's own messages, one per file that did not read.
        QCOMPARE(sink.messages.size(), std::size_t{2});
        for (const Message& m : sink.messages) QCOMPARE(m.title, std::string(msg::kLayoutTitle));
        CloseAll(windows);
    }

    void aGradingFailureEndsTheDropWithAnErrorMessage() {
        const QString broken =
            QString::fromStdString(folder_.Write("drop/broken.txt", LayoutFile({"X", "W"})));
        const QString after =
            QString::fromStdString(folder_.Write("drop/after.txt", LayoutFile({"A", "J"})));
        RecordingSink sink;
        NoYield noYield;
        const auto windows = EvaluateDropped({broken, after}, false, ws_, sink, noYield, nullptr);
        // The window of the file that failed stays open, without grades; the drop ends there.
        QCOMPARE(windows.size(), std::size_t{1});
        QVERIFY(windows[0]->txtAGrade()->text().isEmpty());
        QCOMPARE(sink.messages.size(), std::size_t{1});
        QCOMPARE(sink.messages[0].title, std::string("ERROR"));
        QVERIFY2(sink.messages[0].text.rfind("Error:key index 9 has finger 7", 0) == 0,
                 sink.messages[0].text.c_str());
        CloseAll(windows);
    }
};

QTEST_MAIN(TestDroppedLayouts)
#include "test_dropped_layouts.moc"
