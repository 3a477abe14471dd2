#pragma once

#include <optional>
#include <string>
#include <vector>

#include "field/domain.h"

// A point of space in metres. The front view is the plane z = 0 seen with x
// across and y up; the profile view is the plane x = bisectorX() seen with z
// across and y up.
struct SpacePoint {
    double x;
    double y;
    double z;
};

// Field components (V/m) and potential (V) at a point of space, not rounded.
struct SpaceField {
    double ex;
    double ey;
    double ez;
    double v;
};

// One element of the N-element model: a point charge, at the centre of its
// piece of the charge, holding that piece's charge.
struct ChargeElement {
    SpacePoint centre;
    double from;    // where its piece starts along the x axis, m
    double to;      // and where it ends
    double length;  // of the piece, m: its charge is the density times this

    // Coulomb's constant times its charge, V·m, for the density (C/m).
    double coulombCharge(double density) const { return segment::kCoulomb * density * length; }
};

// What the frame draws of the charge in a view, in metres at zoom 1: a zoom
// factor z divides every height and radius, so that they keep their size on
// screen, and none of the positions along the charge.
struct ChargeFigure {
    // A bar along the x axis, filled fillHalfHeight either side inside an
    // outline outlineHalfHeight either side, and divided into its elements.
    struct Bar {
        double from;
        double to;
        double fillHalfHeight;
        double outlineHalfHeight;
    };
    std::optional<Bar> bar;
    std::vector<double> ringRadii;  // circles around the origin, outermost first
};

// The limits a teacher compares the models with on the line the "Mediatriz"
// plot follows, at the distance s from the charge.
struct BisectorLimits {
    double lineE;   // |E| of an infinite line of the same density
    double pointE;  // |E| of the whole charge at one point
    double pointV;  // V of that point charge
};

// A charge shape: its exact field, its model of N point charges, and what
// the window draws and refuses of it. Each shape is one implementation,
// listed once in field/shape_list.h.
class ChargeDistribution {
public:
    virtual ~ChargeDistribution() = default;

    // The exact model for the density (C/m): the integral over the charge,
    // not rounded. Empty where it has no value (on the charge) or a part is
    // not finite. In the plane z = 0 the numbers are the ones the read-outs
    // of the front view round.
    virtual std::optional<SpaceField> exactField(SpacePoint p, double density) const = 0;
    // The potential alone, where the exact model has one.
    virtual std::optional<double> exactPotential(SpacePoint p, double density) const = 0;

    // Element i of n (1-based, in the order the manual mode takes them).
    virtual ChargeElement element(int i, int n) const = 0;
    // Its field and potential at p, not rounded; empty where not finite.
    virtual std::optional<SpaceField> elementField(int i, int n, SpacePoint p,
                                                   double density) const = 0;
    // The element a click at p on the drawn charge of the front view takes.
    virtual int elementAt(WorldPoint p, int n) const = 0;

    // The band drawn around the charge, half its height at zoom 1: a point
    // within it (band/zoom in the front view) lies on the drawn charge, where
    // a click takes an element or is ignored and the grid draws no arrow.
    virtual double band() const = 0;
    // Whether p lies on the drawn charge of the view at the zoom factor.
    virtual bool onDrawnCharge(View view, WorldPoint p, double zoomFactor) const = 0;
    // Whether a point typed for the front view lies on the charge, within
    // the narrower band (whatever the zoom) inside which "Calcular" refuses it.
    virtual bool onChargeAsTyped(WorldPoint p) const = 0;
    // The distance from p to the charge as the view shows it, m.
    virtual double distanceFromCharge(View view, WorldPoint p) const = 0;
    // Whether the straight path from a to b of the view meets the charge.
    virtual bool pathMeetsCharge(View view, WorldPoint a, WorldPoint b) const = 0;
    // What the frame of the view draws of the charge.
    virtual ChargeFigure figure(View view) const = 0;

    // The line the "Mediatriz" plot follows, the points (bisectorX(), s, 0)
    // for s > 0; the profile view is the plane across the charge there.
    virtual double bisectorX() const = 0;
    virtual BisectorLimits bisectorLimits(double s, double density) const = 0;

    // The density's symbol and unit, as captions write them: "λ", "C/m".
    virtual std::string densitySymbol() const = 0;
    virtual std::string densityUnit() const = 0;
};
