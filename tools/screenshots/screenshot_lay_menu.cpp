// Takes the picture of docs/install-a-layout.md: a layout window of the bundled reference
// layout with its context menu open, as the X server draws them. Run under Xvfb:
//
//   xvfb-run -a -s "-screen 0 1280x800x24" build/bin/screenshot_lay_menu docs/lay-window-menu.png
#include <algorithm>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

#include "data/message.hpp"
#include "eval/workspace.hpp"
#include "reference_window.hpp"
#include "ui/lay_window.hpp"

using namespace antkeys;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    Workspace ws;
    LayWindow* opened = OpenReferenceWindow(ws);
    if (!opened) return 1;
    LayWindow& w = *opened;
    QMenu* menu = w.ContextMenuAt(QPoint(120, 40));
    menu->popup(w.mapToGlobal(QPoint(120, 40)));
    int status = 1;
    QTimer::singleShot(500, [&] {
        // The menu reaches below the window: the picture holds both.
        const QPixmap window = w.grab();
        const QPixmap popup = menu->grab();
        QPixmap shot(std::max(window.width(), 120 + popup.width()),
                     std::max(window.height(), 40 + popup.height()));
        shot.fill(Qt::white);
        QPainter painter(&shot);
        painter.drawPixmap(0, 0, window);
        painter.drawPixmap(120, 40, popup);
        painter.end();
        status = shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
        app.quit();
    });
    app.exec();
    return status;
}
