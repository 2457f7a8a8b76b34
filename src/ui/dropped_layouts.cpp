#include "ui/dropped_layouts.hpp"

#include <exception>
#include <string>

#include <QDir>
#include <QFile>
#include <QLineEdit>

#include "data/loaders.hpp"
#include "data/messages.hpp"
#include "ui/lay_window.hpp"

namespace antkeys {
namespace {

void ShowDropError(MessageSink& sink, const std::string& description) {
    sink.show(Message{msg::kDropTitle, std::string(msg::kDropTextPrefix) + description, true});
}

// The letters the file marks fixed, for editing; none when its third fields are not flags
// (a file the drop reads is never refused for them).
CharFlags FixedFlagsOf(const QString& path, const KeyTables& keys) {
    struct Quiet final : MessageSink {
        void show(const Message&) override {}
    } quiet;
    Layout lay{};
    CharFlags fixed{};
    if (!LoadFixedKeyLay(QFile::encodeName(path).toStdString(), keys, lay, fixed, quiet))
        fixed.fill(false);
    return fixed;
}

// One file: false when the drop must end (the failure has been shown).
bool EvaluateOne(const QString& path, Workspace& ws, MessageSink& sink, Yielder& yielder,
                 QWidget* owner, std::vector<QPointer<LayWindow>>& opened) {
    Layout lay{};
    // A file that does not read has shown the reader's message; no window shows a layout
    // that was not read from its file.
    if (!LoadKeyLay(QFile::encodeName(path).toStdString(), ws.keys, lay, sink)) return true;

    QPointer<LayWindow> window = new LayWindow(owner);
    window->setWindowTitle(QStringLiteral("KB Layout (") + QDir::toNativeSeparators(path) +
                           QStringLiteral(")"));
    window->show();
    window->SetWorkspace(&ws);
    window->DrawLay(lay, ws.keys);
    window->SetFilePins(FixedFlagsOf(path, ws.keys));
    opened.push_back(window);

    const GradeReport result = Grade(lay, ws.analizer, ws.weights, ws.layV.ref);
    if (!result.ok) {
        ShowDropError(sink, result.error);
        return false;
    }
    // Events run twice, as in a grading of the run; then the panel shows this layout.
    yielder.Yield();
    yielder.Yield();
    ShowGrading(result, ws.panel);
    // The grading lets events run: the user may have closed the window meanwhile.
    if (window) {
        window->txtAGrade()->setText(QString::fromStdString(ws.panel.currGrade.Text()));
        window->txtRGrade()->setText(QString::fromStdString(ws.panel.difGrade.Text()));
    }
    return true;
}

}  // namespace

std::vector<QPointer<LayWindow>> EvaluateDropped(const QStringList& paths, bool running,
                                                 Workspace& ws, MessageSink& sink, Yielder& yielder,
                                                 QWidget* owner) {
    std::vector<QPointer<LayWindow>> opened;
    if (running) return opened;  // a drop during a run is lost, silently
    try {
        for (const QString& path : paths)
            if (!EvaluateOne(path, ws, sink, yielder, owner, opened)) break;
    } catch (const std::exception& e) {
        ShowDropError(sink, e.what());
    }
    return opened;
}

}  // namespace antkeys
