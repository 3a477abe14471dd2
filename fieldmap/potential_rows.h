#pragma once

#include <cstddef>
#include <vector>

#include "field/model_in_use.h"

// The potential of the model at n points of one row of a map, in volts: at
// (xs[i], y) in the front view, at (bisectorX, hypot(xs[i], y)) in the profile
// view. NaN where the model has no value. Runs the widest vector instructions
// the CPU offers: closed forms for the segments and the ring, and for point
// charges and circles of charge one by one; other exact shapes (the disk) at
// the model's own pace, a point at a time.
void PotentialRow(const FieldModel& model, const double* xs, double y, double* volts,
                  std::size_t n);

using PotentialRowFunction = void (*)(const FieldModel& model, const double* xs, double y,
                                      double* volts, std::size_t n);

struct PotentialRowVariant {
    const char* instructions;
    PotentialRowFunction row;
};

// Whether a row costs many circles of charge or the model's own pace a
// point: the disk, exact or as rings, whose map the window does not wait for.
bool PotentialRowIsSlow(const FieldModel& model);

// The instruction sets the row is compiled for that this CPU runs, widest
// first; PotentialRow uses the first.
std::vector<PotentialRowVariant> PotentialRowVariants();
