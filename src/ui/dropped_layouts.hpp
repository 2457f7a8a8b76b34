#pragma once
// Layout files dropped on the main window: each file that reads is drawn in a layout window of
// its own and graded like a generated layout; its grades are copied into that window.
#include <vector>

#include <QPointer>
#include <QStringList>

#include "data/message.hpp"
#include "eval/grading.hpp"
#include "eval/workspace.hpp"

class QWidget;

namespace antkeys {

class LayWindow;

// EvaluateDropped: does nothing while a search runs (`running`). Otherwise, for each path in
// order: reads it with LoadKeyLay; a file that does not read has been reported by the reader
// and gets no window, and the next file goes on. A file that reads gets a new layout window
// (child of `owner`) captioned "KB Layout (<path>)", shown and drawn; the layout is graded with
// a grading shown in the panel of `ws`, and the panel's absolute figure and grade
// texts are copied into the window's txtAGrade and txtRGrade. Any other failure shows
// "Error:" and its description titled "ERROR" and ends the drop; windows already open stay.
// Returns the windows opened.
std::vector<QPointer<LayWindow>> EvaluateDropped(const QStringList& paths, bool running,
                                                 Workspace& ws, MessageSink& sink, Yielder& yielder,
                                                 QWidget* owner);

}  // namespace antkeys
