// The layout window's edit mode: a dragged letter swaps or moves and the window shows the
// grading evaluate gives that layout; a refused drop shows red and changes nothing; undo and
// redo walk the history back and forth exactly; pins are drawn, refuse drags and are saved
// with the fixed flag; "Improve from here" runs in the background as one undoable edit.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include "data/loaders.hpp"
#include "eval/panel.hpp"
#include "eval/workspace.hpp"
#include "search/improve_layout.hpp"
#include "support/cli_run.hpp"
#include "support/pixels.hpp"
#include "support/temp_folder.hpp"
#include "ui/dropped_layouts.hpp"
#include "ui/edit_panel.hpp"
#include "ui/file_dialog.hpp"
#include "ui/key_cells.hpp"
#include "ui/keyboard_canvas.hpp"
#include "ui/lay_window.hpp"
#include "ui/lay_window_editor.hpp"
#include "ui/layout_edit_session.hpp"

using namespace antkeys;
using namespace antkeys::test;

class TestLayWindowEdit : public QObject {
    Q_OBJECT

  private:
    Workspace ws_;  // the small window set: letters 192..200 free, the space fixed to N

    int Key(const char* code) const { return KeyCode2KeyID(ws_.keys, code); }
    QPoint Centre(LayWindow& w, int k) const {
        QRectF cell;
        if (!KeyCell(w.grid(), ws_.keys, k, cell)) qFatal("key %d is not on the picture", k);
        return cell.center().toPoint();
    }
    // Presses on key `from`, moves over key `to` and lets go there, as the mouse does.
    void Drag(LayWindow& w, int from, int to) const {
        QWidget* canvas = w.canvas();
        QTest::mousePress(canvas, Qt::LeftButton, {}, Centre(w, from));
        QTest::mouseMove(canvas, Centre(w, to));
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, Centre(w, to));
    }
    // A window editing the reference layout.
    void Open(LayWindow& w) {
        w.SetWorkspace(&ws_);
        w.DrawLay(ws_.refKeyLay, ws_.keys);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.txtRefrInterval()->setFocus();  // where the focus is after typing an interval
        w.editor().SetEditing(true);
    }
    // What the window shows against a grading of `lay` as evaluate does it.
    void ShowsTheGradingOf(LayWindow& w, const Layout& lay) {
        const GradeReport g = Grade(lay, ws_.analizer, ws_.weights, ws_.layV.ref);
        QCOMPARE(w.txtRGrade()->text().toStdString(), GradeText(g).Text());
        QCOMPARE(w.txtAGrade()->text().toStdString(), AbsoluteText(g.absolute).Text());
        EditPanel* panel = w.editor().panel();
        QCOMPARE(panel->grade()->text(), w.txtRGrade()->text());
        for (std::size_t i = 1; i <= 6; ++i) {
            QCOMPARE(panel->value(i)->text().toStdString(), FigureText(g.v[i]).Text());
            QCOMPARE(panel->relative(i)->text().toStdString(), RelativeText(g, i).Text());
        }
    }

  private slots:
    void initTestCase() {
        ws_.paths.folder = SmallWindowSet();
        RecordingSink sink;
        QVERIFY(LoadWorkspace(ws_, sink));
    }

    void dragSwapsOrMovesAndShowsTheGrading() {
        LayWindow w;
        Open(w);
        const QSize designed = w.canvas()->size();
        QCOMPARE(w.height(), designed.height() + EditPanel::kHeight);
        ShowsTheGradingOf(w, ws_.refKeyLay);

        Drag(w, Key("A"), Key("K"));  // 192 and 196 trade keys
        Layout swapped = ws_.refKeyLay;
        std::swap(swapped[192], swapped[196]);
        QVERIFY(w.editor().session()->layout() == swapped);
        QVERIFY(w.layout() == swapped);
        ShowsTheGradingOf(w, swapped);
        const GradeReport before = Grade(ws_.refKeyLay, ws_.analizer, ws_.weights, ws_.layV.ref);
        const GradeReport after = Grade(swapped, ws_.analizer, ws_.weights, ws_.layV.ref);
        const Single change = after.grade - before.grade;
        QCOMPARE(w.editor().panel()->gradeChange()->text().toStdString(),
                 (change > 0 ? "+" : "") + GradeText(change).Text());

        Drag(w, Key("S"), Key("Q"));  // 193 to the empty key Q
        swapped[193] = static_cast<Byte>(Key("Q"));
        QVERIFY(w.layout() == swapped);
        ShowsTheGradingOf(w, swapped);

        // Saved, the layout grades in evaluate's last column as the window shows it.
        TempFolder dir;
        const std::string saved = dir.path() + "/edited.txt";
        FileDialog::SetTestAnswer([&](const QString&) { return QString::fromStdString(saved); });
        w.ContextMenu()->actions().front()->trigger();  // "Save layout as..."
        FileDialog::SetTestAnswer({});
        const CliRun e = RunTool({"evaluate", "--dir", SmallWindowSet(), saved});
        QCOMPARE(e.status, 0);
        const std::string row = e.out.substr(e.out.find(saved));
        const std::string grade = row.substr(row.find_last_of(' ') + 1);
        QCOMPARE(QString::fromStdString(grade).trimmed(), w.txtRGrade()->text());

        // Out of edit mode the window is as designed again, the edited layout drawn.
        w.editor().SetEditing(false);
        QCOMPARE(w.size(), designed);
        QVERIFY(!w.editor().panel()->isVisible());
        QVERIFY(w.layout() == swapped);
    }

    // Onto the key of the fixed space, or a key the letter's pheromone closes: a red outline
    // and the forbidden cursor while it hovers, and nothing changes.
    void refusedDropShowsRedAndChangesNothing() {
        Workspace closed = ws_;
        closed.phero.at(Key("W"), 0) = 0;  // letter 0 (192) may not go to W
        LayWindow w;
        w.SetWorkspace(&closed);
        w.DrawLay(closed.refKeyLay, closed.keys);
        w.editor().SetEditing(true);
        QWidget* canvas = w.canvas();
        for (const char* target : {"N", "W"}) {
            QTest::mousePress(canvas, Qt::LeftButton, {}, Centre(w, Key("A")));
            QTest::mouseMove(canvas, Centre(w, Key(target)));
            QCOMPARE(canvas->cursor().shape(), Qt::ForbiddenCursor);
            const QRect cell = Around(Centre(w, Key(target)), 15);
            QVERIFY(CountNear(Grab(*canvas), cell, QColor(LayWindowEditor::kRefusedColour), 30) >
                    20);
            QTest::mouseRelease(canvas, Qt::LeftButton, {}, Centre(w, Key(target)));
            QVERIFY(w.layout() == closed.refKeyLay);
            QCOMPARE(w.editor().session()->undoStack().count(), 0);
            QCOMPARE(CountNear(Grab(*canvas), cell, QColor(LayWindowEditor::kRefusedColour), 30),
                     0);
        }
    }

    void undoAndRedoRestoreTheExactLayouts() {
        LayWindow w;
        Open(w);
        std::vector<Layout> seen{w.layout()};
        Drag(w, Key("A"), Key("K"));
        seen.push_back(w.layout());
        Drag(w, Key("D"), Key("X"));
        seen.push_back(w.layout());
        Drag(w, Key("X"), Key("L"));
        seen.push_back(w.layout());
        QCOMPARE(w.editor().session()->undoStack().count(), 3);
        // The keys go through the window system, as the user's do: to the focus widget, which
        // may take a shortcut for itself.
        QWindow* focus = w.windowHandle();
        for (int i = 2; i >= 0; --i) {
            QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
            QVERIFY(w.layout() == seen[static_cast<std::size_t>(i)]);
            ShowsTheGradingOf(w, seen[static_cast<std::size_t>(i)]);
        }
        for (std::size_t i = 1; i <= 3; ++i) {
            QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QVERIFY(w.layout() == seen[i]);
        }
        ShowsTheGradingOf(w, seen[3]);
    }

    void pinsAreDrawnRefuseDragsAndAreSavedFixed() {
        LayWindow w;
        Open(w);
        const QImage unpinned = Grab(*w.canvas());
        QMenu* menu = w.ContextMenuAt(Centre(w, Key("A")));
        QAction* pin = nullptr;
        for (QAction* a : menu->actions())
            if (a->text().startsWith(QLatin1String("Pin "))) pin = a;
        QVERIFY(pin && pin->isEnabled());
        pin->trigger();
        QVERIFY(w.editor().session()->pinned()[192]);
        const QRect cell = Around(Centre(w, Key("A")), 15);
        const QColor pinColour(LayWindowEditor::kPinColour);
        QCOMPARE(CountNear(unpinned, cell, pinColour, 30), 0);
        QVERIFY(CountNear(Grab(*w.canvas()), cell, pinColour, 30) > 20);

        Drag(w, Key("A"), Key("K"));  // a pinned letter stays
        Drag(w, Key("K"), Key("A"));  // and keeps its key
        QVERIFY(w.layout() == ws_.refKeyLay);

        TempFolder dir;
        FileDialog::SetTestAnswer(
            [&](const QString&) { return QString::fromStdString(dir.path() + "/pinned.txt"); });
        w.ContextMenu()->actions().front()->trigger();  // "Save layout as..."
        FileDialog::SetTestAnswer({});
        Layout back{};
        CharFlags fixed{};
        RecordingSink sink;
        QVERIFY(LoadFixedKeyLay(dir.path() + "/pinned.txt", ws_.keys, back, fixed, sink));
        QVERIFY(back == ws_.refKeyLay);
        QVERIFY(fixed[192] && fixed[32] && !fixed[193]);

        // Dropped on the main window, the saved file edits with its letter pinned again.
        Workspace copy = ws_;
        NoYield yield;
        const auto opened = EvaluateDropped({QString::fromStdString(dir.path() + "/pinned.txt")},
                                            false, copy, sink, yield, nullptr);
        QCOMPARE(opened.size(), std::size_t{1});
        opened[0]->editor().SetEditing(true);
        QVERIFY(opened[0]->editor().session()->pinned()[192]);
        QVERIFY(!opened[0]->editor().session()->pinned()[193]);
        delete opened[0];

        w.editor().session()->undoStack().undo();  // a pin is an edit like the others
        QVERIFY(!w.editor().session()->pinned()[192]);
    }

    void improveRunsInTheBackgroundAsOneEdit() {
        LayWindow w;
        Open(w);
        w.editor().session()->TogglePin(194);
        const LayoutEditSession::State start = w.editor().session()->state();
        QSignalSpy done(&w.editor(), &LayWindowEditor::improved);
        QVERIFY(w.editor().ImproveFromHere());
        QVERIFY(w.editor().session()->busy());
        QVERIFY(done.wait(10000));
        const ImproveResult expected = ImproveLayout(ws_, start.lay, start.pinned);
        QVERIFY(!expected.steps.empty());
        QVERIFY(w.layout() == expected.layout);
        ShowsTheGradingOf(w, expected.layout);
        QCOMPARE(w.editor().session()->undoStack().count(), 2);  // the pin, the improvement
        w.editor().session()->undoStack().undo();
        QVERIFY(w.editor().session()->state() == start);
    }
};

QTEST_MAIN(TestLayWindowEdit)
#include "test_lay_window_edit.moc"
