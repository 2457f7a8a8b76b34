#include "ui/view_openers.hpp"

#include <QLabel>
#include <QLineEdit>

#include "search/search_engine.hpp"
#include "ui/dropped_layouts.hpp"
#include "ui/lay_window.hpp"
#include "ui/main_window.hpp"
#include "ui/phero_window.hpp"

namespace antkeys {

ViewOpeners::ViewOpeners(MainWindow& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("viewOpeners"));
    connect(&window, &MainWindow::showBestLayRequested, this, [this] { ShowBestLay(); });
    connect(&window, &MainWindow::showPheroRequested, this, [this] { ShowPhero(); });
    connect(&window, &MainWindow::layoutFilesDropped, this,
            [this](const QStringList& paths) { Dropped(paths); });
}

LayWindow* ViewOpeners::ShowBestLay() {
    const Workspace& ws = window_.engine().workspace();
    // txtBestGrade as the panel holds it: the box shows this text.
    const std::string bestGrade = ws.panel.bestGrade.Text();
    if (bestGrade.empty()) return nullptr;
    auto* lay = new LayWindow(&window_);
    lay->setWindowTitle(QString::fromLatin1(LayWindow::kBestCaption));
    lay->show();
    lay->SetWorkspace(&ws);
    lay->DrawLay(window_.engine().bestKeyLay(), ws.keys);
    lay->txtAGrade()->hide();
    lay->labAGr()->hide();
    lay->txtRGrade()->setText(QString::fromStdString(bestGrade));
    connect(&window_, &MainWindow::OnRndKeyGen, lay, &LayWindow::fMain_OnRndKeyGen);
    return lay;
}

PheroWindow* ViewOpeners::ShowPhero() {
    const Workspace& ws = window_.engine().workspace();
    auto* phero = new PheroWindow(&window_);
    phero->show();
    connect(&window_, &MainWindow::OnPheroModif, phero, &PheroWindow::mfMain_OnPheroModif);
    phero->Init(ws.keys, ws.letters, ws.phero, ws.chars);
    return phero;
}

std::vector<QPointer<LayWindow>> ViewOpeners::Dropped(const QStringList& paths) {
    auto opened = EvaluateDropped(paths, window_.IsRunning(), window_.engine().workspace(),
                                  window_.host(), window_.host(), &window_);
    window_.RefreshPanel();
    return opened;
}

}  // namespace antkeys
