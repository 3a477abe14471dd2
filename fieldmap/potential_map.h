#pragma once

#include <stop_token>
#include <vector>

#include "field/model_in_use.h"
#include "field/world_window.h"

// The potential at the centre of every pixel of an area, row by row from the
// top, in volts; NaN where the model has no value.
struct PotentialMap {
    int columns = 0;
    int rows = 0;
    std::vector<double> volts;

    double at(int column, int row) const { return volts[std::size_t(row) * columns + column]; }
};

// Computed on every core, with the vector instructions the CPU has, once for
// each pair of pixels that mirror each other across the model's symmetries.
PotentialMap ComputePotentialMap(const FieldModel& model, const WorldWindow& area);

// The same into an existing map, whose memory is reused when it has as many
// pixels: a new 1000 x 1000 map costs more in fresh pages than in potentials.
// Once `stop` is requested the rows not yet begun are left as they were.
void ComputePotentialMap(const FieldModel& model, const WorldWindow& area, PotentialMap& map,
                         std::stop_token stop = {});
