#pragma once

#include <cstddef>
#include <vector>

#include "field/model_in_use.h"

// The potential of the model at n points of one row of a map, in volts: at
// (xs[i], y) in the front view, at (0.5, hypot(xs[i], y)) in the profile view.
// NaN where the model has no value. Runs the widest vector instructions the
// CPU offers.
void PotentialRow(const FieldModel& model, const double* xs, double y, double* volts,
                  std::size_t n);

using PotentialRowFunction = void (*)(const FieldModel& model, const double* xs, double y,
                                      double* volts, std::size_t n);

struct PotentialRowVariant {
    const char* instructions;
    PotentialRowFunction row;
};

// The instruction sets the row is compiled for that this CPU runs, widest
// first; PotentialRow uses the first.
std::vector<PotentialRowVariant> PotentialRowVariants();
