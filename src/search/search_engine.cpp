#include "search/search_engine.hpp"

#include <limits>

#include "data/loaders.hpp"
#include "eval/grading.hpp"
#include "search/layout_polish.hpp"
#include "search/modify_pheromones.hpp"
#include "search/relocating_polisher.hpp"
#include "search/run_params.hpp"
#include "search/search_messages.hpp"

namespace antkeys {
namespace {

// Hands GenRndKey's "no candidate" reports to the host.
class HostNoCandidate final : public NoCandidateSink {
  public:
    explicit HostNoCandidate(SearchHost& host) : host_(host) {}
    void OnNoCandidate(int letter) override { host_.OnNoCandidate(letter); }

  private:
    SearchHost& host_;
};

}  // namespace

SearchEngine::SearchEngine(Workspace& ws, Random& random) : ws_(ws), random_(random) {
    // Sized for the largest keyboard once, so generation never allocates.
    scratch_.keyUsed.reserve(256);
}

SearchEngine::~SearchEngine() = default;

void SearchEngine::SetPolish(bool on) {
    SetPolish(on ? PolishMode::Swaps : PolishMode::Off);
}

void SearchEngine::SetPolish(PolishMode mode) {
    polishMode_ = mode;
    if (mode == PolishMode::Swaps && !polisher_)
        polisher_ = std::make_unique<LayoutPolisher>(ws_);
    else if (mode != PolishMode::Swaps)
        polisher_.reset();
    if (mode == PolishMode::Full && !relocator_)
        relocator_ = std::make_unique<RelocatingPolisher>(ws_);
    else if (mode != PolishMode::Full)
        relocator_.reset();
}

bool SearchEngine::RunEvaluation(SearchHost& host) {
    if (running_) return false;  // the disabled Run button: one run at a time

    // Start steps. txtAnts is read before anything changes, so a bad text changes nothing.
    const std::string_view antsText = host.ParamText(ParamBox::Ants);
    const std::optional<Integer> ants = ParseAntCount(antsText);
    if (!ants) {
        lastRunEnd_ = RunEnd::NotStarted;
        host.show(BadParamMessage(ParamBox::Ants, antsText, false));
        return false;
    }
    run_.antCount = *ants;
    running_ = true;
    lastRunEnd_ = RunEnd::Stopped;
    host.OnRunStateChanged(true);
    run_.iterBestGrade = 0;
    run_.iterHasBest = false;
    run_.groupMin = 10.0f;
    run_.groupMax = -10.0f;
    run_.antIdx = 0;
    run_.caption = host.Caption();
    stagnation_.Reset();

    while (!stopFlag_ && !exitFlag_) {
        if (iterN_ == std::numeric_limits<Long>::max()) {
            // The counter names the best-layout files; it must not wrap.
            lastRunEnd_ = RunEnd::CounterFull;
            host.show(Message{msg::kCounterFullTitle, msg::kCounterFullText, true});
            break;
        }
        if (!RunPass(host)) break;
    }
    EndRun(host);
    return true;
}

bool SearchEngine::RunPass(SearchHost& host) {
    host.Yield();

    double sensitivity = 0;
    if (!ReadParam(host, ParamBox::PheroSens, sensitivity)) return false;
    run_.sensitivity = sensitivity;
    HostNoCandidate noCandidate(host);
    GenRndKey(antLay_, ws_.letters, ws_.phero, sensitivity, random_, scratch_, noCandidate);
    host.Yield();

    const GradeResult graded =
        EvaluateLay(antLay_, ws_.analizer, ws_.weights, ws_.layV, ws_.panel, host);
    if (!graded.ok) {
        lastRunEnd_ = RunEnd::GradingFailed;
        host.show(Message{msg::kGradingFailedTitle,
                          WithDescription(msg::kGradingFailedText, graded.error), true});
        return false;
    }
    const Single grade = graded.grade;

    if (grade > bestKeyGrade_) TakeNewBest(host, antLay_, grade);
    bool goOn = true;
    if (host.IsChecked(CheckBox::Aco)) goOn = AcoStep(host, grade);
    if (host.IsChecked(CheckBox::DrawGraph)) GraphStep(grade);
    host.Yield();

    ++iterN_;
    host.OnPanelChanged();
    host.Yield();
    return goOn;
}

void SearchEngine::TakeNewBest(SearchHost& host, const Layout& lay, Single grade) {
    bestKeyGrade_ = grade;
    bestKeyLay_ = lay;
    CriteriaPanel& panel = ws_.panel;
    panel.bestGrade = panel.difGrade;
    host.SetCaption(panel.difGrade.Text());
    for (int i = 1; i <= 6; ++i)
        panel.vMaxPerc[static_cast<std::size_t>(i)] = panel.vPerc[static_cast<std::size_t>(i)];
    ++panel.version;
    // The counter is IterN before this layout is counted: the first layout passes 0.
    std::string path = antkeys::SaveBestLay(ws_.paths.OutFolder(), grade * 100.0f, iterN_,
                                            bestKeyLay_, ws_.keys, host);
    if (!path.empty()) lastBestLayPath_ = std::move(path);
    SavePhero(host);
}

bool SearchEngine::AcoStep(SearchHost& host, Single grade) {
    host.OnRndKeyGen(antLay_, grade, ws_.keys);
    if (grade > run_.iterBestGrade || (polish() && !run_.iterHasBest)) {
        run_.iterBestGrade = grade;
        iterBestLay_ = antLay_;
        run_.iterHasBest = polish();
    }
    ++run_.antIdx;
    if (run_.antIdx < run_.antCount) return true;
    run_.antIdx = 0;
    if (run_.iterHasBest) PolishIterationBest(host);
    run_.iterHasBest = false;
    // An iteration whose best does not beat the reference reinforces nothing.
    if (!(run_.iterBestGrade > 0)) {
        run_.iterBestGrade = 0;  // a polished best below the reference
        if (relocator_) KeepTrails(host, false);
        return true;
    }
    double factor = 0;
    if (!ReadParam(host, ParamBox::PheroModifK, factor)) return false;
    ModifyPheromones(ws_.phero, ws_.letters, iterBestLay_, run_.iterBestGrade, factor);
    if (relocator_) {
        KeepTrails(host, true);
    } else {
        host.OnPheroModif(ws_.phero);
    }
    run_.iterBestGrade = 0;
    return true;
}

// After an iteration of the Full polish: the reinforced table within its limits, then a
// reset of the free letters' trails when the iteration bests have stagnated.
void SearchEngine::KeepTrails(SearchHost& host, bool reinforced) {
    const double spread = TrailSpread(ws_.phero, ws_.letters, run_.sensitivity);
    if (reinforced) ApplyTrailBounds(ws_.phero, ws_.letters, spread);
    const bool restart =
        stagnation_.Stagnant(run_.iterBestGrade, BranchingFactor(ws_.phero, ws_.letters));
    if (restart) {
        ResetTrails(ws_.phero, ws_.letters, spread);
        ++restarts_;
    }
    if (reinforced || restart) host.OnPheroModif(ws_.phero);
}

void SearchEngine::PolishIterationBest(SearchHost& host) {
    if (relocator_) {
        const RelocatingPolisher::Result polished = relocator_->Polish(iterBestLay_);
        if (!polished.ok || polished.moves() == 0) return;
    } else {
        const LayoutPolisher::Result polished = polisher_->Polish(iterBestLay_);
        if (!polished.ok || polished.swaps == 0) return;
    }
    // Graded again through the panel like every layout the run keeps; the grade is the one
    // the polisher's own full grading found.
    const GradeResult graded =
        EvaluateLay(iterBestLay_, ws_.analizer, ws_.weights, ws_.layV, ws_.panel, host);
    if (!graded.ok) return;
    run_.iterBestGrade = graded.grade;
    if (graded.grade > bestKeyGrade_) TakeNewBest(host, iterBestLay_, graded.grade);
}

void SearchEngine::GraphStep(Single grade) {
    ProgressRing& ring = ring_;
    ring.sum += grade;
    if (grade > run_.groupMax) run_.groupMax = grade;
    if (grade < run_.groupMin) run_.groupMin = grade;
    ++ring.count;
    if (ring.count < ProgressRing::kGroup) return;

    ring.count = 0;
    ring.sum = ring.sum / static_cast<Single>(ProgressRing::kGroup);
    const auto at = static_cast<std::size_t>(ring.pos);
    ring.avrg[at] = ring.sum;
    ring.min[at] = run_.groupMin;
    ring.max[at] = run_.groupMax;
    ws_.panel.avrgGrade.SetPercent(ring.sum);
    ++ws_.panel.version;
    ring.sum = 0;
    ring.pos =
        ring.pos + 1 < ProgressRing::kPoints ? static_cast<Integer>(ring.pos + 1) : Integer{0};
    run_.groupMin = 10.0f;
    run_.groupMax = -10.0f;
}

void SearchEngine::EndRun(SearchHost& host) {
    SavePhero(host);
    running_ = false;
    host.OnRunStateChanged(false);
    stopFlag_ = false;
    host.SetCaption(run_.caption);
    if (exitFlag_) host.OnExitRequested();
}

bool SearchEngine::ReadParam(SearchHost& host, ParamBox box, double& value) {
    const std::string_view text = host.ParamText(box);
    const std::optional<double> parsed = ParseParamNumber(text);
    if (parsed) {
        value = *parsed;
        return true;
    }
    lastRunEnd_ = RunEnd::BadParameter;
    host.show(BadParamMessage(box, text, true));
    return false;
}

void SearchEngine::Timer1Tick(SearchHost& host) {
    if (!running_) return;
    ++autosaveTicks_;
    if (autosaveTicks_ > 60) {
        autosaveTicks_ = 0;
        SavePhero(host);
    }
}

void SearchEngine::ClearPheromones() {
    ClearPhero(ws_.phero);
}

void SearchEngine::SavePhero(SearchHost& host) {
    antkeys::SavePhero(ws_.paths.pheromones(), host.IsChecked(CheckBox::Aco), ws_.phero, host);
}

}  // namespace antkeys
