#pragma once
// The search host of the desktop program: the run loop's yields run Qt's pending events, its
// parameters come from the main window's boxes, its events become the window's signals.
#include <array>
#include <chrono>
#include <optional>
#include <string>

#include <QString>

#include "search/search_host.hpp"
#include "ui/message_box.hpp"

namespace antkeys {

class MainWindow;

class WindowSearchHost final : public SearchHost {
  public:
    explicit WindowSearchHost(MainWindow& window);

    // Runs pending events, at most once per kYieldInterval: the loop yields six times per
    // layout, far more often than a person can notice, and each run of the event loop costs
    // as much as several layouts.
    void Yield() override;
    void show(const Message& message) override;

    // The parameters from the boxes' texts at the moment the run needs them.
    std::optional<RunParams> StartParams() override;
    double Sensitivity() override;
    double Reinforcement() override;
    bool AcoOn() override { return aco_; }
    bool GraphOn() override { return graph_; }
    void OnRunStateChanged(bool running) override;
    std::string Caption() override;
    void SetCaption(const std::string& caption) override;
    // The criteria panel shows each grading, each new best and each graph point.
    void OnGraded(const GradeReport& report) override;
    void OnNewBest(const Layout& lay, Single grade) override;
    void OnGraphPoint(Single average) override;
    void OnRndKeyGen(const Layout& antLay, Single grade, const KeyTables& keys) override;
    void OnPheroModif(const PheroTable& phero) override;
    void OnNoCandidate(int letter) override;
    void OnExitRequested() override;
    void ShowQuietly(const Message& message) override;

    // The window keeps these copies current from the boxes' change signals, so reading a
    // parameter or a check box during a run costs no conversion and no allocation.
    void SetParamText(RunParam param, const QString& text);
    void SetAco(bool checked) { aco_ = checked; }
    void SetGraph(bool checked) { graph_ = checked; }
    // The number the run uses for the sensitivity or the factor: its box's last text that was
    // one.
    double ParamValue(RunParam param) const { return read_.value(param); }

    static constexpr std::chrono::milliseconds kYieldInterval{5};

  private:
    using Clock = std::chrono::steady_clock;

    MainWindow& window_;
    WindowMessageSink sink_;
    std::array<std::string, 3> params_;  // the boxes' texts, by RunParam
    ParamTexts read_;
    bool aco_ = false;
    bool graph_ = false;
    Clock::time_point nextEvents_{};
};

}  // namespace antkeys
