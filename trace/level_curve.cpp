#include "trace/level_curve.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "field/segment_field.h"
#include "trace/geometry.h"

namespace {

constexpr double kSmallestStep = 1e-3;     // of the largest
constexpr double kLargestTurn = 0.35;      // rad between the directions at a step's ends
constexpr long long kEvaluations = 40000;  // a bound on the work of one way round
constexpr int kNewtonSteps = 12;

// Whether p lies beyond the window of the zoom factor grown by its width on
// every side: a curve leaving the window is followed on out there, to come
// back into it where it does (as the lower half of a curve round the charge
// at 100 %), and given up beyond.
bool FarOutside(WorldPoint p, double zoomFactor) {
    const double width = (kWorldHigh - kWorldLow) / zoomFactor;
    const double low = kWorldLow / zoomFactor - width, high = kWorldHigh / zoomFactor + width;
    return p.x < low || p.x > high || p.y < low || p.y > high;
}

double Distance(WorldPoint a, WorldPoint b) { return std::hypot(a.x - b.x, a.y - b.y); }

// The distance from c to the straight path from a to b.
double DistanceFromPath(WorldPoint c, WorldPoint a, WorldPoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
    const double along =
        length2 > 0 ? std::clamp(((c.x - a.x) * dx + (c.y - a.y) * dy) / length2, 0.0, 1.0) : 0;
    return std::hypot(a.x + along * dx - c.x, a.y + along * dy - c.y);
}

enum class End { Closed, Charge, Window, Stuck };

class LevelTracer {
public:
    LevelTracer(const FieldModel& model, double level, double zoomFactor)
        : model_(model), level_(level), zoom_(zoomFactor), largest_(0.01 / zoomFactor) {}

    // One way round from start (turning left of the field for sense +1):
    // the points after start, and how the way ended.
    End follow(WorldPoint start, FieldValue atStart, double sense,
               std::vector<WorldPoint>& points) {
        evaluations_ = 0;
        WorldPoint p = start;
        FieldValue at = atStart;
        double h = largest_, farthest = 0;
        bool metCharge = false;
        while (evaluations_ < kEvaluations) {
            const WorldPoint along = Along(at, sense);
            const WorldPoint guess{p.x + h * along.x, p.y + h * along.y};
            FieldValue next{};
            const auto q = ontoLevel(guess, h / 2, next);
            const bool smooth = q && Distance(*q, p) > h / 2 && Turn(along, Along(next, sense));
            const bool crosses = model_.shape->pathMeetsCharge(View::Front, p, guess) ||
                                 (q && model_.shape->pathMeetsCharge(View::Front, p, *q));
            if (!smooth || crosses) {
                metCharge = metCharge || crosses;
                if (h <= largest_ * kSmallestStep) return metCharge ? End::Charge : End::Stuck;
                h /= 2;
                continue;
            }
            farthest = std::max(farthest, Distance(*q, start));
            if (points.size() >= 3 && farthest > 2 * h && DistanceFromPath(start, p, *q) < h / 4) {
                points.push_back(start);
                return End::Closed;
            }
            points.push_back(*q);
            if (FarOutside(*q, zoom_)) return End::Window;
            metCharge = false;
            p = *q;
            at = next;
            h = std::min(largest_, 1.5 * h);
        }
        return End::Stuck;
    }

private:
    // The unit direction along the level, across the field: E turned by a
    // quarter turn, to the left for sense +1.
    static WorldPoint Along(FieldValue f, double sense) {
        const double magnitude = std::hypot(f.ex, f.ey);
        return {-sense * f.ey / magnitude, sense * f.ex / magnitude};
    }
    static bool Turn(WorldPoint a, WorldPoint b) {
        return a.x * b.x + a.y * b.y > std::cos(kLargestTurn);
    }

    // Newton on V from q along the gradient −E, moving at most `reach`:
    // V(q + d) ≈ V(q) − E·d, so d = (V(q) − level)·E/|E|².
    std::optional<WorldPoint> ontoLevel(WorldPoint q, double reach, FieldValue& at) {
        WorldPoint p = q;
        for (int n = 0; n < kNewtonSteps; ++n) {
            ++evaluations_;
            const auto f = model_.fieldAt(p);
            if (!f) return std::nullopt;
            const double miss = f->v - level_, e2 = f->ex * f->ex + f->ey * f->ey;
            if (!(e2 > 0)) return std::nullopt;
            if (std::fabs(miss) <= 1e-12 * std::fabs(level_)) {
                at = *f;
                return p;
            }
            p = {p.x + miss * f->ex / e2, p.y + miss * f->ey / e2};
            if (!(Distance(p, q) <= reach)) return std::nullopt;
        }
        return std::nullopt;
    }

    const FieldModel& model_;
    double level_;
    double zoom_;
    double largest_;  // step, m
    long long evaluations_ = 0;
};

}  // namespace

LevelCurve TraceLevelCurve(const FieldModel& model, WorldPoint start, double zoomFactor) {
    const auto atStart = model.fieldAt(start);
    if (!atStart) return {};
    LevelCurve curve{{{start}}, false, atStart->v};
    if (!(std::hypot(atStart->ex, atStart->ey) > 0)) return curve;  // no direction to go
    LevelTracer tracer(model, atStart->v, zoomFactor);
    std::vector<WorldPoint>& stroke = curve.strokes.front();
    const End forth = tracer.follow(start, *atStart, 1, stroke);
    if (forth == End::Closed) {
        curve.closed = true;
        return curve;
    }
    std::vector<WorldPoint> back;
    const End backEnd = tracer.follow(start, *atStart, -1, back);
    stroke.insert(stroke.begin(), back.rbegin(), back.rend());
    const auto across = model.shape->figure(View::Front).crossBar;
    if (forth == End::Charge && backEnd == End::Charge && across) {
        std::vector<WorldPoint> mirror = stroke;
        for (WorldPoint& p : mirror) p.x = 2 * across->at - p.x;
        curve.strokes.push_back(std::move(mirror));
        curve.closed = true;
    }
    return curve;
}

LevelCurve FrontEquipotential(const FieldModel& model, WorldPoint p, double zoomFactor) {
    if (model.shape != &UniformSegment() || model.charges > 0)
        return TraceLevelCurve(model, p, zoomFactor);
    const auto level = model.potentialAt(p);
    if (!level) return {};
    return {{EquipotentialEllipse(p.x, p.y, zoomFactor)}, true, *level};
}
