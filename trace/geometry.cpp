#include "trace/geometry.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "field/ring_field.h"

using segment::kLength;

namespace {
constexpr double kFullTurn = 6.28318;                 // the angle range of an ellipse, not 2π
constexpr double kHalfLength = segment::kLength / 2;  // focus to centre
}  // namespace

std::vector<WorldPoint> EquipotentialEllipse(double x, double y, double zoomFactor) {
    const double r2 = std::hypot(kLength - x, y);
    const double r1 = std::hypot(x, y);
    const double a = (r1 + r2) / 2;
    const double e = kHalfLength / a;
    const double p = (a - kHalfLength) * (1 + e);
    const double step = 0.01 / zoomFactor;
    std::vector<WorldPoint> points;
    for (double t = 0; t <= kFullTurn; t += step) {
        const double rho = p / (1 + e * std::cos(t));
        points.push_back({-rho * std::cos(t), rho * std::sin(t)});
    }
    points.push_back(points.front());
    return points;
}

FieldLinePass TraceFieldLinePass(WorldPoint start, double h, const FieldAt& field,
                                 const StopAfterStep& stop, long long maxSteps) {
    FieldLinePass pass;
    pass.points.push_back(start);
    WorldPoint p = start;
    FieldVector last{0, 0};  // the unit field of the last step
    for (long long n = 0; n < maxSteps; ++n) {
        const std::optional<FieldVector> e = field(p.x, p.y);
        if (!e) break;
        const double magnitude = std::hypot(e->ey, e->ex);
        if (magnitude < 0.001) break;
        const FieldVector unit{e->ex / magnitude, e->ey / magnitude};
        if (unit.ex * last.ex + unit.ey * last.ey < 0) break;
        last = unit;
        const WorldPoint from = p;
        p = {p.x + h * unit.ex, p.y + h * unit.ey};
        pass.points.push_back(p);
        if (stop(from, p)) break;
    }
    return pass;
}

// Each shape's size, written once in its own file.
static_assert(kChargeReach == kHalfLength && kChargeReach == ring::kRadius);

long long FieldLineStepLimit(const FieldModel& model, WorldPoint start, double h,
                             double zoomFactor) {
    constexpr double kFarthest = 3 * 2e4;  // metres of line, well past any field of 0.001 V/m
    const WorldPoint centre{model.view == View::Front ? model.shape->bisectorX() : 0, 0};
    const double r = std::hypot(start.x - centre.x, start.y - centre.y);
    const double length = std::min(3 * (r + 2 / zoomFactor), kFarthest);
    return static_cast<long long>(length / std::fabs(h));
}

bool OutsideWorldWindow(double x, double y, double zoomFactor) {
    const double low = kWorldLow / zoomFactor, high = kWorldHigh / zoomFactor;
    return x < low || x > high || y < low || y > high;
}

bool StepMeetsCharge(const FieldModel& model, WorldPoint from, WorldPoint to, double zoomFactor) {
    return model.shape->onDrawnCharge(model.view, to, zoomFactor) ||
           model.shape->pathMeetsCharge(model.view, from, to);
}

EquipotentialScanRange ScanRangeFor(double zoomFactor) {
    const double first = (zoomFactor == 0.1 || zoomFactor == 0.25) ? 0.1 : 0.05;
    return {first, 1.05 / zoomFactor, 0.01 / zoomFactor};
}

EquipotentialLevels::Decision EquipotentialLevels::visit(bool firstPosition, double potential,
                                                         long long potentialStep) {
    const double magnitude = std::fabs(potential);
    Decision decision{0, false};
    if (firstPosition) {
        decision.linesToDraw = 1;
        level_ = magnitude - static_cast<double>(potentialStep);
    }
    if (level_ < 0) {
        decision.stop = true;
    } else if (magnitude <= level_) {
        ++decision.linesToDraw;
        level_ = magnitude - static_cast<double>(potentialStep);
    }
    return decision;
}

FieldLine TraceFieldLine(const FieldModel& model, WorldPoint start, const FieldAt& field,
                         double zoomFactor) {
    const double z = zoomFactor;
    const double h = std::copysign(0.01, model.lambda) / z;  // away from the charge
    const long long limit = FieldLineStepLimit(model, start, h, z);
    const StopAfterStep meetsCharge = [&model, z](WorldPoint from, WorldPoint to) {
        return StepMeetsCharge(model, from, to, z);
    };
    const auto leaves = [&](WorldPoint from, WorldPoint to) {
        return OutsideWorldWindow(to.x, to.y, z) || meetsCharge(from, to);
    };
    FieldLinePass outward = TraceFieldLinePass(start, h, field, leaves, limit);
    return {std::move(outward), TraceFieldLinePass(start, -h, field, meetsCharge, limit)};
}
