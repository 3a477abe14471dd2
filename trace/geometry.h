#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "field/model_in_use.h"

// The shapes of field lines and equipotentials, as lists of world points in
// metres. Plain C++: no drawing here.

// The equipotential through (x, y) in the plane of the segment: the ellipse
// with foci at the segment's ends, by the polar angle at the focus (0, 0) in
// steps of 0.01/zoom up to 6.28318, followed by the first point again so that
// the curve is closed. (x, y) must lie off the closed segment.
std::vector<WorldPoint> EquipotentialEllipse(double x, double y, double zoomFactor);

// The field at a point as the read-outs hold it, or empty where it has no value.
struct FieldVector {
    double ex;
    double ey;
};
using FieldAt = std::function<std::optional<FieldVector>(double x, double y)>;
// Whether a pass ends with the step it has just taken from `from` to `to`.
using StopAfterStep = std::function<bool(WorldPoint from, WorldPoint to)>;

struct FieldLinePass {
    std::vector<WorldPoint> points;  // the start, then the position after every step
};

// Follows the field from start in steps of the signed length h along the unit
// field: evaluate, leave when |E| < 0.001, the field has no value or it has
// turned back against the last step (the line overshot a point where the
// field vanishes, as at the ring's centre), step, and stop once `stop` holds
// after a step, or after maxSteps steps.
FieldLinePass TraceFieldLinePass(WorldPoint start, double h, const FieldAt& field,
                                 const StopAfterStep& stop, long long maxSteps);

// Enough steps for any pass from start to reach the charge or leave the
// window of the zoom factor, yet a bound for a pass that cannot end. Every
// shape lies within kChargeReach of its centre in the view ((bisectorX, 0)
// in the front view, the axis in the profile view); a field line is shorter
// than 3·(r + 2/z), r being the start's distance from that centre; beyond
// 20 km from it no shape and density offered gives 0.001 V/m (the ring at
// 10 µC/m, kQ = 2.8e5 V·m, reaches it at 17 km).
constexpr double kChargeReach = 0.5;  // m
long long FieldLineStepLimit(const FieldModel& model, WorldPoint start, double h,
                             double zoomFactor);

// Stop rules of the passes of a field line: the window of the zoom factor,
// and the charge as the model's view draws it (a step that ends on it or
// crosses it).
bool OutsideWorldWindow(double x, double y, double zoomFactor);
bool StepMeetsCharge(const FieldModel& model, WorldPoint from, WorldPoint to, double zoomFactor);

// Both passes of the field line through start, in steps of 0.01/zoom away
// from the charge along `field`: outward until the window's edge or the
// charge, then inward onto the charge, each within FieldLineStepLimit.
struct FieldLine {
    FieldLinePass outward, inward;
};
FieldLine TraceFieldLine(const FieldModel& model, WorldPoint start, const FieldAt& field,
                         double zoomFactor);

// The scan of a set of equipotentials: heights s from s0 to 1.05/zoom in steps of 0.01/zoom.
struct EquipotentialScanRange {
    double first;
    double end;
    double step;
};
EquipotentialScanRange ScanRangeFor(double zoomFactor);

// Decides at which scan positions a line of the set is drawn: the first
// position always, then wherever |V| has fallen by the potential step from the
// potential of the previous line. The scan ends once the next level is below zero.
class EquipotentialLevels {
public:
    struct Decision {
        int linesToDraw;  // 0, 1 or 2 (the first position, with a step of 0 or less)
        bool stop;        // the scan ends here
    };
    Decision visit(bool firstPosition, double potential, long long potentialStep);

private:
    double level_ = 0;
};
