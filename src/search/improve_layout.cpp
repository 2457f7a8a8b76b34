#include "search/improve_layout.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "search/layout_polish.hpp"
#include "search/relocating_polisher.hpp"

namespace antkeys {
namespace {

// Steepest descent always improves, so it ends; this only bounds a pathological table.
constexpr std::size_t kMaxSteps = 10000;

struct Candidate {
    LayoutMove move;
    double rank = 0;        // the ratio sum the polishers expect after the move: lower is better
    std::size_t order = 0;  // where it was listed, the tie-break
};

class Improver {
  public:
    Improver(const Workspace& ws, const CharFlags& pinned)
        : ws_(ws), pinned_(pinned), swaps_(ws), relocations_(ws) {}

    GradeReport GradeOf(const Layout& lay) const {
        return Grade(lay, ws_.analizer, ws_.weights, ws_.layV.ref);
    }

    // Every allowed move of `lay`, best ranked first; a swap once, from its lower code.
    std::vector<Candidate> Ranked(const Layout& lay, const Criteria& v) {
        swaps_.Prepare(lay);
        relocations_.Prepare(lay);
        std::vector<Candidate> moves;
        const int nKeys = std::min(ws_.keys.nKeys(), kMaxKeys);
        for (int c = 0; c < kCharCodes; ++c) {
            const auto a = static_cast<Byte>(c);
            if (lay[a] == 0 || !MayMove(ws_, pinned_, a)) continue;
            for (int key = 1; key <= nKeys; ++key) {
                LayoutMove m;
                if (PlanMove(ws_, lay, pinned_, a, key, m) != MoveRefusal::Allowed) continue;
                const bool swap = m.kind == LayoutMove::Kind::Swap;
                if (swap && m.other < a) continue;
                double rank = swap ? swaps_.SwappedRatioSum(lay, v, a, m.other)
                                   : relocations_.RelocatedRatioSum(v, a, key);
                if (std::isnan(rank)) rank = std::numeric_limits<double>::infinity();  // last
                moves.push_back({m, rank, moves.size()});
            }
        }
        std::sort(moves.begin(), moves.end(), [](const Candidate& x, const Candidate& y) {
            return x.rank < y.rank || (x.rank == y.rank && x.order < y.order);
        });
        return moves;
    }

    // The first move in rank order whose full grading beats `current`; false when none does.
    bool Better(const Layout& lay, const std::vector<Candidate>& moves, const GradeReport& current,
                ImproveStep& step, GradeReport& report) const {
        for (const Candidate& c : moves) {
            Layout trial = lay;
            ApplyMove(c.move, trial);
            GradeReport g = GradeOf(trial);
            if (!g.ok || !(g.grade > current.grade)) continue;
            step = {c.move, g.grade};
            report = std::move(g);
            return true;
        }
        return false;
    }

  private:
    const Workspace& ws_;
    const CharFlags& pinned_;
    LayoutPolisher swaps_;
    RelocatingPolisher relocations_;
};

}  // namespace

ImproveResult ImproveLayout(const Workspace& ws, const Layout& start, const CharFlags& pinned,
                            const std::atomic<bool>* stop) {
    ImproveResult result;
    result.layout = start;
    Improver improver(ws, pinned);
    result.before = improver.GradeOf(start);
    if (!result.before.ok) {
        result.error = result.before.error;
        return result;
    }
    result.ok = true;
    GradeReport current = result.before;
    while (result.steps.size() < kMaxSteps) {
        if (stop && stop->load()) {
            result.stopped = true;
            break;
        }
        ImproveStep step;
        GradeReport next;
        if (!improver.Better(result.layout, improver.Ranked(result.layout, current.v), current,
                             step, next))
            break;
        ApplyMove(step.move, result.layout);
        result.steps.push_back(step);
        current = std::move(next);
    }
    result.after = current;
    return result;
}

}  // namespace antkeys
