#include "search/search_engine.hpp"

#include <limits>
#include <optional>
#include <string>

#include "data/loaders.hpp"
#include "data/messages.hpp"
#include "eval/grading.hpp"
#include "eval/panel.hpp"
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
    // Sized for the largest keyboard once, so generation never allocates; the pheromone
    // masks get their size at the first layout and keep it.
    scratch_.keyUsed.reserve(4);
    observers_.reserve(4);
    WriteOut(true);
}

SearchEngine::~SearchEngine() = default;

void SearchEngine::WriteOut(bool on) {
    if (writer_) std::erase(observers_, writer_.get());
    writer_.reset();
    if (!on) return;
    writer_ = std::make_unique<ResultWriter>(ws_.paths, ws_.keys, ws_.unreadableStore, reporter_);
    observers_.insert(observers_.begin(), writer_.get());
}

const std::string& SearchEngine::lastBestLayPath() const {
    static const std::string none;
    return writer_ ? writer_->lastBestPath() : none;
}

const SaveFailures& SearchEngine::saveFailures() const {
    static const SaveFailures none;
    return writer_ ? writer_->failures() : none;
}

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

    // Start steps. The boxes are read before anything changes, so a bad text changes nothing.
    if (!ReadStartParams(host)) {
        lastRunEnd_ = RunEnd::NotStarted;
        return false;
    }
    running_ = true;
    reporter_.host = &host;
    for (SearchObserver* o : observers_) o->OnRunStart();
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

// One ant: generate, grade, take a new best, count it into its iteration (ending the
// iteration after the last ant), feed the graph, count the layout.
bool SearchEngine::RunPass(SearchHost& host) {
    host.Yield();
    GenerateAnt(host);
    host.Yield();

    const GradeReport graded = GradeAndShow(host, antLay_);
    if (!graded.ok) {
        lastRunEnd_ = RunEnd::GradingFailed;
        host.show(Message{msg::kGradingFailedTitle,
                          WithDescription(msg::kGradingFailedText, graded.error), true});
        return false;
    }
    const Single grade = graded.grade;

    if (grade > bestKeyGrade_) TakeNewBest(host, antLay_, grade);
    if (host.AcoOn()) CountAnt(host, grade);
    if (host.GraphOn()) GraphStep(host, grade);
    host.Yield();

    ++iterN_;
    host.OnPanelChanged();
    host.Yield();
    return true;
}

void SearchEngine::TakeNewBest(SearchHost& host, const Layout& lay, Single grade) {
    bestKeyGrade_ = grade;
    bestKeyLay_ = lay;
    host.OnNewBest(bestKeyLay_, grade);
    host.SetCaption(bestGradeText());
    // The counter is IterN before this layout is counted: the first layout passes 0.
    bestCounter_ = iterN_;
    for (SearchObserver* o : observers_) o->OnNewBest(bestKeyLay_, grade, bestCounter_);
    SavePhero(host);
}

void SearchEngine::GenerateAnt(SearchHost& host) {
    run_.sensitivity = host.Sensitivity();
    HostNoCandidate noCandidate(host);
    GenRndKey(antLay_, ws_.letters, ws_.phero, run_.sensitivity, random_, scratch_, noCandidate);
}

void SearchEngine::CountAnt(SearchHost& host, Single grade) {
    host.OnRndKeyGen(antLay_, grade, ws_.keys);
    ChooseIterationBest(grade);
    ++run_.antIdx;
    if (run_.antIdx >= run_.antCount) EndIteration(host);
}

// Ties keep the earliest ant; while polishing, an iteration's first ant is its best so far
// whatever its grade, since the polished layout may beat the reference where no ant did.
void SearchEngine::ChooseIterationBest(Single grade) {
    if (grade > run_.iterBestGrade || (polish() && !run_.iterHasBest)) {
        run_.iterBestGrade = grade;
        iterBestLay_ = antLay_;
        run_.iterHasBest = polish();
    }
}

void SearchEngine::EndIteration(SearchHost& host) {
    ++iterations_;
    run_.antIdx = 0;
    run_.polishMoves = 0;
    if (run_.iterHasBest) PolishIterationBest(host);
    run_.iterHasBest = false;
    // An iteration whose best does not beat the reference reinforces nothing.
    const bool reinforce = run_.iterBestGrade > 0;
    if (reinforce)
        Reinforce(host);
    else
        run_.iterBestGrade = 0;  // a polished best below the reference
    bool changed = reinforce;
    if (relocator_) {
        changed = KeepTrails(host, reinforce);
    } else if (reinforce) {
        TellPheroChanged(host);
    }
    run_.iterBestGrade = 0;
    for (SearchObserver* o : observers_) o->OnIterationEnd(iterations_, changed);
}

