#pragma once

#include <string>
#include <vector>

#include "field/model_in_use.h"

// The field and potential along the line the "Mediatriz" plot follows, the
// perpendicular bisector of the segment, against the distance s from it, for the models and the two
// limits a teacher compares them with. Magnitudes of the field; signed potentials.
struct BisectorSample {
    double s;         // m
    double exactE;    // |E| of the integral, V/m
    double chargesE;  // |E| of N point charges
    double lineE;     // |E| of an infinite line of the same density: 2kλ/s
    double pointE;    // |E| of one charge Q = λL at the middle: k|Q|/s²
    double exactV;    // V of the integral, V
    double chargesV;  // V of N point charges
    double pointV;    // V of the one charge: kQ/s
};

constexpr double kBisectorNearest = 1e-3;  // m
constexpr double kBisectorFarthest = 100;  // m
constexpr int kBisectorSamples = 241;      // 48 per decade, both ends included

// Samples spaced evenly in log s from 1 mm to 100 m, for the model's shape,
// density and point charges; with none (the integral alone) the point
// charges' values are NaN.
std::vector<BisectorSample> BisectorSamples(const FieldModel& model);

// The models the bisector's plots and data compare, with the charge and the
// constant they use: the integral, and n point charges unless n = 0.
std::string BisectorModels(const ChargeDistribution& shape, int n);
