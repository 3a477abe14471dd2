#pragma once

#include "field/model_in_use.h"

// The distance from p to the straight path from a to b.
double DistanceToPath(WorldPoint p, WorldPoint a, WorldPoint b);

// −∫E·dl along a path, V, and a bound on its error from the rules and the
// rounding, V.
struct PathIntegral {
    double volts;
    double error;
};

// −∫E·dl from a to b along the straight path, which must not meet the
// segment (or, for point charges, pass through one). Gauss–Kronrod on pieces
// of the path at most half as long as their distance from where the field is
// singular (each point charge on its own in the front view, the axis in the
// profile view, the segment's ends and where the path's line crosses it),
// found by halving the path in space: their number grows only with the
// logarithm of the path's length over its closest approach, so any two
// points take a bounded time.
PathIntegral MinusLineIntegral(const FieldModel& model, WorldPoint a, WorldPoint b);
