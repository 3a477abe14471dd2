#pragma once

#include <string>

#include "fieldmap/field_grid.h"

// The grid's arrows for a spreadsheet: a header row with names and units, one
// row per arrow, '.' as the decimal separator in every locale, and values
// with 10 significant digits.
std::string FieldGridCsv(const FieldGrid& grid);
