#pragma once

#include <string>
#include <vector>

#include "plots/bisector.h"
#include "plots/convergence.h"

// The plots' data for a spreadsheet: a first line that starts with "#" and
// holds no comma, so that a spreadsheet shows it as one cell of text and a
// program can skip it as a comment, saying what was computed (the density in
// µC/m, the models with the charge and the constant k they use, the point,
// the fitted slopes); then a header row with names and units, one row per
// sample, '.' as the decimal separator in every locale, values with 10
// significant digits, and an empty cell for an error lost to rounding. With
// no point charges the bisector's data are the integral's and the limits' alone, as
// plotted for it.
std::string BisectorCsv(const std::vector<BisectorSample>& samples, const FieldModel& model);
std::string ConvergenceCsv(const std::vector<ConvergenceSample>& samples, double x, double y,
                           double lambda);
