#pragma once

#include <string>

#include "fieldmap/field_grid.h"

// The grid's arrows for a spreadsheet: a first line that starts with "# " and
// holds no comma, so that a spreadsheet shows it as one cell of text and a
// program can skip it as a comment, saying what was computed (the view, the
// zoom in %, the density, the model and the constant k); then a header row
// with names and units in the view's letters (x and Ex in the front view, z
// and Ez in the profile view, as the window names them), one row per arrow,
// '.' as the decimal separator in every locale, and values with 10
// significant digits.
std::string FieldGridCsv(const FieldGrid& grid, const FieldModel& model, int zoomPercent);
