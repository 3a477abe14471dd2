#pragma once

#include <string>
#include <vector>

#include "field/model_in_use.h"

// The field and potential along the line the "Mediatriz" plot follows (the
// shape's plotLine: the segments' perpendicular bisector, the axis of a ring
// or a disk from its centre outwards) against the distance s along it, for
// the models and the limits a teacher compares them with. Magnitudes of the
// field; signed potentials. A limit the shape has none of is NaN.
struct BisectorSample {
    double s;         // m
    double exactE;    // |E| of the integral, V/m
    double chargesE;  // |E| of the N elements
    double lineE;     // |E| of an infinite line of the same density: 2kλ/s
    double pointE;    // |E| of the whole charge Q at one point: k|Q|/s²
    double planeE;    // |E| of an infinite plane of the same density: σ/2ε₀
    double exactV;    // V of the integral, V
    double chargesV;  // V of the N elements
    double pointV;    // V of the one charge: kQ/s
};

constexpr double kBisectorNearest = 1e-3;  // m
constexpr double kBisectorFarthest = 100;  // m
constexpr int kBisectorSamples = 241;      // 48 per decade, both ends included

// Samples spaced evenly in log s from 1 mm to 100 m, for the model's shape,
// density and elements; with none (the integral alone) the elements' values
// are NaN.
std::vector<BisectorSample> BisectorSamples(const FieldModel& model);

// The models the bisector's plots and data compare, with the charge and the
// constant they use: the integral, and n elements unless n = 0.
std::string BisectorModels(const ChargeDistribution& shape, int n);

// Whether the plotted line runs along the shape's axis (a ring's, a disk's)
// rather than across it (a segment's bisector, which the x of its plane names).
bool AlongTheAxis(const ChargeDistribution& shape);

// What the elements are, for a legend or a column: "anillos" where they are
// circles of charge (a disk's), else "cargas puntuales".
std::string ElementsNoun(const ChargeDistribution& shape);
