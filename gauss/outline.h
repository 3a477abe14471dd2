#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "gauss/gauss_surface.h"

// A point of the half-plane (x, ρ ≥ 0) bounded by the axis, m.
struct AxialPoint {
    double x;
    double rho;
};

// Where the line through a and b meets the circle of radius r round (c, 0),
// as the fractions of the way from a to b, the smaller first; empty where
// it misses it.
std::optional<std::pair<double, double>> LineOnCircle(AxialPoint a, AxialPoint b, double c,
                                                      double r);

// A point of a surface's outline in the half-plane, with its outward normal
// and the area the circle through it sweeps for a unit step of the part's
// parameter.
struct OutlinePoint {
    double x, rho;
    double nx, nrho;
    double areaRate;  // dA/dt, m² per unit of t
};

// A smooth part of the outline: the sphere's half-circle, parametrised by the
// angle θ from +x (0 to π); a cylinder's caps by ρ (0 to R) and its side by x.
class OutlinePart {
public:
    enum class Kind { Sphere, LowCap, HighCap, Side };
    OutlinePart(Kind kind, const GaussSurface& surface) : kind_(kind), surface_(surface) {}

    Kind kind() const { return kind_; }
    double from() const;
    double to() const;
    OutlinePoint at(double t) const;
    // Metres along the part for a unit step of its parameter.
    double metresPerUnit() const;
    // The parameter of the part's point nearest p, and how far that is, m.
    double nearest(AxialPoint p, double* distance) const;
    // Where the straight piece from a to b crosses the part, as parameters.
    std::vector<double> crossings(AxialPoint a, AxialPoint b) const;

private:
    Kind kind_;
    GaussSurface surface_;
};

// The parts of the surface's outline: one for a sphere, the low cap, the
// high cap and the side for a cylinder.
std::vector<OutlinePart> OutlineOf(const GaussSurface& surface);
