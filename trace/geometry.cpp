#include "trace/geometry.h"

#include <algorithm>
#include <cmath>

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
    for (long long n = 0; n < maxSteps; ++n) {
        const std::optional<FieldVector> e = field(p.x, p.y);
        if (!e) break;
        const double magnitude = std::hypot(e->ey, e->ex);
        if (magnitude < 0.001) break;
        p = {p.x + h * e->ex / magnitude, p.y + h * e->ey / magnitude};
        pass.points.push_back(p);
        if (stop(p.x, p.y)) break;
    }
    return pass;
}

long long FieldLineStepLimit(WorldPoint start, double h, double zoomFactor) {
    constexpr double kFarthest = 3 * 2e4;  // metres of line, well past any field of 0.001 V/m
    const double r = std::hypot(start.x - kHalfLength, start.y);
    const double length = std::min(3 * (r + 2 / zoomFactor), kFarthest);
    return static_cast<long long>(length / std::fabs(h));
}

bool OutsideWorldWindow(double x, double y, double zoomFactor) {
    const double low = kWorldLow / zoomFactor, high = kWorldHigh / zoomFactor;
    return x < low || x > high || y < low || y > high;
}

bool InsideSegmentBox(double x, double y, double zoomFactor) {
    // The x limits stay put at every zoom; the y limits scale with it.
    return x > -0.002 && x < kLength + 0.002 && y < 0.009 / zoomFactor && y > -0.009 / zoomFactor;
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
