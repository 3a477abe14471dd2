#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "field/domain.h"

// Half the height of the band drawn round a charge, in metres at zoom 1 (a
// zoom factor z divides it, so that it keeps its size on screen), and the
// half-height of the fill inside it: the drawn charge, where a click takes an
// element or is ignored and the grid draws no arrow.
constexpr double kChargeBand = 0.008;
constexpr double kChargeFill = 0.007;
// Half the height of the narrower band, whatever the zoom, inside which a
// point typed for the front view counts as on the charge.
constexpr double kChargeTypedBand = 0.003;

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
// piece of the charge, holding that piece's charge; or, where ringRadius is
// not 0, that charge spread evenly on the circle of that radius around the x
// axis through the centre (a disk's rings).
struct ChargeElement {
    SpacePoint centre;
    double from;    // where its piece starts along the charge: x along a segment (m),
    double to;      // the angle from +y towards +z on a ring (rad), the radius on a disk (m)
    double length;  // of the piece along the charge, m: along a segment, of arc, of width
    double chargePerDensity;  // its charge over the density: m for λ, m² for σ
    double ringRadius = 0;    // m

    // Coulomb's constant times its charge, V·m, for the density.
    double coulombCharge(double density) const {
        return segment::kCoulomb * density * chargePerDensity;
    }
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

    // A bar across the x axis at x = at, from y = -reach to y = reach (m at
    // every zoom), filled fillHalfWidth either side of x = at inside an
    // outline outlineHalfWidth either side (no fill when 0): the cut of a
    // charge that lies across the axis, or a ring seen edge-on.
    struct CrossBar {
        double at;
        double reach;
        double fillHalfWidth;
        double outlineHalfWidth;
    };
    std::optional<CrossBar> crossBar = std::nullopt;
    // A circle around the origin that is the charge itself, its radius in m
    // at every zoom, its line outlineHalfWidth either side; filled inside
    // when the charge covers it (a disk), else a ring's wire.
    struct Circle {
        double radius;
        double outlineHalfWidth;
        bool filled;
    };
    std::optional<Circle> circle = std::nullopt;
};

// The limits a teacher compares the models with on the line the "Mediatriz"
// plot follows, at the distance s from the charge.
struct BisectorLimits {
    double lineE;         // |E| of an infinite line of the same density; NaN off a line
    double pointE;        // |E| of the whole charge at one point
    double pointV;        // V of that point charge
    double planeE = NAN;  // |E| of an infinite plane of the same σ, σ/2ε₀ = 2πk|σ|; the disk's
};

// The line the "Mediatriz" plot follows: the points start + s·direction for
// s > 0, direction a unit vector in the plane z = 0.
struct PlotLine {
    SpacePoint start;
    SpacePoint direction;
};

// The charge as a half-plane (x, ρ ≥ 0) bounded by the axis holds it, each
// circle round the axis gathered at its point: the straight piece from
// (x0, ρ0) to (x1, ρ1), a single point for a ring. Gauss's law counts the
// charge a surface round the axis encloses from it.
struct AxialPiece {
    double x0, rho0;
    double x1, rho1;
};

// How the window, the titles, the files and the command line name a shape.
// None holds a comma, so that a CSV's context line stays one cell.
struct ShapeWords {
    std::string name;         // the menu's and the titles' name: "Segmento"
    std::string commandWord;  // the command line's word for it: "segmento"
    std::string exactModel;   // what "Infinito (Integral)" computes
    std::string totalCharge;  // Q from the density: "Q = λ·1 m"
    std::string plotLine;  // the line the "Mediatriz" plot follows: "Mediatriz", "Eje del anillo"
};

// How the error of the N-element model at a point off the charge falls as N
// grows. Elements that are the midpoint rule of the integral along a line or
// a radius (the segments, the disk's rings) leave an error of order N⁻²;
// equal charges evenly round a closed curve (the ring) are the trapezoidal
// rule of a periodic integrand, whose error falls geometrically, by a fixed
// factor for each element added.
enum class ConvergenceLaw { InverseSquare, Geometric };

// A charge shape: its exact field, its model of N point charges, and what
// the window draws and refuses of it. Each shape is one implementation,
// listed once in field/shape_list.h.
class ChargeDistribution {
public:
    virtual ~ChargeDistribution() = default;

    // The exact model for the density (C/m, or C/m² over a surface): the
    // integral over the charge, not rounded. Empty where it has no value (on
    // the charge) or a part is not finite. In the plane z = 0 the numbers
    // are the ones the read-outs of the front view round.
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

    // The x of the profile view's plane, across the axis: the segments'
    // bisector, the plane of a ring or a disk.
    virtual double bisectorX() const = 0;
    // The line the "Mediatriz" plot follows: the segments' bisector
    // (bisectorX(), s, 0), the axis (bisectorX() + s, 0, 0) of a ring or a
    // disk, from its centre outwards; and the limits at s along it, NaN
    // where the shape has none (a line for the segments, a plane for the
    // disk, a point charge far away for all).
    virtual PlotLine plotLine() const = 0;
    virtual BisectorLimits bisectorLimits(double s, double density) const = 0;

    // The density's symbol and unit, as captions write them: "λ", "C/m".
    virtual std::string densitySymbol() const = 0;
    virtual std::string densityUnit() const = 0;
    // The whole charge over the density: m for λ, m² for σ.
    virtual double chargePerDensity() const = 0;
    // Where the charge lies in the half-plane, and the charge over the density
    // of its part between the fractions 0 ≤ t0 ≤ t1 ≤ 1 of the way along it
    // (a point holds it all: the part from 0 to 1).
    virtual AxialPiece axialPiece() const = 0;
    virtual double chargePerDensityAlong(double t0, double t1) const = 0;
    virtual ShapeWords words() const = 0;
    virtual ConvergenceLaw convergenceLaw() const = 0;
    // What the N-element model of `count` elements (a number, or "N") computes.
    virtual std::string elementsText(const std::string& count) const = 0;
};
