#pragma once
// The layout window's context menu: save the drawn layout, export it for a system, save
// its picture, or explain it. Each entry is one line of the table in lay_window_menu.cpp; a new
// entry is a new line there.
class QMenu;

namespace antkeys {

class LayWindow;

// A new menu, a child of `window`, with the entries in their order.
QMenu* MakeLayWindowMenu(LayWindow& window);

// The entries, each asking for the file with the save dialog. They write the window's
// layout as the dialog answered and report a failure (or what an export left out) in a
// message box.
void SaveLayoutAs(LayWindow& window);
void ExportLayoutFor(LayWindow& window, int format);  // an ExportFormat
void SaveLayoutPicture(LayWindow& window);
// Opens the explanation of the window's layout beside the reference (see explain_dialog.hpp).
void ExplainLayout(LayWindow& window);

}  // namespace antkeys
