#pragma once

// The parts of the uniform segment's closed forms that the other segments'
// formulas share, for a point (x, y) of a plane through the x axis.
namespace segment_parts {

struct Distances {
    double r1;  // to the start (0, 0)
    double r2;  // to the end (L, 0)
};

bool onClosedSegment(double x, double y);
Distances distancesTo(double x, double y);

// ln((r2 + L − x) / (r1 − x)) = 2·atanh(L / (r1 + r2)): the uniform
// segment's potential divided by k·λ, to the last digits everywhere.
double potentialFactor(double x, double y, Distances d);

}  // namespace segment_parts
