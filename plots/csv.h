#pragma once

#include <string>
#include <vector>

#include "plots/bisector.h"
#include "plots/convergence.h"

// The plots' data for a spreadsheet: a first line that starts with "#" and
// holds no comma, so that a spreadsheet shows it as one cell of text and a
// program can skip it as a comment, saying what was computed (the line
// plotted, the density in µC/m or µC/m² and the charge Q in µC, the models
// with the shape, its charge and the constant k they use, the point, the
// fitted law); then a header row with names and units, one row per
// sample, '.' as the decimal separator in every locale, each value the
// shortest text that reads back as the same double, and an empty cell for an
// error lost to rounding. With no elements the bisector's data are the
// integral's and the limits' alone, as plotted for it; a limit the shape has
// none of has no column.
std::string BisectorCsv(const std::vector<BisectorSample>& samples, const FieldModel& model);
std::string ConvergenceCsv(const std::vector<ConvergenceSample>& samples,
                           const ChargeDistribution& shape, double x, double y, double lambda);

// The line the bisector's data follow, as its first line names it: "Mediatriz x = 0.5 m".
std::string PlotLineText(const ChargeDistribution& shape);
