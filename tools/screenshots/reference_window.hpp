#pragma once
// The Georgian set's reference layout in a layout window on show, the start of the pictures
// of the layout window.
#include <QString>

#include "data/message.hpp"
#include "eval/workspace.hpp"
#include "ui/lay_window.hpp"

namespace antkeys {

// Null when the set does not load.
inline LayWindow* OpenReferenceWindow(Workspace& ws) {
    ws.paths.folder = ANTKEYS_SOURCE_DIR "/data/ka";
    RecordingSink sink;
    if (!LoadWorkspace(ws, sink)) return nullptr;
    auto* w = new LayWindow;  // deletes itself when closed
    w->setWindowTitle(QStringLiteral("KB Layout (RefKeyLay.txt)"));
    w->SetWorkspace(&ws);
    w->show();
    w->DrawLay(ws.refKeyLay, ws.keys);
    return w;
}

}  // namespace antkeys
