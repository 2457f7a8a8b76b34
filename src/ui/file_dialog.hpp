#pragma once
// The save-file dialog with a test hook, like the message boxes: a test answers every
// dialog itself, so no test waits on a modal window.
#include <functional>

#include <QString>

class QWidget;

namespace antkeys {

class FileDialog {
  public:
    // The path the user chose to save to; empty when the dialog was cancelled. `suggested` is
    // the file name offered, `filter` the dialog's file types ("SVG picture (*.svg);;...").
    static QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                const QString& filter);

    // While set, SaveFileName returns what `answer` gives for the caption and shows nothing.
    // An empty function restores the dialogs.
    using Answer = std::function<QString(const QString& caption)>;
    static void SetTestAnswer(Answer answer);
};

}  // namespace antkeys
