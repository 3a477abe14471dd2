#pragma once

#include <cmath>
#include <optional>

#include "field/charge_distribution.h"
#include "field/field_value.h"

// A shape that looks the same from every side of the x axis: its field at a
// point of space from its field at (x, ρ) of a half-plane, ρ ≥ 0 the distance
// from the axis, given as {along the axis, away from the axis, potential}.
template <class HalfPlaneField>
std::optional<SpaceField> AroundTheAxis(SpacePoint p, const HalfPlaneField& field) {
    const double rho = p.z == 0 ? std::fabs(p.y) : std::hypot(p.y, p.z);
    const std::optional<FieldValue> f = field(p.x, rho);
    if (!f) return std::nullopt;
    if (rho == 0) return SpaceField{f->ex, 0, 0, f->v};
    if (p.z == 0) return SpaceField{f->ex, p.y < 0 ? -f->ey : f->ey, 0, f->v};
    return SpaceField{f->ex, f->ey * (p.y / rho), f->ey * (p.z / rho), f->v};
}

inline double AxisDistance(SpacePoint p) {
    return p.z == 0 ? std::fabs(p.y) : std::hypot(p.y, p.z);
}

// Not finite parts have no value.
inline std::optional<FieldValue> FiniteField(FieldValue f) {
    if (!std::isfinite(f.ex) || !std::isfinite(f.ey) || !std::isfinite(f.v)) return std::nullopt;
    return f;
}
