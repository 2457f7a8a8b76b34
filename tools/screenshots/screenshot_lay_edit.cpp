// Takes the picture of docs/views.md: a layout window of the bundled reference layout in edit
// mode, one letter pinned, two letters swapped, and a third letter being dragged over a key
// that refuses it. Run under Xvfb:
//
//   xvfb-run -a -s "-screen 0 1280x800x24" build/bin/screenshot_lay_edit docs/layout-edit.png
//
// ANTKEYS_LANG=en gives the English captions.
#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <QTranslator>

#include "data/message.hpp"
#include "eval/workspace.hpp"
#include "reference_window.hpp"
#include "ui/caption_language.hpp"
#include "ui/key_cells.hpp"
#include "ui/lay_window.hpp"
#include "ui/lay_window_editor.hpp"
#include "ui/layout_edit_session.hpp"

using namespace antkeys;

namespace {

QPointF Centre(LayWindow& w, const Workspace& ws, const char* code) {
    QRectF cell;
    KeyCell(w.grid(), ws.keys, KeyCode2KeyID(ws.keys, code), cell);
    return cell.center();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    QString warning;
    const auto catalogue = InstallCaptionCatalogue(warning);
    Workspace ws;
    LayWindow* opened = OpenReferenceWindow(ws);
    if (!opened) return 1;
    LayWindow& w = *opened;
    LayWindowEditor& editor = w.editor();
    editor.SetEditing(true);
    editor.session()->TogglePin(
        static_cast<Byte>(TopCharOn(w.layout(), KeyCode2KeyID(ws.keys, "F"))));
    editor.BeginDrag(Centre(w, ws, "J"));
    editor.EndDrag(Centre(w, ws, "K"));
    editor.BeginDrag(Centre(w, ws, "D"));
    // Over the first key that refuses the letter taken from D: in this set the pinned one.
    const Byte taken = static_cast<Byte>(TopCharOn(w.layout(), KeyCode2KeyID(ws.keys, "D")));
    for (int k = 1; k <= ws.keys.nKeys(); ++k) {
        LayoutMove move;
        QRectF cell;
        const MoveRefusal why = editor.session()->Check(taken, k, move);
        if (why == MoveRefusal::Allowed || why == MoveRefusal::SameKey ||
            ws.keys.codes[static_cast<std::size_t>(k)].empty() ||
            !KeyCell(w.grid(), ws.keys, k, cell))
            continue;
        editor.DragTo(cell.center() + QPointF(-7, 6));  // the letter beside the key's own
        break;
    }
    int status = 1;
    QTimer::singleShot(500, [&] {
        status = w.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
        app.quit();
    });
    app.exec();
    return status;
}
