#pragma once

#include <vector>

#include "field/model_in_use.h"
#include "field/world_window.h"

// One arrow of the field grid: the field at the centre of a cell.
struct GridArrow {
    double x;  // m
    double y;  // m
    FieldValue field;
    double magnitude;  // |E|, V/m
    int shade;         // the class of the magnitude, 0 (weakest) to kShades - 1

    double unitX() const { return field.ex / magnitude; }
    double unitY() const { return field.ey / magnitude; }
};

// Arrows of equal length whose shade tells the magnitude, so that the strong
// field near the charge does not swamp the view.
struct FieldGrid {
    static constexpr int kShades = 5;
    std::vector<GridArrow> arrows;
    // The key: shade i holds magnitudes from bounds[i] to bounds[i + 1], in
    // equal steps of log |E| from the weakest arrow to the strongest.
    std::vector<double> bounds;
};

// The arrows at the centres of the cells of `cells`, left out where the model has no value, the
// field is zero, or the point lies within `clearance` metres of the charge as the view shows it.
FieldGrid ComputeFieldGrid(const FieldModel& model, const WorldWindow& cells, double clearance);

// Cells across and down the drawing surface's window.
constexpr int kGridCells = 20;

// The grid of the view at the zoom factor: kGridCells x kGridCells cells over
// the drawing surface's window, none on the drawn charge (within its band
// divided by the zoom).
FieldGrid ViewFieldGrid(const FieldModel& model, double zoom);
