#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "field/domain.h"

// The shapes of field lines and equipotentials of the charged segment, as
// lists of world points in metres. Plain C++: no drawing here.

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
using StopAfterStep = std::function<bool(double x, double y)>;

struct FieldLinePass {
    std::vector<WorldPoint> points;  // the start, then the position after every step
};

// Follows the field from start in steps of the signed length h along the unit
// field: evaluate, leave when |E| < 0.001 or the field has no value, step, and
// stop once `stop` holds after a step, or after maxSteps steps.
FieldLinePass TraceFieldLinePass(WorldPoint start, double h, const FieldAt& field,
                                 const StopAfterStep& stop, long long maxSteps);

// Enough steps for any pass from start to reach the segment or leave the
// window of the zoom factor, yet a bound for a pass that cannot end. A field
// line is shorter than 3·(r + 2/z), r being the start's distance from the
// middle of the segment; beyond about 10 km from it no density gives 0.001 V/m.
long long FieldLineStepLimit(WorldPoint start, double h, double zoomFactor);

// Stop rules of the two passes of a field line in the front view.
bool OutsideWorldWindow(double x, double y, double zoomFactor);
bool InsideSegmentBox(double x, double y, double zoomFactor);

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