void SearchEngine::TellPheroChanged(SearchHost& host) {
    host.OnPheroModif(ws_.phero);
    for (SearchObserver* o : observers_) o->OnPheroChanged(ws_.phero);
}

void SearchEngine::Reinforce(SearchHost& host) {
    const double factor = host.Reinforcement();
    ModifyPheromones(ws_.phero, ws_.letters, iterBestLay_, run_.iterBestGrade, factor);
}

// After an iteration of the Full polish: the reinforced table within its limits, then a
// reset of the free letters' trails when the iteration bests have stagnated.
bool SearchEngine::KeepTrails(SearchHost& host, bool reinforced) {
    const double spread = TrailSpread(ws_.phero, ws_.letters, run_.sensitivity);
    if (reinforced) ApplyTrailBounds(ws_.phero, ws_.letters, spread);
    const bool restart =
        stagnation_.Stagnant(run_.iterBestGrade, BranchingFactor(ws_.phero, ws_.letters),
                             bestKeyGrade_, run_.polishMoves);
    if (restart) {
        ResetTrails(ws_.phero, ws_.letters, spread);
        ++restarts_;
    }
    if (reinforced || restart) TellPheroChanged(host);
    return reinforced || restart;
}

void SearchEngine::PolishIterationBest(SearchHost& host) {
    if (relocator_) {
        const RelocatingPolisher::Result polished = relocator_->Polish(iterBestLay_);
        run_.polishMoves = polished.moves();
        if (!polished.ok || polished.moves() == 0) return;
    } else {
        const LayoutPolisher::Result polished = polisher_->Polish(iterBestLay_);
        if (!polished.ok || polished.swaps == 0) return;
    }
    // Graded again and shown like every layout the run keeps; the grade is the one the
    // polisher's own full grading found.
    const GradeReport graded = GradeAndShow(host, iterBestLay_);
    if (!graded.ok) return;
    run_.iterBestGrade = graded.grade;
    if (graded.grade > bestKeyGrade_) TakeNewBest(host, iterBestLay_, graded.grade);
}

GradeReport SearchEngine::GradeAndShow(SearchHost& host, const Layout& lay) {
    GradeReport report = Grade(lay, ws_.analizer, ws_.weights, ws_.layV.ref);
    if (!report.ok) return report;
    // The window lets events run twice in a grading; the report is this grading's own.
    host.Yield();
    host.Yield();
    host.OnGraded(report);
    return report;
}

std::string SearchEngine::bestGradeText() const {
    return bestKeyGrade_ > 0 ? GradeText(bestKeyGrade_).Text() : std::string();
}

void SearchEngine::GraphStep(SearchHost& host, Single grade) {
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
    host.OnGraphPoint(ring.sum);
    ring.sum = 0;
    ring.pos =
        ring.pos + 1 < ProgressRing::kPoints ? static_cast<Integer>(ring.pos + 1) : Integer{0};
    run_.groupMin = 10.0f;
    run_.groupMax = -10.0f;
}

void SearchEngine::EndRun(SearchHost& host) {
    SavePhero(host);
    for (SearchObserver* o : observers_) o->OnRunEnd();
    running_ = false;
    host.OnRunStateChanged(false);
    stopFlag_ = false;
    host.SetCaption(run_.caption);
    if (exitFlag_) host.OnExitRequested();
}

bool SearchEngine::ReadStartParams(SearchHost& host) {
    const std::optional<RunParams> params = host.StartParams();
    if (!params) return false;
    // A host that passes numbers has not checked this: an iteration needs an ant.
    if (params->ants < 1) {
        host.show(TooFewAntsMessage(std::to_string(params->ants)));
        return false;
    }
    run_.antCount = params->ants;
    return true;
}

void SearchEngine::SecondTick(SearchHost& host) {
    if (!running_) return;
    if (autosave_.Tick()) SavePhero(host);
}

void SearchEngine::ClearPheromones() {
    ClearPhero(ws_.phero);
}

void SearchEngine::SavePhero(SearchHost& host) {
    reporter_.host = &host;
    const bool aco = host.AcoOn();
    for (SearchObserver* o : observers_) o->OnStoreDue(ws_.phero, aco);
}

}  // namespace antkeys
