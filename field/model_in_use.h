#pragma once

#include <optional>

#include "field/charge_distribution.h"
#include "field/field_value.h"
#include "field/shapes.h"

// The model every evaluation uses: a shape with its density, as the exact
// integral or as N point charges, seen in a view.
struct FieldModel {
    double lambda;    // the density, C/m
    int charges = 0;  // N, or 0 for the exact integral
    View view = View::Front;
    const ChargeDistribution* shape = &StartShape();

    // The field and potential at a point of space, not rounded: the integral,
    // or the N elements' fields summed in element order. Empty where the
    // model has no value there.
    std::optional<SpaceField> fieldInSpace(SpacePoint p) const;

    // Where a point of the view's drawing is evaluated. Front view: (x, y, 0).
    // Profile view: the shape looks the same all round its axis, so a point
    // at the distance r = hypot(x, y) from the axis takes the values of the
    // point (bisectorX, r, 0) of the plane of the charge.
    SpacePoint evaluatedAt(WorldPoint p) const;

    // The field in the drawing's components and the potential at p, not
    // rounded; in the profile view the field at evaluatedAt(p) turned along
    // the radius. Empty where the model has no value.
    std::optional<FieldValue> fieldAt(WorldPoint p) const;
    std::optional<double> potentialAt(WorldPoint p) const;

    // The values at evaluatedAt(p) as the read-outs hold them: the exact
    // model rounded once, or the sum of the N rounded contributions in
    // element order. Empty where any of them or the sum has no value.
    std::optional<FieldSample> shownAt(WorldPoint p) const;

    // Element i's contribution at evaluatedAt(p), each part rounded on its
    // own; empty where it is not finite or does not fit a Currency.
    std::optional<FieldSample> shownElementAt(int i, WorldPoint p) const;
};

// What the user chose, for the one rule that picks the model in use.
struct ModelChoices {
    double lambda;  // C/m
    int model;      // N, or 0 for "Infinito (Integral)"
    View view;
    bool tracesLine;  // a click traces a field line or an equipotential
    const ChargeDistribution* shape = &StartShape();
};

// The integral when it is chosen, when a click traces a line and in the
// profile view; else the N point charges.
FieldModel ModelInUse(const ModelChoices& choices);
