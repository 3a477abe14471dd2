#pragma once

#include <optional>

#include "field/domain.h"
#include "field/field_value.h"

// A circle of charge around the x axis, and what the shapes made of circles
// (a ring, a disk) share. A point is given by its offset a along the axis
// from the circle's plane and its distance ρ ≥ 0 from the axis; D is its
// distance to the point of the circle at the angle φ,
// D² = a² + ρ² + r² − 2ρr·cos φ.

// The integrals over φ from 0 to 2π the fields of circles are made of.
struct CircleIntegrals {
    double i1;       // ∫ dφ/D
    double c1;       // ∫ cos φ dφ/D
    double i3;       // ∫ dφ/D³
    double radial3;  // ∫ (ρ − r·cos φ) dφ/D³
};

// Near the axis and far away (2ρr small beside a² + ρ² + r²) by their
// series, else by Carlson's symmetric integrals R_F and R_D; empty on the
// circle itself.
std::optional<CircleIntegrals> AroundCircle(double a, double rho, double r);

// The circle of radius r holding the charge q: {E along the axis, E away
// from it, V}, for kq = k·q; empty on the circle or where not finite.
std::optional<FieldValue> CircleFieldAt(double a, double rho, double r, double kq);

namespace ring {
constexpr double kRadius = 0.5;  // m, of the ring and of the disk
constexpr double kPlane = 0.5;   // x of their plane, m: the segment's middle
}  // namespace ring

// The ring and the disk: radius ring::kRadius in the plane x = ring::kPlane,
// centred on the axis, with a uniform density, λ (C/m) along the ring's
// wire, σ (C/m²) over the disk.
class ChargeDistribution;
const ChargeDistribution& Ring();
const ChargeDistribution& Disk();

// Their front view: the bar across the axis at x = ring::kPlane out to
// ring::kRadius either side, their cut (the disk) or seen edge-on (the ring).
namespace across_bar {
bool Holds(WorldPoint p, double halfWidth);
double DistanceFrom(WorldPoint p);
bool PathMeets(WorldPoint a, WorldPoint b);
}  // namespace across_bar

// The least distance from the origin to the straight path from a to b.
double LeastDistanceFromOrigin(WorldPoint a, WorldPoint b);
