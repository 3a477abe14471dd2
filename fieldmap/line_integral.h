#pragma once

#include <vector>

#include "field/model_in_use.h"

// Where an element meets the front view's plane z = 0: a point charge in it,
// or the two points where a circle of charge crosses it; none for a point
// charge off it.
std::vector<WorldPoint> ElementInPlane(const ChargeElement& e);

// The distance from p to the straight path from a to b.
double DistanceToPath(WorldPoint p, WorldPoint a, WorldPoint b);

// −∫E·dl along a path, V, and a bound on its error from the rules and the
// rounding, V.
struct PathIntegral {
    double volts;
    double error;
};

// −∫E·dl from a to b along the straight path, which must not meet the
// charge (or, for elements, pass through one). Gauss–Kronrod on pieces of the
// path at most half as long as their distance from where the field is
// singular (each element on its own in the front view; the axis or the circle
// of the charge in the profile view; the ends of the charge's cut in the
// front view and where the path's line crosses it),
// found by halving the path in space: their number grows only with the
// logarithm of the path's length over its closest approach, so any two
// points take a bounded time.
PathIntegral MinusLineIntegral(const FieldModel& model, WorldPoint a, WorldPoint b);
