#pragma once

#include "fieldmap/field_model.h"

struct MapPoint {
    double x;  // m
    double y;  // m
};

// The distance from p to the straight path from a to b.
double DistanceToPath(MapPoint p, MapPoint a, MapPoint b);

// −∫E·dl from a to b along the straight path, which must not meet the
// segment (or, for point charges, pass through one), to a relative accuracy
// far below 1e-6: adaptive Gauss–Kronrod on pieces at most twice as long as
// their distance from where the field is singular (the segment's ends, or
// each point charge on its own), so that a path passing close by is resolved.
double MinusLineIntegral(const FieldModel& model, MapPoint a, MapPoint b);
