#include "ui/window_search_host.hpp"

#include <QCoreApplication>

#include "data/messages.hpp"
#include "eval/panel.hpp"
#include "search/search_engine.hpp"
#include "ui/main_window.hpp"

namespace antkeys {

WindowSearchHost::WindowSearchHost(MainWindow& window) : window_(window), sink_(&window) {}

void WindowSearchHost::Yield() {
    const Clock::time_point now = Clock::now();
    if (now < nextEvents_) return;
    QCoreApplication::processEvents();
    nextEvents_ = Clock::now() + kYieldInterval;
}

void WindowSearchHost::show(const Message& message) {
    sink_.show(message);
}

std::optional<RunParams> WindowSearchHost::StartParams() {
    return read_.Start(params_[static_cast<std::size_t>(RunParam::Ants)],
                       params_[static_cast<std::size_t>(RunParam::Sensitivity)],
                       params_[static_cast<std::size_t>(RunParam::Reinforcement)], sink_);
}

double WindowSearchHost::Sensitivity() {
    return read_.Sensitivity(params_[static_cast<std::size_t>(RunParam::Sensitivity)]);
}

double WindowSearchHost::Reinforcement() {
    return read_.Reinforcement(params_[static_cast<std::size_t>(RunParam::Reinforcement)]);
}

void WindowSearchHost::OnRunStateChanged(bool running) {
    window_.SetRunState(running);
}

std::string WindowSearchHost::Caption() {
    return window_.windowTitle().toStdString();
}

void WindowSearchHost::SetCaption(const std::string& caption) {
    window_.setWindowTitle(QString::fromStdString(caption));
}

void WindowSearchHost::OnGraded(const GradeReport& report) {
    ShowGrading(report, window_.engine().workspace().panel);
}

void WindowSearchHost::OnNewBest(const Layout& /*lay*/, Single /*grade*/) {
    ShowBest(window_.engine().workspace().panel);
}

void WindowSearchHost::OnGraphPoint(Single average) {
    ShowAverage(average, window_.engine().workspace().panel);
}

void WindowSearchHost::OnRndKeyGen(const Layout& antLay, Single grade, const KeyTables& keys) {
    emit window_.OnRndKeyGen(antLay, grade, keys);
}

void WindowSearchHost::OnPheroModif(const PheroTable& phero) {
    emit window_.OnPheroModif(phero);
}

void WindowSearchHost::OnNoCandidate(int /*letter*/) {
    sink_.show(Message{msg::kGenRndKeyTitle, msg::kGenRndKeyText, true});
}

void WindowSearchHost::OnExitRequested() {
    window_.RequestClose();
}

void WindowSearchHost::ShowQuietly(const Message& message) {
    WriteToStderr(message);
}

void WindowSearchHost::SetParamText(RunParam param, const QString& text) {
    params_[static_cast<std::size_t>(param)] = text.toStdString();
}

}  // namespace antkeys
