#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "field/model_in_use.h"
#include "gauss/gauss_surface.h"

// ε₀ from Coulomb's constant, k = 1/4πε₀, F/m.
double VacuumPermittivity();

// A flux and the estimate of its quadrature error, V·m.
struct Flux {
    double value = 0;
    double error = 0;
};

// Everything the Gauss tool shows of the surface, for the model given.
struct GaussFigures {
    Flux total;                       // Φ = ∮E·dA, from the model's field
    std::optional<Flux> lowCap;       // the cylinder's cap at the smaller x
    std::optional<Flux> highCap;      // and at the larger x
    std::optional<Flux> side;         // and its side; none for a sphere
    double enclosedCharge = 0;        // Q_enc, C
    int elementsOnSurface = 0;        // N-element model: elements counted half
    bool chargeOnSurface = false;     // exact model: some charge lies on the surface
    double enclosedOverEpsilon0 = 0;  // Q_enc/ε₀, V·m
    // (Φ − Q_enc/ε₀) over Q_enc/ε₀; over the whole charge's Q/ε₀ where the
    // surface encloses none, or less than a millionth of it.
    double relativeDifference = 0;
    double area = 0;  // A, m²
    // The mean of |E| over the surface, V/m, and the least and greatest E·n
    // (n outwards). Infinite where charge lies on the surface at points or
    // along a wire, or a line of charge ends on it: the field has no bound there.
    double meanField = 0;
    double leastNormal = 0;
    double greatestNormal = 0;
    double fieldTimesArea = 0;  // mean |E| times A: what "E times area" gives, V·m
};

// The figures of the model's field and charge for the surface. The view of
// the model does not matter; its shape, density and N do.
GaussFigures GaussLaw(const FieldModel& model, const GaussSurface& surface);

// The charge the surface encloses, C, and how many elements lie on it.
struct EnclosedCharge {
    double charge = 0;
    int elementsOnSurface = 0;
    bool chargeOnSurface = false;
};
EnclosedCharge ChargeInside(const FieldModel& model, const GaussSurface& surface);

// The flux alone, to the accuracy the tool shows it.
Flux FluxThrough(const FieldModel& model, const GaussSurface& surface);

// Φ and Q_enc/ε₀ as the radius of the surface grows from `from` to `to`, its
// centre and length kept, at `count` radii evenly spaced (count ≥ 2).
struct FluxAtRadius {
    double radius;                // m
    double flux;                  // V·m
    double enclosedOverEpsilon0;  // V·m
};
std::vector<FluxAtRadius> FluxAgainstRadius(const FieldModel& model, GaussSurface surface,
                                            double from, double to, int count);

// The radii the plot of Φ against the radius and the command line's sweep
// take: kSweepRadii of them, from 1 cm to 1.5 m, or to 1.5 times the
// surface's radius where that is larger, within the radii the boxes accept.
constexpr int kSweepRadii = 100;
struct SweepRange {
    double from;
    double to;
};
SweepRange SweepRangeFor(const GaussSurface& surface);
